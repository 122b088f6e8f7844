// Projects in the window: save, open, resume and the menu project. The file
// format and the comparison with the files are the project tests' matter.

#include "persistence/IniFile.h"
#include "support/TestMedia.h"
#include "support/WindowFixture.h"
#include "unit/FakeMediaLibrary.h"

namespace {

class Projects : public WindowTest {
  protected:
    void add(const QString& name, const QString& medium = TestMedia::Svcd()) {
        ASSERT_TRUE(h->addSource(copy(medium, name))) << name.toStdString();
    }
    // Answers the file dialog of a button; returns the texts shown besides the dialog's title.
    QStringList through(const char* button, const QString& answer, const QString& title) {
        const QStringList texts = clickAnswering(button, {answer});
        EXPECT_EQ(texts.value(0), title);
        return texts.mid(1);
    }
    QStringList save(const QString& file) { return through("BuSpeichern", file, "Projektdatei speichern"); }
    QStringList openProject(const QString& file) { return through("BuOeffnen", file, "Projektdatei öffnen"); }
    QStringList resume(const QString& file) {
        return through("BuRecover", file, "Projektdatei für die Wiederaufnahme öffnen");
    }
    // Three copies of an SVCD as sources, saved as a project.
    QString threeSources() {
        for (const char* name : {"a.mpg", "b.mpg", "c.mpg"})
            add(name);
        EXPECT_EQ(save(disk.file("drei.tvpr")), QStringList());
        return disk.file("drei.tvpr");
    }
    // A run's project backup of the window's settings and sources at a state.
    QString backup(int state) {
        const QString file = disk.file("Projekt-Temp.tvpr");
        QFile::remove(file);
        EXPECT_TRUE(h->SaveSettings(file, false) && ProjectSave(file, h->sources()));
        IniFile ini(file);
        ini.setInt("Bearbeitung", "Stand", state);
        EXPECT_TRUE(ini.save());
        return file;
    }
    int resumePoint() { return h->runState().resumePoint; }
    QString stage() const { return find<QComboBox>("CoRecover")->currentText(); }
};

}  // namespace

TEST_F(Projects, SaveAndOpenRestoreTheSourcesTitleSetsAndLabel) {
    add("zwei spuren.mpg", TestMedia::SvcdTwoTracks());
    add("Prüfung.mpg");
    h->sources()[1].Kapitel = "00:00:01.000,00:00:02.000";
    h->sources()[1].DVDSprache[1] = 31;
    h->sources()[1].DVDBitrate[0] = 9;
    h->sources()[2].Weich = true;
    h->sourcesChanged();
    h->sources()[2].VTS = 7;  // a stored ascending numbering is taken as it is
    find<QLineEdit>("EdDVDLabel")->setText("Urlaub");
    const SourceTable saved = h->sources();
    const QString folder = disk.file("Projekte");
    QDir().mkpath(folder);
    EXPECT_EQ(save(folder + "/urlaub.projekt"), QStringList());
    EXPECT_EQ(dialogs.lastFileRequest().folder, programDir.path());
    EXPECT_EQ(h->settings().projects, folder);

    open();  // Start is disabled in a new window (the main window test)
    EXPECT_EQ(openProject(folder + "/urlaub.tvpr"), QStringList()) << "the files still match their records";
    ASSERT_EQ(h->sources().count(), 2);
    EXPECT_TRUE(h->sources()[1] == saved[1] && h->sources()[2] == saved[2]);
    EXPECT_EQ(texts("ListSVCD"), saved.paths());
    EXPECT_EQ(text("EdDVDLabel"), "Urlaub");
    expectEnabled({"BuAdd", "BuDelAlle", "BuStart", "BuMProjekt"}, true);
}

// The tabs that show sources follow an opened project; a source stored without
// a title set still lets a run start. What no longer matches the files is reported.
TEST_F(Projects, OpenedProjectReplacesWhatTheTabsShowAndReportsWhatNoLongerMatchesOrAMissingLibrary) {
    const QString project = threeSources();
    IniFile ini(project);
    ini.removeKey("Quelle02", "VTS");
    ASSERT_TRUE(ini.save());
    h->sources().removeAll();
    add("alt.mpg", TestMedia::Vcd());
    showTab("tavTabAuthor");
    EXPECT_EQ(openProject(project), QStringList());
    EXPECT_EQ(find<QTableWidget>("Strukt")->rowCount(), 3);
    EXPECT_TRUE(enabled("BuStart") && enabled("BuMProjekt"));
    showTab("tavTabKAP");
    clickRow("ListMPEG", 2);
    ASSERT_TRUE(enabled("BuKAdd"));
    EXPECT_EQ(openProject(project), QStringList());
    EXPECT_FALSE(enabled("BuKAdd")) << "no source of the table before stays open";
    EXPECT_EQ(find<QListWidget>("ListMPEG")->count(), 3);

    QFile::remove(disk.file("b.mpg"));
    EXPECT_EQ(openProject(project), QStringList{"Folgende Fehler sind aufgetreten:\r\nQuelle 02: " +
                                                disk.file("b.mpg") + " nicht verfügbar."});
    EXPECT_EQ(h->sources().count(), 3) << "a missing source is still loaded";
    // The window's media library service: without the library every source is reported.
    mediaLibrary = [] {
        auto absent = std::make_unique<FakeMediaLibrary>();
        absent->versionText.clear();
        return absent;
    };
    EXPECT_EQ(openProject(project), QStringList(3, "Es wurde keine MediaInfo.DLL gefunden."));
}

