// Admission and analysis of sources against the fake library: the old generation,
// and what real media cannot show.

#include "sources/Admission.h"
#include "sources/Analysis.h"
#include "sources/NavPack.h"
#include "sources/SourceTable.h"
#include "sources/Tables.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"
#include "unit/FakeMediaLibrary.h"

namespace {

const QString kNotLoaded = QStringLiteral("Die Datei wird nicht geladen.");

// Video fields, then per track: format, its text, bitrate, rate, DVD language and bitrate (255: none).
QStringList Fields(const MPEGInfo& r) {
    QStringList f{r.Format,      r.FormatStr, r.Spieldauer, r.Bildgroesse, r.Bildwiederholrate,
                  r.AspectRatio, r.Tonspuren};
    for (int j : {0, 1})
        f << QString::number(r.TonFormat[j]) << r.TonFormatStr[j] << QString::number(r.TonBitrate[j])
          << r.TonAbtastrate[j] << QString::number(r.DVDSprache[j]) << QString::number(r.DVDBitrate[j]);
    return f;
}

class SourceTest : public FakeLibraryTest {
  protected:
    const MPEGInfo& analyse(const QString& path, int generation) {
        const int index = AnalyseSource(path, generation, lib, table);
        EXPECT_EQ(index, table.count());
        return table[table.count()];
    }
    QString sized(const QString& name, qint64 bytes) {
        const QString path = folder.write(name, QByteArray());
        EXPECT_TRUE(QFile::resize(path, bytes));
        return path;
    }
    QString programStream(const QString& audioCount, const QStringList& codecs = {}) {
        const QString path = file(QStringLiteral("film-%1.mpg").arg(++streams_));
        SetVideo(lib, path, "MPEG2", audioCount);
        for (int j = 0; j < codecs.size(); ++j)
            SetTrack(lib, path, j, {codecs[j]});
        return path;
    }
    QString companion(const QString& name, const QString& codec) {
        const QString path = file(name);
        SetAudioFile(lib, path, {codec});
        return path;
    }
    SourceTable table;
    ScriptedDialogs dialogs;

  private:
    int streams_ = 0;
};

}  // namespace

// Files under 1 KiB and missing ones get the size message; a line break in the name would
// break the authoring script and the project file; over 2 GiB needs jrDMUX.
TEST_F(SourceTest, AdmissionBySize) {
    const QString over = sized("gross.mpg", (kLargeFileKB + 1) * 1024);
    const QString broken = sized("zwei\nZeilen.mpg", 1024);
    const auto size0 = [](const QString& path) {
        return "Die Datei " + path + "\r\nhat die Größe 0 und wird nicht geladen";
    };
    const std::tuple<QString, bool, QString> cases[] = {
        {sized("klein.mpg", 1023), true, size0(folder.file("klein.mpg"))},
        {folder.file("fehlt.mpg"), true, size0(folder.file("fehlt.mpg"))},
        {sized("kib.mpg", 1024), false, ""},
        {broken, true, "Der Name der Datei " + broken + "\r\nenthält einen Zeilenumbruch. " + kNotLoaded},
        {sized("genau.mpg", kLargeFileKB * 1024), false, ""},
        {over, true, ""},
        {over, false, "Die Datei " + over + "\r\nist größer als 2 GB und wird nicht geladen"},
    };
    for (const auto& [path, jrDmux, refusal] : cases) {
        EXPECT_EQ(AdmitBySize(path, jrDmux, dialogs), refusal.isEmpty()) << path.toStdString();
        EXPECT_EQ(dialogs.takeTexts(), refusal.isEmpty() ? QStringList() : QStringList{refusal});
    }
}

// Refusals of what the library tells (a format outside the table is the real-media
// tests' matter, as is MP2 with AC-3 with and without jrDMUX): unknown or too many
// track counts, no supported track, AC-3 without jrDMUX (only that message), an
// elementary stream without a usable companion. Without a library a file is refused
// once; a library that does not load lets it pass.
TEST_F(SourceTest, AdmissionByContent) {
    const QString tracks = " sind vom Format\r\n\r\n%1\r\n\r\n";
    const QString unsupported = tracks + "und werden nicht unterstützt. " + kNotLoaded;
    const QString noJrDmux = tracks + "Die dafür benötigte jrDMUX.exe wurde nicht gefunden. " + kNotLoaded;
    const QString unknownCount = programStream(""), three = programStream("3");
    const QString countUnknown = "Die Anzahl der Tonspuren der Datei " + unknownCount +
                                 "\r\n\r\nkonnte nicht ermittelt werden. " + kNotLoaded;
    const QString tooMany = "Die Datei " + three +
                            " hat 3 Tonspuren.\r\n\r\nEs werden höchstens zwei Tonspuren unterstützt. " +
                            kNotLoaded;
    const QString pcm = programStream("2", {"PCM", "MPA1L3"}), dts = programStream("2", {"AC3", "DTS"});
    const QString video = file("clip.m2v");
    SetVideo(lib, video, "MPV2", "0");
    const QString noTrack = "Zu der Datei " + video + "\r\n\r\nwurde keine Tonspur gefunden. " + kNotLoaded;
    const std::tuple<QString, bool, int, QStringList> cases[] = {
        {file("a.mpg"), true, 0, {"Es wurde keine MediaInfo.DLL gefunden."}},
        {unknownCount, true, 5, {countUnknown}},
        {three, true, 5, {tooMany}},
        {pcm, true, 5, {"Die Tonspur(en) der Datei " + pcm + unsupported.arg("PCM MPA1L3")}},
        {programStream("2", {"MPA1L3", "MPA1/2"}), false, 5, {}},
        {dts, false, 5, {"Die Tonspur(en) der Datei " + dts + noJrDmux.arg("AC3 DTS")}},
        {video, false, 5, {noTrack}},
    };
    for (const auto& [path, jrDmux, generation, refusals] : cases) {
        const int loads = lib.loads;
        EXPECT_EQ(AdmitByContent(path, generation, lib, jrDmux, dialogs), refusals.isEmpty())
            << path.toStdString();
        EXPECT_EQ(dialogs.takeTexts(), refusals) << path.toStdString();
        if (generation == 0) EXPECT_EQ(lib.loads, loads) << "the library is not loaded";
    }
    const QString mp3Companion = "Die Tonspur " + companion("clip.mpa", "MPA1L3") +
                                 " ist vom Format\r\n\r\nMPA1L3\r\n\r\nund wird nicht unterstützt. " +
                                 kNotLoaded;
    EXPECT_FALSE(AdmitByContent(video, 5, lib, false, dialogs));
    EXPECT_EQ(dialogs.takeTexts(), (QStringList{mp3Companion, noTrack}));
    // Two usable companions admit the stream (AC-3 ones need no jrDMUX); a third is not read.
    companion("clip.mp2", "MPA1/2");
    companion("clip-0.mp2", "AC3");
    companion("clip-1.mp2", "MPA1L3");
    EXPECT_TRUE(AdmitByContent(video, 5, lib, false, dialogs));
    EXPECT_EQ(dialogs.takeTexts(), QStringList{mp3Companion});
    EXPECT_FALSE(lib.opened.contains(folder.file("clip-1.mp2")));
    lib.loadable = false;
    EXPECT_TRUE(AdmitByContent(file("b.mpg"), 5, lib, false, dialogs));
    EXPECT_TRUE(dialogs.takeTexts().isEmpty());
}

