#include "chapters/TimeText.h"
#include "support/WindowFixture.h"

namespace {

const QString kNoPlayTime = "Die Spieldauer der Datei ist nicht bekannt.";
const QString kTooMany = "Es können höchstens 98 Kapitelmarken gesetzt werden.";

// A player that opens every file but the broken ones and moves only when told.
class FakePlayer : public PreviewPlayer {
  public:
    QSet<QString> broken;
    QString file;
    int measured = 0;  // the length the player itself would report
    int pos = 0, seeks = 0, volume = -1;
    bool playing = false;
    QRect rect;

    bool open(const QString& path) override {
        close();
        file = broken.contains(path) ? QString() : path;
        pos = 0;
        return isOpen();
    }
    void close() override { file.clear(), playing = false; }
    bool isOpen() const override { return !file.isEmpty(); }
    int length() const override { return isOpen() ? measured : 0; }
    int position() const override { return pos; }
    void setPosition(int frames) override { pos = frames, ++seeks; }
    void setDisplayRect(const QRect& r) override { rect = r; }
    void play() override { playing = true; }
    void pause() override { playing = false; }
    void setVolume(int v) override { volume = v; }
};

// The controls that need an open source.
const std::initializer_list<const char*> kSourceControls = {"BuAlle",      "EdAlle",   "BuGleich", "EdGleich",
                                                            "BuGeheZu",    "EdGeheZu", "BuPlay",   "BuStop",
                                                            "ListKapitel", "BuKAdd"};

class ChapterTabTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        auto fake = std::make_unique<FakePlayer>();
        player = fake.get();
        h->setPreviewPlayer(std::move(fake));
    }
    // A source /quellen/<name> as the analysis leaves it; returns its record number.
    int hold(const QString& name, const QString& seconds = "600", const QString& marks = QString()) {
        return holdSource("/quellen/" + name, seconds, marks);
    }
    // Shows the tab and opens source row (0-based) with a click.
    void open(int row) {
        if (!showing("tavTabKAP")) showTab("tavTabKAP");
        clickRow("ListMPEG", row);
    }
    QStringList listed() const { return texts("ListKapitel"); }
    // Types text into a field and presses Return (which acts like the button beside it) or clicks a button.
    void enter(const char* field, const QString& text, const char* button = nullptr) {
        find<QLineEdit>(field)->setText(text);
        button ? click(button) : QTest::keyClick(find(field), Qt::Key_Return);
    }
    QString position() const { return text("EdPosition"); }

    FakePlayer* player = nullptr;
};

TEST_F(ChapterTabTest, ShowingTheTabListsFileNamesAndClosesThePlayer) {
    showTab("tavTabKAP");
    EXPECT_FALSE(enabled("ListMPEG"));
    showTab("tavTabMPEG");
    hold("eins.mpg", "600", "00:01:00.000");
    hold("zwei.mpg", "60");
    open(0);
    EXPECT_EQ(player->file, "/quellen/eins.mpg");
    player->pos = 321;
    click("BuStop");
    open(0);
    EXPECT_EQ(position(), "00:00:00.000") << "a click on it opens it again";

    hold("drei.mpg", "60");  // the source list changes elsewhere
    EXPECT_FALSE(player->isOpen());
    EXPECT_EQ(find<QListWidget>("ListMPEG")->count(), 3);
    showTab("tavTabMPEG");
    h->sources().remove(2);
    showTab("tavTabKAP");
    EXPECT_FALSE(player->isOpen());
    EXPECT_EQ(texts("ListMPEG"), (QStringList{"eins.mpg", "zwei.mpg"}));
    EXPECT_EQ(find<QListWidget>("ListMPEG")->currentRow(), -1);
    EXPECT_TRUE(enabled("ListMPEG") && text("EdSpieldauer").isEmpty() && position().isEmpty() &&
                listed().isEmpty());
}

// The library's play time, the 16:9 band and the refusal's text are the chapter player test's matter.
TEST_F(ChapterTabTest, OpeningShowsTheLengthAndTheMarksBeforeTheEndAndAFailureLeavesNothingOpen) {
    hold("film.mpg", "600", "00:02:00.000,00:10:00.000,00:12:00.000,00:09:59.960");
    hold("ohne-zeit.mpg", QString(), "00:00:20.000");
    player->broken << h->sources()[hold("video.m2v", "600", "00:02:00.000")].Datei;
    player->measured = 250;
    open(0);
    EXPECT_EQ(listed(), (QStringList{"00:02:00.000", "00:09:59.960"}));
    expectEnabled(kSourceControls, true);
    expectEnabled({"ScPosition", "ScLaut", "BuKDelAlle"}, true);
    EXPECT_FALSE(enabled("BuKDel"));
    open(1);  // no play time known: the player's length
    EXPECT_EQ(text("EdSpieldauer"), "00:00:10.000");
    EXPECT_EQ(find<QScrollBar>("ScPosition")->maximum(), 250);
    EXPECT_EQ(player->rect, QRect(0, 0, 352, 288));
    EXPECT_TRUE(listed().isEmpty() && !enabled("BuKDelAlle")) << "a mark past the end";
    open(2);
    // Nothing is left open that could write the last source's marks into this one.
    EXPECT_TRUE(!player->isOpen() && listed().isEmpty() && text("EdSpieldauer").isEmpty());
    expectEnabled(kSourceControls, false);
    EXPECT_EQ(h->sources()[3].Kapitel, "00:02:00.000");
}

