#include <QAudioOutput>
#include <QVideoWidget>

#include "chapters/TimeText.h"
#include "support/TestMedia.h"
#include "support/WindowFixture.h"

namespace {

// The chapter tab with the real preview player on test disk.
using ChapterPlayer = WindowTest;

TEST_F(ChapterPlayer, OpensSeeksAndRefusesWhatItCannotPlay) {
    ASSERT_TRUE(h->addSource(TestMedia::Svcd169()));
    ASSERT_EQ(h->sources()[1].Spieldauer, QStringLiteral("3"));
    h->sources()[1].Kapitel = QStringLiteral("00:00:01.000,00:00:03.000");
    showTab("tavTabKAP");
    clickRow(find<QListWidget>("ListMPEG"), 0);
    EXPECT_TRUE(dialogs.takeTexts().isEmpty());
    EXPECT_EQ(find<QLineEdit>("EdSpieldauer")->text(), QStringLiteral("00:00:03.000"));
    EXPECT_EQ(find<QLineEdit>("EdPosition")->text(), QStringLiteral("00:00:00.000"))
        << "the stream's start time is not counted";
    EXPECT_EQ(find<QScrollBar>("ScPosition")->maximum(), 75);
    EXPECT_EQ(find<QListWidget>("ListKapitel")->count(), 1);

    auto* video = find<QFrame>("PaDisplay")->findChild<QVideoWidget*>();
    ASSERT_NE(video, nullptr);
    EXPECT_TRUE(video->isVisibleTo(find<QFrame>("PaDisplay")));
    EXPECT_EQ(video->geometry(), QRect(0, 36, 352, 216));
    EXPECT_EQ(video->aspectRatioMode(), Qt::IgnoreAspectRatio);

    clickRow(find<QListWidget>("ListKapitel"), 0);
    EXPECT_EQ(find<QScrollBar>("ScPosition")->value(), 25);
    // A program stream shows the next full picture, up to 0.8 s later.
    EXPECT_GE(find<ChapterTab>("tavTabKAP")->position(), 25);
    EXPECT_LE(find<ChapterTab>("tavTabKAP")->position(), 45);
    EXPECT_EQ(find<QLineEdit>("EdPosition")->text(), FramesToText(find<ChapterTab>("tavTabKAP")->position()));

    find<QScrollBar>("ScLaut")->setValue(250);
    auto* audio = find<QFrame>("PaDisplay")->findChild<QAudioOutput*>();
    ASSERT_NE(audio, nullptr);
    EXPECT_FLOAT_EQ(audio->volume(), 0.25f);

    // Files the player cannot open: the message names other extensions for a .m2v only.
    for (const QString& path : {disk.write(QStringLiteral("kaputt.m2v"), QByteArray(4000, 'x')),
                                disk.file(QStringLiteral("fehlt.mpg"))})
        h->sources()[h->sources().append(path)].Spieldauer = QStringLiteral("10");
    h->sourcesChanged();
    showTab("tavTabMPEG");
    showTab("tavTabKAP");
    clickRow(find<QListWidget>("ListMPEG"), 1);
    clickRow(find<QListWidget>("ListMPEG"), 2);
    const QString cannot = QStringLiteral("Der MediaPlayer kann die Datei nicht öffnen.");
    EXPECT_EQ(dialogs.takeTexts(),
              (QStringList{cannot + QStringLiteral("\r\nEin Umbenennen der Dateierweiterung in *.mpv2\r\n"
                                                   "oder *.mpg könnte das Problem beheben."),
                           cannot}));
    EXPECT_FALSE(find<QPushButton>("BuPlay")->isEnabled());
}

}  // namespace
