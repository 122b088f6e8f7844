#include <QTableWidget>

#include "gui/tabs/ImageTab.h"
#include "gui/window/ProjectActions.h"
#include "persistence/IniFile.h"
#include "support/TestMedia.h"
#include "support/WindowFixture.h"
#include "unit/FakeMediaLibrary.h"

namespace {

const QString kErrors = QStringLiteral("Folgende Fehler sind aufgetreten:\r\n");

class Projects : public WindowTest {
  protected:
    void add(const QString& path) { ASSERT_TRUE(h->addSource(path)) << path.toStdString(); }
    // Answers the file dialog of a button; returns the texts shown besides the dialog's title.
    QStringList through(const char* button, const QString& answer, const QString& title) {
        dialogs.answer(answer);
        click(button);
        QStringList texts = dialogs.takeTexts();
        EXPECT_EQ(texts.value(0), title);
        return texts.mid(1);
    }
    QStringList save(const QString& answer) {
        return through("BuSpeichern", answer, QStringLiteral("Projektdatei speichern"));
    }
    QStringList openProject(const QString& path) {
        return through("BuOeffnen", path, QStringLiteral("Projektdatei öffnen"));
    }
    QStringList resume(const QString& path) {
        return through("BuRecover", path, QStringLiteral("Projektdatei für die Wiederaufnahme öffnen"));
    }
    // Three copies of an SVCD as sources, saved as a project.
    QString threeSources() {
        for (const char* name : {"a.mpg", "b.mpg", "c.mpg"})
            add(copy(TestMedia::Svcd(), QLatin1String(name)));
        const QString project = disk.file(QStringLiteral("drei.tvpr"));
        EXPECT_EQ(save(project), QStringList());
        return project;
    }
    // A run's project backup of the window's settings and sources at a state.
    QString backup(int state) {
        const QString file = disk.file(QStringLiteral("Projekt-Temp.tvpr"));
        QFile::remove(file);
        EXPECT_TRUE(h->SaveSettings(file, false));
        EXPECT_TRUE(ProjectSave(file, h->sources()));
        IniFile ini(file);
        ini.setInt(QStringLiteral("Bearbeitung"), QStringLiteral("Stand"), state);
        EXPECT_TRUE(ini.save());
        return file;
    }
    // A burn program that prints its version.
    QString tool(const QString& name, const QString& version) {
        return disk.executable(name, ("#!/bin/sh\necho 'Version " + version + "'\n").toUtf8());
    }
};

}  // namespace

TEST_F(Projects, SaveAndOpenRestoreEverySourceFieldAndTitleSet) {
    const QString elementary = copy(TestMedia::ElementaryM2v(), QStringLiteral("elementar.m2v"));
    copy(TestMedia::Folder() + QStringLiteral("/elementary.mp2"), QStringLiteral("elementar.mp2"));
    add(copy(TestMedia::Svcd(), QStringLiteral("eins.mpg")));
    add(copy(TestMedia::SvcdTwoTracks(), QStringLiteral("zwei spuren.mpg")));
    add(elementary);
    add(copy(TestMedia::Dvd(), QStringLiteral("dvd.mpg")));
    add(copy(TestMedia::Svcd(), QStringLiteral("Prüfung.mpg")));
    h->sources()[1].Kapitel = QStringLiteral("00:00:01.000,00:00:02.000");
    h->sources()[2].DVDSprache[1] = 31;
    h->sources()[2].DVDBitrate[0] = 9;
    h->sources()[5].Weich = true;
    h->sourcesChanged();
    h->sources()[5].VTS = 7;  // a stored ascending numbering is taken as it is
    find<QLineEdit>("EdDVDLabel")->setText(QStringLiteral("Urlaub"));
    ASSERT_TRUE(h->sources()[3].Elementar);
    ASSERT_TRUE(h->sources()[4].NavPacks);
    const SourceTable saved = h->sources();

    const QString folder = disk.file(QStringLiteral("Projekte"));
    QDir().mkpath(folder);
    EXPECT_EQ(save(folder + QStringLiteral("/urlaub.projekt")), QStringList());
    EXPECT_EQ(dialogs.lastFileRequest().filter, QStringLiteral("Projekt (*.tvpr)|*.tvpr"));
    EXPECT_EQ(dialogs.lastFileRequest().folder, programDir.path());
    EXPECT_EQ(h->settings().projects, folder);
    const QString project = folder + QStringLiteral("/urlaub.tvpr");
    ASSERT_TRUE(QFileInfo::exists(project));

    open();
    EXPECT_FALSE(find<QPushButton>("BuStart")->isEnabled());
    EXPECT_EQ(openProject(project), QStringList()) << "the files still match their records";
    ASSERT_EQ(h->sources().count(), 5);
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(h->sources()[i], saved[i]) << "source " << i;
    EXPECT_EQ(texts(find<QListWidget>("ListSVCD")), saved.paths());
    EXPECT_EQ(find<QLineEdit>("EdDVDLabel")->text(), QStringLiteral("Urlaub"));
    for (QPushButton* button : {find<QPushButton>("BuAdd"), find<QPushButton>("BuDelAlle"),
                                find<QPushButton>("BuStart"), find<QPushButton>("BuMProjekt")})
        EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
}

