#include "gui/window/ProjectActions.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "base/FileWrite.h"
#include "gui/tabs/GeneralTab.h"
#include "gui/tabs/ImageTab.h"
#include "gui/tabs/MpegTab.h"
#include "gui/window/BusyCursor.h"
#include "gui/window/Tavrolin.h"
#include "persistence/MenuProjectExport.h"
#include "persistence/ProcessingState.h"
#include "persistence/Project.h"
#include "persistence/Settings.h"
#include "pipeline/BurnOptions.h"
#include "platform/Paths.h"
#include "sources/MediaInfo.h"

namespace {

const QString kProjectFilter = QStringLiteral("Projekt (*.tvpr)|*.tvpr");
const QString kBackupFilter = QStringLiteral("Projektsicherung (Projekt*.tvpr)|Projekt*.tvpr");

QStringList Items(const QComboBox* list) {
    QStringList items;
    for (int k = 0; k < list->count(); ++k)
        items << list->itemText(k);
    return items;
}

}  // namespace

ProjectActions::ProjectActions(THaupt& haupt) : QObject(&haupt), h(haupt) {
    connect(h.BuSpeichern, &QPushButton::clicked, this, &ProjectActions::BuSpeichernClick);
    connect(h.BuOeffnen, &QPushButton::clicked, this, &ProjectActions::BuOeffnenClick);
    connect(h.generalTab->resumeButton(), &QPushButton::clicked, this, &ProjectActions::BuRecoverClick);
    connect(h.BuMProjekt, &QPushButton::clicked, this, &ProjectActions::BuMProjektClick);
}

ProjectActions::~ProjectActions() = default;

void ProjectActions::BuSpeichernClick() {
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Projektdatei speichern");
    request.folder = h.settings_.projects;
    request.filter = kProjectFilter;
    const QString chosen = h.dialogs().saveFile(request);
    if (chosen.isEmpty()) return;
    const QString file = ChangeFileExt(chosen, QStringLiteral(".tvpr"));
    h.settings_.projects = QFileInfo(file).absolutePath();
    // An entry that is no file cannot be replaced.
    if (QFileInfo::exists(file) && !QFileInfo(file).isFile()) {
        h.dialogs().tell(Dialogs::Kind::Error, QStringLiteral("Die Datei kann nicht gespeichert werden."));
        return;
    }
    // Written anew in one piece: no key of an earlier project remains, and a
    // failed write leaves the earlier file as it was.
    IniFile project;
    SettingsWrite(project, false, h.CollectSettings());
    ProjectWrite(project, h.Sources);
    if (!WriteFileWhole(file, project.toBytes()))
        h.dialogs().tell(Dialogs::Kind::Error,
                         QStringLiteral("Die Datei ") + file +
                             QStringLiteral(" konnte\r\nnicht oder nicht vollständig gespeichert werden."));
}

QString ProjectActions::chooseProject(const QString& title, const QString& folder, const QString& filter) {
    Dialogs::FileRequest request;
    request.title = title;
    request.folder = folder;
    request.filter = filter;
    const QString file = h.dialogs().openFiles(request).value(0);
    return QFileInfo(file).suffix().toLower() == QLatin1String("tvpr") ? file : QString();
}

void ProjectActions::BuOeffnenClick() {
    const QString file =
        chooseProject(QStringLiteral("Projektdatei öffnen"), h.settings_.projects, kProjectFilter);
    if (file.isEmpty()) return;
    OpenProject(file);
}

void ProjectActions::BuRecoverClick() {
    const QString file = chooseProject(QStringLiteral("Projektdatei für die Wiederaufnahme öffnen"),
                                       h.Folders.stateDir, kBackupFilter);
    if (file.isEmpty()) return;
    OpenProject(file);
    const int state = StateRead(file);
    h.Run.resumePoint = state;
    // Selected by the program: not the user's choice, the resume point stays.
    QComboBox* stages = h.findChild<QComboBox*>(QStringLiteral("CoRecover"));
    stages->setCurrentIndex(StageEntry(Items(stages), state));
}

void ProjectActions::OpenProject(const QString& file) {
    h.LoadSettings(file, false);
    ProjectLoad(file);
    h.imageTab->SettingsLoaded();
}

void ProjectActions::ProjectLoad(const QString& file) {
    ProjectLoadOutcome outcome;
    {
        const BusyCursor busy;
        const std::unique_ptr<MediaLibrary> library = h.services_.mediaLibrary();
        outcome = ::ProjectLoad(file, h.Sources, ProjectMedia{*library, [this] { return h.ProbeLibrary(); }});
    }
    h.mpegTab->clearSelection();
    h.followSources(false);
    for (int k = 0; k < outcome.withoutLibrary; ++k)
        h.dialogs().tell(Dialogs::Kind::Error, NoLibraryMessage());
    const QString message = ProjectErrorMessage(outcome.errors);
    if (!message.isEmpty()) h.dialogs().tell(Dialogs::Kind::Warning, message);
}

void ProjectActions::BuMProjektClick() {
    const QString file = JoinPath(h.Folders.programDir, QStringLiteral("Projekt.ini"));
    const QStringList lines = MenuProjectLines(h.settings().label, h.settings_.menu1, h.Sources);
    switch (WriteMenuProject(file, lines)) {
        case MenuExportResult::Written:
            h.dialogs().tell(Dialogs::Kind::Information,
                             QStringLiteral("Die Datei ") + file + QStringLiteral(" wurde erstellt."));
            break;
        case MenuExportResult::OldFileKept:
            h.dialogs().tell(Dialogs::Kind::Error, QStringLiteral("Die alte Datei ") + file +
                                                       QStringLiteral(" konnte nicht gelöscht werden."));
            break;
        case MenuExportResult::NotWritten:
            break;
    }
}
