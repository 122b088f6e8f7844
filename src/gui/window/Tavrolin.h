#pragma once

#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>

#include "pipeline/RunContext.h"
#include "sources/SourceTable.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;
class QTableWidget;
class QToolButton;

class ChapterTab;
class GeneralTab;
class ImageTab;
class LogTab;
class MemoLogSink;
class ProjectActions;
class RipTab;
class MpegTab;
class AuthoringTab;

// The main window. It owns every control and all run-time state; the tabs'
// handlers live in one class per tab, the logic in the window-free units.
class THaupt : public QWidget, public RunContext, private ProgressView {
    Q_OBJECT

  public:
    // folders: where the program's own files, its helpers and menu files are.
    THaupt(const ProgramFolders& folders, Dialogs& dialogs, QWidget* parent = nullptr);
    // Everything in programDir: tavrolin.ini, tavrolin.log and the helpers.
    THaupt(const QString& programDir, Dialogs& dialogs, QWidget* parent = nullptr);
    ~THaupt() override;

    // --- State shared between the parts of the program ---
    const ProgramFolders Folders;
    const QString ProgramDir;       // Folders.programDir
    RunState Run;                   // AbortRequested, ProcessingState, ResumePoint, RunProjectFile
    bool LastRunCompleted = false;  // the last run reached its normal end
    int MediaInfoApi = 0;           // 0 none, 4 old, 5 new library generation
    int PlayerPosition = 0;         // frames
    SourceTable Sources;            // records 1..30
    ToolPaths Tools;                // Allgemein.*
    struct {
        QString Arbeit, DVDroot, RIProot, Projekte, SVCD, Images;
    } Pfade;
    struct {
        QString Menue1, Menue2, Menue3;  // Author.Menü1..3
    } Author;
    // Asks the system to shut the computer down after burning and, when it
    // accepts, ends the program (settings and log were saved before); false when
    // the request was refused. Tests replace it.
    std::function<bool()> ShutdownHandler;
    // Opens a web page in the user's browser (false: no browser could be
    // started); tests replace it.
    std::function<bool(const QUrl&)> OpenUrlHandler;

    Dialogs& dialogs() override { return dialogs_; }

    // --- Bottom row ---
    QTabWidget* tav = nullptr;
    QPushButton *BuAbout = nullptr, *BuMProjekt = nullptr, *BuOeffnen = nullptr, *BuSpeichern = nullptr;
    QPushButton *BuStart = nullptr, *BuRipp = nullptr, *BuAbbruch = nullptr;
    QLabel* LaProg = nullptr;

    // --- Tab sheets ---
    QWidget *tavTabRip = nullptr, *tavTabMPEG = nullptr, *tavTabKAP = nullptr, *tavTabAuthor = nullptr;
    QWidget *tavTabImage = nullptr, *tavTabAllgem = nullptr, *tavTabLog = nullptr;

    // --- SVCDRipp ---
    QRadioButton *RaRip1 = nullptr, *RaRip2 = nullptr;
    QFrame *PaImage = nullptr, *PaRipp = nullptr;
    QListWidget* ListImages = nullptr;
    QPushButton *BuImgAdd = nullptr, *BuImgDel = nullptr, *BuImgDelAlle = nullptr;
    QPushButton *BuImgHoch = nullptr, *BuImgRunter = nullptr;
    QLabel *LaLWRip = nullptr, *LaNameRip = nullptr;
    QComboBox *CoLWRipA = nullptr, *CoLWRipB = nullptr, *CoLWRipC = nullptr;
    QComboBox *CoLWRipD = nullptr, *CoLWRipE = nullptr, *CoLWRipF = nullptr;
    QToolButton* SpAkt = nullptr;
    QLineEdit* EdNameRip = nullptr;
    QCheckBox* ChRipDatei = nullptr;

