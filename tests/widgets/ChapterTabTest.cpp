#include <QSet>

#include "chapters/TimeText.h"
#include "gui/tabs/ChapterTab.h"
#include "support/WindowFixture.h"

namespace {

const QString kCannotOpen = QStringLiteral("Der MediaPlayer kann die Datei nicht öffnen.");
const QString kNoPosition = QStringLiteral("Es wurde keine gültige Position angegeben.");
const QString kOutOfRange =
    QStringLiteral("Die eingegebende Zeit befindet sich\r\nausserhalb des zulässigen Bereiches.");
const QString kNoInterval = QStringLiteral("Es wurde kein gültiger Abstand angegeben.");
const QString kNoCount = QStringLiteral("Es wurde keine gültige Anzahl angegeben.");
const QString kNoPlayTime = QStringLiteral("Die Spieldauer der Datei ist nicht bekannt.");
const QString kTooMany = QStringLiteral("Es können höchstens 98 Kapitelmarken gesetzt werden.");

// A player that opens every file but the broken ones and moves only when told.
class FakePlayer : public PreviewPlayer {
  public:
    QSet<QString> broken;
    int measured = 0;  // the length the player itself would report
    QString file;
    int pos = 0;
    int seeks = 0;
    bool playing = false;
    QRect rect;
    int volume = -1;

    bool open(const QString& path) override {
        close();
        if (broken.contains(path)) return false;
        file = path;
        pos = 0;
        return true;
    }
    void close() override {
        file.clear();
        playing = false;
    }
    bool isOpen() const override { return !file.isEmpty(); }
    int length() const override { return isOpen() ? measured : 0; }
    int position() const override { return pos; }
    void setPosition(int frames) override {
        pos = frames;
        ++seeks;
    }
    void setDisplayRect(const QRect& r) override { rect = r; }
    void play() override { playing = true; }
    void pause() override { playing = false; }
    void setVolume(int v) override { volume = v; }
};

class ChapterTabTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        auto fake = std::make_unique<FakePlayer>();
        player = fake.get();
        h->setPreviewPlayer(std::move(fake));
    }

    // A source /quellen/<name> as the analysis leaves it; returns its record number.
    int hold(const QString& name, const QString& seconds, const QString& marks = QString()) {
        return holdSource(QStringLiteral("/quellen/") + name, seconds, marks);
    }
    // Shows the tab and opens source row (0-based) with a click.
    void open(int row) {
        if (find<QTabWidget>("tav")->currentWidget() != find<QWidget>("tavTabKAP")) showTab("tavTabKAP");
        clickRow(find<QListWidget>("ListMPEG"), row);
    }
    QStringList listed() const { return texts(find<QListWidget>("ListKapitel")); }
    // Types text into a field and clicks the button beside it.
    void enter(QLineEdit* field, const QString& text, const char* button) {
        field->setText(text);
        click(button);
    }
    // Return in the field acts like the button beside it.
    void jump(const QString& text) {
        find<QLineEdit>("EdGeheZu")->setText(text);
        QTest::keyClick(find<QLineEdit>("EdGeheZu"), Qt::Key_Return);
    }
    void every(const QString& minutes) { enter(find<QLineEdit>("EdAlle"), minutes, "BuAlle"); }
    void parts(const QString& count) { enter(find<QLineEdit>("EdGleich"), count, "BuGleich"); }
    // The controls that need an open source.
    QList<QWidget*> sourceControls() const {
        return {find<QPushButton>("BuAlle"), find<QLineEdit>("EdAlle"),     find<QPushButton>("BuGleich"),
                find<QLineEdit>("EdGleich"), find<QPushButton>("BuGeheZu"), find<QLineEdit>("EdGeheZu"),
                find<QPushButton>("BuPlay"), find<QPushButton>("BuStop"),   find<QListWidget>("ListKapitel"),
                find<QPushButton>("BuKAdd")};
    }

    FakePlayer* player = nullptr;
};

