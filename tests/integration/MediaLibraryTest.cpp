// The binding, admission and analysis against the installed libmediainfo, on
// media made with ffmpeg at test time. What the analysis derives from the
// library's answers (languages, DVD bitrates, empty slots) is the unit tests' matter.

#include "sources/Admission.h"
#include "sources/Analysis.h"
#include "sources/LibMediaInfo.h"
#include "sources/SourceTable.h"
#include "support/ScriptedDialogs.h"
#include "support/TestMedia.h"
#include "support/TestSupport.h"

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

class MediaLibraryTest : public ::testing::Test {
  protected:
    bool admit(const QString& path, bool jrDmux) {
        return AdmitBySize(path, jrDmux, dialogs) &&
               AdmitByContent(path, kNewGeneration, lib, jrDmux, dialogs);
    }

    LibMediaInfo lib;
    ScriptedDialogs dialogs;
};

}  // namespace

TEST_F(MediaLibraryTest, VersionNamesTheNewGenerationWhichAnswersInTheOldVocabulary) {
    const QString version = lib.version();
    EXPECT_TRUE(version.startsWith(QLatin1String("MediaInfoLib - v"))) << version.toStdString();
    EXPECT_EQ(ProbeVersion(version, true).generation, kNewGeneration);
    EXPECT_FALSE(lib.load(4)) << "there is no old-generation interface";

    LibMediaInfo missing(QStringLiteral("libkeinemediainfo.so.0"));
    EXPECT_EQ(missing.version(), QString());
    EXPECT_FALSE(missing.load(kNewGeneration));
    EXPECT_FALSE(missing.open(TestMedia::Vcd()));
    missing.unload();

    // What the analyses below do not show: texts the library words differently.
    const LibrarySession session(lib, kNewGeneration);
    ASSERT_TRUE(session.loaded());
    // The library itself says "48.0 kb/s" and "44.1 kHz" here.
    const MediaFile low(lib, TestMedia::Svcd48kbit());
    EXPECT_EQ(low.audio(0, QStringLiteral("BitRate_String")), QStringLiteral("48 kb/s"));
    EXPECT_EQ(low.audio(0, QStringLiteral("SamplingRate_String")), QStringLiteral("44.1 KHz"));
}

TEST_F(MediaLibraryTest, AnalysesProgramAndElementaryStreams) {
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
}

TEST_F(MediaLibraryTest, RefusesWhatCannotBeConverted) {
    const QString mp3 = TestMedia::Mp3Audio(), twoAc3 = TestMedia::SvcdTwoAc3();
    const QString format =
        QStringLiteral("Die Datei %1 hat das Format\r\n\r\n%2\r\n\r\nDie Datei wird nicht geladen.");
    const QString needsJrDmux = QStringLiteral(
        "Die Tonspur(en) der Datei %1 sind vom Format\r\n\r\n%2\r\n\r\nDie dafür benötigte jrDMUX.exe wurde "
        "nicht gefunden. Die Datei wird nicht geladen.");
    const QList<QPair<QString, QString>> cases{{mp3, format.arg(mp3, "MPEG Audio")},
                                               {twoAc3, needsJrDmux.arg(twoAc3, "AC3 AC3")}};
    for (const auto& [path, message] : cases) {
        EXPECT_FALSE(admit(path, false)) << path.toStdString();
        EXPECT_EQ(dialogs.takeTexts(), QStringList{message});
    }
}
