#include "sources/Analysis.h"
#include "sources/NavPack.h"
#include "sources/SourceTable.h"
#include "sources/Tables.h"
#include "support/TestSupport.h"
#include "unit/FakeMediaLibrary.h"

namespace {

const QByteArray kPci = QByteArray::fromHex("000001BF03D4");
const QByteArray kDsi = QByteArray::fromHex("000001BF03FA");

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

TEST_F(AnalysisTest, ProgramStreamFillsEveryField) {
    const QString path = twoTrackStream();
    for (int generation : {4, 5}) {
        const MPEGInfo& r = analyse(path, generation);
        SCOPED_TRACE(generation);
        EXPECT_EQ(r.Datei, path);
        EXPECT_EQ(r.Format, QStringLiteral("MPEG2"));
        EXPECT_EQ(r.FormatStr, QStringLiteral("MPEG2 text"));
        EXPECT_EQ(r.Spieldauer, QStringLiteral("3725"));
        EXPECT_EQ(r.Bildgroesse, QStringLiteral("480x576"));
        EXPECT_EQ(r.Bildwiederholrate, QStringLiteral("25"));
        EXPECT_EQ(r.AspectRatio, QStringLiteral("4:3"));
        EXPECT_EQ(r.Tonspuren, QStringLiteral("2"));
        EXPECT_EQ(r.TonFormat, (std::array<quint8, 2>{0, 1}));
        EXPECT_EQ(r.TonFormatStr, (std::array<QString, 2>{"MPEG-1 Audio Layer 2", "AC-3"}));
        EXPECT_EQ(r.TonBitrate, (std::array<quint8, 2>{7, 6}));
        EXPECT_EQ(r.TonAbtastrate, (std::array<QString, 2>{"44.1 KHz", "48 KHz"}));
        EXPECT_EQ(r.DVDSprache, (std::array<quint8, 2>{kLanguageDE, kLanguageEN}));
        EXPECT_EQ(r.DVDBitrate, (std::array<quint8, 2>{8, 6}));
        EXPECT_EQ(r.VTS, kNone) << "numbered by the title-set pass";
    }
    EXPECT_EQ(table.count(), 2);
}

TEST_F(AnalysisTest, OneTrackLeavesTheSecondSlotEmpty) {
    const QString path = file(QStringLiteral("vcd.mpg"));
    SetVideo(lib, path, QStringLiteral("MPEG1"), QStringLiteral("1"), QString());
    SetTrack(lib, path, 0, FakeTrack());
    lib.set(path, MediaStream::Video, 0, QStringLiteral("AspectRatio_String"), QStringLiteral("16/9"));
    const MPEGInfo& r = analyse(path, 5);
    EXPECT_EQ(r.Spieldauer, QString());
    EXPECT_EQ(r.AspectRatio, QStringLiteral("16:9"));
    EXPECT_EQ(r.TonFormatStr[1], QStringLiteral(" "));
    EXPECT_EQ(r.TonAbtastrate[1], QStringLiteral("---"));
    EXPECT_EQ(r.DVDSprache[1], kNone);
}

TEST_F(AnalysisTest, NewGenerationGivesTheRateAloneWhateverTheChannels) {
    const QString path = file(QStringLiteral("svcd.mpg"));
    SetVideo(lib, path, QStringLiteral("MPEG2"), QStringLiteral("2"));
    FakeTrack stereo48;
    stereo48.rate = QStringLiteral("48000");
    stereo48.rateText =
        QStringLiteral("96 KHz");  // what the old generation would not say: proves which is read
    SetTrack(lib, path, 0, stereo48);
    FakeTrack unsupported;
    unsupported.codec = QStringLiteral("DTS");
    SetTrack(lib, path, 1, unsupported);
    const MPEGInfo& r = analyse(path, 5);
    EXPECT_EQ(r.TonAbtastrate[0], QStringLiteral("48 KHz"));
    EXPECT_EQ(r.DVDBitrate[0], r.TonBitrate[0]) << "48 kHz is not resampled";
    EXPECT_EQ(r.TonFormat[1], kNone);
    EXPECT_EQ(r.TonAbtastrate[1], QStringLiteral("---"));
}

TEST_F(AnalysisTest, ElementaryStreamTakesItsCompanionsInOrder) {
    const QString video = file(QStringLiteral("clip.m2v"));
    SetVideo(lib, video, QStringLiteral("MPV2"), QStringLiteral("0"), QStringLiteral("2000"));
    const QString first = file(QStringLiteral("clip.mp2"));
    SetAudioFile(lib, first, FakeTrack(), QStringLiteral("61999"));
    const QString mp3 = file(QStringLiteral("clip.mpa"));
    FakeTrack layer3;
    layer3.codec = QStringLiteral("MPA1L3");
    SetAudioFile(lib, mp3, layer3);
    const QString minusOne = file(QStringLiteral("clip-1.mp2"));
    FakeTrack ac3 = Ac3Track();
    ac3.bitrate = QString();
    lib.set(minusOne, MediaStream::Audio, 0, QStringLiteral("BitRate"), QStringLiteral("384000"));
    SetAudioFile(lib, minusOne, ac3);
    const QString minusZero = file(QStringLiteral("clip-0.mp2"));
    SetAudioFile(lib, minusZero, FakeTrack());

    for (int generation : {4, 5}) {
        SCOPED_TRACE(generation);
        const MPEGInfo& r = analyse(video, generation);
        EXPECT_TRUE(r.Elementar);
        EXPECT_EQ(r.Format, QStringLiteral("MPV2"));
        EXPECT_EQ(r.TonDatei, (std::array<QString, 2>{first, minusZero}));
        EXPECT_EQ(r.Tonspuren, QStringLiteral("2"));
        EXPECT_EQ(r.Spieldauer, QStringLiteral("61")) << "the play time of the first audio file";
        EXPECT_EQ(r.TonFormat, (std::array<quint8, 2>{0, 0}));
        EXPECT_EQ(r.TonAbtastrate, (std::array<QString, 2>{"44.1 KHz", "44.1 KHz"}));
        EXPECT_FALSE(lib.opened.contains(minusOne)) << "a third usable companion is not read";
    }

    QFile::remove(minusZero);
    const MPEGInfo& r = analyse(video, 5);
    EXPECT_EQ(r.TonDatei[1], minusOne);
    EXPECT_EQ(r.TonFormat[1], 1);
    EXPECT_EQ(r.TonBitrate[1], kBitrateTop) << "falls back to BitRate when BitRate_String is empty";
    EXPECT_EQ(r.DVDBitrate[1], kBitrateTop);
}

TEST_F(AnalysisTest, ElementaryStreamWithoutUsableCompanion) {
    const QString video = file(QStringLiteral("clip.m1v"));
    SetVideo(lib, video, QStringLiteral("MPV1"), QStringLiteral("0"));
    EXPECT_EQ(analyse(video, 4).Tonspuren, QStringLiteral("0"));
    EXPECT_EQ(analyse(video, 5).Tonspuren, QString()) << "the new generation counts companions only";
    EXPECT_TRUE(table[2].Elementar);
    EXPECT_EQ(table[2].DVDSprache, (std::array<quint8, 2>{kNone, kNone}));
}

TEST_F(AnalysisTest, GenerationsDeriveElementaryDifferently) {
    // A program stream that reports no audio: the old generation takes it for an
    // elementary stream, the new one goes by the format.
    const QString path = file(QStringLiteral("stumm.mpg"));
    SetVideo(lib, path, QStringLiteral("MPEG2"), QStringLiteral("0"));
    EXPECT_TRUE(analyse(path, 4).Elementar);
    EXPECT_FALSE(analyse(path, 5).Elementar);
    EXPECT_EQ(table[2].Tonspuren, QStringLiteral("0"));
}

TEST_F(AnalysisTest, NavigationPacksAreFoundForEveryGeneration) {
    QByteArray content(4096, '\0');
    content.replace(1000, kDsi.size(), kDsi);
    const QString dvd = file(QStringLiteral("dvd.mpg"), content);
    SetVideo(lib, dvd, QStringLiteral("MPEG2"), QStringLiteral("1"));
    SetTrack(lib, dvd, 0, FakeTrack());
    EXPECT_TRUE(analyse(dvd, 4).NavPacks);
    EXPECT_TRUE(analyse(dvd, 5).NavPacks);
}

TEST_F(AnalysisTest, NothingIsAddedWhenTheLibraryDoesNotLoadOrTheTableIsFull) {
    const QString path = twoTrackStream();
    lib.loadable = false;
    EXPECT_EQ(AnalyseSource(path, 5, lib, table), 0);
    EXPECT_TRUE(table.isEmpty());
    lib.loadable = true;
    for (int i = 0; i < kMaxSources; ++i)
        table.append(QStringLiteral("/x/%1.mpg").arg(i));
    EXPECT_EQ(AnalyseSource(path, 5, lib, table), 0);
    EXPECT_EQ(table.count(), kMaxSources);
}

TEST(HasNavPacks, SignatureMustEndWithinTheWindow) {
    TempFolder folder;
    for (const QByteArray& signature : {kPci, kDsi}) {
        QByteArray inside(kNavPackWindow + 100, '\0');
        inside.replace(kNavPackWindow - signature.size(), signature.size(), signature);
        EXPECT_TRUE(HasNavPacks(folder.write(QStringLiteral("inside.mpg"), inside)));
        QByteArray beyond(kNavPackWindow + 100, '\0');
        beyond.replace(kNavPackWindow - signature.size() + 1, signature.size(), signature);
        EXPECT_FALSE(HasNavPacks(folder.write(QStringLiteral("beyond.mpg"), beyond)));
    }
    EXPECT_FALSE(HasNavPacks(folder.write(QStringLiteral("other.mpg"), QByteArray::fromHex("000001BF03D5"))));
    EXPECT_FALSE(HasNavPacks(folder.file(QStringLiteral("missing.mpg"))));
}

namespace {

MPEGInfo Tracks(const QString& count, std::array<quint8, 2> bitrates, std::array<QString, 2> rates) {
    MPEGInfo r;
    r.Tonspuren = count;
    r.TonBitrate = bitrates;
    r.TonAbtastrate = rates;
    r.Hart = true;
    r.VTS = 3;
    r.DVDSprache = {1, 1};
    r.DVDBitrate = {1, 1};
    return r;
}

}  // namespace

TEST(SetDvdDefaults, BitrateRisesOnlyForResampledTracks) {
    MPEGInfo r = Tracks(QStringLiteral("2"), {7, 7}, {"48 KHz", "44.1 KHz"});
    SetDvdDefaults(r);
    EXPECT_FALSE(r.Hart);
    EXPECT_EQ(r.VTS, kNone);
    EXPECT_EQ(r.DVDSprache, (std::array<quint8, 2>{kLanguageDE, kLanguageEN}));
    EXPECT_EQ(r.DVDBitrate, (std::array<quint8, 2>{7, 8})) << "224 stays at 48 kHz, becomes 256 at 44.1 kHz";

    r = Tracks(QStringLiteral("2"), {kBitrateTop, kNone}, {"32 KHz", "44.1 KHz"});
    SetDvdDefaults(r);
    EXPECT_EQ(r.DVDBitrate, (std::array<quint8, 2>{kBitrateTop, kNone}))
        << "384 stays, unknown stays unknown";

    r = Tracks(QStringLiteral("1"), {2, 2}, {"48 khz", "---"});
    SetDvdDefaults(r);
    EXPECT_EQ(r.DVDBitrate, (std::array<quint8, 2>{2, kNone})) << "rate compared in upper case";
    EXPECT_EQ(r.DVDSprache, (std::array<quint8, 2>{kLanguageDE, kNone}));
}

TEST(SetDvdDefaults, NoTracksNoChoices) {
    for (const char* count : {"0", "", "-1"}) {
        MPEGInfo r = Tracks(QString::fromLatin1(count), {2, 2}, {"48 KHz", "48 KHz"});
        SetDvdDefaults(r);
        EXPECT_EQ(r.DVDSprache, (std::array<quint8, 2>{kNone, kNone})) << count;
        EXPECT_EQ(r.DVDBitrate, (std::array<quint8, 2>{kNone, kNone})) << count;
    }
}
