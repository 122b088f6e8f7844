#include <QAccessible>
#include <QFocusEvent>
#include <QTableWidget>

#include "gui/tabs/AuthoringTab.h"
#include "sources/Compliance.h"
#include "sources/Tables.h"
#include "support/WindowFixture.h"

namespace {

class Structure : public WindowTest {
  protected:
    void hold(int count) {
        for (int i = 1; i <= count; ++i)
            holdSource(QStringLiteral("/q/%1.mpg").arg(i));
        showTab("tavTabAuthor");
    }
    QString cell(int row, int column) const {
        return find<QTableWidget>("Strukt")->item(row - 1, column)->text();
    }
    void select(int row, int column) {
        QTableWidget* grid = find<QTableWidget>("Strukt");
        const QRect cell = grid->visualRect(grid->model()->index(row - 1, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        pump();
    }
    static void leave(QWidget* editor) {
        QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
        QApplication::sendEvent(editor, &out);
    }
};

TEST_F(Structure, GridShowsTitleSetsLanguagesAndBitrates) {
    hold(2);
    EXPECT_EQ(find<QTableWidget>("Strukt")->rowCount(), 2);
    EXPECT_EQ(cell(1, 0), QStringLiteral("1"));
    EXPECT_EQ(cell(2, 1), QStringLiteral("2.mpg"));
    EXPECT_EQ(cell(1, 2), QStringLiteral("DE"));
    EXPECT_EQ(cell(1, 3), QStringLiteral("256"));
    EXPECT_EQ(cell(1, 4), QStringLiteral("---"));
    select(1, 4);  // a track that does not exist
    EXPECT_FALSE(find<QComboBox>("CoSpr")->isVisible());
}

TEST_F(Structure, ABreakByHandOpensATitleSetAndClosesAgain) {
    hold(3);
    h->runState().resumePoint = 401;
    select(3, 0);
    EXPECT_EQ(h->runState().resumePoint, 0);
    EXPECT_EQ(cell(3, 0), QStringLiteral("2"));
    EXPECT_TRUE(h->sources()[3].Weich);
    select(3, 0);
    EXPECT_EQ(cell(3, 0), QStringLiteral("1"));
}

TEST_F(Structure, ALanguageChangeAppliesToTheWholeTitleSet) {
    hold(3);
    h->runState().resumePoint = 302;
    select(2, 2);
    EXPECT_EQ(h->runState().resumePoint, 302) << "only authoring progress is discarded";
    ASSERT_TRUE(find<QComboBox>("CoSpr")->isVisible());
    find<QComboBox>("CoSpr")->setCurrentIndex(kLanguageEN);
    emit find<QComboBox>("CoSpr")->activated(kLanguageEN);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(h->sources()[i].DVDSprache[0], kLanguageEN) << i;
    EXPECT_FALSE(find<QComboBox>("CoSpr")->isVisible());
}

// A choice is written when the editor is left, into its own cell's column, and
// only a table entry; every existing track can be edited, also from the keyboard.
TEST_F(Structure, EditorsWriteTheirOwnColumnWhenLeftAndOpenFromTheKeyboard) {
    hold(2);
    h->sources()[2].DVDBitrate[0] = kNone;
    h->sourcesChanged();
    select(2, 3);
    ASSERT_TRUE(find<QComboBox>("CoBit")->isVisible()) << "an existing track whose bitrate is not known yet";
    QAccessibleInterface* editor = QAccessible::queryAccessibleInterface(find<QComboBox>("CoBit"));
    EXPECT_GE(editor->parent()->indexOfChild(editor), 0) << "screen readers find it";
    EXPECT_EQ(find<QComboBox>("CoSpr")->maxVisibleItems(), 20);
    select(1, 2);
    EXPECT_TRUE(find<QComboBox>("CoBit")->isHidden() && find<QComboBox>("CoSpr")->isVisible());
    EXPECT_EQ(h->sources()[2].DVDBitrate[0], kNone) << "nothing chosen, nothing written";
    find<QComboBox>("CoSpr")->setCurrentIndex(kLanguageEN);
    leave(find<QComboBox>("CoSpr"));
    EXPECT_TRUE(find<QComboBox>("CoSpr")->isHidden());
    EXPECT_EQ(h->sources()[1].DVDSprache[0], kLanguageEN);
    EXPECT_EQ(h->sources()[1].DVDBitrate[0], 8) << "a leftover editor writes nothing elsewhere";

    find<QTableWidget>("Strukt")->setCurrentCell(1, 3);
    QTest::keyClick(find<QTableWidget>("Strukt"), Qt::Key_Return);
    ASSERT_TRUE(find<QComboBox>("CoBit")->isVisible());
    find<QComboBox>("CoBit")->setCurrentIndex(kBitrateTop);
    QTest::keyClick(find<QComboBox>("CoBit"), Qt::Key_Return);
    EXPECT_EQ(h->sources()[2].DVDBitrate[0], kBitrateTop);
    EXPECT_TRUE(find<QComboBox>("CoBit")->isHidden());
}

// Start comes back as soon as the structure allows it, and says why it cannot.
TEST_F(Structure, TooManyTitleSetsDisableStartUntilTheGridJoinsThem) {
    hold(10);
    for (int i = 2; i <= 10; ++i)
        h->sources()[i].Weich = true;
    h->sourcesChanged();
    const QString why = QStringLiteral("Zu viele Titelsets (10 von höchstens 9)");
    EXPECT_FALSE(find<QPushButton>("BuStart")->isEnabled() || find<QPushButton>("BuMProjekt")->isEnabled());
    EXPECT_EQ(find<QPushButton>("BuStart")->toolTip(), why);
    EXPECT_EQ(find<QLabel>("LaTitelsets")->text(), why);
    EXPECT_TRUE(find<QLabel>("LaTitelsets")->isVisible());
    select(10, 0);
    EXPECT_TRUE(find<QPushButton>("BuStart")->isEnabled() && find<QPushButton>("BuMProjekt")->isEnabled());
    EXPECT_FALSE(find<QLabel>("LaTitelsets")->isVisible());
    EXPECT_EQ(find<QPushButton>("BuStart")->toolTip(), QStringLiteral("Starten des\nVorganges."));
}

// Below the grid the DVD's size and a warning when PAL and NTSC meet; the grid
// marks a picture players may refuse; Start asks before such a run.
TEST_F(Structure, DiscNotesBelowTheGridAndStartAsksBeforeARiskyRun) {
    hold(2);
    EXPECT_EQ(find<QLabel>("LaGroesse")->text(),
              QStringLiteral("Voraussichtlich 0 MB: passt auf eine DVD-5 (4.483 MB)."));
    EXPECT_EQ(find<QTableWidget>("Strukt")->item(0, 1)->toolTip(), PlayerNote(h->sources()[1]));
    EXPECT_FALSE(find<QTableWidget>("Strukt")->item(0, 1)->icon().isNull());
    EXPECT_FALSE(find<QLabel>("LaSystem")->isVisible());
    h->sources()[2].Bildwiederholrate = QStringLiteral("29.970");
    showTab("tavTabMPEG");
    showTab("tavTabAuthor");
    EXPECT_TRUE(find<QLabel>("LaSystem")->isVisible());

    dialogs.answer(QStringLiteral("no"));
    click("BuStart");
    EXPECT_EQ(dialogs.takeTexts(),
              QStringList{MixedSystemsWarning() + QStringLiteral("\r\nTrotzdem starten?")});
    EXPECT_EQ(find<QTabWidget>("tav")->currentWidget(), find<QWidget>("tavTabAuthor")) << "not started";
    dialogs.answer(QStringLiteral("yes"));
    click("BuStart");
    dialogs.take();
    EXPECT_EQ(find<QTabWidget>("tav")->currentWidget(), find<QWidget>("tavTabLog")) << "started anyway";
}

TEST_F(Structure, BitrateOfASourceWithNavigationPacksCannotChange) {
    hold(1);
    h->sources()[1].NavPacks = true;
    select(1, 3);
    EXPECT_FALSE(find<QComboBox>("CoBit")->isVisible());
    select(1, 2);
    EXPECT_TRUE(find<QComboBox>("CoSpr")->isVisible()) << "its language can";
}

TEST_F(Structure, MenuVariantsEnableTheirFiles) {
    h->settings().menu1 = QStringLiteral("/m/dummy.vob");
    h->settings().menu2 = QStringLiteral("/m/haupt.vob");
    h->settings().menu3 = QStringLiteral("/m/unter.vob");
    find<QTabWidget>("PGA")->setCurrentWidget(find<QWidget>("TabMenue"));
    click("RaVar1");
    EXPECT_EQ(find<QLineEdit>("EdHM")->text(), QStringLiteral("/m/dummy.vob"));
    EXPECT_TRUE(find<QPushButton>("BuHM")->isEnabled());
    EXPECT_FALSE(find<QPushButton>("BuUM")->isEnabled());
    EXPECT_FALSE(find<QCheckBox>("ChVorMenu")->isEnabled());
    click("RaVar2");
    EXPECT_EQ(find<QLineEdit>("EdHM")->text(), QStringLiteral("/m/haupt.vob"));
    EXPECT_EQ(find<QLineEdit>("EdUM")->text(), QStringLiteral("/m/unter.vob"));
    EXPECT_TRUE(find<QPushButton>("BuUM")->isEnabled() && find<QCheckBox>("ChVorMenu")->isEnabled());

    const QString chosen = programDir.write("Menü.VOB", "x");
    dialogs.answer(chosen);
    click("BuHM");
    EXPECT_EQ(h->settings().menu2, chosen) << "upper-case .VOB is accepted";
    EXPECT_EQ(dialogs.lastFileRequest().title, QStringLiteral("Pfad zum Hauptmenü"));
    dialogs.answer(programDir.write("menu.mpg", "x"));
    click("BuUM");
    EXPECT_EQ(h->settings().menu3, QStringLiteral("/m/unter.vob")) << "other extensions are ignored";
    dialogs.take();
    click("RaVar0");
    EXPECT_FALSE(find<QPushButton>("BuHM")->isEnabled() || find<QLineEdit>("EdUM")->isEnabled());
}

}  // namespace
