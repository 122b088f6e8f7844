#include "persistence/IniFile.h"
#include "persistence/MenuProjectExport.h"
#include "persistence/Project.h"
#include "support/TestSupport.h"
#include "unit/FakeMediaLibrary.h"
#include "unit/Sources.h"

namespace {

// A source with chapter marks.
MPEGInfo Marked(const QString& path, int tracks) {
    MPEGInfo r = Source(path, tracks);
    r.Kapitel = "00:10:00.000,00:20:00.000";
    return r;
}

int NoLibrary() {
    return 0;
}

class ProjectFileTest : public ::testing::Test {
  protected:
    ProjectLoadOutcome read(const IniFile& file, SourceTable& table) {
        return ProjectRead(file, table, ProjectMedia{lib, NoLibrary});
    }

    TempFolder folder;
    FakeMediaLibrary lib;
};

}  // namespace

TEST_F(ProjectFileTest, MissingKeysGiveDefaultsAndIntegersKeepTheirLowByte) {
    IniFile file;
    file.parse(
        "[Quellen]\r\nAnzahl=2\r\n"
        "[Quelle01]\r\nDatei=/a.mpg\r\nTonspuren=2\r\n0-Format=256\r\n1-Bitrate=$10A\r\nVTS=258\r\n"
        "D1-Sprache=-1\r\nHart=7\r\n"
        "[Quelle02]\r\nTonspuren=1\r\n");
    SourceTable table;
    read(file, table);
    ASSERT_EQ(table.count(), 2);
    const MPEGInfo& a = table[1];
    EXPECT_EQ((QList<int>{a.TonFormat[0], a.TonFormat[1], a.TonBitrate[1], a.VTS, a.DVDSprache[1], a.Hart,
                          a.Weich, table[2].VTS}),
              (QList<int>{0, 255, 10, 2, 255, true, false, 255}));
    // No marks rather than a text the DVD author refuses.
    EXPECT_EQ((QStringList{a.Format, a.Kapitel, table[2].TonAbtastrate[0]}), (QStringList{"na", "", "na"}));

    for (const char* count : {"31", "-4", "viele"}) {
        file.parse(QByteArray("[Quellen]\r\nAnzahl=") + count + "\r\n");
        read(file, table);
        EXPECT_EQ(table.count(), QByteArray(count) == "31" ? 30 : 0) << count;
    }
}

// What cannot be right is dropped and reported in source order: a track count that
// is no number (no tracks), a language outside the table, chapter marks that are no
// time texts; then title sets out of order (renumbered).
TEST_F(ProjectFileTest, InvalidEntriesAreDroppedAndReported) {
    IniFile file;
    file.parse(
        "[Quellen]\r\nAnzahl=4\r\n"
        "[Quelle01]\r\nDatei=/a.mpg\r\n0-Format=1\r\nD0-Sprache=21\r\nVTS=2\r\n"
        "[Quelle02]\r\nDatei=/b.mpg\r\nTonspuren=1\r\n0-Format=1\r\nD0-Sprache=140\r\nVTS=1\r\nWeich=1\r\n"
        "Kapitel=00:10:00.000,00:20:00.000\r\n"
        "[Quelle03]\r\nDatei=/c.mpg\r\nTonspuren=3\r\n2-Format=1\r\nVTS=3\r\n"
        "[Quelle04]\r\nDatei=/d.mpg\r\nTonspuren=0\r\nKapitel=00:10:00.000,kaputt\r\nVTS=4\r\n");
    SourceTable table;
    EXPECT_EQ(read(file, table).errors,
              QStringList({"Quelle 01: Anzahl Tonspuren ungültig.", "Quelle 02: Tonspur 0 Sprache ungültig.",
                           "Quelle 03: Anzahl Tonspuren ungültig.", "Quelle 04: Kapitelmarken ungültig.",
                           "Quelle 02: Titelset ungültig, die Titelsets wurden neu gebildet."}));
    ASSERT_EQ(table.count(), 4);
    for (int i : {1, 3})
        EXPECT_TRUE(table[i].Tonspuren == "0" && table[i].TonFormat[0] == 255 &&
                    table[i].DVDSprache[0] == 255)
            << i;
    EXPECT_EQ((QList<int>{table[2].TonFormat[0], table[2].DVDSprache[0], table[1].VTS, table[2].VTS}),
              (QList<int>{1, 255, 1, 2}));
    EXPECT_EQ((QStringList{table[2].Kapitel, table[4].Kapitel}),
              (QStringList{"00:10:00.000,00:20:00.000", ""}));
}

// Keys only for the tracks a source has: rewriting drops those of a track that is gone
// and the sources that are gone, and keeps the other sections (the values are the
// project window's round trip's matter).
TEST_F(ProjectFileTest, RewritingDropsWhatIsGoneAndKeepsOtherSections) {
    IniFile file;
    file.setValue("Version", "Tavrolin", "1.0");
    ProjectWrite(file, TableOf({Marked("/1.mpg", 2), Marked("/2.mpg", 1), Marked("/3.mpg", 1)}));
    file.setInt("Bearbeitung", "Stand", 302);
    ProjectWrite(file, TableOf({Marked("/neu.mpg", 1)}));
    EXPECT_EQ(file.sections(), QStringList({"Version", "Quellen", "Quelle01", "Bearbeitung"}));
    EXPECT_FALSE(file.hasKey("Quelle01", "1-Format") || file.hasKey("Quelle01", "D1-Sprache"));
}

// None and one error are the project window's tests' matter.
TEST(ProjectErrorMessage, SeveralErrorsFollowTheHeadingAfterABlankLine) {
    EXPECT_EQ(ProjectErrorMessage({"A", "B"}), "Folgende Fehler sind aufgetreten:\r\n\r\nA\r\nB");
}

// Title sets of the menu project follow the source properties, not the DVD choices.
TEST_F(ProjectFileTest, MenuProjectLinesHoldPathFormatChaptersAndAudioFormatsByTitleSet) {
    QList<MPEGInfo> sources;
    for (const char* name : {"/a.mpg", "/b.mpg", "/c.mpg", "/d.mpg", "/e.mpg", "/f.mpg"})
        sources << Marked(QLatin1String(name), 1);
    sources[1].DVDSprache[0] = 24;  // another DVD language and a break chosen by hand: still alike
    sources[1].Weich = true;
    sources[2].Bildgroesse = sources[3].Bildgroesse = "352x288";
    sources[4].TonBitrate[0] = 8;
    sources[5].TonAbtastrate[1] = " ";
    EXPECT_EQ(MenuTitleSets(TableOf(sources)), QVector<int>({1, 1, 2, 2, 3, 4}));

    MPEGInfo bare = Marked("/filme/ohne.mpg", 1), silent = Marked("/filme/stumm.m2v", 0);
    bare.Kapitel.clear();
    bare.Format = "MPEG1";
    EXPECT_EQ(MenuProjectLines("L", "m.vob", TableOf({Marked("/filme/zwei*spuren.mpg", 2), bare, silent})),
              QStringList({";L", ";VTS0*m.vob",
                           ";VTS1*/filme/zwei*spuren.mpg*MPEG2*00:10:00.000,00:20:00.000*MPA1/2*AC3",
                           ";VTS2*/filme/ohne.mpg*MPEG1**MPA1/2",
                           ";VTS3*/filme/stumm.m2v*MPEG2*00:10:00.000,00:20:00.000*"}));
}
