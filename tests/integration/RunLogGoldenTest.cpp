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

    const QString expectedPath = QStringLiteral(TAV_SOURCE_DIR "/tests/integration/expected/three-steps.log");
    if (qEnvironmentVariableIsSet("TAV_WRITE_EXPECTED")) {
        QFile out(expectedPath);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write((actual.join('\n') + '\n').toUtf8());
    }
    QFile file(expectedPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList expected = QString::fromUtf8(file.readAll()).split('\n').mid(0, actual.size() + 1);
    for (int k = 0; k < qMax(actual.size(), expected.size() - 1); ++k)
        ASSERT_EQ(actual.value(k).toStdString(), expected.value(k).toStdString()) << "line " << k + 1;
}

// Four sources (five tracks to upmix, "Sofort löschen") through demultiplexing,
// upmix with the given number of tools side by side, multiplexing and authoring.
// With abort, source 3's track runs until "Ja" to "Sofort abbrechen?" after [202].
QStringList FourSources(FakeRunContext& ctx, const TempFolder& dir, int tools, bool abort) {
    ctx.useRealTools();
    ctx.values.tempPolicy = kDeleteAtOnce;
    LibMediaInfo library;
    for (const QString& source :
         {TestMedia::Vcd(), TestMedia::SvcdTwoTracks(), TestMedia::SvcdMp2Ac3(), TestMedia::Svcd()})
        EXPECT_GT(AnalyseSource(source, 5, library, ctx.table), 0);
    ctx.table.titleSetPass();
    if (abort) {
        ctx.values.tools[Tool::BeSweet] = dir.executable(
            "BeSweet", "#!/bin/sh\ncase \"$*\" in *svcd-3-0.mp2*) exec sleep 60;; esac\nexec " TAV_TOOL_DIR
                       "/BeSweet \"$@\"\n");
        WhenTrue(
            [&] {
                return ctx.lines().contains(QStringLiteral("           [202] Bearbeitungsstand gesichert."));
            },
            [&] {
                ctx.run.abortRequested = true;
                ctx.runner().KillTool();
            });
    }
    EXPECT_EQ(Demultiplex(ctx) && UpmixWithTools(ctx, tools) && Multiplex(ctx) && Author(ctx), !abort);
    return Normalised(ctx.lines(), dir.path());
}

class UpmixSideBySide : public ::testing::TestWithParam<bool> {};

TEST_P(UpmixSideBySide, WritesTheLogAndTheDiscOfOneToolAtATime) {
    const bool abort = GetParam();
    TempFolder one, four;
    FakeRunContext sequential(one.path()), parallel(four.path());
    const QStringList log = FourSources(sequential, one, 1, abort);
    EXPECT_EQ(FourSources(parallel, four, 4, abort), log);
    if (abort) {
        EXPECT_EQ(log.last(), QStringLiteral("Abbruch:   Abbruch durch den Anwender."));
        EXPECT_TRUE(log.contains(QStringLiteral("Von:       {dir}/Arbeit/svcd-3-0.mp2")))
            << "source 2 was done";
        EXPECT_EQ(StateRead(parallel.run.runProjectFile), 202);
        return;
    }
    const QString folder = QStringLiteral("/Dvd/VIDEO_TS/");
    const QStringList vobs = QDir(one.path() + folder).entryList({QStringLiteral("*.VOB")});
    EXPECT_EQ(vobs.size(), 4);
    for (const QString& vob : vobs)
        EXPECT_TRUE(FileBytes(one.path() + folder + vob) == FileBytes(four.path() + folder + vob))
            << vob.toStdString();
}

INSTANTIATE_TEST_SUITE_P(WholeAndAborted, UpmixSideBySide, ::testing::Bool());

}  // namespace
