#include <QRegularExpression>

#include "pipeline/ConversionRun.h"
#include "pipeline/SizeEstimate.h"
#include "sources/Analysis.h"
#include "sources/LibMediaInfo.h"
#include "sources/Tables.h"
#include "support/FakeRunContext.h"
#include "support/MediaCheck.h"
#include "support/TestMedia.h"
#include "support/TestSupport.h"

namespace {

// Whole conversion runs, from the sources to the DVD folder and the ISO image.
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
    QString lsdvd(const QString& target) { return MediaCheck::Run("lsdvd", {"-x", target}); }
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

    ASSERT_TRUE(RunConversion(ctx)) << ctx.lines().join('\n').toStdString();
    const QStringList log = ctx.lines();
    // The estimate before the run against what authoring wrote ("Benötigt: Tatsächlich").
    qint64 actual = 0;
    for (const QFileInfo& file :
         QDir(ctx.values.dvdRoot + "/VIDEO_TS").entryInfoList({"VIDEO_TS.VOB", "VTS_??_[1-9].VOB"}))
        actual += file.size() / 1024;
    EXPECT_NEAR(estimate, actual, actual * 0.05);
    EXPECT_TRUE(log.contains(QStringLiteral("           [402] Bearbeitungsstand gesichert.")));
    EXPECT_TRUE(log.contains(QStringLiteral("           [501] Bearbeitungsstand gesichert.")));

    const QString info = lsdvd(ctx.values.dvdRoot);
    EXPECT_TRUE(info.contains(QRegularExpression("Title: 01, Length: [^\n]*Chapters: 03")))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Title: 02,[^\n]*Chapters: 01[^\n]*Audio streams: 02")))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Language: de[^\n]*Frequency: 48000")))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Language: en[^\n]*Frequency: 48000")))
        << info.toStdString();
    EXPECT_FALSE(QFileInfo::exists(ctx.values.work + "/dvd-1.mpg")) << "deleted after authoring";

    // Each title's pictures are the sources' pictures, untouched.
    const QByteArray vcd = MediaCheck::AfterMultiplexing(MediaCheck::VideoBitstream(TestMedia::Vcd()));
    const QByteArray svcdVideo =
        MediaCheck::AfterMultiplexing(MediaCheck::VideoBitstream(TestMedia::SvcdTwoTracks()));
    EXPECT_EQ(MediaCheck::WithoutAspectInfo(MediaCheck::VideoBitstream(vob(1))),
              MediaCheck::WithoutAspectInfo(vcd + vcd));
    EXPECT_EQ(MediaCheck::WithoutAspectInfo(MediaCheck::VideoBitstream(vob(2))),
              MediaCheck::WithoutAspectInfo(svcdVideo));

    ASSERT_TRUE(QFileInfo::exists(ctx.values.isoPath));
    EXPECT_EQ(lsdvd(ctx.values.isoPath).count(QRegularExpression("Title: \\d\\d")), 2);
}

TEST_F(EndToEnd, ASecondRunReplacesTheOldStructureAndSplitsTheImage) {
    ctx.values.variant0 = true;
    add(TestMedia::Vcd());
    RunConversion(ctx);
    ASSERT_TRUE(QFileInfo::exists(vob(1)));
    add(TestMedia::Svcd());
    ctx.values.split = true;
    RunConversion(ctx);
    EXPECT_EQ(lsdvd(ctx.values.dvdRoot).count(QRegularExpression("Title: \\d\\d")), 2)
        << "no titles added to the old ones";
    EXPECT_TRUE(
        ctx.lines().contains(QStringLiteral("           ") + ctx.values.dvdRoot + "/VIDEO_TS gefunden."));
    EXPECT_FALSE(QFileInfo::exists(ctx.values.isoPath));
    const QString part = ctx.values.isoPath + "_00";
    ASSERT_TRUE(QFileInfo::exists(part));
    EXPECT_EQ(lsdvd(part).count(QRegularExpression("Title: \\d\\d")), 2);
}

