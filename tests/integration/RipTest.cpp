// Extraction of real (S)VCD images in the window: the helper in the program's
// bin folder, images made with vcdxbuild and vcdimager, files added as sources.

#include "chapters/TimeText.h"
#include "support/MediaCheck.h"
#include "support/TestMedia.h"
#include "support/WindowFixture.h"

namespace {

class RipWindow : public WindowTest {
  protected:
    // The program finds the real helper beside it.
    void SetUp() override {
        QDir().mkpath(programDir.file("bin"));
        ASSERT_TRUE(QFile::link(MediaCheck::Adapter("lkVCDxRip"), programDir.file("bin/lkVCDxRip")));
        WindowTest::SetUp();
        showTab("tavTabRip");
    }
    // A VCD or SVCD image, copied without its cue sheet.
    QString image(bool vcd, const QString& name) {
        const QString copy = disk.file("Bilder & Töne/") + name;
        QDir().mkpath(QFileInfo(copy).path());
        EXPECT_TRUE(QFile::copy(vcd ? TestMedia::VcdImage() : TestMedia::SvcdImage(), copy));
        return copy;
    }
};

}  // namespace

TEST_F(RipWindow, ExtractedImagesBecomeSourcesWithTheirEntryPoints) {
    const QStringList images{image(true, "Film.bin"), image(false, "Film cd2.bin")};
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
    const QString vcd = rip + "/Film_CD1.mpg";
    const QString svcd = rip + "/Film cd2.mpg";
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
    EXPECT_EQ(h->sources()[1].Datei, vcd);
    EXPECT_EQ(h->sources()[1].Kapitel, chapters.join(','));
    EXPECT_EQ(h->sources()[2].Datei, svcd);
    EXPECT_EQ(h->sources()[2].Kapitel, QString());
    EXPECT_EQ(find<QListWidget>("ListSVCD")->count(), 2);
    showTab("tavTabMPEG");
    EXPECT_TRUE(find<QPushButton>("BuStart")->isVisible() && find<QPushButton>("BuStart")->isEnabled())
        << "the new sources can be converted";
    EXPECT_TRUE(find<QPushButton>("BuMProjekt")->isEnabled());
}
