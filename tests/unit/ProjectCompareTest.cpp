#include "persistence/IniFile.h"
#include "persistence/Project.h"
#include "persistence/ProjectCompare.h"
#include "sources/Analysis.h"
#include "support/TestSupport.h"
#include "unit/FakeMediaLibrary.h"
#include "unit/Sources.h"

namespace {

// Sources on disk described to a fake library, analysed as if added, then
// compared as a loaded project compares them.
class ProjectCompareTest : public FakeLibraryTest {
  protected:
    // A video elementary stream with one companion audio file.
    QString elementaryStream() {
        const QString path = file("video.m2v");
        SetVideo(lib, path, "MPV2", "0");
        SetAudioFile(lib, file("video-0.mp2"), FakeTrack());
        return path;
    }
    MPEGInfo analysed(const QString& path, int generation) {
        SourceTable table;
        EXPECT_EQ(AnalyseSource(path, generation, lib, table), 1);
        return table[1];
    }
    // The record as a project load has it before the check: no derived fields.
    static MPEGInfo asLoaded(MPEGInfo r) {
        r.Elementar = false;
        r.NavPacks = false;
        r.TonDatei = {};
        return r;
    }
    void setGeneral(const QString& path, const char* parameter, const QString& value) {
        lib.set(path, MediaStream::General, 0, QLatin1String(parameter), value);
    }
};

}  // namespace

TEST_F(ProjectCompareTest, UnchangedFilesShowNoDifferenceAndGiveBackTheDerivedFields) {
    const QByteArray navPack =
        QByteArray(100, '\0') + QByteArray::fromHex("000001BF03D4") + QByteArray(980, 'n');
    const QString dvd = file("dvd.mpg", navPack);
    SetVideo(lib, dvd, "MPEG2", "1");
    SetTrack(lib, dvd, 0, Ac3Track());
    for (int generation : {4, 5}) {
        SCOPED_TRACE(generation);
        for (const QString& path : {twoTrackStream(), elementaryStream(), dvd}) {
            const MPEGInfo stored = analysed(path, generation);
            MPEGInfo loaded = asLoaded(stored);
            EXPECT_EQ(CheckSource(1, loaded, generation, lib), QStringList()) << path.toStdString();
            EXPECT_EQ(loaded, stored) << path.toStdString();
        }
    }
}

// The new library compares the rate alone, only for known formats, and no unknown play
// time; every difference is reported in order with the generation's texts.
TEST_F(ProjectCompareTest, EveryDifferenceIsReportedInOrderWithTheGenerationsTexts) {
    const QString path = twoTrackStream();
    const MPEGInfo stored4 = analysed(path, 4);
    const MPEGInfo stored5 = analysed(path, 5);
    EXPECT_EQ(stored5.TonAbtastrate[1], "48 KHz") << "the rate, not rate times channels";
    MPEGInfo loaded = asLoaded(stored5);
    loaded.TonAbtastrate[0] = "88 KHz";  // 44.1 kHz stereo as rate x channels
    EXPECT_EQ(CheckSource(1, loaded, 5, lib), QStringList{"Quelle 01: Tonspur 0 Abtastrate verschieden."});
    loaded.TonFormat[0] = 255;
    EXPECT_EQ(CheckSource(1, loaded, 5, lib), QStringList{"Quelle 01: Tonspur 0 Format verschieden."});
    loaded = asLoaded(stored5);
    setGeneral(path, "PlayTime", QString());
    EXPECT_EQ(CheckSource(1, loaded, 5, lib), QStringList());

    SetVideo(lib, path, "MPEG1", "1", "99000");
    lib.set(path, MediaStream::Video, 0, "Width", "352");
    lib.set(path, MediaStream::Video, 0, "FrameRate", "29.97");
    lib.set(path, MediaStream::Video, 0, "AspectRatio_String", "16/9");
    SetTrack(lib, path, 0, {"AC3", "AC-3", "384 kb/s", "48 KHz", "48000"});
    // The old generation says Bildgröße and Samplerate where the new one says Bildformat and Abtastrate.
    const auto differences = [](const char* picture, const char* rate) {
        QStringList lines;
        for (const QString& field : QStringList{"Format", "FormatString", "Spieldauer", picture,
                                                "Bildwiederholrate", "Aspect Ratio", "Anzahl Tonspuren"})
            lines << "Quelle 03: " + field + " verschieden.";
        for (const char* track : {"0", "1"})
            for (const QString& field : QStringList{"Format", "FormatString", "Bitrate", rate})
                lines << QStringLiteral("Quelle 03: Tonspur %1 %2 verschieden.").arg(track, field);
        return lines;
    };
    loaded = asLoaded(stored4);
    EXPECT_EQ(CheckSource(3, loaded, 4, lib), differences("Bildgröße", "Samplerate"));
    loaded = asLoaded(stored5);
    EXPECT_EQ(CheckSource(3, loaded, 5, lib), differences("Bildformat", "Abtastrate"));
}

