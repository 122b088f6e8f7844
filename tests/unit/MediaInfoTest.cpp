#include <QMap>
#include <utility>

#include "sources/MPEGInfo.h"
#include "sources/MediaInfo.h"
#include "sources/MediaVocabulary.h"
#include "support/TestSupport.h"

TEST(ProbeVersion, MapsVersionTextsToGenerations) {
    const struct {
        const char* version;
        bool nt5;
        int generation;
        bool red;
    } cases[] = {
        {"MediaInfo 0.4.2.1", true, 4, false},
        {"MediaInfoLib - v0.5.1.0", true, 5, false},
        {"MediaInfoLib - v0.5.1.0", false, 0, true},  // new generation on an old system
        {"MediaInfoLib - v0.5.0.1", true, 0, false},
        {"0.4.1 0.5.0.1", true, 4, false},  // 0.5.0.1 refused, 0.4. still counts
        {"0.6.0", true, 0, false},
        {"MediaInfoLib - v0.6.1", true, 0, false},
        {"MediaInfoLib - v0.7.99", true, 5, false},
        {"MediaInfoLib - v23.04", true, 5, false},
        {"MediaInfoLib - v23.04", false, 0, true},
        {"Irgendwas", true, 0, false},
    };
    for (const auto& c : cases) {
        const LibraryProbe probe = ProbeVersion(QString::fromUtf8(c.version), c.nt5);
        EXPECT_EQ(probe.generation, c.generation) << c.version << " nt5=" << c.nt5;
        EXPECT_EQ(probe.red, c.red) << c.version << " nt5=" << c.nt5;
        EXPECT_EQ(probe.caption, QString::fromUtf8(c.version));
    }
    const LibraryProbe none = ProbeVersion(QString(), true);
    EXPECT_TRUE(none.generation == 0 && none.red);
    EXPECT_EQ(none.caption, QStringLiteral("Keine MediaInfo.Dll gefunden."));
}

TEST(Lookups, BitrateIndexCutsToThreeCharactersBeforeTrimming) {
    const std::pair<const char*, int> cases[] = {{"384 kb/s", 10},     {"224 Kbps", 7},
                                                 {"224000", 7},        {"64 kb/s", 0},
                                                 {" 96 kb/s", 2},      {"64000", kNone},  // "640"
                                                 {" 224 kb/s", kNone},                    // " 22"
                                                 {"64.0 kb/s", kNone},                    // "64."
                                                 {"", kNone}};
    for (const auto& [text, index] : cases)
        EXPECT_EQ(BitrateIndex(QLatin1String(text)), index) << text;
}

TEST(Lookups, FormatIndexesAreCaseSensitive) {
    EXPECT_EQ(VideoFormatIndex(QStringLiteral("MPV2")), 3);
    EXPECT_EQ(VideoFormatIndex(QStringLiteral("mpeg1")), kNone);
    EXPECT_EQ(VideoFormatIndex(QStringLiteral("MPEG-PS")), kNone);
    EXPECT_EQ(AudioFormatIndex(QStringLiteral("AC3")), 1);
    EXPECT_EQ(AudioFormatIndex(QStringLiteral("ac3")), kNone);
    EXPECT_EQ(AudioFormatIndex(QStringLiteral("MPA1L3")), kNone);
}

TEST(Lookups, DecimalAndRateTexts) {
    EXPECT_EQ(TrimDecimals(QStringLiteral("25.000")), QStringLiteral("25"));
    EXPECT_EQ(TrimDecimals(QStringLiteral("29.970")), QStringLiteral("29.97"));
    EXPECT_EQ(TrimDecimals(QStringLiteral("100")), QStringLiteral("100"));
    EXPECT_EQ(TrimDecimals(QStringLiteral("Variable")), QStringLiteral("Variable"));
    EXPECT_EQ(SamplingRateText(QStringLiteral("48000")), QStringLiteral("48 KHz"));
    EXPECT_EQ(SamplingRateText(QStringLiteral("22050")), QStringLiteral("22.05 KHz"));
    EXPECT_EQ(SamplingRateText(QStringLiteral("0")), QString());
}

namespace {

// Answers of a current library for one file.
class RawAnswers {
  public:
    RawAnswers& set(MediaStream kind, int number, const char* parameter, const char* value) {
        values_[Key(kind, number, QLatin1String(parameter))] = QString::fromUtf8(value);
        return *this;
    }
    QString old(MediaStream kind, int number, const char* parameter) const {
        return OldVocabulary(
            kind, number, QLatin1String(parameter),
            [this](MediaStream k, int n, const QString& p) { return values_.value(Key(k, n, p)); });
    }

