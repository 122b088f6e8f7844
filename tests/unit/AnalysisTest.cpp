#include "sources/Analysis.h"
#include "sources/NavPack.h"
#include "sources/SourceTable.h"
#include "sources/Tables.h"
#include "support/TestSupport.h"
#include "unit/FakeMediaLibrary.h"

namespace {

const QByteArray kPci = QByteArray::fromHex("000001BF03D4");
const QByteArray kDsi = QByteArray::fromHex("000001BF03FA");

// Video fields, then per track: format, its text, bitrate, rate, DVD language and bitrate (255: none).
QStringList Fields(const MPEGInfo& r) {
    QStringList f{r.Format,      r.FormatStr, r.Spieldauer, r.Bildgroesse, r.Bildwiederholrate,
                  r.AspectRatio, r.Tonspuren};
    for (int j : {0, 1})
        f << QString::number(r.TonFormat[j]) << r.TonFormatStr[j] << QString::number(r.TonBitrate[j])
          << r.TonAbtastrate[j] << QString::number(r.DVDSprache[j]) << QString::number(r.DVDBitrate[j]);
    return f;
}

class AnalysisTest : public FakeLibraryTest {
  protected:
    const MPEGInfo& analyse(const QString& path, int generation) {
        const int index = AnalyseSource(path, generation, lib, table);
        EXPECT_EQ(index, table.count());
        return table[table.count()];
    }
    SourceTable table;
};

}  // namespace

TEST_F(AnalysisTest, ProgramStreamsFillEveryFieldInBothGenerations) {
    const QString path = twoTrackStream();
    const QString de = QString::number(kLanguageDE), en = QString::number(kLanguageEN);
    for (int generation : {4, 5}) {
        const MPEGInfo& r = analyse(path, generation);
        EXPECT_EQ(Fields(r), (QStringList{"MPEG2", "MPEG2 text", "3725", "480x576", "25", "4:3", "2", "0",
                                          "MPEG-1 Audio Layer 2", "7", "44.1 KHz", de, "8", "1", "AC-3", "6",
                                          "48 KHz", en, "6"}))
            << generation;
        EXPECT_TRUE(r.Datei == path && r.VTS == kNone) << "numbered by the title-set pass";
    }
    // One track: the second slot stays empty. The new generation reads the rate alone, whatever the channels.
    const QString one = file("vcd.mpg");
    SetVideo(lib, one, "MPEG1", "2", QString());
    // 96 kHz is what the old generation would say: proves which is read.
    SetTrack(lib, one, 0, {"MPA1/2", "MPEG-1 Audio Layer 2", "224 kb/s", "96 KHz", "48000"});
    SetTrack(lib, one, 1, {"DTS"});
    lib.set(one, MediaStream::Video, 0, "AspectRatio_String", "16/9");
    const MPEGInfo& r = analyse(one, 5);
    EXPECT_EQ(Fields(r).mid(2, 11), (QStringList{"", "480x576", "25", "16:9", "2", "0",
                                                 "MPEG-1 Audio Layer 2", "7", "48 KHz", de, "7"}))
        << "48 kHz keeps its bitrate";
    EXPECT_TRUE(r.TonFormat[1] == kNone && r.TonAbtastrate[1] == "---") << "an unsupported track";
    SetVideo(lib, one, "MPEG1", "1", QString());
    EXPECT_EQ(Fields(analyse(one, 5)).mid(13), (QStringList{"255", " ", "255", "---", "255", "255"}));
}

TEST_F(AnalysisTest, ElementaryStreamTakesItsCompanionsInOrder) {
    const QString video = file("clip.m2v");
    SetVideo(lib, video, "MPV2", "0", "2000");
    const QString first = file("clip.mp2");
    SetAudioFile(lib, first, FakeTrack(), "61999");
    SetAudioFile(lib, file("clip.mpa"), {"MPA1L3"});
    const QString minusOne = file("clip-1.mp2");
    SetAudioFile(lib, minusOne, {"AC3", "AC-3", ""});
    lib.set(minusOne, MediaStream::Audio, 0, "BitRate", "384000");
    const QString minusZero = file("clip-0.mp2");
    SetAudioFile(lib, minusZero, FakeTrack());
    for (int generation : {4, 5}) {
        const MPEGInfo& r = analyse(video, generation);
        EXPECT_TRUE(r.Elementar && r.TonFormat == (std::array<quint8, 2>{0, 0}));
        EXPECT_EQ((QStringList{r.Format, r.TonDatei[0], r.TonDatei[1], r.Tonspuren, r.Spieldauer}),
                  (QStringList{"MPV2", first, minusZero, "2", "61"}))
            << "the play time of the first audio file";
        EXPECT_FALSE(lib.opened.contains(minusOne)) << "a third usable companion is not read";
    }
    QFile::remove(minusZero);
    const MPEGInfo& r = analyse(video, 5);
    EXPECT_TRUE(r.TonDatei[1] == minusOne && r.TonFormat[1] == 1 && r.TonBitrate[1] == kBitrateTop &&
                r.DVDBitrate[1] == kBitrateTop)
        << "falls back to BitRate when BitRate_String is empty";
}