// An elementary stream is compared with its companion files; a library that does not
// load ends the comparison (a missing file is the project window tests' matter).
TEST_F(ProjectCompareTest, ElementaryStreamIsComparedWithItsCompanionsAndALibraryThatDoesNotLoadEndsIt) {
    const MPEGInfo stored = analysed(elementaryStream(), 5);
    ASSERT_EQ(stored.Tonspuren, "1");
    // A second companion appeared, with another play time.
    SetAudioFile(lib, file("video-1.mp2"), Ac3Track());
    setGeneral(folder.file("video-0.mp2"), "PlayTime", "70000");
    MPEGInfo loaded = asLoaded(stored);
    EXPECT_EQ(CheckSource(1, loaded, 5, lib), QStringList({"Quelle 01: Spieldauer verschieden.",
                                                           "Quelle 01: Anzahl Tonspuren verschieden."}));
    EXPECT_TRUE(loaded.Elementar && loaded.TonDatei[1] == folder.file("video-1.mp2"));
    lib.loadable = false;
    loaded = asLoaded(stored);
    EXPECT_EQ(CheckSource(1, loaded, 4, lib), QStringList{"Fehler beim Laden MediaInfo.DLL "});
    EXPECT_EQ(CheckSource(1, loaded, 5, lib), QStringList{"Fehler beim Laden der MediaInfo.DLL"});
    // Without a library the companions are taken by their names.
    EXPECT_TRUE(loaded.Elementar && loaded.TonDatei[0] == folder.file("video-0.mp2"));
}

TEST_F(ProjectCompareTest, ProjectLoadProbesForEachSourceAndKeepsTheErrorsInSourceOrder) {
    SourceTable table = TableOf({analysed(twoTrackStream(), 5), analysed(elementaryStream(), 5)});
    table[2].Tonspuren = "na";
    table[1].Bildgroesse = "720x576";
    IniFile file;
    ProjectWrite(file, table);

    QList<int> generations{5, 0, 5, 5};
    int probes = 0;
    const auto probe = [&] { return generations.value(probes++); };
    SourceTable loaded;
    ProjectLoadOutcome outcome = ProjectRead(file, loaded, ProjectMedia{lib, probe});
    const QStringList errors{"Quelle 01: Bildformat verschieden.", "Quelle 02: Anzahl Tonspuren ungültig."};
    EXPECT_EQ((QList<int>{probes, outcome.withoutLibrary}), (QList<int>{2, 1}));
    EXPECT_EQ(outcome.errors, errors);
    EXPECT_TRUE(loaded[2].Elementar) << "derived without the library too";

    outcome = ProjectRead(file, loaded, ProjectMedia{lib, probe});
    EXPECT_EQ(outcome.withoutLibrary, 0);
    EXPECT_EQ(outcome.errors, errors + QStringList{"Quelle 02: Anzahl Tonspuren verschieden."});
}
