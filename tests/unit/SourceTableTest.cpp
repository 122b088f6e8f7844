#include "pipeline/DiscCheck.h"
#include "pipeline/SizeEstimate.h"
#include "sources/Compliance.h"
#include "support/TestSupport.h"
#include "unit/Sources.h"

// Alike sources share a title set (play time and format text do not count); any
// difference opens a new one, with no merging back; both track slots count, as do
// languages a loaded project may hold. The user's breaks are the structure tab's tests.
TEST(TitleSetPass, AlikeSourcesShareATitleSetAndEveryDifferenceCounts) {
    MPEGInfo longer = Source("b");
    longer.Spieldauer = "999";
    longer.FormatStr = "anders";
    MPEGInfo smaller = Source("b");
    smaller.Bildgroesse = "352x288";
    MPEGInfo otherLanguage = Source("c");
    otherLanguage.DVDSprache[1] = kLanguageEN;
    const std::pair<QList<MPEGInfo>, std::vector<int>> cases[] = {
        {{Source("a")}, {1}},
        {{Source("a"), longer}, {1, 1}},
        {{Source("a"), smaller, Source("c")}, {1, 2, 3}},
        {{Source("a"), Source("b", 2)}, {1, 2}},
        {{Source("a"), otherLanguage, Source("d"), Source("e")}, {1, 2, 3, 3}}};
    for (const auto& [sources, sets] : cases) {
        SourceTable table = TableOf(sources);
        EXPECT_EQ(table.titleSetPass(), sets.back());
        for (int i = 1; i <= table.count(); ++i)
            EXPECT_TRUE(table[i].VTS == sets[i - 1] && table[i].Hart == (i > 1 && sets[i - 1] != sets[i - 2]))
                << i;
    }
}

// Removing, moving and emptying are the source tab's tests (records move with their marks).
// A 480x576 note and PAL meeting NTSC are the source and structure tabs' matter.
TEST(PlayerCompliance, PalDvdPicturesPassOthersGetANoteAndOneDiscIsOneSystem) {
    const QString players = " nicht DVD-gerecht (PAL): viele, aber nicht alle Player spielen das ab.";
    const std::tuple<const char*, const char*, QString> cases[] = {
        {"720x576", "25.000", QString()},
        {"704x576", "25", QString()},
        {"352x576", "25.000", QString()},
        {"352x288", "25.000", QString()},
        {"na", "na", QString()},
        {"352x288", "23.976", "Bildrate 23.976 fps ist" + players},
        {"720x480", "29.970", "Bildgröße 720x480 und Bildrate 29.970 fps sind" + players}};
    for (const auto& [size, rate, note] : cases) {
        MPEGInfo r = Source("a");
        r.Bildgroesse = QLatin1String(size);
        r.Bildwiederholrate = QLatin1String(rate);
        EXPECT_EQ(PlayerNote(r), note) << size << " " << rate;
    }
    MPEGInfo ntsc = Source("b");
    ntsc.Bildwiederholrate = "29.970";
    MPEGInfo film = Source("c");
    film.Bildwiederholrate = "23.976";
    EXPECT_FALSE(MixesSystems(TableOf({ntsc, film}))) << "film and NTSC are one system";
}

// How close the estimate comes is the end-to-end run's matter; here the discs and the warnings.
TEST(DiscEstimate, AgainstDvd5AndDvd9AndAWarningOnlyWhenBurning) {
    EXPECT_EQ(CapacityText(1024000), "Voraussichtlich 1.000 MB: passt auf eine DVD-5 (4.483 MB).");
    EXPECT_EQ(CapacityText(kDvd5Bytes / 1024 + 1),
              QStringLiteral("Voraussichtlich 4.483 MB: zu groß für eine DVD-5 (4.483 MB), passt auf eine "
                             "DVD-9 (8.148 MB)."));
    EXPECT_EQ(CapacityText(kDvd9Bytes / 1024 + 1),
              "Voraussichtlich 8.148 MB: zu groß auch für eine DVD-9 (8.148 MB).");

    TempFolder dir;
    MPEGInfo dvd = Source(dir.write("dvd.mpg", QByteArray()));
    dvd.NavPacks = true;
    ASSERT_TRUE(QFile(dvd.Datei).resize(5000000LL * 1024));  // sparse
    const SourceTable table = TableOf({dvd});
    ProgramSettings s;
    s.variant1 = true;
    s.menu1 = dir.write("menu.vob", QByteArray(2048, 'm'));
    EXPECT_EQ(DvdEstimateKB(table, s), 5000002) << "a DVD source goes on as it is, with the menu";
    EXPECT_TRUE(StartWarnings(table, s).isEmpty()) << "nothing is burned";
    s.burn = true;
    EXPECT_EQ(
        StartWarnings(table, s),
        QStringList{"Das Ergebnis passt voraussichtlich nicht auf eine DVD-5 (etwa 4.883 MB, eine DVD-5 "
                    "fasst 4.483 MB)."});
}
