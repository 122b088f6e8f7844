#include <QGuiApplication>
#include <QScreen>

#include "gui/tabs/AuthoringTab.h"
#include "persistence/IniFile.h"
#include "platform/Product.h"
#include "support/WindowFixture.h"

namespace {

class SettingsWindow : public WindowTest {
  protected:
    QString settingsFile() const { return programDir.file(QStringLiteral("tavrolin.ini")); }
};

}  // namespace

// The defaults themselves are the settings tests' matter; here they reach the window.
TEST_F(SettingsWindow, FirstStartShowsTheDefaults) {
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(h->pos(), QPoint(screen.width() / 2 - 564 / 2, screen.height() / 2 - 392 / 2));
    EXPECT_EQ(h->EdISODatei->text(), programDir.path() + QStringLiteral("/Meine_DVD.iso"));
    EXPECT_EQ(h->EdDVDDir->text(), programDir.path() + QStringLiteral("/Dvd"));
    EXPECT_EQ(h->ScLaut->value(), 700);
    EXPECT_FALSE(h->EdHM->isEnabled());
    EXPECT_FALSE(QFileInfo::exists(settingsFile())) << "nothing is written before closing";
}

TEST_F(SettingsWindow, ClosingSavesAndTheNextStartRestores) {
    const QString work = programDir.file(QStringLiteral("Arbeit"));
    QDir().mkpath(work);
    const QString menu = programDir.write(QStringLiteral("menue/menu01sub.vob"), "vob");
    const char* const boxes[] = {"ChEinzel", "ChXML", "ChPGC", "ChImage"};
    h->move(40, 50);
    for (const char* name : boxes)
        find<QCheckBox>(name)->setChecked(true);
    h->ChVorMenu->setChecked(false);
    h->CoTempo->setCurrentIndex(2);
    h->CoProcess->setCurrentIndex(4);
    h->EdDVDLabel->setText(QStringLiteral("Urlaub"));
    h->ScLaut->setValue(250);
    h->EdAlle->setText(QStringLiteral("3"));
    h->Author.Menue2 = menu;
    h->authoringTab->RaVar2Click();
    h->Pfade.Arbeit = work;
    closeWindow();
    EXPECT_EQ(IniFile(settingsFile()).value(QStringLiteral("Version"), QStringLiteral("Tavrolin")),
              ProgramVersion());

    open();
    EXPECT_EQ(h->pos(), QPoint(40, 50));
    for (const char* name : boxes)
        EXPECT_TRUE(find<QCheckBox>(name)->isChecked()) << name;
    EXPECT_FALSE(h->ChVorMenu->isChecked() || h->ChName->isChecked());
    EXPECT_EQ(h->CoTempo->currentIndex(), 2);
    EXPECT_EQ(h->CoProcess->currentIndex(), 4);
    EXPECT_EQ(h->ScLaut->value(), 250);
    EXPECT_EQ(h->EdAlle->text(), QStringLiteral("3"));
    EXPECT_TRUE(h->RaVar2->isChecked());
    EXPECT_EQ(h->EdHM->text(), menu);
    EXPECT_EQ(h->EdUM->text(), QString()) << "a missing sub-menu file is emptied";
    EXPECT_EQ(h->EdArbeitDir->text(), work);
    EXPECT_EQ(h->EdISODatei->text(), work + QStringLiteral("/Urlaub.iso"));
}

TEST_F(SettingsWindow, FailingSaveOnClosingIsReported) {
    ASSERT_TRUE(QDir().mkpath(settingsFile()));  // a folder in the file's place
    closeWindow();
    EXPECT_EQ(dialogs.takeTexts(),
              QStringList({QStringLiteral("Die Programmeinstellungen konnten nicht gesichert werden.")}));
    EXPECT_FALSE(h->isVisible()) << "the window closes anyway";
}

TEST_F(SettingsWindow, OpeningAProjectKeepsPositionToolsAndGeneralOptions) {
    h->move(70, 80);
    h->Tools[Tool::MPlex] = QStringLiteral("/eigen/mplex");
    h->ChEinzel->setChecked(true);
    h->CoProcess->setCurrentIndex(4);
    const QString project =
        programDir.write(QStringLiteral("a.tvpr"),
                         "[Fenster]\r\nPosLinks=500\r\nPosOben=500\r\n"
                         "[Kapitel]\r\nAbstand=4\r\n[Author]\r\nVariante0=0\r\nVariante1=1\r\n"
                         "[Allgemein]\r\nMPlex=/fremd/mplex\r\n");
    h->LoadSettings(project, false);
    EXPECT_EQ(h->pos(), QPoint(70, 80));
    EXPECT_EQ(h->Tools[Tool::MPlex], QStringLiteral("/eigen/mplex"));
    EXPECT_TRUE(h->ChEinzel->isChecked());
    EXPECT_EQ(h->CoProcess->currentIndex(), 4);
    EXPECT_EQ(h->EdAlle->text(), QStringLiteral("4"));
    EXPECT_TRUE(h->RaVar1->isChecked());
}

TEST_F(SettingsWindow, GaugeColoursAreShownAndKept) {
    programDir.write(QStringLiteral("tavrolin.ini"), "[Allgemein]\nGaugeFore=clRed\nGaugeBack=$00FF0000\n");
    open();
    EXPECT_EQ(h->GaFort->palette().color(QPalette::Highlight), QColor(Qt::red));
    EXPECT_EQ(h->GaFort->palette().color(QPalette::Base), QColor(Qt::blue));
    closeWindow();
    const IniFile ini(settingsFile());
    EXPECT_EQ(ini.value(QStringLiteral("Allgemein"), QStringLiteral("GaugeFore")), QStringLiteral("clRed"));
    EXPECT_EQ(ini.value(QStringLiteral("Allgemein"), QStringLiteral("GaugeBack")), QStringLiteral("clBlue"));
}
