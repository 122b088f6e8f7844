#include <QRegularExpression>

#include "pipeline/ConversionRun.h"
#include "sources/Analysis.h"
#include "sources/LibMediaInfo.h"
#include "support/FakeRunContext.h"
#include "support/TestMedia.h"
#include "support/TestSupport.h"

namespace {

// The log without what changes from run to run: times, free space, the tools'
// own output between their banners, the temporary folders.
QStringList Normalised(const QStringList& lines, const QString& dir) {
    static const QRegularExpression time(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d"));
    QStringList result;
    bool toolOutput = false;
    for (QString line : lines) {
        if (line == QLatin1String("\\\\=========================")) toolOutput = false;
        if (toolOutput) continue;
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

}  // namespace
