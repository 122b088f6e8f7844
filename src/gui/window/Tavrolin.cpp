#include "gui/window/Tavrolin.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>

#include "acquisition/DriveList.h"
#include "base/ProcessRunner.h"
#include "gui/tabs/AuthoringTab.h"
#include "gui/tabs/ChapterTab.h"
#include "gui/tabs/GeneralTab.h"
#include "gui/tabs/ImageTab.h"
#include "gui/tabs/LogTab.h"
#include "gui/tabs/MpegTab.h"
#include "gui/tabs/RipTab.h"
#include "gui/window/Hints.h"
#include "gui/window/ProjectActions.h"
#include "gui/window/SettingsControls.h"
#include "gui/window/Ui.h"
#include "gui/windows/About.h"
#include "gui/windows/XMLEdit.h"
#include "persistence/Project.h"
#include "pipeline/ConversionRun.h"
#include "pipeline/DiscCheck.h"
#include "pipeline/RunSupport.h"
#include "pipeline/WindowRunContext.h"
#include "platform/Product.h"
#include "sources/MediaInfo.h"

using namespace ui;

namespace {

constexpr int kClientWidth = 564;
constexpr int kClientHeight = 392;

// Screen readers see the main window as a window (a plain widget would be a filler).
QAccessibleInterface* WindowAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String("THaupt") || !object->isWidgetType()) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

}  // namespace

THaupt::THaupt(const ProgramFolders& folders, Dialogs& dialogs, WindowServices services, QWidget* parent)
    : QWidget(parent), Folders(folders), dialogs_(dialogs), services_(std::move(services)) {
    // The GUI library is static: its resources (icon, licence) are registered by hand.
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(licence);
    QAccessible::installFactory(WindowAccessible);
    buildWindow();
    runner_ = std::make_unique<ProcessRunner>(logTab->sink(), *logTab, [this] {
        return findChild<QComboBox*>(QStringLiteral("CoProcess"))->currentIndex();
    });
    startUp();
}

THaupt::~THaupt() {
    QAccessible::removeFactory(WindowAccessible);
}

// ---------------------------------------------------------------------------
// Construction

void THaupt::buildWindow() {
    setObjectName(QStringLiteral("Haupt"));
    setFixedSize(kClientWidth, kClientHeight);
    QFont font = this->font();
    font.setPointSize(8);
    setFont(font);

    tav = Named(new QTabWidget(this), "tav");
    tav->setGeometry(0, 0, kClientWidth, kClientHeight - 34);
    tav->tabBar()->setExpanding(false);
    tav->tabBar()->setElideMode(Qt::ElideNone);
    tav->setUsesScrollButtons(false);

    auto page = [this](auto* sheet, const char* name, const QString& caption) {
        tav->addTab(Named(sheet, name), caption);
        return sheet;
    };
    ripTab = page(new RipTab(*this), "tavTabRip", QStringLiteral("SVCDRipp"));
    mpegTab = page(new MpegTab(*this), "tavTabMPEG", QStringLiteral("MPEG"));
    chapterTab = page(new ChapterTab(*this), "tavTabKAP", QStringLiteral("Kapitel"));
    authoringTab = page(new AuthoringTab(*this), "tavTabAuthor", QStringLiteral("Authoring"));
    imageTab = page(new ImageTab(*this), "tavTabImage", QStringLiteral("Image, DVD"));
    generalTab = page(new GeneralTab(*this), "tavTabAllgem", QStringLiteral("Allgemeines"));
    logTab = page(new LogTab, "tavTabLog", QStringLiteral("Log"));
    connect(tav, &QTabWidget::currentChanged, this, &THaupt::onTabChanged);
    connect(imageTab, &ImageTab::stagesChanged, generalTab, &GeneralTab::setStages);
    connect(generalTab, &GeneralTab::workFolderChosen, imageTab, &ImageTab::setWorkFolder);
    connect(generalTab, &GeneralTab::ripToolChosen, ripTab, &RipTab::enableRipping);

    buildBottomRow();
    connect(ripTab, &RipTab::ripPossible, BuRipp, &QPushButton::setEnabled);
    projectActions = new ProjectActions(*this);
    bindings_ = std::make_unique<SettingsControls>(*this);
}

