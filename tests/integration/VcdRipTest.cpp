// lkVCDxRip extracts the main MPEG track of (S)VCD images into the folder
// layout and XML files the rip step reads.

#include <QRegularExpression>

#include "integration/ToolProcess.h"
#include "support/TestMedia.h"

namespace {

class VcdRipTest : public ::testing::Test {
  protected:
    QString path(const QString& name) const { return temp_.path() + QLatin1Char('/') + name; }

    ToolProcess::Result rip(const QStringList& arguments) const {
        return ToolProcess::Run(ToolProcess::Adapter(QStringLiteral("lkVCDxRip")), arguments);
    }

    QTemporaryDir temp_;
};

// The VCD image, its entry points and the argument string as the rip step writes it are
// the rip window test's matter.
TEST_F(VcdRipTest, SvcdImageWithItsCueGivesTheTrackInMpeg2) {
    const QString image = TestMedia::SvcdImage();
    const QString work = path("temp");

    // Each value one argument, as a caller that splits the string would pass it.
    const auto run = rip({"/o", work, "/b", image});

    ASSERT_EQ(run.exitCode, 0) << run.output.constData();
    EXPECT_EQ(FileBytes(work + "/mpeg2/avseq01.mpg"), FileBytes(TestMedia::Svcd()));
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
