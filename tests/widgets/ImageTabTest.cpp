// The Image/DVD tab: which burn program is chosen, what it needs, and the stage
// list that follows the options (whose content is the burn options' tests' matter).

#include "support/WindowFixture.h"

namespace {

const QStringList kConversion = {"SVCD MPEG demuxen", "Audio upmix", "DVD MPEG muxen", "Authoring"};

class ImageTabTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        showTab("tavTabImage");
    }
    // A burn program in its own folder that prints its version.
    QString tool(const QString& path, const QString& version) {
        return disk.executable(path, ("#!/bin/sh\necho 'Version " + version + "'\n").toUtf8());
    }
    // The tools as a search would leave them, the tab's rules applied, and burning on.
    void useTools(const QString& decrypter, const QString& imgTool, bool burn = true) {
        h->settings().tools[Tool::Decrypter] = decrypter;
        h->settings().tools[Tool::ImgTool] = imgTool;
        find<ImageTab>("tavTabImage")->SettingsLoaded();
        if (burn && !find<QCheckBox>("ChBrennen")->isChecked()) click("ChBrennen");
    }
    bool checked(const char* name) const { return find<QAbstractButton>(name)->isChecked(); }
    void leaveLabel() {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(find("EdDVDLabel"), &out);
    }
};

}  // namespace

TEST_F(ImageTabTest, TheOnlyBurnProgramFoundIsChosenTheSpeedListNeedsDecrypter3230AndNoneLeavesTheImage) {
    useTools(tool("alt/DVDDecrypter", "3.2.2.9"), NotFoundMarker());
    EXPECT_TRUE(checked("RaDec"));
    expectEnabled({"CoSpeed", "LaImgSpeed", "RaImg", "ChEject"}, false);
    EXPECT_TRUE(enabled("CoLW"));
    useTools(tool("neu/DVDDecrypter", "3.2.3.0"), NotFoundMarker());
    click("RaDec");
    expectEnabled({"CoSpeed", "LaImgSpeed"}, true);
    useTools(NotFoundMarker(), QString(), false);  // none left: only the image remains
    EXPECT_FALSE(checked("ChBrennen") || enabled("ChBrennen"));
    EXPECT_EQ(texts("CoRecover"), kConversion + QStringList{"Image erstellen"}) << "no burn stage";
}

TEST_F(ImageTabTest, ImgToolBurnsTheFolderToTheDeviceOfItsIni) {
    find<QComboBox>("CoLW")->insertItem(0, "/dev/sr0 (0,0,0) TSST DVD-RW");
    useTools(NotFoundMarker(), tool("imgtool/ImgTool", "1.0"));
    EXPECT_TRUE(checked("RaImg"));
    expectEnabled({"CoLW", "LaImgBrenner", "ChImage", "ChSplit", "EdISODatei"}, false);
    expectEnabled({"ChEject", "ChLog", "EdDVDLabel"}, true);  // ImgTool Burn writes the label
    EXPECT_EQ(texts("CoRecover"), kConversion + QStringList{"DVD brennen"});
    disk.write("imgtool/ImgTool.ini", "Device: /dev/sr0\n");
    click("RaImg");
    expectEnabled({"CoLW", "LaImgBrenner"}, true);
}

TEST_F(ImageTabTest, DecrypterForcesTheImageAndTheStageListFollowsTheOptions) {
    useTools(tool("dec/DVDDecrypter", "3.2.3.0"), tool("img/ImgTool", "1.0"));
    click("RaImg");
    click("RaDec");
    EXPECT_TRUE(checked("ChImage") && !checked("RaImg")) << "one burn program is chosen";
    expectEnabled({"EdDVDLabel", "EdISODatei"}, true);
    EXPECT_EQ(texts("CoRecover"), kConversion + QStringList({"Image erstellen", "Image brennen"}));
    find<QComboBox>("CoRecover")->setCurrentIndex(3);
    click("ChImage");
    EXPECT_TRUE(checked("ChImage")) << "DVD Decrypter burns an image";
    EXPECT_EQ(find<QComboBox>("CoRecover")->currentIndex(), 0) << "a rebuilt list starts at its first stage";
    click("ChBrennen");
    expectEnabled({"RaDec", "CoLW"}, false);
    EXPECT_EQ(texts("CoRecover"), kConversion + QStringList{"Image erstellen"});
    click("ChImage");
    expectEnabled({"ChSplit", "LaImgLabel", "EdDVDLabel", "EdISODatei"}, false);
    EXPECT_EQ(texts("CoRecover"), kConversion);
}

// Which characters a label may hold is the burn options' tests' matter.
TEST_F(ImageTabTest, LabelTakesOnlyAllowedCharactersNamesTheImageAndIsRestoredWhenLeftEmpty) {
    auto* label = find<QLineEdit>("EdDVDLabel");
    label->clear();
    label->setEnabled(true);
    label->setFocus();
    QTest::keyClicks(label, "a b!");
    EXPECT_EQ(label->text(), "a_b");
    EXPECT_EQ(text("EdISODatei"), h->settings().work + "/a_b.iso");
    leaveLabel();
    EXPECT_EQ(label->text(), "a_b");
    label->clear();
    EXPECT_EQ(text("EdISODatei"), h->settings().work + "/.iso");
    leaveLabel();
    EXPECT_EQ(label->text(), "Meine_DVD");
    EXPECT_EQ(text("EdISODatei"), h->settings().work + "/Meine_DVD.iso");
}
