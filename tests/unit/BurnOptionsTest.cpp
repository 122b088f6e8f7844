#include "pipeline/BurnOptions.h"
#include "support/TestSupport.h"

namespace {

const QStringList kConversion = {"SVCD MPEG demuxen", "Audio upmix", "DVD MPEG muxen", "Authoring"};

BurnChoice Choice(bool decrypter, bool imgTool, bool image, bool burn) {
    BurnChoice c;
    c.decrypter = decrypter;
    c.imgTool = imgTool;
    c.image = image;
    c.burn = burn;
    return c;
}

}  // namespace

TEST(StageList, FollowsTheBurnProgramAndTheOptions) {
    EXPECT_EQ(StageList(Choice(true, false, true, true)),
              kConversion + QStringList({"Image erstellen", "Image brennen"}));
    EXPECT_EQ(StageList(Choice(true, false, true, false)), kConversion + QStringList{"Image erstellen"});
    EXPECT_EQ(StageList(Choice(true, false, false, false)), kConversion);
    EXPECT_EQ(StageList(Choice(false, true, false, true)), kConversion + QStringList{"DVD brennen"});
    EXPECT_EQ(StageList(Choice(false, true, true, true)), kConversion + QStringList{"DVD brennen"});
    // An image without burning, and no burn program at all: the image is a stage of its own.
    EXPECT_EQ(StageList(Choice(false, true, true, false)), kConversion + QStringList{"Image erstellen"});
    EXPECT_EQ(StageList(Choice(false, false, true, true)), kConversion + QStringList{"Image erstellen"});
    EXPECT_EQ(StageList(Choice(false, false, false, true)), kConversion);
}

TEST(StageEntry, IsTheStageOfTheLastRecordedUnitFoundByItsText) {
    const QStringList decrypter = StageList(Choice(true, false, true, true));
    EXPECT_EQ(StageEntry(decrypter, 302), 2);
    EXPECT_EQ(StageEntry(decrypter, 101), 0);
    EXPECT_EQ(StageEntry(decrypter, 402), 3);
    EXPECT_EQ(StageEntry(decrypter, 501), 4);
    EXPECT_EQ(StageEntry(decrypter, 600), 5);
    for (int state : {0, 1, 6, 99, 700})
        EXPECT_EQ(StageEntry(decrypter, state), -1) << state;

    EXPECT_EQ(StageEntry(StageList(Choice(false, true, false, true)), 510), 4);
    EXPECT_EQ(StageEntry(kConversion + QStringList{"Image brennen"}, 600), 4);
    EXPECT_EQ(StageEntry(kConversion, 600), -1);
    EXPECT_EQ(StageEntry(kConversion, 501), -1);
}

TEST(DvdLabel, KeepsOnlyTheAllowedCharacters) {
    EXPECT_EQ(DvdLabelText("a b!"), "a_b");
    EXPECT_EQ(DvdLabelText("Ürlaub 2024 (Teil+1) ~&-._"), "rlaub_2024_(Teil+1)_~&-._");
    EXPECT_EQ(DvdLabelText(QString(40, QLatin1Char('x'))), QString(32, QLatin1Char('x')));
    EXPECT_EQ(ImagePath("/arbeit", "Meine_DVD"), "/arbeit/Meine_DVD.iso");
}
