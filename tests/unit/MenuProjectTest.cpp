#include "persistence/MenuProjectExport.h"
#include "sources/SourceTable.h"
#include "support/TestSupport.h"

namespace {

MPEGInfo Source(const QString& path) {
    MPEGInfo r;
    r.Datei = path;
    r.Format = QStringLiteral("MPEG2");
    r.Bildgroesse = QStringLiteral("480x576");
    r.Bildwiederholrate = QStringLiteral("25");
    r.AspectRatio = QStringLiteral("4:3");
    r.Tonspuren = QStringLiteral("1");
    r.TonFormat[0] = 0;
    r.TonBitrate[0] = 7;
    r.TonAbtastrate = {QStringLiteral("44.1 KHz"), QStringLiteral("---")};
    r.DVDSprache[0] = 21;
    r.Kapitel = QStringLiteral("00:10:00.000");
    return r;
}

class MenuProjectTest : public ::testing::Test {
  protected:
    MPEGInfo& add(const MPEGInfo& r) { return table[table.append(r.Datei)] = r; }

    SourceTable table;
};

}  // namespace

TEST_F(MenuProjectTest, TitleSetsFollowTheSourcePropertiesNotTheDvdChoices) {
    add(Source(QStringLiteral("/a.mpg")));
    MPEGInfo& b = add(Source(QStringLiteral("/b.mpg")));
    b.DVDSprache[0] = 24;  // another DVD language and a break chosen by hand: still alike
    b.Weich = true;
    add(Source(QStringLiteral("/c.mpg"))).Bildgroesse = QStringLiteral("352x288");
    add(Source(QStringLiteral("/d.mpg"))).Bildgroesse = QStringLiteral("352x288");
    add(Source(QStringLiteral("/e.mpg"))).TonBitrate[0] = 8;
    add(Source(QStringLiteral("/f.mpg"))).TonAbtastrate[1] = QStringLiteral(" ");
    EXPECT_EQ(MenuTitleSets(table), QVector<int>({1, 1, 2, 2, 3, 4}));
}

TEST_F(MenuProjectTest, SourceLineHoldsPathFormatChaptersAndAudioFormats) {
    MPEGInfo& two = add(Source(QStringLiteral("/filme/zwei*spuren.mpg")));
    two.Tonspuren = QStringLiteral("2");
    two.TonFormat[1] = 1;
    MPEGInfo& bare = add(Source(QStringLiteral("/filme/ohne.mpg")));
    bare.Kapitel.clear();
    bare.Format = QStringLiteral("MPEG1");
    MPEGInfo& silent = add(Source(QStringLiteral("/filme/stumm.m2v")));
    silent.TonFormat[0] = 255;
    silent.Tonspuren = QStringLiteral("0");
    EXPECT_EQ(
        MenuProjectLines(QStringLiteral("L"), QStringLiteral("m.vob"), table),
        QStringList({";L", ";VTS0*m.vob", ";VTS1*/filme/zwei*spuren.mpg*MPEG2*00:10:00.000*MPA1/2*AC3",
                     ";VTS2*/filme/ohne.mpg*MPEG1**MPA1/2", ";VTS3*/filme/stumm.m2v*MPEG2*00:10:00.000*"}));
}
