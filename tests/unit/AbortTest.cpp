#include "pipeline/Muxen.h"
#include "pipeline/WorkFiles.h"
#include "support/FakeRunContext.h"
#include "support/TestSupport.h"

namespace {

// Abort during a tool run, with a stand-in multiplexer that writes its output
// and then waits until the test lets it finish (or kills it).
class AbortDuringTool : public ::testing::Test {
  protected:
    AbortDuringTool() {
        ctx.values.work = dir.file("Arbeit");
        QDir().mkpath(ctx.values.work);
        ctx.values.tempPolicy = kDeleteAtOnce;
        ctx.run.runProjectFile = dir.file("Projekt-Temp.tvpr");
        ctx.values.tools[Tool::MPlex] =
            dir.executable("mplex",
                           "#!/bin/sh\nwhile [ \"$1\" != -o ]; do shift; done\necho x > \"$2\"\n"
                           "echo bereit\nwhile [ ! -e '" +
                               dir.file("weiter").toUtf8() + "' ]; do sleep 0.01; done\n");
        for (int i = 1; i <= 2; ++i) {
            MPEGInfo& r = ctx.table[ctx.table.append(dir.file(QStringLiteral("quelle%1.mpg").arg(i)))];
            r.Format = QStringLiteral("MPEG1");
            r.Tonspuren = QStringLiteral("1");
            r.TonFormat = {0, kNone};
            r.TonAbtastrate = {QStringLiteral("48 KHz"), QString()};
            r.TonBitrate = r.DVDBitrate = {7, kNone};
            dir.write(QStringLiteral("Arbeit/svcd-%1-0.m1v").arg(i), "v");
            dir.write(QStringLiteral("Arbeit/svcd-%1-0.mp2").arg(i), "a");
        }
    }
    // Once the tool runs: the user presses Abbrechen and answers yes (kill) or no.
    void abortWhileRunning(bool kill) {
        WhenTrue([this] { return ctx.memory.lastLine() == "bereit"; },
                 [this, kill] {
                     ctx.run.abortRequested = true;
                     if (kill)
                         ctx.runner().KillTool();
                     else
                         QFile(dir.file("weiter")).open(QIODevice::WriteOnly);
                 });
    }
    bool work(const char* name) const {
        return QFile::exists(ctx.values.work + QLatin1Char('/') + QLatin1String(name));
    }

    TempFolder dir;
    FakeRunContext ctx{dir.path()};
};

TEST_F(AbortDuringTool, YesEndsTheToolAndNeitherRecordsNorDeletes) {
    abortWhileRunning(true);
    EXPECT_EQ(Multiplex(ctx), Outcome::Aborted);
    const QStringList lines = ctx.lines();
    EXPECT_EQ(lines.last(), QStringLiteral("Abbruch:   Abbruch durch den Anwender."));
    EXPECT_FALSE(lines.join('\n').contains(QStringLiteral("[301]")));
    EXPECT_FALSE(lines.join('\n').contains(QStringLiteral("Gelöscht:")));
    EXPECT_TRUE(work("svcd-1-0.m1v") && work("svcd-1-0.mp2"));
    EXPECT_EQ(ctx.run.resumePoint, 0) << "the unit had begun";
    EXPECT_FALSE(lines.contains(QStringLiteral("Nach:      ") + WorkFiles::Muxed(ctx.values.work, 2)));
}

TEST_F(AbortDuringTool, NoLetsTheToolFinishAndStopsBeforeTheNextSource) {
    abortWhileRunning(false);
    EXPECT_EQ(Multiplex(ctx), Outcome::Aborted);
    const QStringList lines = ctx.lines();
    EXPECT_TRUE(lines.contains(QStringLiteral("           [301] Bearbeitungsstand gesichert.")));
    EXPECT_FALSE(work("svcd-1-0.m1v")) << "the finished unit deleted its inputs";
    EXPECT_EQ(lines.last(), QStringLiteral("Abbruch:   Abbruch durch den Anwender."));
    EXPECT_EQ(ctx.run.resumePoint, 301);
    EXPECT_TRUE(work("svcd-2-0.m1v"));
}

}  // namespace