// The tabs that show sources follow an opened project; a source stored without
// a title set still lets a run start.
TEST_F(Projects, OpenedProjectReplacesWhatTheTabsShow) {
    const QString project = threeSources();
    IniFile ini(project);
    ini.removeKey(QStringLiteral("Quelle02"), QStringLiteral("VTS"));
    ASSERT_TRUE(ini.save());
    h->sources().removeAll();
    add(copy(TestMedia::Vcd(), QStringLiteral("alt.mpg")));
    showTab("tavTabAuthor");
    EXPECT_EQ(openProject(project), QStringList());
    EXPECT_EQ(find<QTableWidget>("Strukt")->rowCount(), 3);
    EXPECT_TRUE(find<QPushButton>("BuStart")->isEnabled() && find<QPushButton>("BuMProjekt")->isEnabled());

    showTab("tavTabKAP");
    clickRow(find<QListWidget>("ListMPEG"), 2);
    ASSERT_TRUE(find<QPushButton>("BuKAdd")->isEnabled());
    EXPECT_EQ(openProject(project), QStringList());
    EXPECT_FALSE(find<QPushButton>("BuKAdd")->isEnabled()) << "no source of the table before stays open";
    EXPECT_EQ(find<QListWidget>("ListMPEG")->count(), 3);
}

TEST_F(Projects, SaveFailuresAreReported) {
    EXPECT_EQ(save(QStringLiteral("cancel")), QStringList());

    QDir().mkpath(disk.file(QStringLiteral("belegt.tvpr/inhalt")));
    EXPECT_EQ(save(disk.file(QStringLiteral("belegt.mpg"))),
              QStringList{"Die Datei kann nicht gespeichert werden."});

    const QString unwritable = disk.file(QStringLiteral("fehlt/projekt.tvpr"));
    EXPECT_EQ(save(disk.file(QStringLiteral("fehlt/projekt"))),
              QStringList{"Die Datei " + unwritable +
                          " konnte\r\nnicht oder nicht vollständig gespeichert werden."});
}

TEST_F(Projects, OpeningReportsWhatNoLongerMatchesTheFiles) {
    const QString project = threeSources();
    QFile::remove(disk.file(QStringLiteral("b.mpg")));
    QFile::remove(disk.file(QStringLiteral("c.mpg")));
    EXPECT_EQ(openProject(project),
              QStringList{kErrors + "\r\nQuelle 02: " + disk.file("b.mpg") +
                          " nicht verfügbar.\r\nQuelle 03: " + disk.file("c.mpg") + " nicht verfügbar."});
    EXPECT_EQ(h->sources().count(), 3) << "a missing source is still loaded";

    // Without the library every source is reported and none compared.
    mediaLibrary = [] {
        auto absent = std::make_unique<FakeMediaLibrary>();
        absent->versionText.clear();
        return absent;
    };
    const QString noLibrary = QStringLiteral("Es wurde keine MediaInfo.DLL gefunden.");
    EXPECT_EQ(openProject(project), QStringList({noLibrary, noLibrary, noLibrary}));
}

TEST_F(Projects, ProjectWithoutSourcesEmptiesTheListAndLeavesTheButtons) {
    const QString empty = disk.file(QStringLiteral("leer.tvpr"));
    EXPECT_EQ(save(empty), QStringList());
    EXPECT_EQ(IniFile(empty).keys(QStringLiteral("Quellen")), QStringList{"Anzahl"});
    add(copy(TestMedia::Svcd(), QStringLiteral("a.mpg")));
    find<QPushButton>("BuStart")->setEnabled(true);

    EXPECT_EQ(openProject(empty), QStringList());
    EXPECT_EQ(h->sources().count(), 0);
    EXPECT_EQ(find<QListWidget>("ListSVCD")->count(), 0);
    EXPECT_TRUE(find<QPushButton>("BuStart")->isEnabled());
}