// Two AC-3 sources whose title set got 224 kbit/s: the one at 192 kbit/s becomes MPEG audio,
// so the other opens a title set of its own. A 48 kbit/s MPEG track is converted at 64.
TEST_F(EndToEnd, TitleSetsFollowTheAudioFormatOnTheDiscAndOldStructuresGoInEveryCase) {
    for (const char* name : {"VIDEO_TS", "video_ts", "AUDIO_TS", "audio_ts"})
        dir.write(QStringLiteral("Dvd/%1/alt.txt").arg(name), "alt");
    add(TestMedia::SvcdAc3(192)).DVDBitrate[0] = 7;
    add(TestMedia::SvcdAc3(224));
    ASSERT_EQ(add(TestMedia::Svcd48kbit()).DVDBitrate[0], 0);
    ASSERT_TRUE(RunConversion(ctx)) << ctx.lines().join('\n').toStdString();

    const QString info = lsdvd(ctx.values.dvdRoot);
    const QStringList titles = info.split(QStringLiteral("\nTitle: ")).mid(1);
    ASSERT_EQ(titles.size(), 3) << info.toStdString();
    const char* formats[] = {"mpeg1", "ac3", "mpeg1"};
    for (int t = 0; t < 3; ++t)
        EXPECT_TRUE(titles[t].contains(QRegularExpression(
            QStringLiteral("^0%1, Length: 00:00:0[23][^\n]*Audio streams: 01.*Language: de[^\n]*Format: %2,")
                .arg(t + 1)
                .arg(formats[t]),
            QRegularExpression::DotMatchesEverythingOption)))
            << titles[t].toStdString();
    EXPECT_EQ(QDir(ctx.values.dvdRoot).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{"AUDIO_TS", "VIDEO_TS"}));
    EXPECT_FALSE(QFileInfo::exists(ctx.values.dvdRoot + "/VIDEO_TS/alt.txt"));
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

TEST_F(EndToEnd, TemporaryFilePoliciesDeleteOnlyIntermediatesNeverSources) {
    const QString elementary = TestMedia::ElementaryM2v();
    const QString companion = QFileInfo(elementary).path() + "/elementary.mp2";
    add(elementary);
    add(TestMedia::Vcd());
    const QString work = ctx.values.work;
    auto intermediates = [&] { return QDir(work).entryList({"svcd-*", "dvd-*"}, QDir::Files, QDir::Name); };

    ctx.values.tempPolicy = kKeepFiles;
    ASSERT_TRUE(RunConversion(ctx)) << ctx.lines().join('\n').toStdString();
    EXPECT_EQ(intermediates(), (QStringList{"dvd-1.mpg", "dvd-2.mpg", "svcd-1-0-48.mp2", "svcd-2-0-48.mp2",
                                            "svcd-2-0.m1v", "svcd-2-0.mp2"}));

    for (int policy : {kDeleteAtOnce, kDeleteAfterMux}) {
        ctx.values.tempPolicy = policy;
        ASSERT_TRUE(RunConversion(ctx)) << policy;
        EXPECT_TRUE(intermediates().isEmpty()) << policy << intermediates().join(' ').toStdString();
        EXPECT_TRUE(QFileInfo::exists(elementary) && QFileInfo::exists(companion)) << policy;
        EXPECT_TRUE(QFileInfo::exists(TestMedia::Vcd())) << policy;
    }
}

TEST_F(EndToEnd, PathsWithBlanksQuotesAmpersandsAndUmlautsAreSafe) {
    const QString odd = dir.file(QStringLiteral("Grüße & \"Film\" 'A'"));
    QDir().mkpath(odd);
    const QString source = odd + QStringLiteral("/Ständchen & Co.mpg");
    ASSERT_TRUE(QFile::copy(TestMedia::ElementaryM1v(), odd + QStringLiteral("/Ständchen & Co.m1v")));
    ASSERT_TRUE(
        QFile::copy(TestMedia::Folder() + "/elem1-0.mp2", odd + QStringLiteral("/Ständchen & Co.mp2")));
    ASSERT_TRUE(QFile::copy(TestMedia::Vcd(), source));
    ctx.values.work = odd + QStringLiteral("/Arbeit & Temp");
    ctx.values.dvdRoot = odd + QStringLiteral("/DVD <neu>");
    ctx.values.isoPath = ctx.values.work + QStringLiteral("/Mein Film.iso");
    QDir().mkpath(ctx.values.work);
    ctx.values.variant0 = false;
    ctx.values.variant2 = true;
    add(source);
    add(odd + QStringLiteral("/Ständchen & Co.m1v"));
    ASSERT_TRUE(RunConversion(ctx)) << ctx.lines().join('\n').toStdString();
    EXPECT_EQ(lsdvd(ctx.values.dvdRoot).count(QRegularExpression("Title: \\d\\d")), 2);
    EXPECT_TRUE(QFileInfo::exists(ctx.values.isoPath));
}

INSTANTIATE_TEST_SUITE_P(MenuVariants, EndToEnd, ::testing::Values(0, 1, 2));

}  // namespace
