#include <QRegularExpression>

#include "persistence/ProcessingState.h"
#include "pipeline/ConversionRun.h"
#include "pipeline/Demuxen.h"
#include "pipeline/Muxen.h"
#include "pipeline/SizeEstimate.h"
#include "pipeline/Upmix.h"
#include "sources/Analysis.h"
#include "sources/LibMediaInfo.h"
#include "sources/Tables.h"
#include "support/FakeRunContext.h"
#include "support/MediaCheck.h"
#include "support/TestMedia.h"
#include "support/TestSupport.h"

namespace {

// Whole conversion runs, from the sources to the DVD folder and the ISO image,
// and the steps one by one, with the real tools.
class EndToEnd : public ::testing::TestWithParam<int> {
  protected:
    EndToEnd() {
        ctx.useRealTools();
        ProgramSettings& s = ctx.values;
        s.tempPolicy = kDeleteAfterMux;
        s.image = true;
        s.isoPath = dir.file("Arbeit/Meine_DVD.iso");
        ctx.controlState.stageText = QStringLiteral("SVCD MPEG demuxen");
    }
    MPEGInfo& add(const QString& path) {
        const int i = AnalyseSource(path, 5, library, ctx.table);
        EXPECT_GT(i, 0);
        ctx.table.titleSetPass();
        return ctx.table[i];
    }
    // Fails with the log when the run or a step fails.
    void run(bool (*step)(RunContext&) = RunConversion) {
        ASSERT_TRUE(step(ctx)) << ctx.lines().join('\n').toStdString();
    }
    static QString lsdvd(const QString& target) { return MediaCheck::Run("lsdvd", {"-x", target}); }
    static int titles(const QString& target) {
        return lsdvd(target).count(QRegularExpression("Title: \\d\\d"));
    }
    QString vob(int titleSet) const {
        return ctx.values.dvdRoot +
               QStringLiteral("/VIDEO_TS/VTS_%1_1.VOB").arg(titleSet, 2, 10, QLatin1Char('0'));
    }