TEST_F(Projects, SaveFailuresAreReportedOnlyProjectFilesOpenAndOneWithoutSourcesEmptiesTheList) {
    EXPECT_EQ(save("cancel"), QStringList());
    QDir().mkpath(disk.file("belegt.tvpr/inhalt"));
    EXPECT_EQ(save(disk.file("belegt.mpg")), QStringList{"Die Datei kann nicht gespeichert werden."});
    EXPECT_EQ(save(disk.file("fehlt/projekt")),
              QStringList{"Die Datei " + disk.file("fehlt/projekt.tvpr") +
                          " konnte\r\nnicht oder nicht vollständig gespeichert werden."});
    const QString empty = disk.file("leer.tvpr");
    EXPECT_EQ(save(empty), QStringList());
    threeSources();
    EXPECT_EQ(openProject(disk.write("projekt.ini", "[Quellen]\r\nAnzahl=0\r\n")), QStringList());
    EXPECT_EQ(openProject("cancel"), QStringList());
    EXPECT_EQ(h->sources().count(), 3);
    EXPECT_EQ(openProject(disk.write("rauschen.TVPR", QByteArray(3000, '\x7f'))), QStringList());
    EXPECT_TRUE(h->sources().isEmpty()) << "any case of .tvpr opens; garbage holds no source";
    add("d.mpg");
    EXPECT_EQ(openProject(empty), QStringList());
    EXPECT_TRUE(h->sources().isEmpty() && texts("ListSVCD").isEmpty());
    EXPECT_TRUE(enabled("BuStart")) << "the buttons are left as they were";
}

// Which stage a state belongs to (if any) is the burn options' tests' matter.
TEST_F(Projects, ResumeSelectsTheStageInWhichTheRunStoppedAlsoAfterImageAndBurnStages) {
    EXPECT_EQ(resume(backup(302)), QStringList());
    EXPECT_EQ(dialogs.lastFileRequest().folder, programDir.path());
    EXPECT_EQ(stage(), "DVD MPEG muxen");
    EXPECT_EQ(resumePoint(), 302);
    // Opening a project or adding a source: resume point and stage belonged to other sources.
    for (const bool open : {true, false}) {
        EXPECT_EQ(resume(backup(302)), QStringList());
        if (open)
            EXPECT_EQ(openProject(backup(302)), QStringList());
        else
            add("neu.mpg");
        EXPECT_EQ(resumePoint(), 0) << open;
        EXPECT_EQ(find<QComboBox>("CoRecover")->currentIndex(), 0) << open;
    }

    // After the image and burn stages.
    h->settings().tools[Tool::Decrypter] =
        disk.executable("DVDDecrypter", "#!/bin/sh\necho 'Version 3.2.3.0'\n");
    h->settings().tools[Tool::ImgTool] = disk.executable("ImgTool", "#!/bin/sh\necho 'Version 1.0'\n");
    find<ImageTab>("tavTabImage")->SettingsLoaded();
    find<QCheckBox>("ChBrennen")->setChecked(true);
    const struct {
        const char* burner;
        bool image;
        int state;
        const char* stage;
    } rows[] = {{"RaImg", true, 510, "DVD brennen"},
                {"RaDec", false, 600, "Image brennen"}};  // a backup that left the image unticked
    for (const auto& row : rows) {
        find<QRadioButton>(row.burner)->setChecked(true);
        find<QCheckBox>("ChImage")->setChecked(row.image);
        EXPECT_EQ(resume(backup(row.state)), QStringList());
        EXPECT_EQ(stage(), row.stage) << row.state;
        EXPECT_EQ(resumePoint(), row.state);
        EXPECT_TRUE(find<QCheckBox>("ChImage")->isChecked());
    }
}

// The file's lines are the menu project tests' matter.
TEST_F(Projects, MenuProjectIsWrittenIntoTheProgramFolder) {
    const QString target = programDir.file("Projekt.ini");
    find<QLineEdit>("EdDVDLabel")->setText("Ferien");
    find("BuMProjekt")->setEnabled(true);
    EXPECT_EQ(clickAnswering("BuMProjekt", {}), QStringList{"Die Datei " + target + " wurde erstellt."});
    EXPECT_EQ(FileBytes(target), (";Ferien\r\n;VTS0*" + h->settings().menu1 + "\r\n").toUtf8());
    QFile::remove(target);
    QDir().mkpath(target + "/schreibgeschützt");
    EXPECT_EQ(clickAnswering("BuMProjekt", {}),
              QStringList{"Die alte Datei " + target + " konnte nicht gelöscht werden."});
}
