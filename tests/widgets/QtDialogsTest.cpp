#include "gui/window/QtDialogs.h"
#include "platform/Locale.h"
#include "support/WindowFixture.h"

namespace {

TEST(QtDialogs, FiltersBecomeQtFiltersWithAllFilesOnLinux) {
    EXPECT_EQ(QtDialogs::ConvertFilter("Projekt (*.tvpr)|*.tvpr"), QStringList{"Projekt (*.tvpr)"});
    EXPECT_EQ(QtDialogs::ConvertFilter("MPEG1/2 Video (*.mpg)|*.mpg|MPEG1/2 Video (*.m1v,*.m2v)|*.m1v;*.m2v|"
                                       "Alle Datein (*.*)|*.*"),
              (QStringList{"MPEG1/2 Video (*.mpg)", "MPEG1/2 Video (*.m1v *.m2v)", "Alle Datein (*)"}));
    EXPECT_TRUE(QtDialogs::ConvertFilter(QString()).isEmpty());
}

TEST(QtDialogs, QuestionsAnswerYesNoOrNoneAndKeepLineBreaks) {
    QtDialogs dialogs;
    OnNextModal<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.text(), "Die Datei\nist bereits vorhanden.");
        box.button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(dialogs.ask(Dialogs::Kind::Confirmation, "Die Datei\r\nist bereits vorhanden."),
              Dialogs::Answer::Yes);
    OnNextModal<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::No)->click(); });
    EXPECT_EQ(dialogs.ask(Dialogs::Kind::Warning, "?"), Dialogs::Answer::No);
    OnNextModal<QMessageBox>([](QMessageBox& box) { box.done(QMessageBox::NoButton); });
    EXPECT_EQ(dialogs.ask(Dialogs::Kind::Error, "?"), Dialogs::Answer::None);
}

TEST(QtDialogs, FileDialogsAreQtsOwnAndReturnNothingWhenCancelled) {
    QtDialogs dialogs;
    OnNextModal<QFileDialog>([](QFileDialog& dialog) {
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(dialog.windowTitle(), "Projektdatei öffnen");
        EXPECT_EQ(dialog.nameFilters(), QStringList{"Projekt (*.tvpr)"});
        EXPECT_TRUE(dialog.filter() & QDir::Hidden);
        dialog.reject();
    });
    EXPECT_TRUE(
        dialogs.openFiles({"Projektdatei öffnen", "", "", "Projekt (*.tvpr)|*.tvpr", false, true}).isEmpty());
    OnNextModal<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_TRUE(dialogs.chooseFolder("Arbeits-Verzeichnis auswählen:", QString()).isEmpty());
}

TEST(QtDialogs, QtsOwnTextsAndNumbersAreGerman) {
    QTranslator translator;
    UseGerman(translator);
    EXPECT_EQ(QLocale().toString(1234.5, 'f', 1), "1.234,5");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "Suchen in:");
    QCoreApplication::removeTranslator(&translator);
    QLocale::setDefault(QLocale::c());
}

}  // namespace
