// lkVCDxRip extracts the main MPEG track of (S)VCD images into the folder
// layout and XML files the rip step reads.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "integration/ToolProcess.h"
#include "support/TestMedia.h"

namespace {

// vcdxbuild's description of a VCD 2.0 with two entry points inside the track.
QString VcdDescription(const QString& mpeg) {
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
               "  <entry id=\"entry-001\">1.0</entry><entry id=\"entry-002\">2.0</entry>\n"
               " </sequence-item></sequence-items>\n"
               "</videocd>\n")
        .arg(mpeg);
}

class VcdRipTest : public ::testing::Test {
  protected:
    QString path(const QString& name) const { return temp_.path() + QLatin1Char('/') + name; }

    // A BIN/CUE pair of a VCD of TestMedia::Vcd() with entry points.
    QString vcdImage() const {
        QFile xml(path("vcd.xml"));
        EXPECT_TRUE(xml.open(QIODevice::WriteOnly));
        xml.write(VcdDescription(TestMedia::Vcd()).toUtf8());
        xml.close();
        const auto run = ToolProcess::Run(QStringLiteral("vcdxbuild"),
                                          {"-c", path("vcd.cue"), "-b", path("vcd.bin"), path("vcd.xml")});
        EXPECT_EQ(run.exitCode, 0) << run.output.constData();
        return path("vcd.bin");
    }

    // A BIN/CUE pair of an SVCD of TestMedia::Svcd().
    QString svcdImage() const {
        const auto run = ToolProcess::Run(
            QStringLiteral("vcdimager"),
            {"-t", "svcd", "-c", path("svcd.cue"), "-b", path("svcd.bin"), TestMedia::Svcd()});
        EXPECT_EQ(run.exitCode, 0) << run.output.constData();
        return path("svcd.bin");
    }

    ToolProcess::Result rip(const QStringList& arguments) const {
        return ToolProcess::Run(ToolProcess::Adapter(QStringLiteral("lkVCDxRip")), arguments);
    }

    QTemporaryDir temp_;
};

TEST_F(VcdRipTest, VcdImageWithoutCueGivesTheTrackAndItsEntryPoints) {
    const QString folder = path("Bilder & Töne");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString image = folder + QStringLiteral("/Film cd1.bin");
    ASSERT_TRUE(QFile::copy(vcdImage(), image));
    const QString work = path("rip/temp");

    // As the rip step writes it: the image path unquoted, blanks and all.
    const auto run = rip({QStringLiteral(" /o \"%1\" /b %2").arg(work, image)});

    ASSERT_EQ(run.exitCode, 0) << run.output.constData();
    EXPECT_EQ(ToolProcess::Bytes(work + "/mpegav/avseq01.mpg"), ToolProcess::Bytes(TestMedia::Vcd()));
    const QString xml = QString::fromUtf8(ToolProcess::Bytes(work + "/vcd.xml"));
    const QRegularExpression entry(QStringLiteral("<entry id=\"entry-00[12]\">([0-9.]+)</entry>"));
    QStringList values;
    for (auto match = entry.globalMatch(xml); match.hasNext();)
        values << match.next().captured(1);
    ASSERT_EQ(values.size(), 2) << xml.toStdString();
    EXPECT_GT(values[0].toDouble(), 0.0);
    EXPECT_GT(values[1].toDouble(), values[0].toDouble());
    EXPECT_EQ(QDir(work).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"mpegav", "vcd.xml"}))
        << "no helper files left behind";
}

TEST_F(VcdRipTest, SvcdImageWithItsCueGivesTheTrackInMpeg2) {
    const QString image = svcdImage();
    const QString work = path("temp");

    // Each value one argument, as a caller that splits the string would pass it.
    const auto run = rip({"/o", work, "/b", image});

    ASSERT_EQ(run.exitCode, 0) << run.output.constData();
    EXPECT_EQ(ToolProcess::Bytes(work + "/mpeg2/avseq01.mpg"), ToolProcess::Bytes(TestMedia::Svcd()));
    EXPECT_TRUE(QFileInfo::exists(work + "/svcd.xml"));
    EXPECT_FALSE(QFileInfo::exists(work + "/vcd.xml"));
}

TEST_F(VcdRipTest, VersionNamesVcdxripsVersion) {
    const auto run = rip({"-version"});

    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(QString::fromUtf8(run.output).contains(QRegularExpression("vcdxrip.* [0-9]+\\.[0-9]+")))
        << run.output.constData();
}

TEST_F(VcdRipTest, FailsForWhatItCannotRip) {
    const QString notAnImage = path("kein image.bin");
    ASSERT_TRUE(QFile::copy(TestMedia::Vcd(), notAnImage));
    const QString work = path("temp");
    const QList<QStringList> calls{
        {"/o", work, "/b", path("fehlt.bin")},         // missing image
        {"/o", work, "/b", notAnImage},                // an MPEG file, not a disc image
        {"/o", work, "/n", path("fehlt.nrg")},         // missing Nero image
        {"/o", work, "/c", "9,9,9", "/d", "GENERIC"},  // no drive at that address
        {"/b", notAnImage},                            // no output folder
    };
    for (const QStringList& call : calls) {
        const auto run = rip(call);
        EXPECT_NE(run.exitCode, 0) << call.join(' ').toStdString();
        EXPECT_FALSE(run.crashed);
        EXPECT_FALSE(QFileInfo::exists(work + "/mpegav/avseq01.mpg"));
    }
}

}  // namespace