void THaupt::buildBottomRow() {
    const int y = kClientHeight - 30;
    const int height = 26;
    BuAbout = Button(this, "BuAbout", QStringLiteral("Über"));
    BuAbout->setGeometry(6, y, 70, height);
    BuMProjekt = Button(this, "BuMProjekt", QStringLiteral("M-Projekt"));
    BuMProjekt->setGeometry(80, y, 84, height);
    LaProg = Label(this, "LaProg", QStringLiteral("Tavrolin"));
    LaProg->setGeometry(170, y, 150, height);
    LaProg->setAlignment(Qt::AlignCenter);
    MakeLink(LaProg, [this] { OpenWebPage(); });
    BuOeffnen = Button(this, "BuOeffnen", QStringLiteral("Öffnen"));
    BuOeffnen->setGeometry(326, y, 74, height);
    BuSpeichern = Button(this, "BuSpeichern", QStringLiteral("Speichern"));
    BuSpeichern->setGeometry(404, y, 74, height);
    BuStart = Button(this, "BuStart", QStringLiteral("Start"));
    BuRipp = Button(this, "BuRipp", QStringLiteral("Rippen"));
    BuAbbruch = Button(this, "BuAbbruch", QStringLiteral("Abbrechen"));
    for (QPushButton* button : {BuStart, BuRipp, BuAbbruch})
        button->setGeometry(482, y, 76, height);

    connect(BuAbout, &QPushButton::clicked, this, &THaupt::BuAboutClick);
    connect(BuStart, &QPushButton::clicked, this, &THaupt::BuStartClick);
    connect(BuAbbruch, &QPushButton::clicked, this, &THaupt::BuAbbruchClick);
    connect(BuRipp, &QPushButton::clicked, this, &THaupt::BuRippClick);
}

void THaupt::startUp() {
    // 1-3
    setWindowTitle(QStringLiteral("Tavrolin"));
    setWindowIcon(QIcon(ProgramIcon(64)));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // 4-5
    MediaInfoApi = ProbeLibrary();
    Run.processingState = 0;
    Run.resumePoint = 0;
    // 6-9
    BuildDriveLists();
    // 10-11
    LoadSettings(SettingsPath(), true);
    imageTab->SettingsLoaded();
    Run.processingState = 0;
    // 12
    if (!ripTab->hasDrives()) ripTab->DisableDriveRip();
    // 13-15
    logTab->hideGauge();
    BuAbbruch->setEnabled(false);
    BuAbbruch->hide();
    BuMProjekt->setEnabled(false);
    // 16-19
    AssignHints(*this);
    tav->setCurrentWidget(mpegTab);
    BuRipp->hide();
    BuStart->show();
    BuStart->setEnabled(false);
}

void THaupt::BuildDriveLists() {
    QStringList entries;
    for (const OpticalDrive& drive : ListOpticalDrives(services_.sysClassBlock))
        entries << DriveEntry(drive);
    entries.sort();
    imageTab->setDrives(entries);
    ripTab->setDrives(entries);
}

void THaupt::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (fadedIn_) return;
    fadedIn_ = true;
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return;  // no opacity there
    auto* fade = new QPropertyAnimation(this, "windowOpacity", this);
    fade->setDuration(200);
    fade->setStartValue(0.0);
    fade->setEndValue(1.0);
    fade->start(QAbstractAnimation::DeleteWhenStopped);
}

// ---------------------------------------------------------------------------
// The program's state and the tabs that follow it

LogSink& THaupt::log() {
    return logTab->sink();
}

