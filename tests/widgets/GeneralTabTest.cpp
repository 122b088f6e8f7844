// The Allgemeines tab, the tools window it opens, and the settings the window keeps.

#include "gui/tabs/MediaPreviewPlayer.h"
#include "gui/windows/TFormTools.h"
#include "persistence/IniFile.h"
#include "platform/Product.h"
#include "support/WindowFixture.h"

namespace {

class GeneralOptions : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        showTab("tavTabAllgem");
    }
    // A folder on the "disk" beside the program folder.
    QString folder(const QString& name) const {
        QDir().mkpath(disk.file(name));
        return disk.file(name);
    }
    QString settingsFile() const { return programDir.file("tavrolin.ini"); }
};

// The folder rules live in the buttons' handlers: a refused choice changes nothing.
TEST_F(GeneralOptions, FolderChoicesAreRefusedInsideOrAboveTheDvdFolder) {
    const QString work = folder("Work"), dvd = folder("Work/DVD"), other = folder("Other/DVD");
    const QString inWork = "Das Arbeitsverzeichnis darf nicht\r\nim DVD Verzeichnis liegen.";
    const QString inRip =
        "Das Ripp Verzeichnis darf nicht im DVD-Verzeichnis\r\nliegen oder mit ihm identisch sein.";
    const QString above =
        "Das DVD Verzeichnis liegt über einem eingestellten\r\nVerzeichnis oder ist mit einem identisch.";
    set("EdDVDDir", dvd);
    set("EdDVDLabel", "Urlaub");
    h->runState().resumePoint = 300;
    const struct {
        const char *button, *field;
        QString answer, error, start;  // start: where the chooser opens
        int resumePoint;               // after the choice
    } rows[] = {{"BuArbeitDir", "EdArbeitDir", folder("Work/DVD/Temp"), inWork, programDir.path(), 300},
                {"BuArbeitDir", "EdArbeitDir", work, "", programDir.path(), 0},
                {"BuDVDDir", "EdDVDDir", other, "", dvd, 0},
                {"BuDVDDir", "EdDVDDir", work, above, other, 0},  // the working folder
                {"BuDVDDir", "EdDVDDir", disk.path(), above, other, 0},
                {"BuDVDDir", "EdDVDDir", other, above, other, 0},  // itself
                {"BuDVDDir", "EdDVDDir", dvd, "", other, 0},
                {"BuRipDir", "EdRipDir", folder("Work/DVD/Ripp"), inRip, programDir.path(), 0},
                {"BuRipDir", "EdRipDir", folder("Work/Ripp"), "", programDir.path(), 0}};
    for (const auto& row : rows) {
        const QString before = text(row.field);
        EXPECT_EQ(clickAnswering(row.button, {row.answer}).value(1), row.error) << row.answer.toStdString();
        EXPECT_EQ(text(row.field), row.error.isEmpty() ? row.answer : before) << row.answer.toStdString();
        EXPECT_EQ(dialogs.lastFileRequest().folder, row.start) << row.answer.toStdString();
        EXPECT_EQ(h->runState().resumePoint, row.resumePoint) << "the work folder discards the resume point";
    }
    EXPECT_EQ(text("EdISODatei"), work + "/Urlaub.iso");
    // A cancelled choice of the work folder still discards a loaded resume point; a DVD
    // folder that does not exist yet lets the chooser start in its parent.
    h->runState().resumePoint = 300;
    clickAnswering("BuArbeitDir", {"cancel"});
    EXPECT_EQ(h->runState().resumePoint, 0);
    set("EdDVDDir", work + "/neu");
    clickAnswering("BuDVDDir", {"cancel"});
    EXPECT_EQ(dialogs.lastFileRequest().folder, work);
    EXPECT_EQ(text("EdDVDDir"), work + "/neu");
}

TEST_F(GeneralOptions, OnlyAStageChosenByHandDiscardsTheResumePointAndTypingChangesNoList) {
    h->runState().resumePoint = 300;
    find<QComboBox>("CoRecover")->setCurrentIndex(1);
    EXPECT_EQ(h->runState().resumePoint, 300) << "a change by the program keeps it";
    QTest::keyClick(find("CoRecover"), Qt::Key_Down);
    EXPECT_EQ(find<QComboBox>("CoRecover")->currentIndex(), 2);
    EXPECT_EQ(h->runState().resumePoint, 0);
    for (const char* name : {"CoTempo", "CoProcess"}) {
        find<QComboBox>(name)->setCurrentIndex(0);
        QTest::keyClicks(find(name), "NnHh");
        EXPECT_EQ(find<QComboBox>(name)->currentIndex(), 0) << name;
        QTest::keyClick(find(name), Qt::Key_Down);
        EXPECT_EQ(find<QComboBox>(name)->currentIndex(), 1) << "choosing with the keys still works";
    }
}

