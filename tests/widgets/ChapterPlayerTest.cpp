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
    ASSERT_EQ(h->sources()[1].Spieldauer, "3");
    h->sources()[1].Kapitel = "00:00:01.000,00:00:03.000";
    showTab("tavTabKAP");
    clickRow("ListMPEG", 0);
    EXPECT_TRUE(dialogs.takeTexts().isEmpty());
    EXPECT_EQ(text("EdSpieldauer"), "00:00:03.000");
    EXPECT_EQ(text("EdPosition"), "00:00:00.000") << "the stream's start time is not counted";
    EXPECT_EQ(find<QScrollBar>("ScPosition")->maximum(), 75);
    auto* video = find("PaDisplay")->findChild<QVideoWidget*>();
    ASSERT_NE(video, nullptr);
    EXPECT_TRUE(video->isVisibleTo(find("PaDisplay")));
    EXPECT_EQ(video->geometry(), QRect(0, 36, 352, 216));
    EXPECT_EQ(video->aspectRatioMode(), Qt::IgnoreAspectRatio);

    clickRow("ListKapitel", 0);  // the mark at 1 s; which marks are listed is the chapter tab test's matter
    // A program stream shows the next full picture, up to 0.8 s later.
    const int shown = find<ChapterTab>("tavTabKAP")->position();
    EXPECT_TRUE(shown >= 25 && shown <= 45) << shown;
    EXPECT_EQ(text("EdPosition"), FramesToText(shown));
    find<QScrollBar>("ScLaut")->setValue(250);
    auto* audio = find("PaDisplay")->findChild<QAudioOutput*>();
    ASSERT_NE(audio, nullptr);
    EXPECT_FLOAT_EQ(audio->volume(), 0.25f);

    // Files the player cannot open: the message names other extensions for a .m2v only.
    for (const QString& path : {disk.write("kaputt.m2v", QByteArray(4000, 'x')), disk.file("fehlt.mpg"),
                                disk.write("kaputt.M2V", QByteArray(4000, 'x'))})
        h->sources()[h->sources().append(path)].Spieldauer = "10";
    h->sourcesChanged();
    showTab("tavTabMPEG");
    showTab("tavTabKAP");
    for (int row = 1; row <= 3; ++row)
        clickRow("ListMPEG", row);
    const QString cannot = "Der MediaPlayer kann die Datei nicht öffnen.";
    EXPECT_EQ(
        dialogs.takeTexts(),
        (QStringList{cannot + "\r\nEin Umbenennen der Dateierweiterung in *.mpv2\r\noder *.mpg könnte das "
                              "Problem beheben.",
                     cannot, cannot}));
}

}  // namespace
