// Runs with the real tools on media made at test time: the installed libmediainfo's binding,
// admission and analysis (what the analysis derives from its answers is the unit tests'
// matter), whole conversions from the sources to the DVD folder and the ISO image, single
// steps, the run's log, and the menu files the authoring uses.

#include <QRegularExpression>

#include "persistence/ProcessingState.h"
#include "pipeline/Author.h"
#include "pipeline/ConversionRun.h"
#include "pipeline/Demuxen.h"
#include "pipeline/Muxen.h"
#include "pipeline/SizeEstimate.h"
#include "pipeline/Upmix.h"
#include "sources/Admission.h"
#include "sources/Analysis.h"
#include "sources/LibMediaInfo.h"
#include "support/FakeRunContext.h"
#include "support/MediaCheck.h"
#include "support/TestMedia.h"

namespace {

constexpr int kNewGeneration = 5;

// What the analysis took from the library: container, length, picture, navigation
// packs, and per track its format (index and text), bitrate index and sample rate;
// the companions of an elementary stream.
QString Describe(const MPEGInfo& r) {
    QStringList f{r.Format, r.FormatStr, r.Spieldauer + " s", r.Bildgroesse + " @ " + r.Bildwiederholrate,
                  r.AspectRatio};
    if (r.NavPacks) f << QStringLiteral("nav");
    for (int j = 0; j < r.trackCount(); ++j)
        f << QString::number(r.TonFormat[j]) + ' ' + r.TonFormatStr[j] + " #" +
                 QString::number(r.TonBitrate[j]) + ' ' + r.TonAbtastrate[j];
    for (int j = 0; r.Elementar && j < r.trackCount(); ++j)
        f << QFileInfo(r.TonDatei[j]).fileName();
    return f.join(QStringLiteral(" | "));
}

TEST(MediaLibrary, TheNewGenerationAnswersInTheOldWordsAnalysesAdmitsAndRefusesRealMedia) {
    LibMediaInfo lib;
    ScriptedDialogs dialogs;
    const auto admit = [&](const QString& path, bool jrDmux) {
        return AdmitBySize(path, jrDmux, dialogs) &&
               AdmitByContent(path, kNewGeneration, lib, jrDmux, dialogs);
    };
    const QString version = lib.version();
    EXPECT_TRUE(version.startsWith(QLatin1String("MediaInfoLib - v"))) << version.toStdString();
    EXPECT_EQ(ProbeVersion(version, true).generation, kNewGeneration);
    EXPECT_FALSE(lib.load(4)) << "there is no old-generation interface";

    LibMediaInfo missing(QStringLiteral("libkeinemediainfo.so.0"));
    EXPECT_EQ(missing.version(), QString());
    EXPECT_FALSE(missing.load(kNewGeneration));
    EXPECT_FALSE(missing.open(TestMedia::Vcd()));

    // Texts the analyses below do not show, which the library words differently ("48.0 kb/s", "44.1 kHz").
    const LibrarySession session(lib, kNewGeneration);
    ASSERT_TRUE(session.loaded());
    const MediaFile low(lib, TestMedia::Svcd48kbit());
    EXPECT_EQ(low.audio(0, QStringLiteral("BitRate_String")), QStringLiteral("48 kb/s"));
    EXPECT_EQ(low.audio(0, QStringLiteral("SamplingRate_String")), QStringLiteral("44.1 KHz"));

    const QString mp2 = QStringLiteral("0 MPEG-1 Audio Layer 2 #7 44.1 KHz");
    const QString svcd = QStringLiteral("MPEG2 | MPEG-PS | 3 s | 480x576 @ 25 | 0.833 | ") + mp2;
    const QList<QPair<QString, QString>> cases{
        {TestMedia::Svcd(), svcd},
        {TestMedia::SvcdTwoTracks(), svcd + " | " + mp2},
        {TestMedia::SvcdMp2Ac3(), svcd + " | 1 AC-3 #6 48 KHz"},
        {TestMedia::Svcd169(), "MPEG2 | MPEG-PS | 3 s | 480x576 @ 25 | 16:9 | " + mp2},
        {TestMedia::Dvd(),
         "MPEG2 | MPEG-PS | 3 s | 720x576 @ 25 | 5:4 | nav | 0 MPEG-1 Audio Layer 2 #7 48 KHz"},
        {TestMedia::ElementaryM2v(),
         "MPV2 | MPEG Video | 3 s | 480x576 @ 25 | 0.833 | " + mp2 + " | elementary.mp2"},
        {TestMedia::ElementaryM1v(), "MPV1 | MPEG Video | 3 s | 352x288 @ 25 | 1.222 | " + mp2 +
                                         " | 0 MPEG-1 Audio Layer 2 #6 44.1 KHz | elem1-0.mp2 | elem1-1.mp2"},
    };
    for (const auto& [path, expected] : cases) {
        SourceTable table;
        ASSERT_EQ(AnalyseSource(path, kNewGeneration, lib, table), 1) << path.toStdString();
        EXPECT_EQ(Describe(table[1]), expected);
        EXPECT_TRUE(admit(path, !table[1].Elementar))
            << path.toStdString() << " (without jrDMUX if elementary)";
    }
    EXPECT_TRUE(dialogs.takeTexts().isEmpty());

    const QString mp3 = TestMedia::Mp3Audio(), twoAc3 = TestMedia::SvcdTwoAc3();
    EXPECT_FALSE(admit(mp3, false) || admit(twoAc3, false));
    EXPECT_EQ(
        dialogs.takeTexts(),
        (QStringList{
            "Die Datei " + mp3 + " hat das Format\r\n\r\nMPEG Audio\r\n\r\nDie Datei wird nicht geladen.",
            "Die Tonspur(en) der Datei " + twoAc3 +
                " sind vom Format\r\n\r\nAC3 AC3\r\n\r\nDie dafür benötigte jrDMUX.exe wurde nicht "
                "gefunden. Die Datei wird nicht geladen."}));
}

// Analyses a file into the run's table, as adding it on the source tab does.
MPEGInfo& Add(FakeRunContext& ctx, const QString& path) {
    LibMediaInfo library;
    const int i = AnalyseSource(path, kNewGeneration, library, ctx.table);
    EXPECT_GT(i, 0) << path.toStdString();
    ctx.table.titleSetPass();
    return ctx.table[i];
}

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
    // Fails with the log when the run or a step fails.
    void run(Outcome (*step)(RunContext&) = nullptr) {
        ASSERT_EQ(step ? step(ctx) : DoneIf(RunConversion(ctx)), Outcome::Done)
            << ctx.lines().join('\n').toStdString();
    }
    static QString lsdvd(const QString& target) { return MediaCheck::Run("lsdvd", {"-x", target}); }
    static int titles(const QString& target) { return lsdvd(target).count("\nTitle: "); }
    QString vob(int titleSet) const {
        return ctx.values.dvdRoot +
               QStringLiteral("/VIDEO_TS/VTS_%1_1.VOB").arg(titleSet, 2, 10, QLatin1Char('0'));
    }