TEST_F(GeneralOptions, MciButtonShowsWhatThePlayerCanOpen) {
    QStringList shown;
    OnNextModal<QDialog>([&](QDialog& window) {
        EXPECT_EQ(window.objectName(), "FormMCI");
        for (auto* box : window.findChildren<QCheckBox*>())
            if (box->isChecked()) shown << box->text();
        window.accept();
    });
    click("BuMCI");
    EXPECT_EQ(shown, QStringList({"*.mpg", "*.m1v", "*.mpv", "*.mpeg", "*.m2v", "*.mpv2"}));
    // Ticked is what the media back end's elements can open.
    const auto having = [](QStringList elements) {
        return [elements](const char* element) { return elements.contains(QLatin1String(element)); };
    };
    EXPECT_EQ(PlayableExtensions(having({"mpegvideoparse", "avdec_mpeg1video"})),
              QStringList({"m1v", "mpv"}));
    EXPECT_EQ(PlayableExtensions(having({"mpegpsdemux", "mpeg2dec"})), QStringList({"mpg", "mpeg"}));
}

// The defaults and the file format are the settings tests' matter; here the controls show and keep them.
TEST_F(GeneralOptions, FirstStartShowsTheDefaultsClosingSavesWhatTheNextStartRestoresAndAProjectKeepsIt) {
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(h->pos(), QPoint(screen.width() / 2 - 564 / 2, screen.height() / 2 - 392 / 2));
    EXPECT_EQ(text("EdISODatei"), programDir.path() + "/Meine_DVD.iso");
    EXPECT_EQ(value("ScLaut"), 700);
    EXPECT_FALSE(QFileInfo::exists(settingsFile())) << "nothing is written before closing";
    // Controls of each kind and what they are set to.
    const char* const names[] = {"ChEinzel",  "ChXML",  "ChPGC",      "ChImage",     "ChVorMenu", "ChName",
                                 "CoProcess", "ScLaut", "EdDVDLabel", "EdArbeitDir", "RaVar2"};
    const QVariant kept[] = {true, true, true, true, false, false, 4, 250, "Urlaub", folder("Arbeit"), true};
    h->move(40, 50);
    h->settings().menu2 = programDir.write("menue/menu01sub.vob", "vob");
    click("RaVar2");
    for (int k = 0; k < 11; ++k)
        set(names[k], kept[k]);
    closeWindow();
    EXPECT_EQ(IniFile(settingsFile()).value("Version", "Tavrolin"), ProgramVersion());
    open();
    EXPECT_EQ(h->pos(), QPoint(40, 50));
    for (int k = 0; k < 11; ++k)
        EXPECT_EQ(value(names[k]), kept[k]) << names[k];
    EXPECT_EQ(text("EdHM"), programDir.file("menue/menu01sub.vob"));
    EXPECT_EQ(text("EdUM"), "") << "a missing sub-menu file is emptied";
    EXPECT_EQ(text("EdISODatei"), folder("Arbeit") + "/Urlaub.iso");

    // Position and tools a project leaves alone are the settings tests' matter.
    h->LoadSettings(programDir.write("a.tvpr", "[Kapitel]\r\nAbstand=4\r\n[Author]\r\nVariante1=1\r\n"),
                    false);
    EXPECT_EQ(value("CoProcess"), 4) << "a project keeps the general options it lacks";
    EXPECT_EQ(text("EdAlle"), "4");
    EXPECT_TRUE(value("RaVar1").toBool());
}

TEST_F(GeneralOptions, GaugeColoursAreShownAndKeptAndAFailingSaveIsReported) {
    programDir.write("tavrolin.ini", "[Allgemein]\nGaugeFore=clRed\nGaugeBack=$00FF0000\n");
    open();
    EXPECT_EQ(find("GaFort")->palette().color(QPalette::Highlight), QColor(Qt::red));
    EXPECT_EQ(find("GaFort")->palette().color(QPalette::Base), QColor(Qt::blue));
    closeWindow();
    EXPECT_EQ(IniFile(settingsFile()).value("Allgemein", "GaugeBack"), "clBlue");
    open();
    QFile::remove(settingsFile());
    ASSERT_TRUE(QDir().mkpath(settingsFile()));  // a folder in the file's place
    closeWindow();
    EXPECT_EQ(dialogs.takeTexts(),
              QStringList({"Die Programmeinstellungen konnten nicht gesichert werden."}));
    EXPECT_FALSE(h->isVisible()) << "the window closes anyway";
}

// The controls that need the rip helper.
const std::initializer_list<const char*> kRipControls = {"RaRip1", "PaImage", "PaRipp"};

