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
        h->settings().tools[Tool::Decrypter] = decrypter;
        h->settings().tools[Tool::ImgTool] = imgTool;
        find<ImageTab>("tavTabImage")->SettingsLoaded();
    }
    // Clicks a check box or radio button (on its indicator, whatever its width).
    void press(QAbstractButton* button) {
        ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString() << " is disabled";
        button->click();
        pump();
    }
    void burnOn() {
        if (!find<QCheckBox>("ChBrennen")->isChecked()) press(find<QCheckBox>("ChBrennen"));
        ASSERT_TRUE(find<QCheckBox>("ChBrennen")->isChecked());
    }
    static void expectEnabled(std::initializer_list<QWidget*> widgets, bool enabled) {
        for (QWidget* w : widgets)
            EXPECT_EQ(w->isEnabled(), enabled) << w->objectName().toStdString();
    }
    void leaveLabel() {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(find<QLineEdit>("EdDVDLabel"), &out);
    }
};

}  // namespace

TEST_F(ImageTabTest, SpeedListNeedsDecrypter3230) {
    useTools(tool("alt", "DVDDecrypter", "3.2.2.9"), NotFoundMarker());
    burnOn();
    EXPECT_TRUE(find<QRadioButton>("RaDec")->isChecked()) << "the only program found is chosen";
    expectEnabled({find<QComboBox>("CoSpeed"), find<QLabel>("LaImgSpeed"), find<QRadioButton>("RaImg"),
                   find<QCheckBox>("ChEject")},
                  false);
    EXPECT_TRUE(find<QComboBox>("CoLW")->isEnabled());

    useTools(tool("neu", "DVDDecrypter", "3.2.3.0"), NotFoundMarker());
    press(find<QRadioButton>("RaDec"));
    expectEnabled({find<QComboBox>("CoSpeed"), find<QLabel>("LaImgSpeed")}, true);
}

TEST_F(ImageTabTest, ImgToolBurnerListNeedsImgToolIni) {
    find<QComboBox>("CoLW")->insertItem(0, QStringLiteral("/dev/sr0 (0,0,0) TSST DVD-RW"));
    const QString imgTool = tool("imgtool", "ImgTool", "1.0");
    useTools(NotFoundMarker(), imgTool);
    burnOn();
    EXPECT_TRUE(find<QRadioButton>("RaImg")->isChecked());
    expectEnabled({find<QComboBox>("CoLW"), find<QLabel>("LaImgBrenner"), find<QCheckBox>("ChImage"),
                   find<QCheckBox>("ChSplit"), find<QLineEdit>("EdISODatei")},
                  false);
    expectEnabled({find<QCheckBox>("ChEject"), find<QCheckBox>("ChLog"), find<QLineEdit>("EdDVDLabel")},
                  true);  // ImgTool Burn writes the label
    EXPECT_EQ(texts(find<QComboBox>("CoRecover")), kConversion + QStringList{"DVD brennen"});

    disk.write(QStringLiteral("imgtool/ImgTool.ini"), "Device: /dev/sr0\n");
    press(find<QRadioButton>("RaImg"));
    expectEnabled({find<QComboBox>("CoLW"), find<QLabel>("LaImgBrenner")}, true);
}

