#include <QGuiApplication>
#include <QScreen>

#include "gui/tabs/AuthoringTab.h"
#include "persistence/IniFile.h"
#include "platform/Product.h"
#include "support/WindowFixture.h"

namespace {

class SettingsWindow : public WindowTest {
  protected:
    QString settingsFile() const { return programDir.file(QStringLiteral("tavrolin.ini")); }
};

}  // namespace

// The defaults themselves are the settings tests' matter; here they reach the window.
TEST_F(SettingsWindow, FirstStartShowsTheDefaults) {
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(h->pos(), QPoint(screen.width() / 2 - 564 / 2, screen.height() / 2 - 392 / 2));
    EXPECT_EQ(find<QLineEdit>("EdISODatei")->text(), programDir.path() + QStringLiteral("/Meine_DVD.iso"));
    EXPECT_EQ(find<QLineEdit>("EdDVDDir")->text(), programDir.path() + QStringLiteral("/Dvd"));
    EXPECT_EQ(find<QScrollBar>("ScLaut")->value(), 700);
    EXPECT_FALSE(find<QLineEdit>("EdHM")->isEnabled());
    EXPECT_FALSE(QFileInfo::exists(settingsFile())) << "nothing is written before closing";
}

TEST_F(SettingsWindow, ClosingSavesAndTheNextStartRestores) {
    const QString work = programDir.file(QStringLiteral("Arbeit"));
    QDir().mkpath(work);
    const QString menu = programDir.write(QStringLiteral("menue/menu01sub.vob"), "vob");
    const char* const boxes[] = {"ChEinzel", "ChXML", "ChPGC", "ChImage"};
    h->move(40, 50);
    for (const char* name : boxes)
        find<QCheckBox>(name)->setChecked(true);
    find<QCheckBox>("ChVorMenu")->setChecked(false);
    find<QComboBox>("CoTempo")->setCurrentIndex(2);
    find<QComboBox>("CoProcess")->setCurrentIndex(4);
    find<QLineEdit>("EdDVDLabel")->setText(QStringLiteral("Urlaub"));
    find<QScrollBar>("ScLaut")->setValue(250);
    find<QLineEdit>("EdAlle")->setText(QStringLiteral("3"));
    h->settings().menu2 = menu;
    click("RaVar2");
    find<QLineEdit>("EdArbeitDir")->setText(work);
    closeWindow();
    EXPECT_EQ(IniFile(settingsFile()).value(QStringLiteral("Version"), QStringLiteral("Tavrolin")),
              ProgramVersion());

    open();
    EXPECT_EQ(h->pos(), QPoint(40, 50));
    for (const char* name : boxes)
        EXPECT_TRUE(find<QCheckBox>(name)->isChecked()) << name;
    EXPECT_FALSE(find<QCheckBox>("ChVorMenu")->isChecked() || find<QCheckBox>("ChName")->isChecked());
    EXPECT_EQ(find<QComboBox>("CoTempo")->currentIndex(), 2);
    EXPECT_EQ(find<QComboBox>("CoProcess")->currentIndex(), 4);
    EXPECT_EQ(find<QScrollBar>("ScLaut")->value(), 250);
    EXPECT_EQ(find<QLineEdit>("EdAlle")->text(), QStringLiteral("3"));
    EXPECT_TRUE(find<QRadioButton>("RaVar2")->isChecked());
    EXPECT_EQ(find<QLineEdit>("EdHM")->text(), menu);
    EXPECT_EQ(find<QLineEdit>("EdUM")->text(), QString()) << "a missing sub-menu file is emptied";
    EXPECT_EQ(find<QLineEdit>("EdArbeitDir")->text(), work);
    EXPECT_EQ(find<QLineEdit>("EdISODatei")->text(), work + QStringLiteral("/Urlaub.iso"));
}

TEST_F(SettingsWindow, FailingSaveOnClosingIsReported) {
    ASSERT_TRUE(QDir().mkpath(settingsFile()));  // a folder in the file's place
    closeWindow();
    EXPECT_EQ(dialogs.takeTexts(),
              QStringList({QStringLiteral("Die Programmeinstellungen konnten nicht gesichert werden.")}));
    EXPECT_FALSE(h->isVisible()) << "the window closes anyway";
}

TEST_F(SettingsWindow, OpeningAProjectKeepsPositionToolsAndGeneralOptions) {
    h->move(70, 80);
    h->settings().tools[Tool::MPlex] = QStringLiteral("/eigen/mplex");
    find<QCheckBox>("ChEinzel")->setChecked(true);
    find<QComboBox>("CoProcess")->setCurrentIndex(4);
    const QString project =
        programDir.write(QStringLiteral("a.tvpr"),
                         "[Fenster]\r\nPosLinks=500\r\nPosOben=500\r\n"
                         "[Kapitel]\r\nAbstand=4\r\n[Author]\r\nVariante0=0\r\nVariante1=1\r\n"
                         "[Allgemein]\r\nMPlex=/fremd/mplex\r\n");
    h->LoadSettings(project, false);
    EXPECT_EQ(h->pos(), QPoint(70, 80));
    EXPECT_EQ(h->settings().tools[Tool::MPlex], QStringLiteral("/eigen/mplex"));
    EXPECT_TRUE(find<QCheckBox>("ChEinzel")->isChecked());
    EXPECT_EQ(find<QComboBox>("CoProcess")->currentIndex(), 4);
    EXPECT_EQ(find<QLineEdit>("EdAlle")->text(), QStringLiteral("4"));
    EXPECT_TRUE(find<QRadioButton>("RaVar1")->isChecked());
}

TEST_F(SettingsWindow, GaugeColoursAreShownAndKept) {
    programDir.write(QStringLiteral("tavrolin.ini"), "[Allgemein]\nGaugeFore=clRed\nGaugeBack=$00FF0000\n");
    open();
    EXPECT_EQ(find<QProgressBar>("GaFort")->palette().color(QPalette::Highlight), QColor(Qt::red));
    EXPECT_EQ(find<QProgressBar>("GaFort")->palette().color(QPalette::Base), QColor(Qt::blue));
    closeWindow();
    const IniFile ini(settingsFile());
    EXPECT_EQ(ini.value(QStringLiteral("Allgemein"), QStringLiteral("GaugeFore")), QStringLiteral("clRed"));
    EXPECT_EQ(ini.value(QStringLiteral("Allgemein"), QStringLiteral("GaugeBack")), QStringLiteral("clBlue"));
}
