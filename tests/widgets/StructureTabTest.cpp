// The Authoring tab: the structure grid with its editors, the notes below it, and the menu page.

#include "sources/Compliance.h"
#include "sources/Tables.h"
#include "support/WindowFixture.h"

namespace {

class Structure : public WindowTest {
  protected:
    void hold(int count) {
        for (int i = 1; i <= count; ++i)
            holdSource(QString("/q/%1.mpg").arg(i));
        showTab("tavTabAuthor");
    }
    QTableWidget* grid() const { return find<QTableWidget>("Strukt"); }
    QString cell(int row, int column) const { return grid()->item(row - 1, column)->text(); }
    void select(int row, int column) {
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {},
                          grid()->visualRect(grid()->model()->index(row - 1, column)).center());
        pump();
    }
    MPEGInfo& source(int i) { return h->sources()[i]; }
};

TEST_F(Structure,
       GridShowsTitleSetsLanguagesAndBitratesABreakByHandOpensATitleSetALanguageGoesToTheWholeSet) {
    hold(3);
    EXPECT_EQ(grid()->rowCount(), 3);
    EXPECT_EQ(QStringList({cell(1, 0), cell(2, 1), cell(1, 2), cell(1, 3), cell(1, 4)}),
              QStringList({"1", "2.mpg", "DE", "256", "---"}));
    select(1, 4);  // a track that does not exist
    EXPECT_FALSE(visible("CoSpr"));
    source(2).NavPacks = true;
    select(2, 3);
    EXPECT_FALSE(visible("CoBit")) << "the bitrate of a source with navigation packs cannot change";
    select(2, 2);
    EXPECT_TRUE(visible("CoSpr")) << "its language can";
    h->runState().resumePoint = 401;
    select(3, 0);
    EXPECT_EQ(h->runState().resumePoint, 0);
    EXPECT_EQ(cell(3, 0), "2");
    EXPECT_TRUE(source(3).Weich);
    select(3, 0);
    EXPECT_EQ(cell(3, 0), "1");

    h->runState().resumePoint = 302;
    select(2, 2);
    EXPECT_EQ(h->runState().resumePoint, 302) << "only authoring progress is discarded";
    ASSERT_TRUE(visible("CoSpr"));
    find<QComboBox>("CoSpr")->setCurrentIndex(kLanguageEN);
    emit find<QComboBox>("CoSpr")->activated(kLanguageEN);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(source(i).DVDSprache[0], kLanguageEN) << i;
    EXPECT_FALSE(visible("CoSpr"));
}

// A choice is written when the editor is left, into its own cell's column, and
// only a table entry; every existing track can be edited, also from the keyboard.
TEST_F(Structure, EditorsWriteTheirOwnColumnWhenLeftAndOpenFromTheKeyboard) {
    hold(2);
    source(2).DVDBitrate[0] = kNone;
    h->sourcesChanged();
    select(2, 3);
    ASSERT_TRUE(visible("CoBit")) << "an existing track whose bitrate is not known yet";
    QAccessibleInterface* editor = QAccessible::queryAccessibleInterface(find("CoBit"));
    EXPECT_GE(editor->parent()->indexOfChild(editor), 0) << "screen readers find it";
    EXPECT_EQ(find<QComboBox>("CoSpr")->maxVisibleItems(), 20);
    select(1, 2);
    EXPECT_TRUE(!visible("CoBit") && visible("CoSpr"));
    EXPECT_EQ(source(2).DVDBitrate[0], kNone) << "nothing chosen, nothing written";
    find<QComboBox>("CoSpr")->setCurrentIndex(kLanguageEN);
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(find("CoSpr"), &out);
    EXPECT_FALSE(visible("CoSpr"));
    EXPECT_EQ(source(1).DVDSprache[0], kLanguageEN);
    EXPECT_EQ(source(1).DVDBitrate[0], 8) << "a leftover editor writes nothing elsewhere";
    grid()->setCurrentCell(1, 3);
    QTest::keyClick(grid(), Qt::Key_Return);
    ASSERT_TRUE(visible("CoBit"));
    find<QComboBox>("CoBit")->setCurrentIndex(kBitrateTop);
    QTest::keyClick(find("CoBit"), Qt::Key_Return);
    EXPECT_EQ(source(2).DVDBitrate[0], kBitrateTop);
    EXPECT_FALSE(visible("CoBit"));
}