// Tools are searched on an empty PATH, so that only the test's own count.
class ToolsWindow : public GeneralOptions {
  protected:
    void SetUp() override {
        qputenv("PATH", emptyPath.path().toLocal8Bit());
        GeneralOptions::SetUp();
    }
    void TearDown() override {
        GeneralOptions::TearDown();
        qputenv("PATH", savedPath_);
    }
    // Acts on the tools window as the Allgemeines tab opens it.
    void openTools(const std::function<void(TFormTools&)>& act) {
        OnNextModal<TFormTools>([act](TFormTools& window) { act(window), window.accept(); });
        click("BuTools");
    }
    TempFolder emptyPath;
    const QByteArray savedPath_ = qgetenv("PATH");
};

TEST_F(ToolsWindow, WithoutToolsRipAndBurnControlsAreDisabledAndAnImgToolFoundAloneIsChosen) {
    expectEnabled(kRipControls, false);
    expectEnabled({"RaRip2", "RaDec", "RaImg", "ChBrennen", "LaImgBrenn", "LaImgBrenner", "LaImgSpeed",
                   "LaImgOptions", "CoLW", "CoSpeed", "ChErase", "ChShutdown", "ChEject", "ChLog"},
                  false);
    EXPECT_FALSE(find<QRadioButton>("RaDec")->isChecked() || find<QRadioButton>("RaImg")->isChecked());
    programDir.executable("bin/ImgTool");
    programDir.executable("lkVCDxRip");
    programDir.write("tavrolin.ini", "[ImageDVD]\r\nDecrypter=1\r\nImgTool=0\r\n");
    open();
    EXPECT_TRUE(find<QRadioButton>("RaImg")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("RaDec")->isChecked() || enabled("RaDec"));
    EXPECT_TRUE(enabled("ChBrennen")) << "burning stays possible";
    expectEnabled(kRipControls, true);
}

// The name rule is the tool search tests' matter; here each button asks and takes what it accepts.
TEST_F(ToolsWindow, ShowsThePathsAndVersionsAndEachBrowseButtonAsksAndTakesOnlyAnAcceptedFile) {
    h->settings().tools[Tool::ImgTool] =
        programDir.executable("bin/ImgTool", "#!/bin/sh\necho \"ImgTool Burn 2.5.0.0\"\n");
    openTools([&](TFormTools& window) {
        EXPECT_TRUE(window.EdMPlex->isReadOnly());
        EXPECT_EQ((QStringList{window.EdMPlex->text(), window.EdDec->text(), window.EdImg->text(),
                               window.LaDecVer->text(), window.LaImgVer->text()}),
                  (QStringList{"", NotFoundMarker(), h->settings().tools[Tool::ImgTool], "", "2.5.0.0"}));
        // The buttons share one handler over the window's table; three of them are used below.
        dialogs.answer("cancel");
        window.Bumkisofs->click();
        EXPECT_EQ(dialogs.takeTexts(), QStringList{"Pfad zur mkisofs.exe"});
        EXPECT_EQ(dialogs.lastFileRequest().folder, programDir.path()) << "no path yet: the program folder";
        EXPECT_EQ(dialogs.lastFileRequest().fileName, "mkisofs");

        const QString upper = disk.executable("alt/MPLEX"), genisoimage = disk.executable("genisoimage");
        const struct {
            QPushButton* button;
            QLineEdit* field;
            Tool tool;
            QString answer, taken;
        } rows[] = {
            {window.BuMPlex, window.EdMPlex, Tool::MPlex, disk.executable("neu/mplex2"), ""},  // no message
            {window.BuMPlex, window.EdMPlex, Tool::MPlex, upper, upper},
            {window.BuMPlex, window.EdMPlex, Tool::MPlex, disk.file("fehlt/mplex"), upper},
            {window.Bumkisofs, window.Edmkisofs, Tool::mkisofs, disk.file("fehlt"), ""},
            {window.Bumkisofs, window.Edmkisofs, Tool::mkisofs, genisoimage, genisoimage},  // any file
            {window.BuLKVCD, window.EdlkVCD, Tool::lkVCDxRip, disk.executable("vcd/lkVCDxRip"),
             disk.file("vcd/lkVCDxRip")}};
        for (const auto& row : rows) {
            dialogs.answer(row.answer);
            row.button->click();
            dialogs.take();
            EXPECT_EQ(h->settings().tools[row.tool], row.taken) << row.answer.toStdString();
            EXPECT_EQ(row.field->text(), row.taken);
        }
        dialogs.answer("cancel");
        window.BuMPlex->click();
        EXPECT_EQ(dialogs.takeTexts(), QStringList{"Pfad zur MPlex.exe"});
        EXPECT_EQ(dialogs.lastFileRequest().folder, disk.file("alt")) << "starts beside the path";
        EXPECT_EQ(h->settings().tools[Tool::MPlex], upper);
        expectEnabled(kRipControls, true);  // at once
        EXPECT_EQ(enabled("RaRip2"), find<QComboBox>("CoLWRipA")->count() > 0)
            << "ripping from a disc needs a drive";
    });
}

}  // namespace
