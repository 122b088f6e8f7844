#include "persistence/MenuProjectExport.h"
#include "sources/SourceTable.h"
#include "support/TestSupport.h"

namespace {

MPEGInfo Source(const QString& path) {
    MPEGInfo r;
    r.Datei = path;
    r.Format = "MPEG2";
    r.Bildgroesse = "480x576";
    r.Bildwiederholrate = "25";
    r.AspectRatio = "4:3";
    r.Tonspuren = "1";
    r.TonFormat[0] = 0;
    r.TonBitrate[0] = 7;
    r.TonAbtastrate = {"44.1 KHz", "---"};
    r.DVDSprache[0] = 21;
    r.Kapitel = "00:10:00.000";
    return r;
}

class MenuProjectTest : public ::testing::Test {
  protected:
    MPEGInfo& add(const MPEGInfo& r) { return table[table.append(r.Datei)] = r; }

    SourceTable table;
};

}  // namespace

TEST_F(MenuProjectTest, TitleSetsFollowTheSourcePropertiesNotTheDvdChoices) {
    add(Source("/a.mpg"));
    MPEGInfo& b = add(Source("/b.mpg"));
    b.DVDSprache[0] = 24;  // another DVD language and a break chosen by hand: still alike
    b.Weich = true;
    add(Source("/c.mpg")).Bildgroesse = "352x288";
    add(Source("/d.mpg")).Bildgroesse = "352x288";
    add(Source("/e.mpg")).TonBitrate[0] = 8;
    add(Source("/f.mpg")).TonAbtastrate[1] = " ";
    EXPECT_EQ(MenuTitleSets(table), QVector<int>({1, 1, 2, 2, 3, 4}));
}

TEST_F(MenuProjectTest, SourceLineHoldsPathFormatChaptersAndAudioFormats) {
    MPEGInfo& two = add(Source("/filme/zwei*spuren.mpg"));
    two.Tonspuren = "2";
    two.TonFormat[1] = 1;
    MPEGInfo& bare = add(Source("/filme/ohne.mpg"));
    bare.Kapitel.clear();
    bare.Format = "MPEG1";
    MPEGInfo& silent = add(Source("/filme/stumm.m2v"));
    silent.TonFormat[0] = 255;
    silent.Tonspuren = "0";
    EXPECT_EQ(
        MenuProjectLines("L", "m.vob", table),
        QStringList({";L", ";VTS0*m.vob", ";VTS1*/filme/zwei*spuren.mpg*MPEG2*00:10:00.000*MPA1/2*AC3",
                     ";VTS2*/filme/ohne.mpg*MPEG1**MPA1/2", ";VTS3*/filme/stumm.m2v*MPEG2*00:10:00.000*"}));
}