// Sorting and de-duplication are the chapter tests' matter; here the buttons store the marks.
TEST_F(ChapterTabTest, HandEditedMarksAreStoredInKapitel) {
    hold("film.mpg", "600", "00:09:00.000,00:09:00.000,00:10:00.000,00:09:00.000");  // marks may repeat
    open(0);
    set("ScPosition", 100);
    EXPECT_TRUE(player->pos == 100 && position() == "00:00:04.000");
    click("BuKAdd");
    click("BuKAdd");
    set("ScPosition", 51);
    click("BuKAdd");
    EXPECT_EQ(h->sources()[1].Kapitel, "00:00:02.040,00:00:04.000,00:09:00.000,00:10:00.000")
        << "a mark at the end is not listed, but it stays";
    clickRow("ListKapitel", 1);  // jumps to the mark
    EXPECT_EQ(player->pos, 100);
    click("BuKDel");
    EXPECT_FALSE(enabled("BuKDel"));
    EXPECT_EQ(h->sources()[1].Kapitel, "00:00:02.040,00:09:00.000,00:10:00.000");
    click("BuKDelAlle");
    EXPECT_TRUE(listed().isEmpty() && !enabled("BuKDel") && !enabled("BuKDelAlle"));
    EXPECT_EQ(h->sources()[1].Kapitel, "00:10:00.000");
}

TEST_F(ChapterTabTest, EveryEditOfMarksResetsAResumePointInTheAuthoringStages) {
    hold("film.mpg");
    open(0);
    find<QLineEdit>("EdGleich")->setText("3");
    for (const char* button : {"BuKAdd", "BuKDel", "BuKDelAlle", "BuAlle", "BuGleich"}) {
        for (int point : {399, 400, 702}) {
            enter("EdAlle", "1", "BuAlle");  // marks to delete
            click("BuStop");                 // enables BuKAdd
            clickRow("ListKapitel", 0);      // enables BuKDel
            h->runState().resumePoint = point;
            click(button);
            EXPECT_EQ(h->runState().resumePoint, point < 400 ? point : 0) << button << " " << point;
        }
    }
}

// The arithmetic of the marks and the reading of numbers are the chapter tests' matter.
TEST_F(ChapterTabTest, AutomaticMarksReplaceTheMarksOrRefuse) {
    const int i = hold("99min.mpg", "5940", "00:00:05.000");
    hold("ohne-zeit.mpg", QString(), "00:00:01.000");
    open(0);
    enter("EdAlle", " 30 ");
    EXPECT_EQ(h->sources()[i].Kapitel, "00:30:00.000,01:00:00.000,01:30:00.000");
    EXPECT_TRUE(!enabled("BuKAdd") && enabled("BuKDelAlle"));
    enter("EdGleich", "99");  // 98 marks are allowed
    EXPECT_TRUE(listed().size() == 98 && listed().last() == "01:38:00.000");
    enter("EdGleich", "1", "BuGleich");
    EXPECT_TRUE(h->sources()[i].Kapitel.isEmpty());
    const std::pair<const char*, const char*> refused[] = {
        {"EdAlle", "0"}, {"EdGleich", "2x"}, {"EdAlle", "1"}, {"EdGleich", "100"}};
    for (const auto& [field, text] : refused)
        enter(field, text);
    EXPECT_EQ(dialogs.takeTexts(),
              (QStringList{"Es wurde kein gültiger Abstand angegeben.",
                           "Es wurde keine gültige Anzahl angegeben.", kTooMany, kTooMany}));
    EXPECT_TRUE(h->sources()[i].Kapitel.isEmpty());
    open(1);
    enter("EdAlle", "10", "BuAlle");
    enter("EdGleich", "3", "BuGleich");
    EXPECT_EQ(dialogs.takeTexts(), (QStringList{kNoPlayTime, kNoPlayTime}));
    EXPECT_EQ(h->sources()[2].Kapitel, "00:00:01.000");
}

// Go to takes the leading digits as seconds; after Stop the position is where the picture stopped.
TEST_F(ChapterTabTest, PositionFollowsGoToAndWherePlayStopped) {
    hold("film.mpg", "600", "00:01:00.000");
    open(0);
    enter("EdGeheZu", "90x");
    EXPECT_TRUE(value("ScPosition") == 2250 && player->pos == 2250 && position() == "00:01:30.000");
    enter("EdGeheZu", "600", "BuGeheZu");  // the very end is allowed
    EXPECT_EQ(player->pos, 15000);
    for (const char* text : {"", "601", "99999999999999999999", "x90"})  // empty: nothing happens
        enter("EdGeheZu", text);
    const QString outOfRange = "Die eingegebende Zeit befindet sich\r\nausserhalb des zulässigen Bereiches.";
    EXPECT_EQ(dialogs.takeTexts(),
              (QStringList{outOfRange, outOfRange, "Es wurde keine gültige Position angegeben."}));
    EXPECT_EQ(player->pos, 15000);

    click("BuPlay");
    EXPECT_TRUE(player->playing);
    EXPECT_FALSE(enabled("BuKAdd") || enabled("BuKDel") || enabled("BuKDelAlle"));
    player->pos = 321;  // the picture moved on
    const int seeks = player->seeks;
    click("BuStop");
    EXPECT_TRUE(!player->playing && player->isOpen());  // paused, not rewound
    EXPECT_TRUE(value("ScPosition") == 321 && position() == FramesToText(321));
    EXPECT_EQ(player->seeks, seeks);  // a seek could land on another picture
    EXPECT_TRUE(enabled("BuKAdd") && enabled("BuKDelAlle"));
    set("ScLaut", 250);
    EXPECT_EQ(player->volume, 250);
    click("BuPlay");
    showTab("tavTabMPEG");  // leaving the tab pauses
    EXPECT_TRUE(!player->playing && player->isOpen());
    closeWindow();
    EXPECT_FALSE(player->isOpen());
}

}  // namespace