TEST_F(ChapterTabTest, ShowingTheTabListsFileNamesAndClosesThePlayer) {
    showTab("tavTabKAP");
    EXPECT_FALSE(find<QListWidget>("ListMPEG")->isEnabled());
    showTab("tavTabMPEG");

    hold(QStringLiteral("eins.mpg"), QStringLiteral("600"), QStringLiteral("00:01:00.000"));
    hold(QStringLiteral("zwei.mpg"), QStringLiteral("60"));
    open(0);
    EXPECT_EQ(player->file, QStringLiteral("/quellen/eins.mpg"));
    EXPECT_TRUE(find<QPushButton>("BuKDelAlle")->isEnabled());

    player->pos = 321;
    click("BuStop");
    open(0);
    EXPECT_EQ(find<QLineEdit>("EdPosition")->text(), QStringLiteral("00:00:00.000"))
        << "a click on it opens it again";

    hold(QStringLiteral("drei.mpg"), QStringLiteral("60"));  // the source list changes elsewhere
    EXPECT_FALSE(player->isOpen());
    EXPECT_EQ(find<QListWidget>("ListMPEG")->count(), 3);
    showTab("tavTabMPEG");
    h->sources().remove(2);
    showTab("tavTabKAP");
    EXPECT_FALSE(player->isOpen());
    EXPECT_TRUE(find<QListWidget>("ListMPEG")->isEnabled());
    EXPECT_EQ(texts(find<QListWidget>("ListMPEG")), (QStringList{"eins.mpg", "zwei.mpg"}));
    EXPECT_EQ(find<QListWidget>("ListMPEG")->currentRow(), -1);
    EXPECT_TRUE(find<QLineEdit>("EdSpieldauer")->text().isEmpty() &&
                find<QLineEdit>("EdPosition")->text().isEmpty());
    EXPECT_EQ(find<QListWidget>("ListKapitel")->count(), 0);
    for (QWidget* w : sourceControls())
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_FALSE(find<QPushButton>("BuKDelAlle")->isEnabled());
}

TEST_F(ChapterTabTest, OpeningShowsLengthPictureAreaAndTheMarksBeforeTheEnd) {
    const int wide = hold(QStringLiteral("breit.mpg"), QStringLiteral("600"),
                          QStringLiteral("00:02:00.000,00:10:00.000,00:12:00.000,00:09:59.960"));
    h->sources()[wide].AspectRatio = QStringLiteral("16:9");
    hold(QStringLiteral("ohne-zeit.mpg"), QString());
    player->measured = 250;

    open(0);
    EXPECT_EQ(find<QLineEdit>("EdSpieldauer")->text(),
              QStringLiteral("00:10:00.000"));  // the library's play time
    EXPECT_EQ(find<QScrollBar>("ScPosition")->maximum(), 15000);
    EXPECT_EQ(find<QLineEdit>("EdPosition")->text(), QStringLiteral("00:00:00.000"));
    EXPECT_EQ(player->rect, QRect(0, 36, 352, 216));  // a centred band of 216 of the 288 rows
    EXPECT_EQ(listed(), (QStringList{"00:02:00.000", "00:09:59.960"}));
    EXPECT_EQ(h->sources()[wide].Kapitel,
              QStringLiteral("00:02:00.000,00:10:00.000,00:12:00.000,00:09:59.960"));
    for (QWidget* w : sourceControls())
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(find<QScrollBar>("ScPosition")->isEnabled() && find<QScrollBar>("ScLaut")->isEnabled() &&
                find<QPushButton>("BuKDelAlle")->isEnabled());
    EXPECT_FALSE(find<QPushButton>("BuKDel")->isEnabled());

    open(1);  // no play time known: the player's length
    EXPECT_EQ(find<QLineEdit>("EdSpieldauer")->text(), QStringLiteral("00:00:10.000"));
    EXPECT_EQ(find<QScrollBar>("ScPosition")->maximum(), 250);
    EXPECT_EQ(player->rect, QRect(0, 0, 352, 288));
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_FALSE(find<QPushButton>("BuKDelAlle")->isEnabled());
}