    TempFolder dir;
    FakeRunContext ctx{dir.path()};
};

TEST_P(EndToEnd, TwoTitleSetsWithChaptersAndTwoLanguages) {
    ctx.values.variant0 = GetParam() == 0;
    ctx.values.variant1 = GetParam() == 1;
    ctx.values.variant2 = GetParam() == 2;
    Add(ctx, TestMedia::Vcd()).Kapitel = QStringLiteral("00:00:01.000,00:00:02.000");
    Add(ctx, TestMedia::Vcd());
    Add(ctx, TestMedia::SvcdTwoTracks());  // a title set of its own, in German and English
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
    Add(ctx, TestMedia::SvcdAc3(192)).DVDBitrate[0] = 7;
    Add(ctx, TestMedia::SvcdAc3(224));
    ASSERT_EQ(Add(ctx, TestMedia::Svcd48kbit()).DVDBitrate[0], 0);
    ctx.values.split = true;
    run();

    const QString info = lsdvd(ctx.values.dvdRoot);
    const QStringList sets = info.split(QStringLiteral("\nTitle: ")).mid(1);
    ASSERT_EQ(sets.size(), 3) << info.toStdString();
    const char* formats[] = {"mpeg1,", "ac3,", "mpeg1,"};
    for (int t = 0; t < 3; ++t)
        EXPECT_TRUE(sets[t].contains(
            QRegularExpression("^0" + QString::number(t + 1) + ", Length: 00:00:0[23][^\n]*" +
                                   "Audio streams: 01.*Language: de[^\n]*Format: " + formats[t],
                               QRegularExpression::DotMatchesEverythingOption)))
            << sets[t].toStdString();
    EXPECT_EQ(QDir(ctx.values.dvdRoot).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{"AUDIO_TS", "VIDEO_TS"}));
    EXPECT_FALSE(QFileInfo::exists(ctx.values.dvdRoot + "/VIDEO_TS/alt.txt"));
    for (const QString& name : old)
        EXPECT_TRUE(ctx.lines().contains("           " + ctx.values.dvdRoot + "/" + name + " gefunden."));
    EXPECT_FALSE(QFileInfo::exists(ctx.values.isoPath));
    EXPECT_EQ(titles(ctx.values.isoPath + "_00"), 3);
}

