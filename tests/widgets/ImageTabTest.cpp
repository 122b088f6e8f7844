#include <QClipboard>
#include <QFocusEvent>

#include "gui/tabs/ImageTab.h"
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
    QString tool(const QString& folder, const QString& name, const QString& version) {
        return disk.executable(folder + QLatin1Char('/') + name,
                               ("#!/bin/sh\necho 'Version " + version + "'\n").toUtf8());
    }
    // The tools as a search would leave them, and the tab's rules applied.
    void useTools(const QString& decrypter, const QString& imgTool) {
        h->Tools[Tool::Decrypter] = decrypter;
        h->Tools[Tool::ImgTool] = imgTool;
        h->imageTab->SettingsLoaded();
    }
    // Clicks a check box or radio button (on its indicator, whatever its width).
    void press(QAbstractButton* button) {
        ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString() << " is disabled";
        button->click();
        pump();
    }
    void burnOn() {
        if (!h->ChBrennen->isChecked()) press(h->ChBrennen);
        ASSERT_TRUE(h->ChBrennen->isChecked());
    }
    static void expectEnabled(std::initializer_list<QWidget*> widgets, bool enabled) {
        for (QWidget* w : widgets)
            EXPECT_EQ(w->isEnabled(), enabled) << w->objectName().toStdString();
    }
    void leaveLabel() {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(h->EdDVDLabel, &out);
    }
};

}  // namespace

TEST_F(ImageTabTest, SpeedListNeedsDecrypter3230) {
    useTools(tool("alt", "DVDDecrypter", "3.2.2.9"), NotFoundMarker());
    burnOn();
    EXPECT_TRUE(h->RaDec->isChecked()) << "the only program found is chosen";
    expectEnabled({h->CoSpeed, h->LaImgSpeed, h->RaImg, h->ChEject}, false);
    EXPECT_TRUE(h->CoLW->isEnabled());

    useTools(tool("neu", "DVDDecrypter", "3.2.3.0"), NotFoundMarker());
    press(h->RaDec);
    expectEnabled({h->CoSpeed, h->LaImgSpeed}, true);
}

TEST_F(ImageTabTest, ImgToolBurnerListNeedsImgToolIni) {
    h->CoLW->insertItem(0, QStringLiteral("/dev/sr0 (0,0,0) TSST DVD-RW"));
    const QString imgTool = tool("imgtool", "ImgTool", "1.0");
    useTools(NotFoundMarker(), imgTool);
    burnOn();
    EXPECT_TRUE(h->RaImg->isChecked());
    expectEnabled({h->CoLW, h->LaImgBrenner, h->ChImage, h->ChSplit, h->EdISODatei}, false);
    expectEnabled({h->ChEject, h->ChLog, h->EdDVDLabel}, true);  // ImgTool Burn writes the label
    EXPECT_EQ(texts(h->CoRecover), kConversion + QStringList{"DVD brennen"});

    disk.write(QStringLiteral("imgtool/ImgTool.ini"), "Device: /dev/sr0\n");
    press(h->RaImg);
    expectEnabled({h->CoLW, h->LaImgBrenner}, true);
}

TEST_F(ImageTabTest, DecrypterForcesTheImageAndTheStageListFollows) {
    useTools(tool("dec", "DVDDecrypter", "3.2.3.0"), tool("img", "ImgTool", "1.0"));
    burnOn();
    press(h->RaImg);
    press(h->RaDec);
    EXPECT_TRUE(h->ChImage->isChecked());
    expectEnabled({h->EdDVDLabel, h->EdISODatei}, true);
    EXPECT_EQ(texts(h->CoRecover), kConversion + QStringList({"Image erstellen", "Image brennen"}));

    h->CoRecover->setCurrentIndex(3);
    press(h->ChImage);
    EXPECT_TRUE(h->ChImage->isChecked()) << "DVD Decrypter burns an image";
    EXPECT_EQ(h->CoRecover->currentIndex(), 0) << "a rebuilt list starts at its first stage";

    press(h->ChBrennen);
    expectEnabled({h->RaDec, h->CoLW}, false);
    EXPECT_EQ(texts(h->CoRecover), kConversion + QStringList{"Image erstellen"});
    press(h->ChImage);
    expectEnabled({h->ChSplit, h->LaImgLabel, h->EdDVDLabel, h->EdISODatei}, false);
    EXPECT_EQ(texts(h->CoRecover), kConversion);
}

TEST_F(ImageTabTest, WithoutBurnProgramsOnlyTheImageRemains) {
    h->ChBrennen->setChecked(true);
    useTools(NotFoundMarker(), QString());
    EXPECT_FALSE(h->ChBrennen->isChecked() || h->ChBrennen->isEnabled());
    EXPECT_EQ(texts(h->CoRecover), kConversion);
    press(h->ChImage);
    EXPECT_EQ(texts(h->CoRecover), kConversion + QStringList{"Image erstellen"});
    EXPECT_TRUE(h->EdDVDLabel->isEnabled());
}

TEST_F(ImageTabTest, LabelTakesOnlyAllowedCharactersAndNamesTheImage) {
    h->EdDVDLabel->clear();
    h->EdDVDLabel->setEnabled(true);
    h->EdDVDLabel->setFocus();
    QTest::keyClicks(h->EdDVDLabel, QStringLiteral("a b!"));
    EXPECT_EQ(h->EdDVDLabel->text(), QStringLiteral("a_b"));
    EXPECT_EQ(h->EdISODatei->text(), h->Pfade.Arbeit + QStringLiteral("/a_b.iso"));
    QTest::keyClick(h->EdDVDLabel, Qt::Key_Backspace);
    EXPECT_EQ(h->EdDVDLabel->text(), QStringLiteral("a_"));

    QApplication::clipboard()->setText(QStringLiteral("x yä?(1)"));
    h->EdDVDLabel->paste();
    EXPECT_EQ(h->EdDVDLabel->text(), QStringLiteral("a_x_y(1)"));
    EXPECT_EQ(h->EdISODatei->text(), h->Pfade.Arbeit + QStringLiteral("/a_x_y(1).iso"));
}

TEST_F(ImageTabTest, EmptyLabelIsRestoredOnLeaving) {
    h->EdDVDLabel->setText(QStringLiteral("Urlaub"));
    leaveLabel();
    EXPECT_EQ(h->EdDVDLabel->text(), QStringLiteral("Urlaub"));
    h->EdDVDLabel->clear();
    EXPECT_EQ(h->EdISODatei->text(), h->Pfade.Arbeit + QStringLiteral("/.iso"));
    leaveLabel();
    EXPECT_EQ(h->EdDVDLabel->text(), QStringLiteral("Meine_DVD"));
    EXPECT_EQ(h->EdISODatei->text(), h->Pfade.Arbeit + QStringLiteral("/Meine_DVD.iso"));
}