TEST_F(ChapterTabTest, AFileThePlayerCannotOpenGivesTheMessageByExtension) {
    hold(QStringLiteral("gut.mpg"), QStringLiteral("600"), QStringLiteral("00:01:00.000"));
    const int m2v = hold(QStringLiteral("video.m2v"), QStringLiteral("600"), QStringLiteral("00:02:00.000"));
    hold(QStringLiteral("video.M2V"), QStringLiteral("600"));
    hold(QStringLiteral("video.mpg"), QStringLiteral("600"));
    for (int i = 2; i <= 4; ++i)
        player->broken << h->sources()[i].Datei;

    open(0);
    open(1);
    EXPECT_TRUE(dialogs.takeTexts().value(0).startsWith(kCannotOpen));
    // Nothing is left open that could write the first source's marks into this one.
    EXPECT_FALSE(player->isOpen());
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_TRUE(find<QLineEdit>("EdSpieldauer")->text().isEmpty());
    for (QWidget* w : sourceControls())
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(h->sources()[m2v].Kapitel, QStringLiteral("00:02:00.000"));

    open(2);
    open(3);
    EXPECT_EQ(dialogs.takeTexts(), (QStringList{kCannotOpen, kCannotOpen}));
}

TEST_F(ChapterTabTest, HandEditedMarksAreSortedWithoutDuplicatesAndStoredInKapitel) {
    // Marks read from a file may repeat.
    const int i = hold(QStringLiteral("film.mpg"), QStringLiteral("600"),
                       QStringLiteral("00:09:00.000,00:09:00.000,00:10:00.000,00:09:00.000"));
    open(0);
    find<QScrollBar>("ScPosition")->setValue(100);
    EXPECT_EQ(player->pos, 100);
    EXPECT_EQ(find<QLineEdit>("EdPosition")->text(), QStringLiteral("00:00:04.000"));
    click("BuKAdd");
    click("BuKAdd");
    find<QScrollBar>("ScPosition")->setValue(51);
    click("BuKAdd");
    EXPECT_EQ(h->sources()[i].Kapitel, QStringLiteral("00:00:02.040,00:00:04.000,00:09:00.000,00:10:00.000"))
        << "a mark at the end is not listed, but it stays";

    clickRow(find<QListWidget>("ListKapitel"), 1);  // jumps to the mark
    EXPECT_TRUE(find<QPushButton>("BuKDel")->isEnabled());
    EXPECT_EQ(player->pos, 100);
    click("BuKDel");
    EXPECT_FALSE(find<QPushButton>("BuKDel")->isEnabled());
    EXPECT_EQ(h->sources()[i].Kapitel, QStringLiteral("00:00:02.040,00:09:00.000,00:10:00.000"));

    click("BuKDelAlle");
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_EQ(h->sources()[i].Kapitel, QStringLiteral("00:10:00.000"));
    EXPECT_FALSE(find<QPushButton>("BuKDel")->isEnabled() || find<QPushButton>("BuKDelAlle")->isEnabled());
}

TEST_F(ChapterTabTest, EveryEditOfMarksResetsAResumePointInTheAuthoringStages) {
    hold(QStringLiteral("film.mpg"), QStringLiteral("600"));
    open(0);
    find<QLineEdit>("EdGleich")->setText(QStringLiteral("3"));
    for (const char* button : {"BuKAdd", "BuKDel", "BuKDelAlle", "BuAlle", "BuGleich"}) {
        for (int point : {399, 400, 702}) {
            every(QStringLiteral("1"));                     // marks to delete
            click("BuStop");                                // enables BuKAdd
            clickRow(find<QListWidget>("ListKapitel"), 0);  // enables BuKDel
            h->runState().resumePoint = point;
            click(button);
            EXPECT_EQ(h->runState().resumePoint, point < 400 ? point : 0) << button << " " << point;
        }
    }
}