TEST_F(Projects, OnlyProjectFilesOpenAndGarbageHoldsNoSource) {
    threeSources();
    EXPECT_EQ(openProject(disk.write(QStringLiteral("projekt.ini"), "[Quellen]\r\nAnzahl=0\r\n")),
              QStringList());
    EXPECT_EQ(openProject(QStringLiteral("cancel")), QStringList());
    EXPECT_EQ(h->sources().count(), 3);
    EXPECT_EQ(openProject(disk.write(QStringLiteral("rauschen.TVPR"), QByteArray(3000, '\x7f'))),
              QStringList());
    EXPECT_EQ(h->sources().count(), 0) << "any case of .tvpr opens; garbage holds no source";
}

TEST_F(Projects, ResumeSelectsTheStageInWhichTheRunStopped) {
    const QString file = backup(302);
    EXPECT_EQ(resume(file), QStringList());
    EXPECT_EQ(dialogs.lastFileRequest().filter,
              QStringLiteral("Projektsicherung (Projekt*.tvpr)|Projekt*.tvpr"));
    EXPECT_EQ(dialogs.lastFileRequest().folder, programDir.path());
    EXPECT_EQ(find<QComboBox>("CoRecover")->currentText(), QStringLiteral("DVD MPEG muxen"));
    EXPECT_EQ(h->runState().resumePoint, 302);

    for (int state : {1, 6}) {
        EXPECT_EQ(resume(backup(state)), QStringList());
        EXPECT_EQ(find<QComboBox>("CoRecover")->currentIndex(), -1) << state;
        EXPECT_EQ(h->runState().resumePoint, state);
    }
    EXPECT_EQ(resume(disk.write(QStringLiteral("Projekt-alt.ini"), "")), QStringList());
    EXPECT_EQ(h->runState().resumePoint, 6) << "not a project: nothing happens";

    // Opening a project or adding a source: resume point and stage belonged to other sources.
    for (const bool open : {true, false}) {
        EXPECT_EQ(resume(backup(302)), QStringList());
        if (open)
            EXPECT_EQ(openProject(backup(302)), QStringList());
        else
            add(copy(TestMedia::Svcd(), QStringLiteral("neu.mpg")));
        EXPECT_EQ(h->runState().resumePoint, 0) << open;
        EXPECT_EQ(find<QComboBox>("CoRecover")->currentIndex(), 0) << open;
    }
}

TEST_F(Projects, ResumeAfterImageAndBurnStages) {
    h->settings().tools[Tool::Decrypter] = tool(QStringLiteral("DVDDecrypter"), QStringLiteral("3.2.3.0"));
    h->settings().tools[Tool::ImgTool] = tool(QStringLiteral("ImgTool"), QStringLiteral("1.0"));
    find<ImageTab>("tavTabImage")->SettingsLoaded();
    find<QCheckBox>("ChBrennen")->setChecked(true);
    find<QCheckBox>("ChImage")->setChecked(true);
    const struct {
        QRadioButton* burner;
        int state;
        const char* stage;
    } cases[] = {{find<QRadioButton>("RaImg"), 510, "DVD brennen"},
                 {find<QRadioButton>("RaDec"), 600, "Image brennen"},
                 {find<QRadioButton>("RaDec"), 501, "Image erstellen"}};
    for (const auto& c : cases) {
        c.burner->setChecked(true);
        EXPECT_EQ(resume(backup(c.state)), QStringList());
        EXPECT_EQ(find<QComboBox>("CoRecover")->currentText(), QLatin1String(c.stage)) << c.state;
        EXPECT_EQ(h->runState().resumePoint, c.state);
    }

    // A backup that left the image unticked still reaches the burn stage.
    find<QCheckBox>("ChImage")->setChecked(false);
    EXPECT_EQ(resume(backup(600)), QStringList());
    EXPECT_EQ(find<QComboBox>("CoRecover")->currentText(), QStringLiteral("Image brennen"));
    EXPECT_TRUE(find<QCheckBox>("ChImage")->isChecked());
}

TEST_F(Projects, MenuProjectIsWrittenIntoTheProgramFolder) {
    const QString target = programDir.file(QStringLiteral("Projekt.ini"));
    find<QLineEdit>("EdDVDLabel")->setText(QStringLiteral("Ferien"));
    find<QPushButton>("BuMProjekt")->setEnabled(true);
    click("BuMProjekt");
    EXPECT_EQ(dialogs.takeTexts(), QStringList{"Die Datei " + target + " wurde erstellt."});
    QFile written(target);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), (";Ferien\r\n;VTS0*" + h->settings().menu1 + "\r\n").toUtf8());
    written.close();

    QFile::remove(target);
    QDir().mkpath(target + QStringLiteral("/schreibgeschützt"));
    click("BuMProjekt");
    EXPECT_EQ(dialogs.takeTexts(),
              QStringList{"Die alte Datei " + target + " konnte nicht gelöscht werden."});
}
