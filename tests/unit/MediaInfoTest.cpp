#include <QMap>

#include "sources/MPEGInfo.h"
#include "sources/MediaInfo.h"
#include "sources/MediaVocabulary.h"
#include "support/TestSupport.h"

// The installed library's version and no library at all are the real-media and source tab tests' matter.
TEST(ProbeVersion, MapsVersionTextsToGenerations) {
    const std::tuple<const char*, bool, int, bool> cases[] = {
        {"MediaInfo 0.4.2.1", true, 4, false},
        {"MediaInfoLib - v0.5.1.0", true, 5, false},
        {"MediaInfoLib - v0.5.1.0", false, 0, true},  // new generation on an old system
        {"MediaInfoLib - v0.5.0.1", true, 0, false},
        {"0.4.1 0.5.0.1", true, 4, false},  // 0.4. still counts
        {"0.6.0", true, 0, false},
        {"MediaInfoLib - v0.6.1", true, 0, false},
        {"MediaInfoLib - v0.7.99", true, 5, false},
        {"MediaInfoLib - v23.04", false, 0, true},
        {"Irgendwas", true, 0, false},
    };
    for (const auto& [version, nt5, generation, red] : cases) {
        const LibraryProbe probe = ProbeVersion(QString::fromUtf8(version), nt5);
        EXPECT_TRUE(probe.generation == generation && probe.red == red) << version << " nt5=" << nt5;
        EXPECT_EQ(probe.caption, version);
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
// answers for real media, frame rates, bitrate and rate texts among them, are the
// integration tests' matter; here the rarer forms).
TEST(OldVocabulary, ContainersCodecsAndNumbers) {
    // What the current library says, by "G|V|A<number> <parameter>".
    QMap<QString, QString> says = {
        {"G0 Format", "MPEG-PS"},    {"V0 Format_Version", "Version 2"},   {"G0 PlayTime", "3004.567"},
        {"A0 Format", "MPEG Audio"}, {"A0 Format_Version", "Version 2.5"}, {"A0 Format_Profile", "Layer 3"},
        {"A1 Format", "PCM"}};
    const auto old = [&](const QStringList& queries) {
        QStringList answers;
        for (const QString& q : queries)
            answers << OldVocabulary(
                MediaStream(QStringLiteral("GVA").indexOf(q[0])), q.mid(1, 1).toInt(), q.mid(3),
                [&](MediaStream k, int n, const QString& p) {
                    return says.value(QStringLiteral("GVA")[int(k)] + QString::number(n) + ' ' + p);
                });
        return answers;
    };
    EXPECT_EQ(
        old({"G0 Format", "G0 PlayTime", "A0 Codec", "A0 Codec_String", "A1 Codec", "A2 BitRate_String"}),
        (QStringList{"MPEG2", "3004", "MPA1L3", "MPEG-2.5 Audio Layer 3", "PCM", ""}));
    says["A0 Format_Profile"] = "Layer 1";
    says["V0 Format_Version"] = "";  // a program stream without video
    EXPECT_EQ(old({"A0 Codec", "G0 Format"}), (QStringList{"MPA1/2", "MPEG-PS"}));
    says["G0 Format"] = says["G0 Format_String"] = "MPEG-4";
    EXPECT_EQ(old({"G0 Format", "G0 AudioCount", "G0 Format_String"}), (QStringList{"MPEG-4", "", "MPEG-4"}))
        << "only a video elementary stream (the real-media tests' matter) counts 0 tracks";
}
