#include "gui/window/Tavrolin.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include "gui/tabs/AuthoringTab.h"
#include "gui/tabs/ChapterTab.h"
#include "gui/tabs/GeneralTab.h"
#include "gui/tabs/ImageTab.h"
#include "gui/tabs/LogTab.h"
#include "gui/tabs/MpegTab.h"
#include "gui/tabs/RipTab.h"
#include "gui/window/Hints.h"
#include "gui/window/ProjectActions.h"
#include "gui/window/Ui.h"
#include "gui/windows/About.h"
#include "pipeline/ConversionRun.h"
#include "pipeline/DiscCheck.h"
#include "pipeline/ProcessRunner.h"
#include "platform/Product.h"

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

THaupt::THaupt(const QString& programDir, Dialogs& dialogs, QWidget* parent)
    : THaupt(PortableFolders(programDir), dialogs, parent) {}

THaupt::THaupt(const ProgramFolders& folders, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), Folders(folders), ProgramDir(folders.programDir), dialogs_(dialogs) {
    // The GUI library is static: its resources (icon, licence) are registered by hand.
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(licence);
    ShutdownHandler = [] {
        const QStringList arguments{QStringLiteral("--no-ask-password"), QStringLiteral("poweroff")};
        if (QProcess::execute(QStringLiteral("systemctl"), arguments) != 0) return false;
        QCoreApplication::exit(0);
        return true;
    };
    OpenUrlHandler = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    QAccessible::installFactory(WindowAccessible);
    buildWindow();
    memoSink_ = std::make_unique<MemoLogSink>(MemoLog);
    runner_ = std::make_unique<ProcessRunner>(*memoSink_, static_cast<ProgressView&>(*this),
                                              [this] { return CoProcess->currentIndex(); });
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

    auto page = [this](QWidget*& sheet, const char* name, const QString& caption) {
        sheet = Named(new QWidget, name);
        tav->addTab(sheet, caption);
        return sheet;
    };
    ripTab = new RipTab(*this);
    mpegTab = new MpegTab(*this);
    chapterTab = new ChapterTab(*this);
    authoringTab = new AuthoringTab(*this);
    imageTab = new ImageTab(*this);
    generalTab = new GeneralTab(*this);
    logTab = new LogTab(*this);
    ripTab->build(page(tavTabRip, "tavTabRip", QStringLiteral("SVCDRipp")));
    mpegTab->build(page(tavTabMPEG, "tavTabMPEG", QStringLiteral("MPEG")));
    chapterTab->build(page(tavTabKAP, "tavTabKAP", QStringLiteral("Kapitel")));
    authoringTab->build(page(tavTabAuthor, "tavTabAuthor", QStringLiteral("Authoring")));
    imageTab->build(page(tavTabImage, "tavTabImage", QStringLiteral("Image, DVD")));
    generalTab->build(page(tavTabAllgem, "tavTabAllgem", QStringLiteral("Allgemeines")));
    logTab->build(page(tavTabLog, "tavTabLog", QStringLiteral("Log")));
    connect(tav, &QTabWidget::currentChanged, this, &THaupt::onTabChanged);

    buildBottomRow();
    projectActions = new ProjectActions(*this);
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
    MakeLink(LaProg, [this] { LaProgClick(); });
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
    connect(BuRipp, &QPushButton::clicked, ripTab, &RipTab::BuRippClick);
}