  private:
    static QString Key(MediaStream kind, int number, const QString& parameter) {
        return QStringLiteral("%1/%2/%3").arg(static_cast<int>(kind)).arg(number).arg(parameter);
    }
    QMap<QString, QString> values_;
};

constexpr MediaStream G = MediaStream::General;
constexpr MediaStream V = MediaStream::Video;
constexpr MediaStream A = MediaStream::Audio;

}  // namespace

TEST(OldVocabulary, ContainerFormatsByVideoVersion) {
    RawAnswers ps;
    ps.set(G, 0, "Format", "MPEG-PS").set(V, 0, "Format_Version", "Version 1");
    EXPECT_EQ(ps.old(G, 0, "Format"), QStringLiteral("MPEG1"));
    ps.set(V, 0, "Format_Version", "Version 2");
    EXPECT_EQ(ps.old(G, 0, "Format"), QStringLiteral("MPEG2"));
    ps.set(V, 0, "Format_Version", "");  // a program stream without video
    EXPECT_EQ(ps.old(G, 0, "Format"), QStringLiteral("MPEG-PS"));

    RawAnswers es;
    es.set(G, 0, "Format", "MPEG Video").set(G, 0, "Format_Version", "Version 1");
    EXPECT_EQ(es.old(G, 0, "Format"), QStringLiteral("MPV1"));
    EXPECT_EQ(es.old(G, 0, "AudioCount"), QStringLiteral("0"));
    es.set(G, 0, "Format_Version", "Version 2");
    EXPECT_EQ(es.old(G, 0, "Format"), QStringLiteral("MPV2"));

    RawAnswers other;
    other.set(G, 0, "Format", "MPEG-4").set(G, 0, "Format_String", "MPEG-4");
    EXPECT_EQ(other.old(G, 0, "Format"), QStringLiteral("MPEG-4"));
    EXPECT_EQ(other.old(G, 0, "AudioCount"), QString()) << "only a video elementary stream counts 0 tracks";
    EXPECT_EQ(other.old(G, 0, "Format_String"), QStringLiteral("MPEG-4"));
}

TEST(OldVocabulary, GeneralAndVideoNumbers) {
    RawAnswers file;
    file.set(G, 0, "Format", "MPEG-PS").set(G, 0, "PlayTime", "3004.567").set(V, 0, "FrameRate", "29.970");
    EXPECT_EQ(file.old(G, 0, "PlayTime"), QStringLiteral("3004"));
    EXPECT_EQ(file.old(V, 0, "FrameRate"), QStringLiteral("29.97"));
}

TEST(OldVocabulary, AudioCodecsBitratesAndRates) {
    RawAnswers file;
    file.set(A, 0, "Format", "MPEG Audio").set(A, 0, "Format_Version", "Version 1");
    file.set(A, 0, "Format_Profile", "Layer 2")
        .set(A, 0, "BitRate", "64000")
        .set(A, 0, "SamplingRate", "44100");
    file.set(A, 1, "Format", "AC-3").set(A, 1, "BitRate", "192000").set(A, 1, "SamplingRate", "48000");
    EXPECT_EQ(file.old(A, 0, "Codec"), QStringLiteral("MPA1/2"));
    EXPECT_EQ(file.old(A, 0, "Codec_String"), QStringLiteral("MPEG-1 Audio Layer 2"));
    EXPECT_EQ(file.old(A, 0, "BitRate_String"), QStringLiteral("64 kb/s"));
    EXPECT_EQ(file.old(A, 0, "SamplingRate_String"), QStringLiteral("44.1 KHz"));
    EXPECT_EQ(file.old(A, 1, "Codec"), QStringLiteral("AC3"));
    EXPECT_EQ(file.old(A, 2, "BitRate_String"), QString()) << "no third track";

    file.set(A, 0, "Format_Profile", "Layer 1");
    EXPECT_EQ(file.old(A, 0, "Codec"), QStringLiteral("MPA1/2"));
    file.set(A, 0, "Format_Profile", "Layer 3").set(A, 0, "Format_Version", "Version 2.5");
    EXPECT_EQ(file.old(A, 0, "Codec"), QStringLiteral("MPA1L3"));
    EXPECT_EQ(file.old(A, 0, "Codec_String"), QStringLiteral("MPEG-2.5 Audio Layer 3"));
    file.set(A, 1, "Format", "PCM");
    EXPECT_EQ(file.old(A, 1, "Codec"), QStringLiteral("PCM"));
}
