#pragma once

#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>

#include "gui/tabs/TabHost.h"
#include "pipeline/RunContext.h"
#include "pipeline/WindowRunContext.h"
#include "sources/SourceTable.h"

class QLabel;
class QPushButton;
class QTabWidget;

class AuthoringTab;
class ChapterTab;
class GeneralTab;
class ImageTab;
class LogTab;
class MediaLibrary;
class MpegTab;
class PreviewPlayer;
class ProjectActions;
class RipTab;
class SettingsControls;

// What the window uses of the system, handed in once by main.cpp (tests hand in their own).
struct WindowServices {
    // The sysfs block-class folder the drive lists are read from.
    QString sysClassBlock = QStringLiteral("/sys/class/block");
    // Makes the media library for an analysis or a project load.
    std::function<std::unique_ptr<MediaLibrary>()> mediaLibrary;
    // Asks the system to shut the computer down after burning and, when it
    // accepts, ends the program (settings and log were saved before); false
    // when the request was refused.
    std::function<bool()> shutdown;
    // Opens a web page in the user's browser; false: no browser could be started.
    std::function<bool(const QUrl&)> openUrl;
};

// The main window: the tab sheets, the bottom row and the program's state. Each
// tab sheet owns its controls; the logic lives in the window-free units.
class THaupt : public QWidget, public TabHost, private RunWindow {
    Q_OBJECT

  public:
    // folders: where the program's own files, its helpers and menu files are.
    THaupt(const ProgramFolders& folders, Dialogs& dialogs, WindowServices services,
           QWidget* parent = nullptr);
    ~THaupt() override;

    // --- TabHost ---
    SourceTable& sources() override { return Sources; }
    Dialogs& dialogs() override { return dialogs_; }
    ProgramSettings& settings() override;
    RunState& runState() override { return Run; }
    const ProgramFolders& folders() const override { return Folders; }
    bool isBusy() const override { return busy_; }
    void sourcesChanged() override;
    bool addSource(const QString& path) override;
    void titleSetsChanged() override;

    // Settings file <-> controls (full = settings file, not a project).
    void LoadSettings(const QString& file, bool full);
    bool SaveSettings(const QString& file, bool full);
    ProgramSettings CollectSettings();
    // Path of tavrolin.ini.
    QString SettingsPath() const { return Folders.settingsFile; }
    // Whether the last run reached its normal end.
    bool lastRunCompleted() const { return lastRunCompleted_; }

    // Replaceable parts (tests hand in their own).
    void setRunner(std::unique_ptr<ToolRunner> runner);
    void setPreviewPlayer(std::unique_ptr<PreviewPlayer> player);

    // The log memo's lines.
    LogSink& log();
    // Window states of a run or rip: running (log tab shown, Abort instead of Start) and idle.
    void enterRunning() override;
    void backToIdle() override;
    void BuStartClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    friend class ProjectActions;

    // A run's context with copies of the sources, settings and controls as they are now.
    WindowRunContext runContext();
    // What a run reads of the controls besides the settings.
    ControlState controls();
    // RunWindow
    ProgressView& gauge() override;
    void setProjectFolder(const QString& folder) override;
    bool saveSettingsFile(const QString& file) override { return SaveSettings(file, true); }
    void editScript(QStringList& lines) override;

    void buildWindow();
    void buildBottomRow();
    void startUp();
    void onTabChanged(int index);
    // Fills the burner list and the rip lists with the optical drives found.
    void BuildDriveLists();
    // The source list changed; renumber: the title-set pass numbers the title
    // sets, else they count as stored in the records (a loaded project).
    void followSources(bool renumber);
    // Ten or more title sets disable Start and M-Projekt and say why; fewer
    // enable them when there are sources (without sources: emptyDisables).
    void applyTitleSetLimit(int titleSets, bool emptyDisables);
    // While a run or rip is going on, the controls that add, remove or reorder
    // sources, change the DVD structure or load a project are disabled.
    void lockSourceControls(bool locked);
    // Probes the media library, shows its version on the MPEG tab; returns 0, 4 or 5.
    int ProbeLibrary();
    // Admits, analyses and appends one file and reads its chapter file.
    bool AddSource(const QString& path);
    // The title sets as the records number them.
    int storedTitleSets() const;
    void ApplySettings(const ProgramSettings& settings, bool full);
    // Puts Start (rip tab hidden) or Rippen (rip tab shown) at their shared place.
    void ShowStartButton();
    void ShowRipButton();

    void BuAbbruchClick();
    void BuAboutClick();
    void BuRippClick();
    // Opens the maker's web page; without a browser the user is told its address.
    void OpenWebPage();

    const ProgramFolders Folders;
    Dialogs& dialogs_;
    const WindowServices services_;
    RunState Run;               // AbortRequested, ProcessingState, ResumePoint, RunProjectFile
    SourceTable Sources;        // records 1..30
    ProgramSettings settings_;  // the settings; those shown by controls are collected anew
    int MediaInfoApi = 0;       // 0 none, 4 old, 5 new library generation
    bool lastRunCompleted_ = false;

    QTabWidget* tav = nullptr;
    RipTab* ripTab = nullptr;
    MpegTab* mpegTab = nullptr;
    ChapterTab* chapterTab = nullptr;
    AuthoringTab* authoringTab = nullptr;
    ImageTab* imageTab = nullptr;
    GeneralTab* generalTab = nullptr;
    LogTab* logTab = nullptr;
    QPushButton *BuAbout = nullptr, *BuMProjekt = nullptr, *BuOeffnen = nullptr, *BuSpeichern = nullptr;
    QPushButton *BuStart = nullptr, *BuRipp = nullptr, *BuAbbruch = nullptr;
    QLabel* LaProg = nullptr;
    ProjectActions* projectActions = nullptr;
    std::unique_ptr<SettingsControls> bindings_;
    std::unique_ptr<ToolRunner> runner_;
    bool busy_ = false;
    bool fadedIn_ = false;
    bool closePending_ = false;
};