void THaupt::startUp() {
    // 1-3
    setWindowTitle(QStringLiteral("Tavrolin"));
    setWindowIcon(QIcon(ProgramIcon(64)));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    EdNameRip->clear();
    ScLaut->setMaximum(1000);
    // 4-5
    MediaInfoApi = ProbeLibrary();
    Run.processingState = 0;
    Run.resumePoint = 0;
    // 6-9
    CoTempo->addItems({QStringLiteral("Sofort löschen"), QStringLiteral("Nach Muxen löschen"),
                       QStringLiteral("Nicht löschen")});
    CoTempo->setCurrentIndex(1);
    CoProcess->addItems({QStringLiteral("Niedrig"), QStringLiteral("Niedriger als Normal"),
                         QStringLiteral("Normal"), QStringLiteral("Höher als Normal"),
                         QStringLiteral("Hoch")});
    CoProcess->setMaxVisibleItems(5);
    CoProcess->setCurrentIndex(3);
    ripTab->BuildDriveLists();
    CoSpeed->addItems({QStringLiteral("Max"), QStringLiteral("1x"), QStringLiteral("2x"),
                       QStringLiteral("4x"), QStringLiteral("8x"), QStringLiteral("16x"),
                       QStringLiteral("20x")});
    CoSpeed->setCurrentIndex(0);
    // 10-11
    LoadSettings(SettingsPath(), true);
    imageTab->SettingsLoaded();
    Run.processingState = 0;
    // 12
    if (CoLWRipA->count() == 0) ripTab->DisableDriveRip();
    // 13-15
    MemoLog->clear();
    hideGauge();
    BuAbbruch->setEnabled(false);
    BuAbbruch->hide();
    BuStart->setEnabled(true);
    BuStart->show();
    for (QWidget* w : std::initializer_list<QWidget*>{BuHoch, BuRunter, BuStart, BuMProjekt, BuDel, BuDelAlle,
                                                      BuPlay, BuStop, BuKAdd, BuKDel, BuKDelAlle, EdPosition,
                                                      EdSpieldauer, ScPosition, ScLaut})
        w->setEnabled(false);
    // 16-19
    AssignHints(*this);
    BuMCI->setEnabled(IsNT5());
    tav->setCurrentWidget(tavTabMPEG);
    PGA->setCurrentWidget(TabStrukt);
    BuRipp->hide();
    BuStart->show();
    BuStart->setEnabled(false);
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
// Window-wide state

void THaupt::WriteLog(LogMode mode, const QString& text) {
    ::WriteLog(*memoSink_, mode, text);
}

int THaupt::TitleSetPass() {
    const int titleSets = Sources.titleSetPass();
    ApplyTitleSetLimit(titleSets);
    return titleSets;
}

void THaupt::ApplyTitleSetLimit(int titleSets) {
    const QString warning = TitleSetWarning(titleSets);
    authoringTab->showTitleSetWarning(warning);
    BuStart->setToolTip(warning.isEmpty() ? StartHint() : warning);
    if (!warning.isEmpty()) {
        BuStart->setEnabled(false);
        BuMProjekt->setEnabled(false);
    } else if (!Sources.isEmpty() && !busy_) {  // during a run or rip its state owns them
        BuStart->setEnabled(true);
        BuMProjekt->setEnabled(true);
    }
}

void THaupt::RefreshSourceList() {
    const int current = ListSVCD->selectedItems().isEmpty() ? -1 : ListSVCD->currentRow();
    {
        const QSignalBlocker blocker(ListSVCD);
        ListSVCD->clear();
        ListSVCD->addItems(Sources.paths());
        if (current >= 0 && current < ListSVCD->count()) ListSVCD->setCurrentRow(current);
    }
    FollowSources();
}

void THaupt::FollowSources() {
    chapterTab->relist();
    authoringTab->fillGrid();
}

void THaupt::LockSourceControls(bool locked) {
    for (QWidget* control : std::initializer_list<QWidget*>{BuAdd, BuRecover, Strukt})
        control->setEnabled(!locked);
    if (locked) {
        for (QWidget* control : {BuDel, BuDelAlle, BuHoch, BuRunter})
            control->setEnabled(false);
        CoBit->hide();
        CoSpr->hide();
        return;
    }
    BuDelAlle->setEnabled(!Sources.isEmpty());
    mpegTab->ListSVCDClick();  // "Löschen", "Nach oben", "Nach unten" by the selection
}

void THaupt::SourceListChanged() {
    Run.resumePoint = 0;
    CoRecover->setCurrentIndex(0);
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
    if (sheet == tavTabRip)
        ripTab->tavTabRipShow();
    else if (sheet == tavTabMPEG)
        mpegTab->tavTabMPEGShow();
    else if (sheet == tavTabKAP)
        chapterTab->tavTabKAPShow();
    else if (sheet == tavTabAuthor)
        authoringTab->tavTabAuthorShow();
    else if (sheet == tavTabImage)
        imageTab->tavTabImageShow();
    else if (sheet == tavTabAllgem)
        generalTab->tavTabAllgemShow();
    else if (sheet == tavTabLog)
        logTab->tavTabLogShow();
}

// ---------------------------------------------------------------------------
// Handlers

void THaupt::BuAbbruchClick() {
    Run.abortRequested = true;
    if (dialogs_.ask(Dialogs::Kind::Confirmation, QStringLiteral("Sofort abbrechen?")) ==
        Dialogs::Answer::Yes)
        runner_->KillTool();
}

void THaupt::LaProgClick() {
    OpenWebPage();
}

void THaupt::OpenWebPage() {
    if (!OpenUrlHandler(QUrl(ProductWebAddress())))
        dialogs_.tell(Dialogs::Kind::Information,
                      QStringLiteral("Es konnte kein Browser gestartet werden. Die Adresse lautet:\r\n") +
                          ProductWebAddress());
}

void THaupt::BuStartClick() {
    if (!ConfirmStart(*this)) return;
    LastRunCompleted = RunConversion(*this);
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
    ClosePlayer();
    if (!SaveSettings(SettingsPath(), true))
        dialogs_.tell(Dialogs::Kind::Information,
                      QStringLiteral("Die Programmeinstellungen konnten nicht gesichert werden."));
    event->accept();
}

// ---------------------------------------------------------------------------
// Run context

LogSink& THaupt::log() {
    return *memoSink_;
}

ToolRunner& THaupt::runner() {
    return *runner_;
}

void THaupt::setRunner(std::unique_ptr<ToolRunner> runner) {
    runner_ = std::move(runner);
}

ControlState THaupt::controls() {
    ControlState c;
    c.imageEnabled = ChImage->isEnabled();
    c.splitEnabled = ChSplit->isEnabled();
    c.ejectEnabled = ChEject->isEnabled();
    c.logEnabled = ChLog->isEnabled();
    c.speedEnabled = CoSpeed->isEnabled();
    c.burnerEnabled = CoLW->isEnabled();
    c.priorityText = CoProcess->currentText();
    c.burnerText = CoLW->currentText();
    c.speedText = CoSpeed->currentText();
    c.stageIndex = CoRecover->currentIndex();
    c.stageText = CoRecover->currentText();
    c.libraryText = GBox1->title();
    return c;
}

void THaupt::enterRunning() {
    busy_ = true;
    tav->setCurrentWidget(tavTabLog);
    Run.abortRequested = false;
    BuAbbruch->setEnabled(true);
    BuAbbruch->show();
    BuStart->setEnabled(false);
    BuStart->hide();
    BuRipp->hide();
    for (QPushButton* button : {BuOeffnen, BuSpeichern, BuMProjekt})
        button->setEnabled(false);
    LockSourceControls(true);
}

void THaupt::backToIdle() {
    BuAbbruch->setEnabled(false);
    BuAbbruch->hide();
    BuStart->setEnabled(true);
    BuStart->show();
    for (QPushButton* button : {BuOeffnen, BuSpeichern, BuMProjekt})
        button->setEnabled(true);
    busy_ = false;
    LockSourceControls(false);
    if (closePending_) QTimer::singleShot(0, this, &QWidget::close);
}

bool THaupt::shutdown() {
    return ShutdownHandler();
}

void THaupt::showGauge(qint64 maximumKB) {
    GaFort->setRange(0, static_cast<int>(qBound<qint64>(1, maximumKB, qint64(INT_MAX))));
    GaFort->setValue(0);
    GaFort->show();
    logTab->setMemoHeight(300);
}

void THaupt::setGaugePosition(qint64 kb) {
    GaFort->setValue(static_cast<int>(qBound<qint64>(0, kb, qint64(GaFort->maximum()))));
}

void THaupt::hideGauge() {
    GaFort->hide();
    logTab->setMemoHeight(325);
}