// Start comes back as soon as the structure allows it, and says why it cannot.
TEST_F(Structure, TooManyTitleSetsDisableStartUntilTheGridJoinsThem) {
    hold(10);
    for (int i = 2; i <= 10; ++i)
        source(i).Weich = true;
    h->sourcesChanged();
    const QString why = "Zu viele Titelsets (10 von höchstens 9)";
    EXPECT_FALSE(enabled("BuStart") || enabled("BuMProjekt"));
    EXPECT_EQ(find("BuStart")->toolTip(), why);
    EXPECT_EQ(text("LaTitelsets"), why);
    EXPECT_TRUE(visible("LaTitelsets"));
    select(10, 0);
    EXPECT_TRUE(enabled("BuStart") && enabled("BuMProjekt") && !visible("LaTitelsets"));
    EXPECT_EQ(find("BuStart")->toolTip(), "Starten des\nVorganges.");
}

// Below the grid the DVD's size and a warning when PAL and NTSC meet; the grid
// marks a picture players may refuse; Start asks before such a run. The notes'
// texts are the source table tests' matter.
TEST_F(Structure, DiscNotesBelowTheGridAndStartAsksBeforeARiskyRun) {
    hold(2);
    EXPECT_EQ(text("LaGroesse"), "Voraussichtlich 0 MB: passt auf eine DVD-5 (4.483 MB).");
    EXPECT_EQ(grid()->item(0, 1)->toolTip(), PlayerNote(source(1)));
    EXPECT_FALSE(grid()->item(0, 1)->icon().isNull());
    EXPECT_FALSE(visible("LaSystem"));
    source(2).Bildwiederholrate = "29.970";
    showTab("tavTabMPEG");
    showTab("tavTabAuthor");
    EXPECT_TRUE(visible("LaSystem"));
    EXPECT_EQ(clickAnswering("BuStart", {"no"}),
              QStringList{MixedSystemsWarning() + "\r\nTrotzdem starten?"});
    EXPECT_TRUE(showing("tavTabAuthor")) << "not started";
    clickAnswering("BuStart", {"yes"});
    EXPECT_TRUE(showing("tavTabLog")) << "started anyway";
}

TEST_F(Structure, MenuVariantsEnableTheirFiles) {
    h->settings().menu1 = "/m/dummy.vob";
    h->settings().menu2 = "/m/haupt.vob";
    h->settings().menu3 = "/m/unter.vob";
    find<QTabWidget>("PGA")->setCurrentWidget(find("TabMenue"));
    click("RaVar1");
    EXPECT_EQ(text("EdHM"), "/m/dummy.vob");
    EXPECT_TRUE(enabled("BuHM") && !enabled("BuUM") && !enabled("ChVorMenu"));
    click("RaVar2");
    EXPECT_EQ(QStringList({text("EdHM"), text("EdUM")}), QStringList({"/m/haupt.vob", "/m/unter.vob"}));
    EXPECT_TRUE(enabled("BuUM") && enabled("ChVorMenu"));
    const QString chosen = programDir.write("Menü.VOB", "x");
    EXPECT_EQ(clickAnswering("BuHM", {chosen}), QStringList{"Pfad zum Hauptmenü"});
    EXPECT_EQ(h->settings().menu2, chosen) << "upper-case .VOB is accepted";
    clickAnswering("BuUM", {programDir.write("menu.mpg", "x")});
    EXPECT_EQ(h->settings().menu3, "/m/unter.vob") << "other extensions are ignored";
    click("RaVar0");
    EXPECT_FALSE(enabled("BuHM") || enabled("EdUM"));
}

}  // namespace