    // --- MPEG ---
    QListWidget* ListSVCD = nullptr;
    QPushButton *BuAdd = nullptr, *BuDelAlle = nullptr, *BuDel = nullptr, *BuHoch = nullptr,
                *BuRunter = nullptr;
    QGroupBox* GBox1 = nullptr;
    QLabel *LaVid0 = nullptr, *LaDatei = nullptr, *LaVid1 = nullptr, *LaFormat = nullptr;
    QLabel *LaVid2 = nullptr, *LaZeit = nullptr, *LaVid3 = nullptr, *LaBild = nullptr;
    QLabel *LaGAR = nullptr, *LaAR = nullptr;
    QLabel *LaAud00 = nullptr, *LaAudDat0 = nullptr, *LaAud01 = nullptr, *LaFor0 = nullptr;
    QLabel *LaAud02 = nullptr, *LaBR0 = nullptr;
    QLabel *LaAud10 = nullptr, *LaAudDat1 = nullptr, *LaAud11 = nullptr, *LaFor1 = nullptr;
    QLabel *LaAud12 = nullptr, *LaBR1 = nullptr;
    QLabel* LaNorm = nullptr;  // a picture players may refuse

    // --- Kapitel ---
    QListWidget *ListMPEG = nullptr, *ListKapitel = nullptr;
    QFrame* PaDisplay = nullptr;
    QScrollBar *ScPosition = nullptr, *ScLaut = nullptr;
    QLineEdit *EdSpieldauer = nullptr, *EdPosition = nullptr;
    QPushButton *BuPlay = nullptr, *BuStop = nullptr;
    QPushButton *BuKAdd = nullptr, *BuKDel = nullptr, *BuKDelAlle = nullptr;
    QLabel *LaAlle1 = nullptr, *LaAlle2 = nullptr, *LaGleich = nullptr;
    QLineEdit *EdAlle = nullptr, *EdGleich = nullptr, *EdGeheZu = nullptr;
    QPushButton *BuAlle = nullptr, *BuGleich = nullptr, *BuGeheZu = nullptr;

    // --- Authoring ---
    QTabWidget* PGA = nullptr;
    QWidget *TabStrukt = nullptr, *TabMenue = nullptr;
    QTableWidget* Strukt = nullptr;
    QComboBox *CoBit = nullptr, *CoSpr = nullptr;
    QLabel* LaTitelsets = nullptr;                     // why Start is disabled
    QLabel *LaGroesse = nullptr, *LaSystem = nullptr;  // the DVD's size, PAL and NTSC mixed
    QCheckBox *ChPGC = nullptr, *ChVorMenu = nullptr;
    QRadioButton *RaVar0 = nullptr, *RaVar1 = nullptr, *RaVar2 = nullptr;
    QPushButton *BuHM = nullptr, *BuUM = nullptr;
    QLineEdit *EdHM = nullptr, *EdUM = nullptr;

    // --- Image, DVD ---
    QCheckBox *ChImage = nullptr, *ChBrennen = nullptr, *ChSplit = nullptr;
    QLabel *LaImgBrenn = nullptr, *LaImgBrenner = nullptr, *LaImgSpeed = nullptr, *LaImgOptions = nullptr;
    QLabel *LaImgLabel = nullptr, *LaISODatei = nullptr;
    QRadioButton *RaDec = nullptr, *RaImg = nullptr;
    QComboBox *CoLW = nullptr, *CoSpeed = nullptr;
    QCheckBox *ChErase = nullptr, *ChShutdown = nullptr, *ChEject = nullptr, *ChLog = nullptr;
    QLineEdit *EdDVDLabel = nullptr, *EdISODatei = nullptr;

    // --- Allgemeines ---
    QCheckBox *ChEinzel = nullptr, *ChName = nullptr, *ChXML = nullptr, *ChTools = nullptr;
    QLabel *LaTempo = nullptr, *LaProcess = nullptr;
    QComboBox *CoTempo = nullptr, *CoProcess = nullptr, *CoRecover = nullptr;
    QPushButton* BuRecover = nullptr;
    QLabel *LaRipDir = nullptr, *LaDVDDir = nullptr, *LaArbeitDir = nullptr;
    QLineEdit *EdRipDir = nullptr, *EdDVDDir = nullptr, *EdArbeitDir = nullptr;
    QPushButton *BuRipDir = nullptr, *BuDVDDir = nullptr, *BuArbeitDir = nullptr;
    QPushButton *BuTools = nullptr, *BuMCI = nullptr;