TEST_F(SourceTest, AnalysisProgramStreamsFillEveryFieldInBothGenerations) {
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

TEST_F(SourceTest, AnalysisElementaryStreamTakesItsCompanionsInOrder) {
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
TEST_F(SourceTest, AnalysisTrackCountsAndElementaryByGeneration) {
    const QString m1v = file("clip.m1v");
    SetVideo(lib, m1v, "MPV1", "0");
    EXPECT_EQ(analyse(m1v, 4).Tonspuren, "0");
    EXPECT_EQ(analyse(m1v, 5).Tonspuren, QString()) << "the new generation counts companions only";
    EXPECT_EQ(table[2].DVDSprache, (std::array<quint8, 2>{kNone, kNone}));
    // A program stream that reports no audio: the old generation takes it for an
    // elementary stream, the new one goes by the format.
    const QString mute = programStream("0");
    EXPECT_TRUE(analyse(mute, 4).Elementar);
    EXPECT_FALSE(analyse(mute, 5).Elementar);
}

TEST_F(SourceTest, AnalysisNothingIsAddedWhenTheLibraryDoesNotLoadOrTheTableIsFull) {
    lib.loadable = false;
    EXPECT_EQ(AnalyseSource(twoTrackStream(), 5, lib, table), 0);
    lib.loadable = true;
    for (int i = 0; i < kMaxSources; ++i)
        table.append(QStringLiteral("/x/%1.mpg").arg(i));
    EXPECT_TRUE(AnalyseSource(twoTrackStream(), 5, lib, table) == 0 && table.count() == kMaxSources);
    EXPECT_EQ(table.append("zu viel"), 0);
}

TEST(HasNavPacks, SignatureMustEndWithinTheWindow) {
    TempFolder folder;
    for (const QByteArray& signature :
         {QByteArray::fromHex("000001BF03D4"), QByteArray::fromHex("000001BF03FA")})
        for (int late : {0, 1}) {
            QByteArray bytes(kNavPackWindow + 100, '\0');
            bytes.replace(kNavPackWindow - signature.size() + late, signature.size(), signature);
            EXPECT_EQ(HasNavPacks(folder.write("f.mpg", bytes)), late == 0);
        }
    EXPECT_FALSE(HasNavPacks(folder.write("other.mpg", QByteArray::fromHex("000001BF03D5"))));
    EXPECT_FALSE(HasNavPacks(folder.file("missing.mpg")));
}

TEST(SetDvdDefaults, BitrateRisesOnlyForResampledTracksAndNoTracksGetNoChoices) {
    using Two = std::array<quint8, 2>;
    const std::tuple<const char*, Two, std::array<QString, 2>, Two, Two> cases[] = {
        // 384 stays, unknown stays unknown; 48 kHz in lower case. 224 at 44.1 or 48 kHz,
        // one track and an empty count are the analysis tests' matter.
        {"2", {kBitrateTop, kNone}, {"32 KHz", "44.1 KHz"}, {kBitrateTop, kNone}, {kLanguageDE, kLanguageEN}},
        {"1", {2, 2}, {"48 khz", "---"}, {2, kNone}, {kLanguageDE, kNone}},
        {"0", {2, 2}, {"48 KHz", "48 KHz"}, {kNone, kNone}, {kNone, kNone}},
    };
    for (const auto& [count, bitrates, rates, dvdBitrates, languages] : cases) {
        MPEGInfo r;
        r.Tonspuren = QString::fromLatin1(count);
        r.TonBitrate = bitrates;
        r.TonAbtastrate = rates;
        r.Hart = true;
        r.VTS = 3;
        r.DVDSprache = r.DVDBitrate = {1, 1};
        SetDvdDefaults(r);
        EXPECT_TRUE(r.DVDBitrate == dvdBitrates && r.DVDSprache == languages && !r.Hart && r.VTS == kNone)
            << count << rates[0].toStdString();
    }
}