TEST_F(EndToEnd, AnEmptiedScriptIsRefusedByTheAuthorAndEndsTheRun) {
    ctx.values.editScript = true;
    ctx.onEditScript = [](QStringList& lines) { lines.clear(); };
    Add(ctx, TestMedia::Vcd());
    EXPECT_FALSE(RunConversion(ctx));
    EXPECT_TRUE(ctx.lines().contains(QStringLiteral("> XML-Script")));
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
        Add(ctx, userFiles[i].first);
    ASSERT_TRUE(ctx.table[1].Elementar && ctx.table[3].NavPacks);
    run();

    EXPECT_TRUE(lsdvd(s.dvdRoot).contains(
        QRegularExpression("Title: 01,[^\n]*Audio streams: 01.*Title: 02,[^\n]*Audio streams: 02.*"
                           "Format: ac3.*Title: 03,[^\n]*Audio streams: 01",
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

TEST_F(EndToEnd, AResumeAfterAnUpmixStoppedBetweenTracksRedoesTheWholeSource) {
    Add(ctx, TestMedia::SvcdTwoTracks());
    run(Demultiplex);
    // "Nein" to "Sofort abbrechen?" while track 0 is upmixed (one tool at a time):
    // the tool ends, the step stops, and the source's upmix is not recorded.
    WhenTrue([&] { return ctx.runner().isRunning(); }, [&] { ctx.run.abortRequested = true; });
    EXPECT_EQ(UpmixWithTools(ctx, 1), Outcome::Aborted);
    ctx.run.abortRequested = false;
    ctx.run.resumePoint = StateRead(ctx.run.runProjectFile);
    EXPECT_EQ(ctx.run.resumePoint, 101);
    run(Demultiplex);  // the recorded unit is skipped, as a resumed run does
    EXPECT_EQ(ctx.lines().last(), QStringLiteral("           [101] bereits abgearbeitet."));
    run(Upmix);
    run(Multiplex);
}

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

TEST_F(EndToEnd, WritesTheRunLogOfTheFirstThreeStepsOverTwoSources) {
    ProgramSettings& s = ctx.values;
    s.tempPolicy = kDeleteAtOnce;
    s.image = false;
    s.tools[Tool::DVDauthor] = dir.file("dvdauthor");  // missing: the run ends at authoring
    ctx.controlState.priorityText = QStringLiteral("Normal");
    ctx.controlState.libraryText = QStringLiteral("MediaInfoLib - v23.04");
    Add(ctx, TestMedia::Vcd()).Kapitel = QStringLiteral("00:00:01.000,00:00:02.000");
    Add(ctx, TestMedia::SvcdMp2Ac3());

    EXPECT_FALSE(RunConversion(ctx));
    const QStringList actual = Normalised(ctx.lines(), dir.path());

    // TAV_WRITE_EXPECTED=1 writes what the run logged as the new expectation.
    const QByteArray log = (actual.join('\n') + '\n').toUtf8();
    const QString expected = QStringLiteral(TAV_SOURCE_DIR "/tests/integration/expected/three-steps.log");
    if (qEnvironmentVariableIsSet("TAV_WRITE_EXPECTED")) dir.write(expected, log);
    EXPECT_EQ(log.toStdString(), FileBytes(expected).toStdString());
}

// Four sources (five tracks to upmix) through demultiplexing, upmix with the
// given number of tools side by side, multiplexing and authoring; "Sofort
// löschen" when the upmix stops (the multiplexer's deletions take seconds). track3: how
// the track of source 3, and so the upmix, ends: as it should, by "Ja" to "Sofort
// abbrechen?" once source 2 is recorded, or with exit code 1.
QStringList FourSources(FakeRunContext& ctx, const TempFolder& dir, int tools, Outcome track3) {
    ctx.useRealTools();
    ctx.values.tempPolicy = track3 == Outcome::Done ? kKeepFiles : kDeleteAtOnce;
    for (const QString& source :
         {TestMedia::Vcd(), TestMedia::SvcdTwoTracks(), TestMedia::SvcdMp2Ac3(), TestMedia::Svcd()})
        Add(ctx, source);
    if (track3 != Outcome::Done)
        ctx.values.tools[Tool::BeSweet] =
            dir.executable("BeSweet", QByteArray("#!/bin/sh\ncase \"$*\" in *svcd-3-0.mp2*) ") +
                                          (track3 == Outcome::Aborted ? "exec sleep 60" : "exit 1") +
                                          ";; esac\nexec " TAV_TOOL_DIR "/BeSweet \"$@\"\n");
    if (track3 == Outcome::Aborted)
        WhenTrue(
            [&] {
                return ctx.lines().contains(QStringLiteral("           [202] Bearbeitungsstand gesichert."));
            },
            [&] {
                ctx.run.abortRequested = true;
                ctx.runner().KillTool();
            });
    EXPECT_EQ(Demultiplex(ctx), Outcome::Done);
    EXPECT_EQ(UpmixWithTools(ctx, tools), track3);
    EXPECT_TRUE(track3 != Outcome::Done || (Multiplex(ctx) == Outcome::Done && Author(ctx) == Outcome::Done));
    return Normalised(ctx.lines(), dir.path());
}

class UpmixSideBySide : public ::testing::TestWithParam<Outcome> {};

TEST_P(UpmixSideBySide, WritesTheLogAndTheDiscOfOneToolAtATime) {
    TempFolder one, four;
    FakeRunContext sequential(one.path()), parallel(four.path());
    const QStringList log = FourSources(sequential, one, 1, GetParam());
    EXPECT_EQ(FourSources(parallel, four, 4, GetParam()), log);
    if (GetParam() != Outcome::Done) {
        const bool aborted = GetParam() == Outcome::Aborted;
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

INSTANTIATE_TEST_SUITE_P(Track3Ends, UpmixSideBySide,
                         ::testing::Values(Outcome::Done, Outcome::Aborted, Outcome::Failed));

}  // namespace

// The three menu files made at build time: small PAL DVD menu streams; the two with buttons
// carry a subpicture (dvdauthor takes their button names: MenuVariants above).
TEST(Menus, AreSmallPalMpeg2ProgramStreamsWithSubpicturesOnlyForButtons) {
    for (const QString name : {"dummymenu.vob", "menu01sub.vob", "menu02sub.vob"}) {
        const QString path = QStringLiteral(TAV_PROGRAM_DIR "/menue/") + name;
        SCOPED_TRACE(name.toStdString());
        EXPECT_LT(QFileInfo(path).size(), 200 * 1024);
        const QString probe =
            MediaCheck::Probe(path, "format=format_name:stream=codec_name,width,height,sample_rate");
        EXPECT_TRUE(probe.endsWith("\nmpeg") && probe.contains("mpeg2video,720,576") &&
                    probe.contains("mp2,48000"))
            << probe.toStdString();
        EXPECT_EQ(probe.contains("dvd_subtitle"), name != "dummymenu.vob");
    }
}