ProgressView& THaupt::gauge() {
    return *logTab;
}

void THaupt::sourcesChanged() {
    followSources(true);
}

void THaupt::followSources(bool renumber) {
    // Stored progress belonged to the old list.
    Run.resumePoint = 0;
    generalTab->resetStage();
    const int titleSets = renumber ? Sources.titleSetPass() : storedTitleSets();
    mpegTab->follow();
    chapterTab->relist();
    authoringTab->fillGrid();
    applyTitleSetLimit(titleSets, renumber);
}

bool THaupt::addSource(const QString& path) {
    mpegTab->clearSelection();
    if (!AddSource(path)) return false;
    sourcesChanged();
    return true;
}

// A source without a stored number counts none.
int THaupt::storedTitleSets() const {
    int titleSets = 0;
    for (int i = 1; i <= Sources.count(); ++i)
        if (Sources[i].VTS != kNone) titleSets = std::max(titleSets, static_cast<int>(Sources[i].VTS));
    return titleSets;
}

void THaupt::titleSetsChanged() {
    applyTitleSetLimit(Sources.titleSetPass(), false);
}

void THaupt::applyTitleSetLimit(int titleSets, bool emptyDisables) {
    const QString warning = TitleSetWarning(titleSets);
    authoringTab->showTitleSetWarning(warning);
    BuStart->setToolTip(warning.isEmpty() ? StartHint() : warning);
    if (Sources.isEmpty() && !emptyDisables) return;
    const bool startable = warning.isEmpty() && !Sources.isEmpty();
    BuStart->setEnabled(startable);
    BuMProjekt->setEnabled(startable && !busy_);  // during a rip its end decides
}

void THaupt::lockSourceControls(bool locked) {
    mpegTab->setLocked(locked);
    generalTab->setLocked(locked);
    authoringTab->setLocked(locked);
}

void THaupt::ShowStartButton() {
    if (!BuRipp->isVisibleTo(this)) return;
    BuRipp->hide();
    BuStart->show();
}

void THaupt::ShowRipButton() {
    if (!BuStart->isVisibleTo(this)) return;
    BuStart->hide();
    BuRipp->show();
}

void THaupt::onTabChanged(int) {
    QWidget* sheet = tav->currentWidget();
    if (sheet != chapterTab) chapterTab->tavTabKAPLeave();
    if (sheet == ripTab) {
        ShowRipButton();
        ripTab->tavTabRipShow();
        return;
    }
    ShowStartButton();
    if (sheet == chapterTab)
        chapterTab->tavTabKAPShow();
    else if (sheet == authoringTab)
        authoringTab->tavTabAuthorShow();
}

void THaupt::setPreviewPlayer(std::unique_ptr<PreviewPlayer> player) {
    chapterTab->setPlayer(std::move(player));
}

// ---------------------------------------------------------------------------
// Handlers

void THaupt::BuAbbruchClick() {
    Run.abortRequested = true;
    if (dialogs_.ask(Dialogs::Kind::Confirmation, QStringLiteral("Sofort abbrechen?")) ==
        Dialogs::Answer::Yes)
        runner_->KillTool();
}

void THaupt::OpenWebPage() {
    if (!services_.openUrl(QUrl(ProductWebAddress())))
        dialogs_.tell(Dialogs::Kind::Information,
                      QStringLiteral("Es konnte kein Browser gestartet werden. Die Adresse lautet:\r\n") +
                          ProductWebAddress());
}

WindowRunContext THaupt::runContext() {
    RunServices services{log(), dialogs_, *runner_, Folders, services_.shutdown};
    return WindowRunContext(std::move(services), RunInputs{Sources, CollectSettings(), controls()}, *this,
                            Run);
}

void THaupt::BuStartClick() {
    WindowRunContext ctx = runContext();
    if (!ConfirmStart(ctx)) return;
    lastRunCompleted_ = RunConversion(ctx);
}