    TempFolder dir;
    FakeRunContext ctx{dir.path()};
    LibMediaInfo library;
};

TEST_P(EndToEnd, TwoTitleSetsWithChaptersAndTwoLanguages) {
    const int variant = GetParam();
    ctx.values.variant0 = variant == 0;
    ctx.values.variant1 = variant == 1;
    ctx.values.variant2 = variant == 2;
    add(TestMedia::Vcd()).Kapitel = QStringLiteral("00:00:01.000,00:00:02.000");
    add(TestMedia::Vcd());
    MPEGInfo& svcd = add(TestMedia::SvcdTwoTracks());
    ASSERT_EQ(svcd.VTS, 2);
    ASSERT_EQ(svcd.DVDSprache[1], kLanguageEN);
    const qint64 estimate = DvdEstimateKB(ctx.table, ctx.values);

    run();
    // The estimate before the run against what authoring wrote ("Benötigt: Tatsächlich").
    qint64 actual = 0;
    for (const QFileInfo& file :
         QDir(ctx.values.dvdRoot + "/VIDEO_TS").entryInfoList({"VIDEO_TS.VOB", "VTS_??_[1-9].VOB"}))
        actual += file.size() / 1024;
    EXPECT_NEAR(estimate, actual, actual * 0.05);

    const QString info = lsdvd(ctx.values.dvdRoot);
    for (const char* expected :
         {"Title: 01, Length: [^\n]*Chapters: 03", "Title: 02,[^\n]*Chapters: 01[^\n]*Audio streams: 02",
          "Language: de[^\n]*Frequency: 48000", "Language: en[^\n]*Frequency: 48000"})
        EXPECT_TRUE(info.contains(QRegularExpression(expected))) << expected << '\n' << info.toStdString();
    EXPECT_FALSE(QFileInfo::exists(ctx.values.work + "/dvd-1.mpg")) << "deleted after authoring";

    // Each title's pictures are the sources' pictures, untouched.
    using namespace MediaCheck;
    const QByteArray vcd = AfterMultiplexing(VideoBitstream(TestMedia::Vcd()));
    EXPECT_EQ(WithoutAspectInfo(VideoBitstream(vob(1))), WithoutAspectInfo(vcd + vcd));
    EXPECT_EQ(WithoutAspectInfo(VideoBitstream(vob(2))),
              WithoutAspectInfo(AfterMultiplexing(VideoBitstream(TestMedia::SvcdTwoTracks()))));
    EXPECT_EQ(titles(ctx.values.isoPath), 2);
}

INSTANTIATE_TEST_SUITE_P(MenuVariants, EndToEnd, ::testing::Values(0, 1, 2));

// Two AC-3 sources whose title set got 224 kbit/s: the one at 192 kbit/s becomes MPEG audio,
// so the other opens a title set of its own. A 48 kbit/s MPEG track is converted at 64.
// Old structures go in every letter case, so no titles are added to old ones; the image is split.
TEST_F(EndToEnd, TitleSetsFollowTheAudioFormatOnTheDiscAndOldStructuresGoInEveryCase) {
    const QStringList old{"VIDEO_TS", "video_ts", "audio_ts"};
    for (const QString& name : old)
        dir.write("Dvd/" + name + "/alt.txt", "alt");
    add(TestMedia::SvcdAc3(192)).DVDBitrate[0] = 7;
    add(TestMedia::SvcdAc3(224));
    ASSERT_EQ(add(TestMedia::Svcd48kbit()).DVDBitrate[0], 0);
    ctx.values.split = true;
    run();

    const QString info = lsdvd(ctx.values.dvdRoot);
    const QStringList sets = info.split(QStringLiteral("\nTitle: ")).mid(1);
    ASSERT_EQ(sets.size(), 3) << info.toStdString();
    const char* formats[] = {"mpeg1", "ac3", "mpeg1"};
    for (int t = 0; t < 3; ++t)
        EXPECT_TRUE(sets[t].contains(QRegularExpression(
            QStringLiteral("^0%1, Length: 00:00:0[23][^\n]*Audio streams: 01.*Language: de[^\n]*Format: %2,")
                .arg(t + 1)
                .arg(formats[t]),
            QRegularExpression::DotMatchesEverythingOption)))
            << sets[t].toStdString();
    EXPECT_EQ(QDir(ctx.values.dvdRoot).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{"AUDIO_TS", "VIDEO_TS"}));
    EXPECT_FALSE(QFileInfo::exists(ctx.values.dvdRoot + "/VIDEO_TS/alt.txt"));
    for (const QString& name : old)
        EXPECT_TRUE(ctx.lines().contains("           " + ctx.values.dvdRoot + "/" + name + " gefunden."))
            << name.toStdString();
    EXPECT_FALSE(QFileInfo::exists(ctx.values.isoPath));
    EXPECT_EQ(titles(ctx.values.isoPath + "_00"), 3);
}

TEST_F(EndToEnd, AnEmptiedScriptIsRefusedByTheAuthorAndEndsTheRun) {
    ctx.values.editScript = true;
    ctx.onEditScript = [](QStringList& lines) { lines.clear(); };
    add(TestMedia::Vcd());
    EXPECT_FALSE(RunConversion(ctx));
    const QStringList log = ctx.lines();
    const int banner = log.indexOf(QStringLiteral(" \\\\  DVDauthor - Ende"));
    ASSERT_GT(banner, 0);
    EXPECT_TRUE(log.mid(0, banner).join('\n').contains(QStringLiteral("Der Vorgang wurde")));
    EXPECT_TRUE(log.contains(QStringLiteral("> XML-Script")));
    EXPECT_EQ(log[log.size() - 4], QStringLiteral("-----------------------------"));
    EXPECT_FALSE(log.join('\n').contains(QStringLiteral("[402]")));
}