    // --- Log ---
    QPlainTextEdit* MemoLog = nullptr;
    QProgressBar* GaFort = nullptr;

    // --- The tabs' handlers ---
    RipTab* ripTab = nullptr;
    MpegTab* mpegTab = nullptr;
    ChapterTab* chapterTab = nullptr;
    AuthoringTab* authoringTab = nullptr;
    ImageTab* imageTab = nullptr;
    GeneralTab* generalTab = nullptr;
    LogTab* logTab = nullptr;
    ProjectActions* projectActions = nullptr;

    // --- Window-wide operations ---
    void WriteLog(LogMode mode, const QString& text);
    bool IsNT5() const { return true; }
    // Runs the title-set pass and applies its limit.
    int TitleSetPass();
    // Ten or more title sets disable Start and M-Projekt and say why; fewer
    // enable them again when there are sources and nothing runs.
    void ApplyTitleSetLimit(int titleSets);
    // Shows the sources' paths in ListSVCD (keeping the selection where
    // possible); the other tabs that show sources follow.
    void RefreshSourceList();
    // The chapter tab forgets the source it had open and lists the sources
    // anew; the structure grid is rebuilt.
    void FollowSources();
    // Path of tavrolin.ini (no doubled separator for a program in the root).
    QString SettingsPath() const { return Folders.settingsFile; }
    // Settings file <-> controls (full = settings file, not a project).
    void LoadSettings(const QString& file, bool full);
    bool SaveSettings(const QString& file, bool full);
    ProgramSettings CollectSettings() const;
    void ApplySettings(const ProgramSettings& settings, bool full);
    // Puts Start (rip tab hidden) or Rippen (rip tab shown) at their shared place.
    void ShowStartButton();
    void ShowRipButton();
    // Whether a conversion run or a rip is going on.
    bool IsBusy() const { return busy_; }
    // While a run or rip is going on, the controls that add, remove or reorder
    // sources, change the DVD structure or load a project are disabled; back at
    // idle they follow the list again.
    void LockSourceControls(bool locked);
    // Called whenever the source list changes (sources added, removed or moved,
    // a project opened): stored progress belonged to the old list, so the resume
    // point is cleared and the stage list starts again at its first stage.
    void SourceListChanged();
    // Probes the media library, shows its version in GBox1; returns 0, 4 or 5.
    int ProbeLibrary();
    // Admits, analyses and appends one file (the caller checked the limit).
    bool AddSource(const QString& path);
    // Closes the preview player.
    void ClosePlayer();

    // --- Handlers of the window as a whole ---
    void BuAbbruchClick();
    void LaProgClick();
    // Opens the maker's web page; without a browser the user is told its address.
    void OpenWebPage();
    void BuAboutClick();
    void BuStartClick();

    // --- RunContext ---
    LogSink& log() override;
    ToolRunner& runner() override;
    ProgressView& progress() override { return *this; }
    SourceTable& sources() override { return Sources; }
    RunState& state() override { return Run; }
    ProgramSettings settings() override { return CollectSettings(); }
    ControlState controls() override;
    const ProgramFolders& folders() override { return Folders; }
    void setProjectFolder(const QString& folder) override { Pfade.Projekte = folder; }
    bool saveSettings(const QString& file, bool full) override { return SaveSettings(file, full); }
    bool saveProject(const QString& file) override;
    void editScript(QStringList& lines) override;
    void enterRunning() override;
    void backToIdle() override;
    bool shutdown() override;

    // The tool runner (replaceable for tests of failure paths).
    void setRunner(std::unique_ptr<ToolRunner> runner);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // ProgressView
    void showGauge(qint64 maximumKB) override;
    void setGaugePosition(qint64 kb) override;
    void hideGauge() override;

    void buildWindow();
    void buildBottomRow();
    void startUp();
    void onTabChanged(int index);

    Dialogs& dialogs_;
    std::unique_ptr<MemoLogSink> memoSink_;
    std::unique_ptr<ToolRunner> runner_;
    bool busy_ = false;
    bool fadedIn_ = false;
    bool closePending_ = false;
};
