#include "sources/SourceTable.h"
#include "sources/Tables.h"
#include "support/TestSupport.h"

namespace {

MPEGInfo Source(const QString& name, const QString& size = QStringLiteral("480x576")) {
    MPEGInfo info;
    info.Datei = name;
    info.Format = QStringLiteral("MPEG2");
    info.FormatStr = QStringLiteral("MPEG-2 PS");
    info.Spieldauer = QStringLiteral("60");
    info.Bildgroesse = size;
    info.Bildwiederholrate = QStringLiteral("25");
    info.AspectRatio = QStringLiteral("4:3");
    info.Tonspuren = QStringLiteral("1");
    info.TonFormat = {0, kNone};
    info.DVDSprache = {kLanguageDE, kNone};
    info.DVDBitrate = {8, kNone};
    return info;
}

SourceTable Table(const QList<MPEGInfo>& sources) {
    SourceTable table;
    for (const MPEGInfo& source : sources)
        table[table.append(source.Datei)] = source;
    return table;
}

std::vector<int> Sets(const SourceTable& table) {
    std::vector<int> sets;
    for (int i = 1; i <= table.count(); ++i)
        sets.push_back(table[i].VTS);
    return sets;
}

TEST(TitleSetPass, AlikeSourcesShareATitleSetAndEveryBreakCounts) {
    SourceTable one = Table({Source("a")});
    EXPECT_EQ(one.titleSetPass(), 1);
    EXPECT_EQ(one[1].VTS, 1);
    EXPECT_FALSE(one[1].Hart);

    MPEGInfo longer = Source("b");
    longer.Spieldauer = QStringLiteral("999");
    longer.FormatStr = QStringLiteral("anders");
    SourceTable alike = Table({Source("a"), longer});
    EXPECT_EQ(alike.titleSetPass(), 1);

    // A, B, A: no merging back.
    SourceTable aba = Table({Source("a"), Source("b", "352x288"), Source("c")});
    EXPECT_EQ(aba.titleSetPass(), 3);
    EXPECT_EQ(Sets(aba), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(aba[2].Hart && aba[2].Weich && aba[3].Hart);
}

TEST(TitleSetPass, BothTrackSlotsAndTheUsersBreaksCount) {
    MPEGInfo twoTracks = Source("b");
    twoTracks.Tonspuren = QStringLiteral("2");
    twoTracks.TonFormat = {0, 0};
    twoTracks.DVDSprache = {kLanguageDE, kLanguageEN};
    twoTracks.DVDBitrate = {8, 8};
    SourceTable table = Table({Source("a"), twoTracks});
    EXPECT_EQ(table.titleSetPass(), 2);

    MPEGInfo otherLanguage = Source("c");
    otherLanguage.DVDSprache[1] = kLanguageEN;  // as a loaded project may hold
    SourceTable languages = Table({Source("a"), otherLanguage, Source("d"), Source("e")});
    languages.titleSetPass();
    EXPECT_EQ(Sets(languages), (std::vector<int>{1, 2, 3, 3}));

    SourceTable soft = Table({Source("a"), Source("b"), Source("c")});
    soft[2].Weich = true;
    soft.titleSetPass();
    EXPECT_EQ(Sets(soft), (std::vector<int>{1, 2, 2}));
    EXPECT_FALSE(soft[2].Hart);
}

TEST(SourceTable, RemoveShiftsAndEmptiesTheFreedRecord) {
    SourceTable table = Table({Source("a"), Source("b"), Source("c"), Source("d")});
    table[3].Kapitel = QStringLiteral("00:01:00.000");
    table.remove(1);
    ASSERT_EQ(table.count(), 3);
    EXPECT_EQ(table.paths(), (QStringList{"a", "c", "d"}));
    EXPECT_EQ(table[2].Kapitel, QStringLiteral("00:01:00.000"));
    EXPECT_EQ(table[4], MPEGInfo());

    SourceTable full;
    for (int i = 0; i < kMaxSources; ++i)
        full.append(QString::number(i));
    EXPECT_TRUE(full.isFull());
    EXPECT_EQ(full.append(QStringLiteral("zu viel")), 0);
    full.remove(0);
    EXPECT_EQ(full[kMaxSources], MPEGInfo());
    full.removeAll();
    EXPECT_TRUE(full.isEmpty() && full[1] == MPEGInfo());
}

}  // namespace
