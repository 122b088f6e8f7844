#include "pipeline/BurnOptions.h"
#include "support/TestSupport.h"

// The lists the image tab shows for each burn program, the stages a resume selects,
// the label as typed and the image's path are the image tab's and the project
// window's tests; here the remaining choices and the edges.
TEST(BurnOptions, StagesLabelsAndImages) {
    const QStringList conversion = {"SVCD MPEG demuxen", "Audio upmix", "DVD MPEG muxen", "Authoring"};
    const auto stages = [](bool decrypter, bool imgTool, bool image, bool burn) {
        BurnChoice c;
        c.decrypter = decrypter;
        c.imgTool = imgTool;
        c.image = image;
        c.burn = burn;
        return StageList(c);
    };
    // ImgTool Burn without burning makes an image as a stage of its own; no image, no stage.
    EXPECT_EQ(stages(false, true, true, false), conversion + QStringList{"Image erstellen"});
    EXPECT_EQ(stages(false, false, false, true), conversion);
    const QStringList decrypter = stages(true, false, true, true);
    for (int state : {0, 99, 700})
        EXPECT_EQ(StageEntry(decrypter, state), -1) << state;
    EXPECT_EQ(StageEntry(decrypter, 501), 4) << "the image stage, not a burn stage";
    EXPECT_EQ((QList<int>{StageEntry(conversion, 600), StageEntry(conversion, 501)}), (QList<int>{-1, -1}));
    EXPECT_EQ(DvdLabelText("Ürlaub 2024 (Teil+1) ~&-._"), "rlaub_2024_(Teil+1)_~&-._");
    EXPECT_EQ(DvdLabelText(QString(40, 'x')), QString(32, 'x'));
}
