#include <QMap>

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
        {"0.4.1 0.5.0.1", true, 4, false},  // 0.4. still counts
        {"0.6.0", true, 0, false},
        {"MediaInfoLib - v0.6.1", true, 0, false},
        {"MediaInfoLib - v0.7.99", true, 5, false},
        {"MediaInfoLib - v23.04", true, 5, false},
        {"MediaInfoLib - v23.04", false, 0, true},
        {"Irgendwas", true, 0, false},
        {"", true, 0, true},
    };
    for (const auto& c : cases) {
        const LibraryProbe probe = ProbeVersion(QString::fromUtf8(c.version), c.nt5);
        EXPECT_TRUE(probe.generation == c.generation && probe.red == c.red) << c.version << " nt5=" << c.nt5;
        EXPECT_EQ(probe.caption, *c.version ? c.version : "Keine MediaInfo.Dll gefunden.");
    }
}

TEST(Lookups, BitratesCutToThreeCharactersFormatsCaseSensitiveAndRateTexts) {
    const std::pair<const char*, int> bitrates[] = {
        {"384 kb/s", 10}, {"224 Kbps", 7},      {"224000", 7},        {"64 kb/s", 0}, {" 96 kb/s", 2},
        {"64000", kNone}, {" 224 kb/s", kNone}, {"64.0 kb/s", kNone}, {"", kNone}};  // "640", " 22", "64."
    for (const auto& [text, index] : bitrates)
        EXPECT_EQ(BitrateIndex(QLatin1String(text)), index) << text;
    EXPECT_EQ((QList<int>{VideoFormatIndex("MPV2"), VideoFormatIndex("mpeg1"), VideoFormatIndex("MPEG-PS"),
                          AudioFormatIndex("AC3"), AudioFormatIndex("ac3"), AudioFormatIndex("MPA1L3")}),
              (QList<int>{3, kNone, kNone, 1, kNone, kNone}));
    EXPECT_EQ((QStringList{TrimDecimals("25.000"), TrimDecimals("29.970"), TrimDecimals("100"),
                           TrimDecimals("Variable"), SamplingRateText("48000"), SamplingRateText("22050"),
                           SamplingRateText("0")}),
              (QStringList{"25", "29.97", "100", "Variable", "48 KHz", "22.05 KHz", ""}));
}

// What a current library answers in the words of the old one (the real library's
// answers for real media are the integration tests' matter; here the rarer forms).
TEST(OldVocabulary, ContainersCodecsAndNumbers) {
    QMap<QString, QString> answers;
    const auto set = [&](MediaStream kind, int number, const char* parameter, const char* value) {
        answers[QStringLiteral("%1/%2/%3").arg(int(kind)).arg(number).arg(parameter)] =
            QString::fromUtf8(value);
    };
    const auto old = [&](MediaStream kind, int number, const char* parameter) {
        return OldVocabulary(kind, number, QLatin1String(parameter),
                             [&](MediaStream k, int n, const QString& p) {
                                 return answers.value(QStringLiteral("%1/%2/%3").arg(int(k)).arg(n).arg(p));
                             });
    };
    constexpr MediaStream G = MediaStream::General, V = MediaStream::Video, A = MediaStream::Audio;
    set(G, 0, "Format", "MPEG-PS");
    set(V, 0, "Format_Version", "Version 2");
    set(G, 0, "PlayTime", "3004.567");
    set(V, 0, "FrameRate", "29.970");
    set(A, 0, "Format", "MPEG Audio");
    set(A, 0, "Format_Version", "Version 2.5");
    set(A, 0, "Format_Profile", "Layer 3");
    set(A, 0, "BitRate", "64000");
    set(A, 0, "SamplingRate", "44100");
    set(A, 1, "Format", "PCM");
    EXPECT_EQ(
        (QStringList{old(G, 0, "Format"), old(G, 0, "PlayTime"), old(V, 0, "FrameRate"), old(A, 0, "Codec"),
                     old(A, 0, "Codec_String"), old(A, 0, "BitRate_String"), old(A, 0, "SamplingRate_String"),
                     old(A, 1, "Codec"), old(A, 2, "BitRate_String")}),
        (QStringList{"MPEG2", "3004", "29.97", "MPA1L3", "MPEG-2.5 Audio Layer 3", "64 kb/s", "44.1 KHz",
                     "PCM", ""}));
    set(A, 0, "Format_Profile", "Layer 1");
    set(V, 0, "Format_Version", "");  // a program stream without video
    EXPECT_EQ((QStringList{old(A, 0, "Codec"), old(G, 0, "Format")}), (QStringList{"MPA1/2", "MPEG-PS"}));
    set(G, 0, "Format", "MPEG Video");
    set(G, 0, "Format_Version", "Version 1");
    EXPECT_EQ((QStringList{old(G, 0, "Format"), old(G, 0, "AudioCount")}), (QStringList{"MPV1", "0"}));
    set(G, 0, "Format", "MPEG-4");
    set(G, 0, "Format_String", "MPEG-4");
    EXPECT_EQ((QStringList{old(G, 0, "Format"), old(G, 0, "AudioCount"), old(G, 0, "Format_String")}),
              (QStringList{"MPEG-4", "", "MPEG-4"}))
        << "only a video elementary stream counts 0 tracks";
}