// The arithmetic of the marks is the chapter tests' matter; here the buttons use it.
TEST_F(ChapterTabTest, AutomaticMarksReplaceTheMarksOrRefuse) {
    const int i = hold(QStringLiteral("99min.mpg"), QStringLiteral("5940"), QStringLiteral("00:00:05.000"));
    hold(QStringLiteral("ohne-zeit.mpg"), QString(), QStringLiteral("00:00:01.000"));
    open(0);
    find<QLineEdit>("EdAlle")->setText(QStringLiteral(" 30 "));
    QTest::keyClick(find<QLineEdit>("EdAlle"), Qt::Key_Return);
    EXPECT_EQ(h->sources()[i].Kapitel, QStringLiteral("00:30:00.000,01:00:00.000,01:30:00.000"));
    EXPECT_FALSE(find<QPushButton>("BuKAdd")->isEnabled());
    EXPECT_TRUE(find<QPushButton>("BuKDelAlle")->isEnabled());
    find<QLineEdit>("EdGleich")->setText(QStringLiteral("99"));  // 98 marks are allowed
    QTest::keyClick(find<QLineEdit>("EdGleich"), Qt::Key_Return);
    EXPECT_EQ(listed().size(), 98);
    EXPECT_EQ(listed().last(), QStringLiteral("01:38:00.000"));
    parts(QStringLiteral("1"));
    EXPECT_TRUE(h->sources()[i].Kapitel.isEmpty());

    every(QStringLiteral("0"));
    parts(QStringLiteral("2x"));
    every(QStringLiteral("1"));  // 99 marks
    parts(QStringLiteral("100"));
    EXPECT_EQ(dialogs.takeTexts(), (QStringList{kNoInterval, kNoCount, kTooMany, kTooMany}));
    EXPECT_TRUE(h->sources()[i].Kapitel.isEmpty());

    open(1);
    every(QStringLiteral("10"));
    parts(QStringLiteral("3"));
    EXPECT_EQ(dialogs.takeTexts(), (QStringList{kNoPlayTime, kNoPlayTime}));
    EXPECT_EQ(h->sources()[2].Kapitel, QStringLiteral("00:00:01.000"));
}

TEST_F(ChapterTabTest, GoToTakesTheLeadingDigitsAsSeconds) {
    hold(QStringLiteral("film.mpg"), QStringLiteral("600"));
    open(0);
    jump(QStringLiteral("90x"));
    EXPECT_EQ(find<QScrollBar>("ScPosition")->value(), 2250);
    EXPECT_EQ(player->pos, 2250);
    EXPECT_EQ(find<QLineEdit>("EdPosition")->text(), QStringLiteral("00:01:30.000"));

    jump(QStringLiteral("600"));  // the very end is allowed
    EXPECT_EQ(player->pos, 15000);
    jump(QString());  // nothing happens
    for (const char* text : {"601", "99999999999999999999", "x90"})
        jump(QLatin1String(text));
    EXPECT_EQ(dialogs.takeTexts(), (QStringList{kOutOfRange, kOutOfRange, kNoPosition}));
    EXPECT_EQ(player->pos, 15000);
}

TEST_F(ChapterTabTest, PlayAndStopTheScrollBarFollowsWhereThePictureStopped) {
    hold(QStringLiteral("film.mpg"), QStringLiteral("600"), QStringLiteral("00:01:00.000"));
    open(0);
    click("BuPlay");
    EXPECT_TRUE(player->playing);
    EXPECT_FALSE(find<QPushButton>("BuKAdd")->isEnabled() || find<QPushButton>("BuKDel")->isEnabled() ||
                 find<QPushButton>("BuKDelAlle")->isEnabled());

    player->pos = 321;  // the picture moved on
    const int seeks = player->seeks;
    click("BuStop");
    EXPECT_FALSE(player->playing);
    EXPECT_TRUE(player->isOpen());  // paused, not rewound
    EXPECT_EQ(find<QScrollBar>("ScPosition")->value(), 321);
    EXPECT_EQ(find<QLineEdit>("EdPosition")->text(), FramesToText(321));
    EXPECT_EQ(player->seeks, seeks);  // a seek could land on another picture
    EXPECT_TRUE(find<QPushButton>("BuKAdd")->isEnabled() && find<QPushButton>("BuKDelAlle")->isEnabled());

    find<QScrollBar>("ScLaut")->setValue(250);
    EXPECT_EQ(player->volume, 250);

    click("BuPlay");
    showTab("tavTabMPEG");  // leaving the tab pauses
    EXPECT_FALSE(player->playing);
    EXPECT_TRUE(player->isOpen());
    closeWindow();
    EXPECT_FALSE(player->isOpen());
}

}  // namespace