void THaupt::BuRippClick() {
    WindowRunContext ctx = runContext();
    // The window's running state hides Start; Start keeps whether it may be pressed.
    bool startEnabled = BuStart->isEnabled();
    enterRunning();
    BuStart->setEnabled(startEnabled);
    BuRipp->setEnabled(false);
    logTab->showGauge(0);

    const bool failed = ripTab->acquire(ctx);

    logTab->hideGauge();
    // An error stays in sight on the log tab.
    if (!failed) tav->setCurrentWidget(ripTab);
    SaveLogFile(ctx);
    ::WriteLog(log(), lmAdd, QString());
    startEnabled = BuStart->isEnabled();
    backToIdle();
    BuStart->setEnabled(startEnabled);
    BuMProjekt->setEnabled(startEnabled);
    // On the rip tab Rippen stands in the place of Start.
    if (!failed) ShowRipButton();
    BuRipp->setEnabled(true);
}

void THaupt::BuAboutClick() {
    TAboutBox box(this, [this] { OpenWebPage(); });
    box.exec();
}

void THaupt::closeEvent(QCloseEvent* event) {
    if (busy_) {
        // Abort the run like "Abbrechen" + Yes; close once it has ended.
        closePending_ = true;
        Run.abortRequested = true;
        runner_->KillTool();
        event->ignore();
        return;
    }
    chapterTab->closePlayer();
    if (!SaveSettings(SettingsPath(), true))
        dialogs_.tell(Dialogs::Kind::Information,
                      QStringLiteral("Die Programmeinstellungen konnten nicht gesichert werden."));
    event->accept();
}

// ---------------------------------------------------------------------------
// What a run needs of the window

void THaupt::setRunner(std::unique_ptr<ToolRunner> runner) {
    runner_ = std::move(runner);
}

ControlState THaupt::controls() {
    const auto control = [this](const char* name) { return findChild<QWidget*>(QLatin1String(name)); };
    const auto text = [this](const char* name) {
        return findChild<QComboBox*>(QLatin1String(name))->currentText();
    };
    ControlState c;
    c.imageEnabled = control("ChImage")->isEnabled();
    c.splitEnabled = control("ChSplit")->isEnabled();
    c.ejectEnabled = control("ChEject")->isEnabled();
    c.logEnabled = control("ChLog")->isEnabled();
    c.speedEnabled = control("CoSpeed")->isEnabled();
    c.burnerEnabled = control("CoLW")->isEnabled();
    c.priorityText = text("CoProcess");
    c.burnerText = text("CoLW");
    c.speedText = text("CoSpeed");
    c.stageIndex = findChild<QComboBox*>(QStringLiteral("CoRecover"))->currentIndex();
    c.stageText = text("CoRecover");
    c.libraryText = mpegTab->libraryBox()->title();
    return c;
}

void THaupt::setProjectFolder(const QString& folder) {
    settings_.projects = folder;
}

void THaupt::editScript(QStringList& lines) {
    ShowXmlEditor(lines, this);
}

void THaupt::enterRunning() {
    busy_ = true;
    tav->setCurrentWidget(logTab);
    Run.abortRequested = false;
    BuAbbruch->setEnabled(true);
    BuAbbruch->show();
    BuStart->setEnabled(false);
    BuStart->hide();
    BuRipp->hide();
    for (QPushButton* button : {BuOeffnen, BuSpeichern, BuMProjekt})
        button->setEnabled(false);
    lockSourceControls(true);
}

void THaupt::backToIdle() {
    BuAbbruch->setEnabled(false);
    BuAbbruch->hide();
    BuStart->setEnabled(true);
    BuStart->show();
    for (QPushButton* button : {BuOeffnen, BuSpeichern, BuMProjekt})
        button->setEnabled(true);
    busy_ = false;
    lockSourceControls(false);
    if (closePending_) QTimer::singleShot(0, this, &QWidget::close);
}
