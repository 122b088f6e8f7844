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
    QString cell(int row, int column) const { return h->Strukt->item(row - 1, column)->text(); }
    void select(int row, int column) { h->authoringTab->StruktSelectCell(column, row); }
    static void leave(QWidget* editor) {
        QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
        QApplication::sendEvent(editor, &out);
    }
};

TEST_F(Structure, GridShowsTitleSetsLanguagesAndBitrates) {
    hold(2);
    EXPECT_EQ(h->Strukt->rowCount(), 2);
    EXPECT_EQ(cell(1, 0), QStringLiteral("1"));
    EXPECT_EQ(cell(2, 1), QStringLiteral("2.mpg"));
    EXPECT_EQ(cell(1, 2), QStringLiteral("DE"));
    EXPECT_EQ(cell(1, 3), QStringLiteral("256"));
    EXPECT_EQ(cell(1, 4), QStringLiteral("---"));
    select(1, 4);  // a track that does not exist
    EXPECT_FALSE(h->CoSpr->isVisible());
}

TEST_F(Structure, ABreakByHandOpensATitleSetAndClosesAgain) {
    hold(3);
    h->Run.resumePoint = 401;
    select(3, 0);
    EXPECT_EQ(h->Run.resumePoint, 0);
    EXPECT_EQ(cell(3, 0), QStringLiteral("2"));
    EXPECT_TRUE(h->Sources[3].Weich);
    select(3, 0);
    EXPECT_EQ(cell(3, 0), QStringLiteral("1"));
}

TEST_F(Structure, ALanguageChangeAppliesToTheWholeTitleSet) {
    hold(3);
    h->Run.resumePoint = 302;
    select(2, 2);
    EXPECT_EQ(h->Run.resumePoint, 302) << "only authoring progress is discarded";
    ASSERT_TRUE(h->CoSpr->isVisible());
    h->CoSpr->setCurrentIndex(kLanguageEN);
    emit h->CoSpr->activated(kLanguageEN);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(h->Sources[i].DVDSprache[0], kLanguageEN) << i;
    EXPECT_FALSE(h->CoSpr->isVisible());
}

// A choice is written when the editor is left, into its own cell's column, and
// only a table entry; every existing track can be edited, also from the keyboard.
TEST_F(Structure, EditorsWriteTheirOwnColumnWhenLeftAndOpenFromTheKeyboard) {
    hold(2);
    h->Sources[2].DVDBitrate[0] = kNone;
    h->TitleSetPass();
    h->authoringTab->fillGrid();
    select(2, 3);
    ASSERT_TRUE(h->CoBit->isVisible()) << "an existing track whose bitrate is not known yet";
    QAccessibleInterface* editor = QAccessible::queryAccessibleInterface(h->CoBit);
    EXPECT_GE(editor->parent()->indexOfChild(editor), 0) << "screen readers find it";
    EXPECT_EQ(h->CoSpr->maxVisibleItems(), 20);
    select(1, 2);
    EXPECT_TRUE(h->CoBit->isHidden() && h->CoSpr->isVisible());
    EXPECT_EQ(h->Sources[2].DVDBitrate[0], kNone) << "nothing chosen, nothing written";
    h->CoSpr->setCurrentIndex(kLanguageEN);
    leave(h->CoSpr);
    EXPECT_TRUE(h->CoSpr->isHidden());
    EXPECT_EQ(h->Sources[1].DVDSprache[0], kLanguageEN);
    EXPECT_EQ(h->Sources[1].DVDBitrate[0], 8) << "a leftover editor writes nothing elsewhere";

    h->Strukt->setCurrentCell(1, 3);
    QTest::keyClick(h->Strukt, Qt::Key_Return);
    ASSERT_TRUE(h->CoBit->isVisible());
    h->CoBit->setCurrentIndex(kBitrateTop);
    QTest::keyClick(h->CoBit, Qt::Key_Return);
    EXPECT_EQ(h->Sources[2].DVDBitrate[0], kBitrateTop);
    EXPECT_TRUE(h->CoBit->isHidden());
}

