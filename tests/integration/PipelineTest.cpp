#include "persistence/ProcessingState.h"
#include "pipeline/ConversionRun.h"
#include "pipeline/Demuxen.h"
#include "pipeline/Muxen.h"
#include "pipeline/Upmix.h"
#include "pipeline/WorkFiles.h"
#include "sources/Analysis.h"
#include "sources/LibMediaInfo.h"
#include "sources/NavPack.h"
#include "sources/Tables.h"
#include "support/FakeRunContext.h"
#include "support/MediaCheck.h"
#include "support/TestMedia.h"
#include "support/TestSupport.h"

namespace {

// The conversion steps with the real tools on media made at test time.
class PipelineTest : public ::testing::Test {
  protected:
    PipelineTest() {
        ctx.useRealTools();
        ctx.values.tempPolicy = kKeepFiles;
    }
    // Analyses a file into the table like adding it on the source tab.
    MPEGInfo& add(const QString& path) {
        const int i = AnalyseSource(path, 5, library, ctx.table);
        EXPECT_GT(i, 0) << path.toStdString();
        ctx.table.titleSetPass();
        return ctx.table[i];
    }
    QString muxed(int i) const { return WorkFiles::Muxed(ctx.values.work, i); }
    // Fails with the log when a step returns false.
    void step(Outcome (*function)(RunContext&)) {
        ASSERT_EQ(function(ctx), Outcome::Done) << ctx.lines().join('\n').toStdString();
    }

    TempFolder dir;
    FakeRunContext ctx{dir.path()};
    LibMediaInfo library;
};

TEST_F(PipelineTest, SourcesBecomeDvdProgramStreamsWithTheirVideoUnchanged) {
    const QStringList sources{TestMedia::Vcd(), TestMedia::SvcdTwoTracks(), TestMedia::SvcdMp2Ac3(),
                              TestMedia::ElementaryM2v(), TestMedia::Dvd()};
    for (const QString& source : sources)
        add(source);
    ASSERT_EQ(ctx.table.count(), 5);
    ASSERT_TRUE(ctx.table[4].Elementar);
    ASSERT_TRUE(ctx.table[5].NavPacks);

    step(Demultiplex);
    step(Upmix);
    step(Multiplex);

    for (int i = 1; i <= 4; ++i) {
        SCOPED_TRACE(i);
        const MPEGInfo& r = ctx.table[i];
        ASSERT_TRUE(QFileInfo::exists(muxed(i)));
        EXPECT_TRUE(HasNavPacks(muxed(i)));
        EXPECT_EQ(MediaCheck::VideoBitstream(muxed(i)),
                  MediaCheck::AfterMultiplexing(MediaCheck::VideoBitstream(sources[i - 1])));
        ASSERT_EQ(MediaCheck::StreamCount(muxed(i), "a"), r.trackCount());
        for (int j = 0; j < r.trackCount(); ++j) {
            const QString stream = QStringLiteral("a:%1").arg(j);
            EXPECT_EQ(MediaCheck::Probe(muxed(i), stream, "sample_rate"), QStringLiteral("48000"));
            if (TrackUsableAsIs(r, j)) continue;
            EXPECT_EQ(MediaCheck::Probe(muxed(i), stream, "codec_name"), QStringLiteral("mp2"));
            EXPECT_EQ(MediaCheck::Probe(muxed(i), stream, "bit_rate").toInt() / 1000,
                      BitrateTable()[r.DVDBitrate[j]].toInt());
        }
    }
    EXPECT_FALSE(QFileInfo::exists(muxed(5))) << "a DVD source is taken as it is";
}

TEST_F(PipelineTest, ResumeSkipsFinishedUnitsAndImmediateDeletionKeepsSources) {
    const QString vcd = TestMedia::Vcd();
    add(vcd);
    add(vcd);
    ctx.values.tempPolicy = kDeleteAtOnce;
    step(Demultiplex);
    step(Upmix);
    ctx.run.resumePoint = 301;
    step(Multiplex);
    const QStringList log = ctx.lines();
    EXPECT_TRUE(log.contains(QStringLiteral("           [301] bereits abgearbeitet.")));
    EXPECT_FALSE(QFileInfo::exists(muxed(1)));
    EXPECT_TRUE(QFileInfo::exists(muxed(2)));
    EXPECT_EQ(ctx.run.resumePoint, 0);
    // Unit 301 was skipped, so nothing of it was deleted; the source stays.
    EXPECT_TRUE(QFileInfo::exists(ctx.values.work + "/svcd-1-0.m1v"));
    EXPECT_FALSE(QFileInfo::exists(ctx.values.work + "/svcd-2-0.m1v"));
    EXPECT_TRUE(QFileInfo::exists(vcd));
}

TEST_F(PipelineTest, AResumeAfterAnUpmixStoppedBetweenTracksRedoesTheWholeSource) {
    add(TestMedia::SvcdTwoTracks());
    step(Demultiplex);
    // "Nein" to "Sofort abbrechen?" while track 0 is upmixed (one tool at a time):
    // the tool ends, the step stops.
    WhenTrue([&] { return ctx.runner().isRunning(); }, [&] { ctx.run.abortRequested = true; });
    EXPECT_EQ(UpmixWithTools(ctx, 1), Outcome::Aborted);
    ctx.run.abortRequested = false;
    ctx.run.resumePoint = StateRead(ctx.run.runProjectFile);
    EXPECT_EQ(ctx.run.resumePoint, 101);
    step(Upmix);
    step(Multiplex);
}

TEST_F(PipelineTest, AbortBetweenSourcesStopsBeforeTheNextUnit) {
    add(TestMedia::Vcd());
    add(TestMedia::Vcd());
    step(Demultiplex);
    step(Upmix);
    ctx.run.abortRequested = true;
    EXPECT_EQ(Multiplex(ctx), Outcome::Aborted);
    EXPECT_EQ(ctx.lines().last(), QStringLiteral("Abbruch:   Abbruch durch den Anwender."));
    EXPECT_EQ(ctx.run.resumePoint, 300);
    EXPECT_FALSE(QFileInfo::exists(muxed(1)));
}

}  // namespace
