// Extraction of real (S)VCD images in the window: the helper in the program's
// bin folder, images made with vcdxbuild and vcdimager, files added as sources.

#include <QRegularExpression>

#include "support/MediaCheck.h"
#include "support/TestMedia.h"
#include "support/WindowFixture.h"

namespace {

class RipWindow : public WindowTest {
  protected:
    // The program finds the real helper beside it.
    void SetUp() override {
        QDir().mkpath(programDir.file("bin"));
        ASSERT_TRUE(QFile::link(TAV_TOOL_DIR "/lkVCDxRip", programDir.file("bin/lkVCDxRip")));
        WindowTest::SetUp();
        showTab("tavTabRip");
    }
};

}  // namespace

TEST_F(RipWindow, ExtractedImagesBecomeSourcesWithTheirEntryPoints) {
    // A VCD and an SVCD image, copied without their cue sheets.
    const QStringList images{disk.write("Bilder & Töne/Film.bin", FileBytes(TestMedia::VcdImage())),
                             disk.write("Bilder & Töne/Film cd2.bin", FileBytes(TestMedia::SvcdImage()))};
    const QString rip = disk.file("Ripp Ordner");
    find<QLineEdit>("EdRipDir")->setText(rip);
    click("ChRipDatei");
    // One at a time, so Film.bin is first (several files would be sorted).
    for (const QString& file : images) {
        dialogs.answer(file);
        click("BuImgAdd");
        ASSERT_EQ(dialogs.takeTexts(), QStringList{"Hinzufügen von Images"})
            << "the image passes the content check";
    }

    click("BuRipp");

    const QString log = find<QPlainTextEdit>("MemoLog")->toPlainText();
    ASSERT_EQ(log.count("MPEGListe: Die Datei wurde in die Liste eingefügt"), 2) << log.toStdString();
    EXPECT_FALSE(log.contains("Fehler:")) << log.toStdString();
    EXPECT_TRUE(log.contains(QRegularExpression("vcdxrip \\(GNU VCDImager\\) [0-9]+\\.[0-9]+")))
        << "the helper names its version";
    const QString vcd = rip + "/Film_CD1.mpg", svcd = rip + "/Film cd2.mpg";
    EXPECT_EQ(FileBytes(vcd), FileBytes(TestMedia::Vcd()));
    EXPECT_EQ(FileBytes(svcd), FileBytes(TestMedia::Svcd()));
    EXPECT_FALSE(QFileInfo::exists(rip + "/temp"));

    // The VCD's two entry points, in order; the SVCD has none besides its start.
    const QStringList chapters =
        QString::fromUtf8(FileBytes(rip + "/Film_CD1.Kapitel")).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(chapters.size(), 2);
    EXPECT_TRUE(chapters[0] > "00:00:00.500" && chapters[0] < chapters[1] && chapters[1] < "00:00:03.000")
        << chapters.join(' ').toStdString();
    EXPECT_FALSE(QFileInfo::exists(rip + "/Film cd2.Kapitel"));

    ASSERT_EQ(h->sources().count(), 2);
    const SourceTable& sources = h->sources();
    EXPECT_EQ(QStringList({sources[1].Datei, sources[1].Kapitel, sources[2].Datei, sources[2].Kapitel}),
              QStringList({vcd, chapters.join(','), svcd, QString()}));
    EXPECT_EQ(find<QListWidget>("ListSVCD")->count(), 2);
    showTab("tavTabMPEG");
    EXPECT_TRUE(find<QPushButton>("BuStart")->isVisible() && find<QPushButton>("BuStart")->isEnabled())
        << "the new sources can be converted";
    EXPECT_TRUE(find<QPushButton>("BuMProjekt")->isEnabled());
}