// Start comes back as soon as the structure allows it, and says why it cannot.
TEST_F(Structure, TooManyTitleSetsDisableStartUntilTheGridJoinsThem) {
    hold(10);
    for (int i = 2; i <= 10; ++i)
        h->Sources[i].Weich = true;
    h->TitleSetPass();
    const QString why = QStringLiteral("Zu viele Titelsets (10 von höchstens 9)");
    EXPECT_FALSE(h->BuStart->isEnabled() || h->BuMProjekt->isEnabled());
    EXPECT_EQ(h->BuStart->toolTip(), why);
    EXPECT_EQ(h->LaTitelsets->text(), why);
    EXPECT_TRUE(h->LaTitelsets->isVisible());
    select(10, 0);
    EXPECT_TRUE(h->BuStart->isEnabled() && h->BuMProjekt->isEnabled());
    EXPECT_FALSE(h->LaTitelsets->isVisible());
    EXPECT_EQ(h->BuStart->toolTip(), QStringLiteral("Starten des\nVorganges."));
}

// Below the grid the DVD's size and a warning when PAL and NTSC meet; the grid
// marks a picture players may refuse; Start asks before such a run.
TEST_F(Structure, DiscNotesBelowTheGridAndStartAsksBeforeARiskyRun) {
    hold(2);
    EXPECT_EQ(h->LaGroesse->text(), QStringLiteral("Voraussichtlich 0 MB: passt auf eine DVD-5 (4.483 MB)."));
    EXPECT_EQ(h->Strukt->item(0, 1)->toolTip(), PlayerNote(h->Sources[1]));
    EXPECT_FALSE(h->Strukt->item(0, 1)->icon().isNull());
    EXPECT_FALSE(h->LaSystem->isVisible());
    h->Sources[2].Bildwiederholrate = QStringLiteral("29.970");
    showTab("tavTabMPEG");
    showTab("tavTabAuthor");
    EXPECT_TRUE(h->LaSystem->isVisible());

    dialogs.answer(QStringLiteral("no"));
    click("BuStart");
    EXPECT_EQ(dialogs.takeTexts(),
              QStringList{MixedSystemsWarning() + QStringLiteral("\r\nTrotzdem starten?")});
    EXPECT_EQ(h->tav->currentWidget(), h->tavTabAuthor) << "not started";
    dialogs.answer(QStringLiteral("yes"));
    click("BuStart");
    dialogs.take();
    EXPECT_EQ(h->tav->currentWidget(), h->tavTabLog) << "started anyway";
}

TEST_F(Structure, BitrateOfASourceWithNavigationPacksCannotChange) {
    hold(1);
    h->Sources[1].NavPacks = true;
    select(1, 3);
    EXPECT_FALSE(h->CoBit->isVisible());
    select(1, 2);
    EXPECT_TRUE(h->CoSpr->isVisible()) << "its language can";
}

TEST_F(Structure, MenuVariantsEnableTheirFiles) {
    h->Author.Menue1 = QStringLiteral("/m/dummy.vob");
    h->Author.Menue2 = QStringLiteral("/m/haupt.vob");
    h->Author.Menue3 = QStringLiteral("/m/unter.vob");
    h->PGA->setCurrentWidget(h->TabMenue);
    click("RaVar1");
    EXPECT_EQ(h->EdHM->text(), QStringLiteral("/m/dummy.vob"));
    EXPECT_TRUE(h->BuHM->isEnabled());
    EXPECT_FALSE(h->BuUM->isEnabled());
    EXPECT_FALSE(h->ChVorMenu->isEnabled());
    click("RaVar2");
    EXPECT_EQ(h->EdHM->text(), QStringLiteral("/m/haupt.vob"));
    EXPECT_EQ(h->EdUM->text(), QStringLiteral("/m/unter.vob"));
    EXPECT_TRUE(h->BuUM->isEnabled() && h->ChVorMenu->isEnabled());

    const QString chosen = programDir.write("Menü.VOB", "x");
    dialogs.answer(chosen);
    click("BuHM");
    EXPECT_EQ(h->Author.Menue2, chosen) << "upper-case .VOB is accepted";
    EXPECT_EQ(dialogs.lastFileRequest().title, QStringLiteral("Pfad zum Hauptmenü"));
    dialogs.answer(programDir.write("menu.mpg", "x"));
    click("BuUM");
    EXPECT_EQ(h->Author.Menue3, QStringLiteral("/m/unter.vob")) << "other extensions are ignored";
    dialogs.take();
    click("RaVar0");
    EXPECT_FALSE(h->BuHM->isEnabled() || h->EdUM->isEnabled());
}

}  // namespace
