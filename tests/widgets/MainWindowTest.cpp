#include <QAccessible>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextBrowser>
#include <set>

#include "base/ProcessRunner.h"
#include "gui/windows/About.h"
#include "platform/Product.h"
#include "support/MediaCheck.h"
#include "support/TestMedia.h"
#include "support/WindowFixture.h"

namespace {

// A tool runner whose tool "runs" until the test lets it end.
class HeldRunner : public ToolRunner {
  public:
    bool RunToolPiped(const ToolCall&) override { return true; }
    bool RunTool(const ToolCall&) override { return true; }
    bool KillTool() override {
        ++kills;
        return true;
    }
    bool isRunning() const override { return false; }
    bool lastRunKilled() const override { return kills > 0; }
    int kills = 0;
};

// The real tool runner; the test acts before every tool starts.
class HookedRunner : public ProcessRunner {
  public:
    using ProcessRunner::ProcessRunner;
    bool RunToolPiped(const ToolCall& call) override { return hook(), ProcessRunner::RunToolPiped(call); }
    bool RunTool(const ToolCall& call) override { return hook(), ProcessRunner::RunTool(call); }
    void poolToolStarting(const ToolCall&) override { hook(); }
    std::function<void()> hook;
};

using MainWindow = WindowTest;

TEST_F(MainWindow, StartsFixedOnTheMpegTabWithTheListControlsDisabledAndStartVisible) {
    EXPECT_EQ(h->size(), QSize(564, 392));
    EXPECT_FALSE(h->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(find<QTabWidget>("tav")->currentWidget(), find<QWidget>("tavTabMPEG"));
    EXPECT_EQ(find<QTabWidget>("PGA")->currentWidget(), find<QWidget>("TabStrukt"));
    for (const char* name :
         {"BuHoch", "BuRunter", "BuStart", "BuMProjekt", "BuDel", "BuDelAlle", "BuPlay", "BuStop", "BuKAdd",
          "BuKDel", "BuKDelAlle", "EdPosition", "EdSpieldauer", "ScPosition", "ScLaut"})
        EXPECT_FALSE(find(name)->isEnabled()) << name;
    EXPECT_TRUE(find<QPushButton>("BuStart")->isVisible());
    EXPECT_FALSE(find<QPushButton>("BuRipp")->isVisible() || find<QPushButton>("BuAbbruch")->isVisible() ||
                 find<QPushButton>("BuAbbruch")->isEnabled());
    EXPECT_FALSE(find<QProgressBar>("GaFort")->isVisibleTo(h.get()));
    EXPECT_TRUE(find<QPlainTextEdit>("MemoLog")->toPlainText().isEmpty() &&
                find<QPlainTextEdit>("MemoLog")->isReadOnly());
    showTab("tavTabLog");
    EXPECT_EQ(find<QPlainTextEdit>("MemoLog")->height(), 325);
}

TEST_F(MainWindow, RipTabSwapsStartForRippenAndEveryOtherTabSwapsBack) {
    for (const char* sheet :
         {"tavTabMPEG", "tavTabKAP", "tavTabAuthor", "tavTabImage", "tavTabAllgem", "tavTabLog"}) {
        showTab("tavTabRip");
        EXPECT_TRUE(find<QPushButton>("BuRipp")->isVisible());
        EXPECT_FALSE(find<QPushButton>("BuStart")->isVisible());
        EXPECT_EQ(find<QPushButton>("BuRipp")->geometry(), find<QPushButton>("BuStart")->geometry());
        showTab(sheet);
        EXPECT_TRUE(find<QPushButton>("BuStart")->isVisible()) << sheet;
        EXPECT_FALSE(find<QPushButton>("BuRipp")->isVisible()) << sheet;
    }
}

TEST_F(MainWindow, StartWithoutSourcesLogsTheErrorAndEveryRunAddsToTheLogFile) {
    h->BuStartClick();
    EXPECT_EQ(find<QTabWidget>("tav")->currentWidget(), find<QWidget>("tavTabLog"));
    EXPECT_TRUE(find<QPushButton>("BuStart")->isEnabled());
    click("BuStart");
    const QStringList lines = find<QPlainTextEdit>("MemoLog")->toPlainText().split('\n');
    EXPECT_EQ(lines.count(QStringLiteral("Fehler:     Keine Dateien zum Bearbeiten gefunden.")), 2);
    QFile file(programDir.file("tavrolin.log"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("Keine Dateien zum Bearbeiten gefunden."), 2);
}

TEST_F(MainWindow, GaugeShrinksTheMemo) {
    showTab("tavTabLog");
    find<LogTab>("tavTabLog")->showGauge(1000);
    EXPECT_TRUE(find<QProgressBar>("GaFort")->isVisible());
    EXPECT_EQ(find<QPlainTextEdit>("MemoLog")->height(), 300);
    EXPECT_LE(find<QPlainTextEdit>("MemoLog")->geometry().bottom(),
              find<QProgressBar>("GaFort")->geometry().top());
    find<LogTab>("tavTabLog")->hideGauge();
    EXPECT_FALSE(find<QProgressBar>("GaFort")->isVisible());
    EXPECT_EQ(find<QPlainTextEdit>("MemoLog")->height(), 325);
}

TEST_F(MainWindow, AbortAsksAndKillsTheToolOnlyOnYes) {
    auto runner = std::make_unique<HeldRunner>();
    HeldRunner* held = runner.get();
    h->setRunner(std::move(runner));
    h->enterRunning();
    EXPECT_TRUE(find<QPushButton>("BuAbbruch")->isVisible());
    EXPECT_FALSE(find<QPushButton>("BuStart")->isVisible());
    EXPECT_FALSE(find<QPushButton>("BuOeffnen")->isEnabled());

    dialogs.answer(QStringLiteral("no"));
    click("BuAbbruch");
    EXPECT_EQ(dialogs.takeTexts(), QStringList{QStringLiteral("Sofort abbrechen?")});
    EXPECT_TRUE(h->runState().abortRequested);
    EXPECT_EQ(held->kills, 0);

    dialogs.answer(QStringLiteral("yes"));
    click("BuAbbruch");
    dialogs.take();
    EXPECT_EQ(held->kills, 1);
    h->backToIdle();
    EXPECT_FALSE(find<QPushButton>("BuAbbruch")->isVisible());
    EXPECT_TRUE(find<QPushButton>("BuStart")->isVisible() && find<QPushButton>("BuOeffnen")->isEnabled() &&
                find<QPushButton>("BuMProjekt")->isEnabled());
}

// In every step of a run the controls that change the sources, the DVD structure or load a
// project are locked: clicking them changes nothing the run converts.
TEST_F(MainWindow, ClicksDuringEveryStepOfARunChangeNothingItConverts) {
    h->settings().tools[Tool::mpgtx] = QStringLiteral("/usr/bin/mpgtx");
    h->settings().tools[Tool::BeSweet] = QStringLiteral(TAV_TOOL_DIR "/BeSweet");
    h->settings().tools[Tool::MPlex] = QStringLiteral("/usr/bin/mplex");
    h->settings().tools[Tool::DVDauthor] = QStringLiteral("/usr/bin/dvdauthor");
    find<QLineEdit>("EdArbeitDir")->setText(disk.file("Arbeit"));
    find<QLineEdit>("EdDVDDir")->setText(disk.file("Dvd"));
    QDir().mkpath(h->settings().work);
    for (const char* name : {"a.mpg", "b.mpg"})
        ASSERT_TRUE(h->addSource(copy(TestMedia::Vcd(), name)));
    showTab("tavTabAuthor");
    const SourceTable before = h->sources();
    std::set<int> steps;
    auto runner = std::make_unique<HookedRunner>(h->log(), *find<LogTab>("tavTabLog"), [] { return 2; });
    runner->hook = [&] {
        steps.insert(h->runState().processingState / 100);
        find<QLineEdit>("EdArbeitDir")->setText(disk.file("anders"));  // the run keeps its own folders
        clickRow(find<QListWidget>("ListSVCD"), 1);
        for (const char* name :
             {"BuAdd", "BuDel", "BuDelAlle", "BuHoch", "BuRunter", "BuRecover", "BuOeffnen"}) {
            EXPECT_FALSE(find(name)->isEnabled()) << name;
            QTest::mouseClick(find(name), Qt::LeftButton);
        }
        EXPECT_FALSE(find<QTableWidget>("Strukt")->isEnabled());
        QTest::mouseClick(
            find<QTableWidget>("Strukt")->viewport(), Qt::LeftButton, {},
            find<QTableWidget>("Strukt")->visualItemRect(find<QTableWidget>("Strukt")->item(1, 0)).center());
    };
    h->setRunner(std::move(runner));
    h->BuStartClick();
    EXPECT_TRUE(h->lastRunCompleted());
    EXPECT_EQ(steps, (std::set<int>{1, 2, 3, 4}));
    ASSERT_EQ(h->sources().count(), 2);
    EXPECT_TRUE(h->sources()[1] == before[1] && h->sources()[2] == before[2]);
    EXPECT_EQ(MediaCheck::Run("lsdvd", {h->settings().dvdRoot}).count(QStringLiteral("\nTitle: ")), 1);
    for (const char* name : {"BuAdd", "BuDelAlle", "BuRecover", "Strukt"})
        EXPECT_TRUE(find(name)->isEnabled()) << name;
}

TEST_F(MainWindow, ClosingDuringARunAbortsItAndClosesWhenItHasEnded) {
    auto runner = std::make_unique<HeldRunner>();
    HeldRunner* held = runner.get();
    h->setRunner(std::move(runner));
    h->enterRunning();
    EXPECT_FALSE(h->close());
    EXPECT_TRUE(h->isVisible());
    EXPECT_TRUE(h->runState().abortRequested);
    EXPECT_EQ(held->kills, 1);
    h->backToIdle();
    pump();
    EXPECT_FALSE(h->isVisible());
    EXPECT_TRUE(QFile::exists(programDir.file("tavrolin.ini")));
}

TEST_F(MainWindow, ProductLabelAndTheAboutBoxNoticeOpenTheWebPage) {
    QList<QUrl> opened;
    openUrl = [&](const QUrl& url) {
        opened << url;
        return opened.size() < 3;
    };
    QTest::mouseClick(find<QLabel>("LaProg"), Qt::LeftButton);
    OnNextModal<TAboutBox>([](TAboutBox& box) {
        EXPECT_EQ(box.VersionNr->text(), QStringLiteral("Version ") + ProgramVersion());
        EXPECT_FALSE(box.Lizenz->toPlainText().isEmpty());
        EXPECT_EQ(box.Lizenz->horizontalScrollBar()->maximum(), 0) << "the licence wraps";
        QTest::mouseClick(box.Notice, Qt::LeftButton);
        box.OKButton->click();
    });
    click("BuAbout");
    EXPECT_EQ(find<QLabel>("LaProg")->focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(find<QLabel>("LaProg"), Qt::Key_Return);  // no browser could be started
    EXPECT_EQ(opened, QList<QUrl>(3, QUrl(ProductWebAddress())));
    EXPECT_EQ(dialogs.takeTexts(),
              QStringList{"Es konnte kein Browser gestartet werden. Die Adresse lautet:\r\n" +
                          ProductWebAddress()});
}

TEST_F(MainWindow, EveryControlHasItsNameAndTextlessOnesAnAccessibleName) {
    for (const char* name :
         {"ListSVCD", "MemoLog", "CoTempo", "CoProcess", "CoRecover", "EdDVDLabel", "EdISODatei", "Strukt",
          "PaDisplay", "ListKapitel", "CoLW", "CoSpeed", "EdArbeitDir"})
        EXPECT_FALSE(find(name)->accessibleName().isEmpty()) << name;
    EXPECT_EQ(QAccessible::queryAccessibleInterface(h.get())->role(), QAccessible::Window);
}

}  // namespace
