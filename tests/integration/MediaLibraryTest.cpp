// The binding, admission and analysis against the installed libmediainfo, on
// media made with ffmpeg at test time.

#include <vector>

#include "sources/Admission.h"
#include "sources/Analysis.h"
#include "sources/LibMediaInfo.h"
#include "sources/SourceTable.h"
#include "sources/Tables.h"
#include "support/ScriptedDialogs.h"
#include "support/TestMedia.h"
#include "support/TestSupport.h"

namespace {

constexpr int kNewGeneration = 5;

struct Track {
    quint8 format;
    const char* text;
    quint8 bitrate;
    const char* rate;
};
const Track kMp2{0, "MPEG-1 Audio Layer 2", 7, "44.1 KHz"};
const Track kMp2At48{0, "MPEG-1 Audio Layer 2", 7, "48 KHz"};
const Track kAc3{1, "AC-3", 6, "48 KHz"};

// What the analysis must make of a file of 3 seconds.
MPEGInfo Expected(const QString& path, const char* format, const char* formatText, const char* size,
                  const char* aspect, const std::vector<Track>& tracks) {
    MPEGInfo r;
    r.Datei = path;
    r.Format = QString::fromUtf8(format);
    r.FormatStr = QString::fromUtf8(formatText);
    r.Spieldauer = QStringLiteral("3");
    r.Bildgroesse = QString::fromUtf8(size);
    r.Bildwiederholrate = QStringLiteral("25");
    r.AspectRatio = QString::fromUtf8(aspect);
    r.Tonspuren = QString::number(tracks.size());
    r.TonFormatStr = {QStringLiteral(" "), QStringLiteral(" ")};
    r.TonAbtastrate = {QStringLiteral("---"), QStringLiteral("---")};
    for (size_t j = 0; j < tracks.size(); ++j) {
        const Track& t = tracks[j];
        r.TonFormat[j] = t.format;
        r.TonFormatStr[j] = QString::fromUtf8(t.text);
        r.TonBitrate[j] = t.bitrate;
        r.TonAbtastrate[j] = QString::fromUtf8(t.rate);
        r.DVDSprache[j] = j == 0 ? kLanguageDE : kLanguageEN;
        r.DVDBitrate[j] = QLatin1String(t.rate) == QLatin1String("48 KHz") ? t.bitrate : t.bitrate + 1;
    }
    return r;
}

MPEGInfo Elementary(MPEGInfo r, const QStringList& companions) {
    r.Elementar = true;
    for (int k = 0; k < companions.size(); ++k)
        r.TonDatei[k] = companions[k];
    return r;
}

// Every field, for readable failures.
std::string Describe(const MPEGInfo& r) {
    QStringList f;
    f << r.Datei << QString::number(r.Elementar) << QString::number(r.NavPacks) << r.TonDatei[0]
      << r.TonDatei[1] << r.Format << r.FormatStr << r.Spieldauer << r.Bildgroesse << r.Bildwiederholrate
      << r.AspectRatio << r.Tonspuren << r.Kapitel << QString::number(r.Hart) << QString::number(r.Weich)
      << QString::number(r.VTS);
    for (int j = 0; j < 2; ++j)
        f << QString::number(r.TonFormat[j]) << r.TonFormatStr[j] << QString::number(r.TonBitrate[j])
          << r.TonAbtastrate[j] << QString::number(r.DVDSprache[j]) << QString::number(r.DVDBitrate[j]);
    return f.join(QStringLiteral(" | ")).toStdString();
}

class MediaLibraryTest : public ::testing::Test {
  protected:
    MPEGInfo analyse(const QString& path) {
        SourceTable table;
        EXPECT_EQ(AnalyseSource(path, kNewGeneration, lib, table), 1) << path.toStdString();
        return table[1];
    }
    bool admit(const QString& path, bool jrDmux = false) {
        return AdmitBySize(path, jrDmux, dialogs) &&
               AdmitByContent(path, kNewGeneration, lib, jrDmux, dialogs);
    }

    LibMediaInfo lib;
    ScriptedDialogs dialogs;
};

}  // namespace

TEST_F(MediaLibraryTest, VersionNamesTheNewGeneration) {
    const QString version = lib.version();
    EXPECT_TRUE(version.startsWith(QLatin1String("MediaInfoLib - v"))) << version.toStdString();
    EXPECT_EQ(ProbeVersion(version, true).generation, kNewGeneration);
    EXPECT_FALSE(lib.load(4)) << "there is no old-generation interface";
    lib.unload();
    for (int round = 0; round < 2; ++round) {
        EXPECT_TRUE(lib.load(kNewGeneration)) << "loads again after release";
        lib.unload();
    }

    LibMediaInfo missing(QStringLiteral("libkeinemediainfo.so.0"));
    EXPECT_EQ(missing.version(), QString());
    EXPECT_FALSE(missing.load(kNewGeneration));
    EXPECT_FALSE(missing.open(TestMedia::Vcd()));
    missing.unload();
}

// What the analyses below do not show: texts the library words differently.
TEST_F(MediaLibraryTest, AnswersInTheOldVocabulary) {
    const LibrarySession session(lib, kNewGeneration);
    ASSERT_TRUE(session.loaded());
    {
        // The library itself says "64.0 kb/s" and "32.0 kHz" here.
        const MediaFile low(lib, TestMedia::Mp2Low());
        EXPECT_EQ(low.audio(0, QStringLiteral("BitRate_String")), QStringLiteral("64 kb/s"));
        EXPECT_EQ(low.audio(0, QStringLiteral("SamplingRate_String")), QStringLiteral("32 KHz"));
    }
    {
        const MediaFile mp3(lib, TestMedia::Mp3Audio());
        EXPECT_EQ(mp3.audio(0, QStringLiteral("Codec")), QStringLiteral("MPA1L3"));
        EXPECT_EQ(mp3.audio(0, QStringLiteral("Codec_String")), QStringLiteral("MPEG-1 Audio Layer 3"));
    }
}