// Navigation packs in a real DVD stream are the real-media tests' matter.
TEST_F(AnalysisTest, TrackCountsAndElementaryByGeneration) {
    const QString m1v = file("clip.m1v");
    SetVideo(lib, m1v, "MPV1", "0");
    EXPECT_EQ(analyse(m1v, 4).Tonspuren, "0");
    EXPECT_EQ(analyse(m1v, 5).Tonspuren, QString()) << "the new generation counts companions only";
    EXPECT_EQ(table[2].DVDSprache, (std::array<quint8, 2>{kNone, kNone}));
    // A program stream that reports no audio: the old generation takes it for an
    // elementary stream, the new one goes by the format.
    const QString mute = file("stumm.mpg");
    SetVideo(lib, mute, "MPEG2", "0");
    EXPECT_TRUE(analyse(mute, 4).Elementar);
    EXPECT_FALSE(analyse(mute, 5).Elementar);
}

TEST_F(AnalysisTest, NothingIsAddedWhenTheLibraryDoesNotLoadOrTheTableIsFull) {
    lib.loadable = false;
    EXPECT_EQ(AnalyseSource(twoTrackStream(), 5, lib, table), 0);
    lib.loadable = true;
    for (int i = 0; i < kMaxSources; ++i)
        table.append(QStringLiteral("/x/%1.mpg").arg(i));
    EXPECT_TRUE(AnalyseSource(twoTrackStream(), 5, lib, table) == 0 && table.count() == kMaxSources);
}

TEST(HasNavPacks, SignatureMustEndWithinTheWindow) {
    TempFolder folder;
    for (const QByteArray& signature : {kPci, kDsi})
        for (int late : {0, 1}) {
            QByteArray bytes(kNavPackWindow + 100, '\0');
            bytes.replace(kNavPackWindow - signature.size() + late, signature.size(), signature);
            EXPECT_EQ(HasNavPacks(folder.write("f.mpg", bytes)), late == 0);
        }
    EXPECT_FALSE(HasNavPacks(folder.write("other.mpg", QByteArray::fromHex("000001BF03D5"))));
    EXPECT_FALSE(HasNavPacks(folder.file("missing.mpg")));
}

TEST(SetDvdDefaults, BitrateRisesOnlyForResampledTracksAndNoTracksGetNoChoices) {
    const struct {
        const char* count;
        std::array<quint8, 2> bitrates;
        std::array<QString, 2> rates;
        std::array<quint8, 2> dvdBitrates, languages;
    } cases[] = {
        // 384 stays, unknown stays unknown; 48 kHz in lower case. 224 at 44.1 or 48 kHz,
        // one track and an empty count are the analysis tests' matter.
        {"2", {kBitrateTop, kNone}, {"32 KHz", "44.1 KHz"}, {kBitrateTop, kNone}, {kLanguageDE, kLanguageEN}},
        {"1", {2, 2}, {"48 khz", "---"}, {2, kNone}, {kLanguageDE, kNone}},
        {"0", {2, 2}, {"48 KHz", "48 KHz"}, {kNone, kNone}, {kNone, kNone}},
    };
    for (const auto& c : cases) {
        MPEGInfo r;
        r.Tonspuren = QString::fromLatin1(c.count);
        r.TonBitrate = c.bitrates;
        r.TonAbtastrate = c.rates;
        r.Hart = true;
        r.VTS = 3;
        r.DVDSprache = r.DVDBitrate = {1, 1};
        SetDvdDefaults(r);
        EXPECT_TRUE(r.DVDBitrate == c.dvdBitrates && r.DVDSprache == c.languages && !r.Hart && r.VTS == kNone)
            << c.count << c.rates[0].toStdString();
    }
}
