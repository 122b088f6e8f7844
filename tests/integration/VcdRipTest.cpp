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

TEST_F(VcdRipTest, VcdImageWithoutCueGivesTheTrackAndItsEntryPoints) {
    const QString folder = path("Bilder & Töne");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString image = folder + QStringLiteral("/Film cd1.bin");
    ASSERT_TRUE(QFile::copy(TestMedia::VcdImage(), image));
    const QString work = path("rip/temp");

    // As the rip step writes it: the image path unquoted, blanks and all.
    const auto run = rip({QStringLiteral(" /o \"%1\" /b %2").arg(work, image)});

    ASSERT_EQ(run.exitCode, 0) << run.output.constData();
    EXPECT_EQ(FileBytes(work + "/mpegav/avseq01.mpg"), FileBytes(TestMedia::Vcd()));
    const QString xml = QString::fromUtf8(FileBytes(work + "/vcd.xml"));
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