TEST_F(MediaLibraryTest, AnalysesProgramStreams) {
    const QString vcd = TestMedia::Vcd(), vcd43 = TestMedia::Vcd43(), svcd = TestMedia::Svcd();
    const QString two = TestMedia::SvcdTwoTracks(), ac3 = TestMedia::SvcdMp2Ac3(),
                  at48 = TestMedia::Svcd48k();
    const QString wide = TestMedia::Svcd169(), umlaut = TestMedia::UmlautCopy();
    MPEGInfo dvd = Expected(TestMedia::Dvd(), "MPEG2", "MPEG-PS", "720x576", "5:4", {kMp2At48});
    dvd.NavPacks = true;
    const MPEGInfo expected[] = {
        Expected(vcd, "MPEG1", "MPEG-PS", "352x288", "1.222", {kMp2}),  // square pixels as made
        Expected(vcd43, "MPEG1", "MPEG-PS", "352x288", "4:3", {kMp2}),
        Expected(svcd, "MPEG2", "MPEG-PS", "480x576", "0.833", {kMp2}),
        Expected(two, "MPEG2", "MPEG-PS", "480x576", "0.833", {kMp2, kMp2}),
        Expected(ac3, "MPEG2", "MPEG-PS", "480x576", "0.833", {kMp2, kAc3}),
        Expected(at48, "MPEG2", "MPEG-PS", "480x576", "0.833", {kMp2At48}),
        Expected(wide, "MPEG2", "MPEG-PS", "480x576", "16:9", {kMp2}),
        Expected(umlaut, "MPEG2", "MPEG-PS", "480x576", "0.833", {kMp2}),
        dvd,
    };
    for (const MPEGInfo& e : expected) {
        EXPECT_EQ(Describe(analyse(e.Datei)), Describe(e));
        EXPECT_TRUE(admit(e.Datei, true)) << e.Datei.toStdString();
    }
    EXPECT_TRUE(dialogs.takeTexts().isEmpty());
}

TEST_F(MediaLibraryTest, AnalysesElementaryStreamsWithTheirCompanions) {
    const QString m2v = TestMedia::ElementaryM2v(), m1v = TestMedia::ElementaryM1v();
    const QString folder = QFileInfo(m2v).absolutePath() + QLatin1Char('/');
    const Track mp2At192{0, "MPEG-1 Audio Layer 2", 6, "44.1 KHz"};
    const MPEGInfo expected[] = {
        Elementary(Expected(m2v, "MPV2", "MPEG Video", "480x576", "0.833", {kMp2}),
                   {folder + QStringLiteral("elementary.mp2")}),
        Elementary(Expected(m1v, "MPV1", "MPEG Video", "352x288", "1.222", {kMp2, mp2At192}),
                   {folder + QStringLiteral("elem1-0.mp2"), folder + QStringLiteral("elem1-1.mp2")}),
    };
    for (const MPEGInfo& e : expected) {
        EXPECT_EQ(Describe(analyse(e.Datei)), Describe(e));
        EXPECT_TRUE(admit(e.Datei)) << e.Datei.toStdString();
    }
    EXPECT_TRUE(dialogs.takeTexts().isEmpty());
}

TEST_F(MediaLibraryTest, RefusesWhatCannotBeConverted) {
    const QString mp3 = TestMedia::Mp3Audio(), text = TestMedia::TextAsMpg(), empty = TestMedia::EmptyMpg();
    const QString mp3Track = TestMedia::SvcdMp3(), ac3 = TestMedia::SvcdMp2Ac3(),
                  twoAc3 = TestMedia::SvcdTwoAc3();
    const QString notLoaded = QStringLiteral("Die Datei wird nicht geladen.");
    const QString jrDmuxMissing =
        QStringLiteral("Die dafür benötigte jrDMUX.exe wurde nicht gefunden. Die Datei wird nicht geladen.");
    const struct {
        QString path;
        QString message;
    } cases[] = {
        {mp3, QStringLiteral("Die Datei ") + mp3 +
                  QStringLiteral(" hat das Format\r\n\r\nMPEG Audio\r\n\r\n") + notLoaded},
        {text,
         QStringLiteral("Die Datei ") + text + QStringLiteral(" hat das Format\r\n\r\n\r\n\r\n") + notLoaded},
        {empty,
         QStringLiteral("Die Datei ") + empty + QStringLiteral("\r\nhat die Größe 0 und wird nicht geladen")},
        {mp3Track,
         QStringLiteral("Die Tonspur(en) der Datei ") + mp3Track +
             QStringLiteral(" sind vom Format\r\n\r\nMPA1L3 \r\n\r\nund werden nicht unterstützt. ") +
             notLoaded},
        {ac3, QStringLiteral("Die Tonspur(en) der Datei ") + ac3 +
                  QStringLiteral(" sind vom Format\r\n\r\nMPA1/2 AC3\r\n\r\n") + jrDmuxMissing},
        {twoAc3, QStringLiteral("Die Tonspur(en) der Datei ") + twoAc3 +
                     QStringLiteral(" sind vom Format\r\n\r\nAC3 AC3\r\n\r\n") + jrDmuxMissing},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(admit(c.path, false)) << c.path.toStdString();
        EXPECT_EQ(dialogs.takeTexts(), QStringList{c.message});
    }
}