TEST_F(ImageTabTest, DecrypterForcesTheImageAndTheStageListFollows) {
    useTools(tool("dec", "DVDDecrypter", "3.2.3.0"), tool("img", "ImgTool", "1.0"));
    burnOn();
    press(find<QRadioButton>("RaImg"));
    press(find<QRadioButton>("RaDec"));
    EXPECT_TRUE(find<QCheckBox>("ChImage")->isChecked());
    expectEnabled({find<QLineEdit>("EdDVDLabel"), find<QLineEdit>("EdISODatei")}, true);
    EXPECT_EQ(texts(find<QComboBox>("CoRecover")),
              kConversion + QStringList({"Image erstellen", "Image brennen"}));

    find<QComboBox>("CoRecover")->setCurrentIndex(3);
    press(find<QCheckBox>("ChImage"));
    EXPECT_TRUE(find<QCheckBox>("ChImage")->isChecked()) << "DVD Decrypter burns an image";
    EXPECT_EQ(find<QComboBox>("CoRecover")->currentIndex(), 0) << "a rebuilt list starts at its first stage";

    press(find<QCheckBox>("ChBrennen"));
    expectEnabled({find<QRadioButton>("RaDec"), find<QComboBox>("CoLW")}, false);
    EXPECT_EQ(texts(find<QComboBox>("CoRecover")), kConversion + QStringList{"Image erstellen"});
    press(find<QCheckBox>("ChImage"));
    expectEnabled({find<QCheckBox>("ChSplit"), find<QLabel>("LaImgLabel"), find<QLineEdit>("EdDVDLabel"),
                   find<QLineEdit>("EdISODatei")},
                  false);
    EXPECT_EQ(texts(find<QComboBox>("CoRecover")), kConversion);
}

TEST_F(ImageTabTest, WithoutBurnProgramsOnlyTheImageRemains) {
    find<QCheckBox>("ChBrennen")->setChecked(true);
    useTools(NotFoundMarker(), QString());
    EXPECT_FALSE(find<QCheckBox>("ChBrennen")->isChecked() || find<QCheckBox>("ChBrennen")->isEnabled());
    EXPECT_EQ(texts(find<QComboBox>("CoRecover")), kConversion);
    press(find<QCheckBox>("ChImage"));
    EXPECT_EQ(texts(find<QComboBox>("CoRecover")), kConversion + QStringList{"Image erstellen"});
    EXPECT_TRUE(find<QLineEdit>("EdDVDLabel")->isEnabled());
}

TEST_F(ImageTabTest, LabelTakesOnlyAllowedCharactersAndNamesTheImage) {
    find<QLineEdit>("EdDVDLabel")->clear();
    find<QLineEdit>("EdDVDLabel")->setEnabled(true);
    find<QLineEdit>("EdDVDLabel")->setFocus();
    QTest::keyClicks(find<QLineEdit>("EdDVDLabel"), QStringLiteral("a b!"));
    EXPECT_EQ(find<QLineEdit>("EdDVDLabel")->text(), QStringLiteral("a_b"));
    EXPECT_EQ(find<QLineEdit>("EdISODatei")->text(), h->settings().work + QStringLiteral("/a_b.iso"));
    QTest::keyClick(find<QLineEdit>("EdDVDLabel"), Qt::Key_Backspace);
    EXPECT_EQ(find<QLineEdit>("EdDVDLabel")->text(), QStringLiteral("a_"));

    QApplication::clipboard()->setText(QStringLiteral("x yä?(1)"));
    find<QLineEdit>("EdDVDLabel")->paste();
    EXPECT_EQ(find<QLineEdit>("EdDVDLabel")->text(), QStringLiteral("a_x_y(1)"));
    EXPECT_EQ(find<QLineEdit>("EdISODatei")->text(), h->settings().work + QStringLiteral("/a_x_y(1).iso"));
}

TEST_F(ImageTabTest, EmptyLabelIsRestoredOnLeaving) {
    find<QLineEdit>("EdDVDLabel")->setText(QStringLiteral("Urlaub"));
    leaveLabel();
    EXPECT_EQ(find<QLineEdit>("EdDVDLabel")->text(), QStringLiteral("Urlaub"));
    find<QLineEdit>("EdDVDLabel")->clear();
    EXPECT_EQ(find<QLineEdit>("EdISODatei")->text(), h->settings().work + QStringLiteral("/.iso"));
    leaveLabel();
    EXPECT_EQ(find<QLineEdit>("EdDVDLabel")->text(), QStringLiteral("Meine_DVD"));
    EXPECT_EQ(find<QLineEdit>("EdISODatei")->text(), h->settings().work + QStringLiteral("/Meine_DVD.iso"));
}