// A run over sources in a folder whose name holds blanks, quotes, an ampersand and umlauts (an
// elementary stream with its companion, an MPEG and an AC-3 track, a DVD source authored as it
// is), with each policy for temporary files: only the run's own intermediates go, the user's files
// keep every byte, and each title's pictures are its source's.
class TemporaryFiles : public EndToEnd {};

TEST_P(TemporaryFiles, GoWhenAskedAndTheUsersFilesStayWhateverTheirPaths) {
    const QString odd = dir.file(QStringLiteral("Grüße & \"Film\" 'A'/"));
    const QList<QPair<QString, QString>> userFiles{
        {odd + "Ständchen & Co.m2v", TestMedia::ElementaryM2v()},
        {odd + "Ständchen & Co.mp2", TestMedia::Folder() + "/elementary.mp2"},
        {odd + "Zwei Töne.mpg", TestMedia::SvcdMp2Ac3()},
        {odd + "DVD 'Film'.mpg", TestMedia::Dvd()}};
    for (const auto& [copy, original] : userFiles)
        dir.write(copy, FileBytes(original));
    ProgramSettings& s = ctx.values;
    s.work = odd + "Arbeit & Temp";
    s.dvdRoot = odd + "DVD <neu>";
    s.isoPath = s.work + "/Mein Film.iso";
    QDir().mkpath(s.work);
    s.variant0 = false;
    s.variant2 = true;
    s.tempPolicy = GetParam();
    for (const int i : {0, 2, 3})
        add(userFiles[i].first);
    ASSERT_TRUE(ctx.table[1].Elementar && ctx.table[3].NavPacks);
    run();

    EXPECT_TRUE(lsdvd(s.dvdRoot).contains(
        QRegularExpression("Title: 01,[^\n]*Audio streams: 01.*Title: 02,[^\n]*Audio streams: 02.*Format: "
                           "ac3.*Title: 03,[^\n]*Audio "
                           "streams: 01",
                           QRegularExpression::DotMatchesEverythingOption)));
    EXPECT_EQ(titles(s.isoPath), 3);
    using namespace MediaCheck;
    for (const int i : {0, 2})  // title 1 and 2; the DVD source's title is made of its own file
        EXPECT_EQ(WithoutAspectInfo(VideoBitstream(vob(i ? 2 : 1))),
                  WithoutAspectInfo(AfterMultiplexing(VideoBitstream(userFiles[i].first))));
    for (const auto& [copy, original] : userFiles)
        EXPECT_TRUE(FileBytes(copy) == FileBytes(original)) << copy.toStdString();
    const QStringList all{"dvd-1.mpg",    "dvd-2.mpg",    "svcd-1-0-48.mp2", "svcd-2-0-48.mp2",
                          "svcd-2-0.m2v", "svcd-2-0.mp2", "svcd-2-1.ac3"};
    EXPECT_EQ(QDir(s.work).entryList({"svcd-*", "dvd-*"}, QDir::Files, QDir::Name),
              GetParam() == kKeepFiles ? all : QStringList())
        << "a DVD source is taken as it is";
}

INSTANTIATE_TEST_SUITE_P(Policies, TemporaryFiles,
                         ::testing::Values(kKeepFiles, kDeleteAtOnce, kDeleteAfterMux));

using PipelineTest = EndToEnd;

TEST_F(PipelineTest, AResumeAfterAnUpmixStoppedBetweenTracksRedoesTheWholeSource) {
    add(TestMedia::SvcdTwoTracks());
    run(Demultiplex);
    // "Nein" to "Sofort abbrechen?" while track 0 is upmixed (one tool at a time):
    // the tool ends, the step stops, and the source's upmix is not recorded.
    WhenTrue([&] { return ctx.runner().isRunning(); }, [&] { ctx.run.abortRequested = true; });
    EXPECT_FALSE(UpmixWithTools(ctx, 1));
    ctx.run.abortRequested = false;
    ctx.run.resumePoint = StateRead(ctx.run.runProjectFile);
    EXPECT_EQ(ctx.run.resumePoint, 101);
    run(Upmix);
    run(Multiplex);
}

}  // namespace
