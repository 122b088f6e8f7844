#include <QAudioOutput>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QMediaPlayer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QVideoWidget>

#include "chapters/TimeText.h"
#include "support/TestMedia.h"
#include "support/WindowFixture.h"

namespace {

// The chapter tab with the real preview player on test media.
class ChapterPlayer : public WindowTest {
  protected:
    void open(int row) {
        showTab("tavTabKAP");
        QListWidgetItem* item = h->ListMPEG->item(row);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(h->ListMPEG->viewport(), Qt::LeftButton, {},
                          h->ListMPEG->visualItemRect(item).center());
        pump();
    }
    // A file the analysis would refuse, held as a source all the same.
    void holdFile(const QString& path) {
        h->Sources[h->Sources.append(path)].Spieldauer = QStringLiteral("10");
        h->RefreshSourceList();
    }
    // Runs events until condition holds or ten seconds have passed.
    template <class Condition>
    static bool waitUntil(Condition condition) {
        QDeadlineTimer deadline(10000);
        while (!condition() && !deadline.hasExpired())
            QTest::qWait(20);
        return condition();
    }

    TempFolder media;
};

TEST_F(ChapterPlayer, OpensWithTheLibraryLengthShowsTheBandAndSeeksToAMark) {
    ASSERT_TRUE(h->AddSource(TestMedia::Svcd169()));
    ASSERT_EQ(h->Sources[1].AspectRatio, QStringLiteral("16:9"));
    ASSERT_EQ(h->Sources[1].Spieldauer, QStringLiteral("3"));
    h->Sources[1].Kapitel = QStringLiteral("00:00:01.000,00:00:03.000");
    open(0);
    EXPECT_TRUE(dialogs.takeTexts().isEmpty());
    EXPECT_EQ(h->EdSpieldauer->text(), QStringLiteral("00:00:03.000"));
    EXPECT_EQ(h->ScPosition->maximum(), 75);
    EXPECT_EQ(h->ListKapitel->count(), 1);

    auto* video = h->PaDisplay->findChild<QVideoWidget*>();
    ASSERT_NE(video, nullptr);
    EXPECT_TRUE(video->isVisibleTo(h->PaDisplay));
    EXPECT_EQ(video->geometry(), QRect(0, 36, 352, 216));
    EXPECT_EQ(video->aspectRatioMode(), Qt::IgnoreAspectRatio);

    QTest::mouseClick(h->ListKapitel->viewport(), Qt::LeftButton, {},
                      h->ListKapitel->visualItemRect(h->ListKapitel->item(0)).center());
    pump();
    EXPECT_EQ(h->ScPosition->value(), 25);
    // A program stream shows the next full picture, up to 0.8 s later.
    EXPECT_GE(h->PlayerPosition, 25);
    EXPECT_LE(h->PlayerPosition, 45);
    EXPECT_EQ(h->EdPosition->text(), FramesToText(h->PlayerPosition));

    h->ScLaut->setValue(250);
    auto* audio = h->PaDisplay->findChild<QAudioOutput*>();
    ASSERT_NE(audio, nullptr);
    EXPECT_FLOAT_EQ(audio->volume(), 0.25f);
}

TEST_F(ChapterPlayer, StoppingPausesWhereThePlayerIsAndTheScrollBarFollows) {
    ASSERT_TRUE(h->AddSource(TestMedia::Vcd()));
    open(0);
    auto* player = h->PaDisplay->findChild<QMediaPlayer*>();
    ASSERT_NE(player, nullptr);
    ASSERT_EQ(player->mediaStatus(), QMediaPlayer::LoadedMedia);
    const qint64 start = player->position();
    click("BuPlay");
    // Without a sound device (or a picture on this platform) playback may stay put; what matters
    // is that Stop pauses and the controls agree with the player.
    waitUntil([&] { return player->position() > start + 400; });
    click("BuStop");
    EXPECT_TRUE(waitUntil([&] { return player->playbackState() == QMediaPlayer::PausedState; }));
    EXPECT_EQ(h->ScPosition->value(), qMin(h->PlayerPosition, h->ScPosition->maximum()));
    EXPECT_EQ(h->EdPosition->text(), FramesToText(h->PlayerPosition));
    EXPECT_TRUE(h->BuKAdd->isEnabled());

    closeWindow();
    EXPECT_EQ(player->mediaStatus(), QMediaPlayer::NoMedia);
}

TEST_F(ChapterPlayer, AFileThePlayerCannotOpenGivesTheMessageByExtension) {
    holdFile(media.write(QStringLiteral("kaputt.m2v"), QByteArray(4000, 'x')));
    holdFile(media.write(QStringLiteral("kaputt.mpg"), QByteArray(4000, 'x')));
    holdFile(media.file(QStringLiteral("fehlt.mpg")));
    open(0);
    open(1);
    open(2);
    const QString cannot = QStringLiteral("Der MediaPlayer kann die Datei nicht öffnen.");
    EXPECT_EQ(dialogs.takeTexts(),
              (QStringList{cannot + QStringLiteral("\r\nEin Umbenennen der Dateierweiterung in *.mpv2\r\n"
                                                   "oder *.mpg könnte das Problem beheben."),
                           cannot, cannot}));
    EXPECT_FALSE(h->BuPlay->isEnabled());
}

}  // namespace
