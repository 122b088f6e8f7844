#include <QRegularExpression>

#include "persistence/ProcessingState.h"
#include "pipeline/Author.h"
#include "pipeline/ConversionRun.h"
#include "pipeline/Demuxen.h"
#include "pipeline/Muxen.h"
#include "pipeline/Upmix.h"
#include "sources/Analysis.h"
#include "sources/LibMediaInfo.h"
#include "support/FakeRunContext.h"
#include "support/TestMedia.h"
#include "support/TestSupport.h"

namespace {

// The log without what changes from run to run: times, free space, the tools'
// own output between their banners (but their command lines), the temporary folders.
QStringList Normalised(const QStringList& lines, const QString& dir) {
    static const QRegularExpression time(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d"));
    QStringList result;
    bool toolOutput = false;
    for (QString line : lines) {
        if (line == QLatin1String("\\\\=========================")) toolOutput = false;
        if (toolOutput && !line.startsWith(QLatin1String("Befehl:"))) continue;
        if (line == QLatin1String("//=========================")) toolOutput = true;
        line.replace(time, QStringLiteral("hh:mm:ss"));
        line.replace(dir, QStringLiteral("{dir}"));
        line.replace(TestMedia::Folder(), QStringLiteral("{media}"));
        line.replace(QStringLiteral(TAV_TOOL_DIR), QStringLiteral("{bin}"));
        if (line.startsWith(QLatin1String("Speicher:  "))) line = QStringLiteral("Speicher:  {free}");
        if (line.startsWith(QLatin1String("Ende:      "))) line = QStringLiteral("Ende:      hh:mm:ss");
        result << line;
    }
    return result;
}

TEST(RunLog, AFullRunOfTheFirstThreeStepsOverTwoSources) {
    TempFolder dir;
    FakeRunContext ctx(dir.path());
    ctx.useRealTools();
    ProgramSettings& s = ctx.values;
    s.tempPolicy = kDeleteAtOnce;
    s.tools[Tool::DVDauthor] = dir.file("dvdauthor");  // missing: the run ends at authoring
    ctx.controlState.priorityText = QStringLiteral("Normal");
    ctx.controlState.stageText = QStringLiteral("SVCD MPEG demuxen");
    ctx.controlState.libraryText = QStringLiteral("MediaInfoLib - v23.04");
    LibMediaInfo library;
    ASSERT_GT(AnalyseSource(TestMedia::Vcd(), 5, library, ctx.table), 0);
    ASSERT_GT(AnalyseSource(TestMedia::SvcdMp2Ac3(), 5, library, ctx.table), 0);
    ctx.table[1].Kapitel = QStringLiteral("00:00:01.000,00:00:02.000");
    ctx.table.titleSetPass();

    EXPECT_FALSE(RunConversion(ctx));
    const QStringList actual = Normalised(ctx.lines(), dir.path());

    // TAV_WRITE_EXPECTED=1 writes what the run logged as the new expectation.
    const QByteArray log = (actual.join('\n') + '\n').toUtf8();
    const QString expected = QStringLiteral(TAV_SOURCE_DIR "/tests/integration/expected/three-steps.log");
    if (qEnvironmentVariableIsSet("TAV_WRITE_EXPECTED")) dir.write(expected, log);
    EXPECT_EQ(log.toStdString(), FileBytes(expected).toStdString());
}

// How the track of source 3 ends: as it should, by "Ja" to "Sofort abbrechen?"
// once source 2 is recorded, or with exit code 1.
enum class Track3 { Done, Aborted, Failed };

// Four sources (five tracks to upmix) through demultiplexing, upmix with the
// given number of tools side by side, multiplexing and authoring; "Sofort
// löschen" when the upmix stops (the multiplexer's deletions take seconds).
QStringList FourSources(FakeRunContext& ctx, const TempFolder& dir, int tools, Track3 track3) {
    ctx.useRealTools();
    ctx.values.tempPolicy = track3 == Track3::Done ? kKeepFiles : kDeleteAtOnce;
    LibMediaInfo library;
    for (const QString& source :
         {TestMedia::Vcd(), TestMedia::SvcdTwoTracks(), TestMedia::SvcdMp2Ac3(), TestMedia::Svcd()})
        EXPECT_GT(AnalyseSource(source, 5, library, ctx.table), 0);
    ctx.table.titleSetPass();
    if (track3 != Track3::Done)
        ctx.values.tools[Tool::BeSweet] =
            dir.executable("BeSweet", QByteArray("#!/bin/sh\ncase \"$*\" in *svcd-3-0.mp2*) ") +
                                          (track3 == Track3::Aborted ? "exec sleep 60" : "exit 1") +
                                          ";; esac\nexec " TAV_TOOL_DIR "/BeSweet \"$@\"\n");
    if (track3 == Track3::Aborted)
        WhenTrue(
            [&] {
                return ctx.lines().contains(QStringLiteral("           [202] Bearbeitungsstand gesichert."));
            },
            [&] {
                ctx.run.abortRequested = true;
                ctx.runner().KillTool();
            });
    EXPECT_EQ(Demultiplex(ctx) && UpmixWithTools(ctx, tools) && Multiplex(ctx) && Author(ctx),
              track3 == Track3::Done);
    return Normalised(ctx.lines(), dir.path());
}

class UpmixSideBySide : public ::testing::TestWithParam<Track3> {};

TEST_P(UpmixSideBySide, WritesTheLogAndTheDiscOfOneToolAtATime) {
    TempFolder one, four;
    FakeRunContext sequential(one.path()), parallel(four.path());
    const QStringList log = FourSources(sequential, one, 1, GetParam());
    EXPECT_EQ(FourSources(parallel, four, 4, GetParam()), log);
    if (GetParam() != Track3::Done) {
        const bool aborted = GetParam() == Track3::Aborted;
        EXPECT_EQ(log.last() == QStringLiteral("Abbruch:   Abbruch durch den Anwender."), aborted);
        EXPECT_TRUE(log.contains(QStringLiteral("Von:       {dir}/Arbeit/svcd-3-0.mp2")))
            << "source 2 is done";
        EXPECT_EQ(StateRead(parallel.run.runProjectFile), 202) << "nothing later is recorded";
        EXPECT_TRUE(QFile::exists(four.file("Arbeit/svcd-4-0.mp2"))) << "an unrecorded track keeps its input";
        EXPECT_TRUE(aborted || !QFile::exists(four.file("Arbeit/svcd-4-0-48.mp2")))
            << "no tool starts after a failure";
        return;
    }
    const QString folder = QStringLiteral("/Dvd/VIDEO_TS/");
    const QStringList vobs = QDir(one.path() + folder).entryList({QStringLiteral("*.VOB")});
    EXPECT_EQ(vobs.size(), 4);
    for (const QString& vob : vobs)
        EXPECT_TRUE(FileBytes(one.path() + folder + vob) == FileBytes(four.path() + folder + vob))
            << vob.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Track3, UpmixSideBySide,
                         ::testing::Values(Track3::Done, Track3::Aborted, Track3::Failed));

}  // namespace
