// jrdmux must write exactly the elementary streams mpgtx writes, for every
// stream selection the demultiplexing step uses.

#include "integration/ToolProcess.h"
#include "support/TestMedia.h"

namespace {

class JrdmuxTest : public ::testing::Test {
  protected:
    // A folder whose name holds blanks, "&" and umlauts.
    QString folder() const { return temp_.path() + QStringLiteral("/Arbeit & Übung ö"); }
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(folder())); }

    // Runs jrdmux the way the program does: each value one argument.
    ToolProcess::Result demux(const QStringList& arguments) const {
        return ToolProcess::Run(ToolProcess::Adapter(QStringLiteral("jrdmux")), arguments);
    }

    // Splits the source with mpgtx; returns the stem of its output files.
    QString mpgtx(const QString& source, const char* name) const {
        const QString stem = temp_.path() + QLatin1Char('/') + QLatin1String(name);
        const auto result = ToolProcess::Run(QStringLiteral("mpgtx"), {"-d", source, "-b", stem});
        EXPECT_EQ(result.exitCode, 0) << result.output.constData();
        return stem;
    }

    QTemporaryDir temp_;
};

TEST_F(JrdmuxTest, MpegStreamsAreThoseOfMpgtx) {
    const QString vcd = folder() + QStringLiteral("/mein film.mpg");
    ASSERT_TRUE(QFile::copy(TestMedia::Vcd(), vcd));
    const QString svcd = TestMedia::SvcdTwoTracks();
    const QString vcdStem = mpgtx(vcd, "vcd"), svcdStem = mpgtx(svcd, "svcd");
    const struct {
        QString source, stem;
        const char *selection, *suffix;
    } cases[] = {{vcd, vcdStem, "0xc0", "-0.mp2"},
                 {vcd, vcdStem, "0xe0", "-0.m1v"},
                 {svcd, svcdStem, "0xc0", "-0.mp2"},
                 {svcd, svcdStem, "0xc1", "-1.mp2"},
                 {svcd, svcdStem, "0xe0", "-0.m2v"}};
    for (const auto& c : cases) {
        const QString output = folder() + QStringLiteral("/svcd-1-0") + QLatin1String(c.suffix);
        const auto run = demux({c.source, QStringLiteral(" %1 ").arg(QLatin1String(c.selection)), output});
        ASSERT_EQ(run.exitCode, 0) << run.output.constData();
        EXPECT_TRUE(run.output.contains("Running: ffmpeg")) << "the command is shown";
        EXPECT_FALSE(FileBytes(output).isEmpty()) << c.selection;
        EXPECT_EQ(FileBytes(output), FileBytes(c.stem + QLatin1String(c.suffix))) << c.selection;
    }
    EXPECT_NE(FileBytes(svcdStem + "-0.mp2"), FileBytes(svcdStem + "-1.mp2")) << "the two tracks differ";
}

TEST_F(JrdmuxTest, Ac3SubstreamsComeOutUnchanged) {
    const QString source = TestMedia::SvcdTwoAc3();
    // The program writes the first sub-stream of track 0 without, of track 1 with a trailing blank.
    const auto first = demux({source, " 0xbd ", folder() + "/t0.ac3", " 0x80"});
    const auto second = demux({source, " 0xbd ", folder() + "/t1.ac3", " 0x81 "});

    ASSERT_EQ(first.exitCode, 0) << first.output.constData();
    ASSERT_EQ(second.exitCode, 0) << second.output.constData();
    EXPECT_EQ(FileBytes(folder() + "/t0.ac3"), FileBytes(TestMedia::Ac3Track(0)));
    EXPECT_EQ(FileBytes(folder() + "/t1.ac3"), FileBytes(TestMedia::Ac3Track(1)));
}

TEST_F(JrdmuxTest, FailuresLeaveNoOutput) {
    const QString source = TestMedia::Vcd();
    const QString output = folder() + "/out";
    const QList<QStringList> calls{
        {source, "0xc1", output},                   // no second audio track
        {source, "0xbd", output},                   // private stream without sub-stream
        {source, "0x42", output},                   // no such selection
        {folder() + "/fehlt.mpg", "0xc0", output},  // missing source
        {source, "0xc0"},                           // no output named
    };
    for (const QStringList& call : calls) {
        const auto run = demux(call);
        EXPECT_NE(run.exitCode, 0) << call.join(' ').toStdString();
        EXPECT_FALSE(run.crashed);
        EXPECT_FALSE(QFileInfo::exists(output)) << call.join(' ').toStdString();
    }
}

}  // namespace
