// Extraction of real (S)VCD images in the window: the helper in the program's
// bin folder, images made with vcdxbuild and vcdimager, files added as sources.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "chapters/TimeText.h"
#include "integration/ToolProcess.h"
#include "support/TestMedia.h"
#include "support/WindowFixture.h"
#include "unit/QtPrinters.h"

namespace {

// vcdxbuild's description of a VCD 2.0 of TestMedia::Vcd() with two entry
// points inside its track.
QByteArray VcdDescription() {
    return QStringLiteral(
               "<?xml version=\"1.0\"?>\n"
               "<!DOCTYPE videocd PUBLIC \"-//GNU//DTD VideoCD//EN\" "
               "\"http://www.gnu.org/software/vcdimager/videocd.dtd\">\n"
               "<videocd xmlns=\"http://www.gnu.org/software/vcdimager/1.0/\" class=\"vcd\" "
               "version=\"2.0\">\n"
               " <info><album-id/><volume-count>1</volume-count><volume-number>1</volume-number>"
               "<restriction>0</restriction></info>\n"
               " <pvd><volume-id>VIDEOCD</volume-id><system-id>CD-RTOS CD-BRIDGE</system-id></pvd>\n"
               " <sequence-items><sequence-item src=\"%1\" id=\"sequence-00\">\n"
               "  <default-entry id=\"entry-000\"/>\n"
               "  <entry id=\"entry-001\">1.0</entry>\n  <entry id=\"entry-002\">2.0</entry>\n"
               " </sequence-item></sequence-items>\n"
               "</videocd>\n")
        .arg(TestMedia::Vcd())
        .toUtf8();
}

class RipWindow : public WindowTest {
  protected:
    // The program finds the real helper beside it.
    void SetUp() override {
        QDir().mkpath(programDir.file("bin"));
        ASSERT_TRUE(QFile::link(ToolProcess::Adapter("lkVCDxRip"), programDir.file("bin/lkVCDxRip")));
        WindowTest::SetUp();
        showTab("tavTabRip");
    }
    // A VCD (vcdxbuild) or SVCD (vcdimager) image, copied without its cue sheet.
    QString image(bool vcd, const QString& name) {
        const QString bin = disk.file(vcd ? "vcd.bin" : "svcd.bin");
        const QString cue = disk.file(vcd ? "vcd.cue" : "svcd.cue");
        const auto made =
            vcd ? ToolProcess::Run("vcdxbuild",
                                   {"-c", cue, "-b", bin, disk.write("vcd.xml", VcdDescription())})
                : ToolProcess::Run("vcdimager", {"-t", "svcd", "-c", cue, "-b", bin, TestMedia::Svcd()});
        EXPECT_EQ(made.exitCode, 0) << made.output.constData();
        const QString copy = disk.file("Bilder & Töne/") + name;
        QDir().mkpath(QFileInfo(copy).path());
        EXPECT_TRUE(QFile::copy(bin, copy));
        return copy;
    }

    TempFolder disk;
};

}  // namespace

TEST_F(RipWindow, ExtractedImagesBecomeSourcesWithTheirEntryPoints) {
    const QStringList images{image(true, "Film.bin"), image(false, "Film cd2.bin")};
    const QString rip = disk.file("Ripp Ordner");
    h->Pfade.RIProot = rip;
    click("ChRipDatei");
    // One at a time, so Film.bin is first (several files would be sorted).
    for (const QString& file : images) {
        dialogs.answer(file);
        click("BuImgAdd");
        ASSERT_EQ(dialogs.takeTexts(), QStringList{"Hinzufügen von Images"})
            << "the image passes the content check";
    }

    click("BuRipp");

    const QString log = h->MemoLog->toPlainText();
    ASSERT_EQ(log.count("MPEGListe: Die Datei wurde in die Liste eingefügt"), 2) << log.toStdString();
    EXPECT_FALSE(log.contains("Fehler:")) << log.toStdString();
    const QString vcd = rip + "/Film_CD1.mpg";
    const QString svcd = rip + "/Film cd2.mpg";
    EXPECT_EQ(ToolProcess::Bytes(vcd), ToolProcess::Bytes(TestMedia::Vcd()));
    EXPECT_EQ(ToolProcess::Bytes(svcd), ToolProcess::Bytes(TestMedia::Svcd()));
    EXPECT_FALSE(QFileInfo::exists(rip + "/temp"));

    // The VCD's two entry points, in order; the SVCD has none besides its start.
    const QStringList chapters =
        QString::fromUtf8(ToolProcess::Bytes(rip + "/Film_CD1.Kapitel")).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(chapters.size(), 2);
    EXPECT_TRUE(chapters[0] > "00:00:00.500" && chapters[0] < chapters[1] && chapters[1] < "00:00:03.000")
        << chapters.join(' ').toStdString();
    EXPECT_FALSE(QFileInfo::exists(rip + "/Film cd2.Kapitel"));

    ASSERT_EQ(h->Sources.count(), 2);
    EXPECT_EQ(h->Sources[1].Datei, vcd);
    EXPECT_EQ(h->Sources[1].Kapitel, chapters.join(','));
    EXPECT_EQ(h->Sources[2].Datei, svcd);
    EXPECT_EQ(h->Sources[2].Kapitel, QString());
    EXPECT_EQ(h->ListSVCD->count(), 2);
    showTab("tavTabMPEG");
    EXPECT_TRUE(h->BuStart->isVisible() && h->BuStart->isEnabled()) << "the new sources can be converted";
    EXPECT_TRUE(h->BuMProjekt->isEnabled());
}
