#include <set>

#include "base/ProcessRunner.h"
#include "gui/windows/About.h"
#include "platform/Product.h"
#include "support/MediaCheck.h"
#include "support/TestMedia.h"
#include "support/WindowFixture.h"

namespace {

// The real tool runner; the test acts before every tool starts and counts the kills.
class HookedRunner : public ProcessRunner {
  public:
    using ProcessRunner::ProcessRunner;
    bool RunToolPiped(const ToolCall& call) override { return hook(), ProcessRunner::RunToolPiped(call); }
    bool RunTool(const ToolCall& call) override { return hook(), ProcessRunner::RunTool(call); }
    void poolToolStarting(const ToolCall&) override { hook(); }
    bool KillTool() override { return ++kills, ProcessRunner::KillTool(); }
    std::function<void()> hook;
    int kills = 0;
};

class MainWindow : public WindowTest {
  protected:
    HookedRunner* runner() {
        auto runner = std::make_unique<HookedRunner>(h->log(), *find<LogTab>("tavTabLog"), [] { return 2; });
        HookedRunner* hooked = runner.get();
        h->setRunner(std::move(runner));
        return hooked;
    }
};

TEST_F(MainWindow, StartsFixedAndAccessibleOnTheMpegTabWithTheListControlsDisabledAndTheGaugeShrinksTheMemo) {
    EXPECT_EQ(h->size(), QSize(564, 392));
    EXPECT_FALSE(h->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(h.get())->role(), QAccessible::Window);
    for (const char* name :  // text-less controls
         {"ListSVCD", "MemoLog", "CoTempo", "CoProcess", "CoRecover", "EdDVDLabel", "EdISODatei", "Strukt",
          "PaDisplay", "ListKapitel", "CoLW", "CoSpeed", "EdArbeitDir"})
        EXPECT_FALSE(find(name)->accessibleName().isEmpty()) << name;
    EXPECT_TRUE(showing("tavTabMPEG"));
    expectEnabled({"BuHoch", "BuRunter", "BuStart", "BuMProjekt", "BuDel", "BuDelAlle", "BuPlay", "BuStop",
                   "BuKAdd", "BuKDel", "BuKDelAlle", "EdPosition", "EdSpieldauer", "ScPosition", "ScLaut"},
                  false);
    EXPECT_TRUE(visible("BuStart"));
    EXPECT_FALSE(visible("BuRipp") || visible("BuAbbruch") || enabled("BuAbbruch"));
    EXPECT_TRUE(text("MemoLog").isEmpty() && find<QPlainTextEdit>("MemoLog")->isReadOnly());
    showTab("tavTabLog");
    const QRect memo = find("MemoLog")->geometry();
    EXPECT_FALSE(visible("GaFort"));
    find<LogTab>("tavTabLog")->showGauge(1000);  // shown: the rip tab test
    EXPECT_LE(find("MemoLog")->geometry().bottom(), find("GaFort")->geometry().top());
    find<LogTab>("tavTabLog")->hideGauge();
    EXPECT_FALSE(visible("GaFort"));
    EXPECT_EQ(find("MemoLog")->geometry(), memo);
}

TEST_F(MainWindow, RipTabSwapsStartForRippenAndEveryOtherTabSwapsBack) {
    for (const char* sheet :
         {"tavTabMPEG", "tavTabKAP", "tavTabAuthor", "tavTabImage", "tavTabAllgem", "tavTabLog"}) {
        showTab("tavTabRip");
        EXPECT_TRUE(visible("BuRipp") && !visible("BuStart"));
        EXPECT_EQ(find("BuRipp")->geometry(), find("BuStart")->geometry());
        showTab(sheet);
        EXPECT_TRUE(visible("BuStart") && !visible("BuRipp")) << sheet;
    }
}

TEST_F(MainWindow, StartWithoutSourcesLogsTheErrorAndEveryRunAddsToTheLogFile) {
    h->BuStartClick();
    EXPECT_TRUE(showing("tavTabLog") && enabled("BuStart"));
    click("BuStart");
    const QStringList lines = text("MemoLog").split('\n');
    EXPECT_EQ(lines.count("Fehler:     Keine Dateien zum Bearbeiten gefunden."), 2);
    EXPECT_EQ(FileBytes(programDir.file("tavrolin.log")).count("Keine Dateien zum Bearbeiten gefunden."), 2);
}

TEST_F(MainWindow, AbortAsksAndKillsTheToolOnlyOnYesAndClosingDuringARunAbortsAndClosesAtItsEnd) {
    HookedRunner* held = runner();
    h->enterRunning();  // what it shows is the rip tab test's matter
    EXPECT_EQ(clickAnswering("BuAbbruch", {"no"}), QStringList{"Sofort abbrechen?"});
    EXPECT_TRUE(h->runState().abortRequested);
    EXPECT_EQ(held->kills, 0);
    EXPECT_EQ(clickAnswering("BuAbbruch", {"yes"}), QStringList{"Sofort abbrechen?"});
    EXPECT_EQ(held->kills, 1);
    h->backToIdle();
    EXPECT_TRUE(enabled("BuMProjekt"));
    h->enterRunning();
    EXPECT_FALSE(h->close());
    EXPECT_TRUE(h->isVisible() && h->runState().abortRequested);
    EXPECT_EQ(held->kills, 2);
    h->backToIdle();
    pump();
    EXPECT_FALSE(h->isVisible());
    EXPECT_TRUE(QFile::exists(programDir.file("tavrolin.ini")));
}

// In every step of a run the controls that change the sources, the DVD structure or load a
// project are locked: clicking them changes nothing the run converts.
TEST_F(MainWindow, ClicksDuringEveryStepOfARunChangeNothingItConverts) {
    h->settings().tools[Tool::mpgtx] = "/usr/bin/mpgtx";
    h->settings().tools[Tool::BeSweet] = TAV_TOOL_DIR "/BeSweet";
    h->settings().tools[Tool::MPlex] = "/usr/bin/mplex";
    h->settings().tools[Tool::DVDauthor] = "/usr/bin/dvdauthor";
    find<QLineEdit>("EdArbeitDir")->setText(disk.file("Arbeit"));
    find<QLineEdit>("EdDVDDir")->setText(disk.file("Dvd"));
    QDir().mkpath(h->settings().work);
    for (const char* name : {"a.mpg", "b.mpg"})
        ASSERT_TRUE(h->addSource(copy(TestMedia::Vcd(), name)));
    showTab("tavTabAuthor");
    const SourceTable before = h->sources();
    std::set<int> steps;
    runner()->hook = [&] {
        steps.insert(h->runState().processingState / 100);
        find<QLineEdit>("EdArbeitDir")->setText(disk.file("anders"));  // the run keeps its own folders
        clickRow("ListSVCD", 1);
        for (const char* name :
             {"BuAdd", "BuDel", "BuDelAlle", "BuHoch", "BuRunter", "BuRecover", "BuOeffnen", "Strukt"}) {
            EXPECT_FALSE(enabled(name)) << name;
            QTest::mouseClick(find(name), Qt::LeftButton);
        }
        auto* grid = find<QTableWidget>("Strukt");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(grid->item(1, 0)).center());
    };
    h->BuStartClick();
    EXPECT_TRUE(h->lastRunCompleted());
    EXPECT_EQ(steps, (std::set<int>{1, 2, 3, 4}));
    ASSERT_EQ(h->sources().count(), 2);
    EXPECT_TRUE(h->sources()[1] == before[1] && h->sources()[2] == before[2]);
    EXPECT_EQ(MediaCheck::Run("lsdvd", {h->settings().dvdRoot}).count("\nTitle: "), 1);
    expectEnabled({"BuAdd", "BuDelAlle", "BuRecover", "Strukt"}, true);
}

TEST_F(MainWindow, ProductLabelAndTheAboutBoxNoticeOpenTheWebPage) {
    QList<QUrl> opened;
    openUrl = [&](const QUrl& url) {
        opened << url;
        return opened.size() < 3;
    };
    QTest::mouseClick(find("LaProg"), Qt::LeftButton);
    OnNextModal<TAboutBox>([](TAboutBox& box) {
        EXPECT_EQ(box.VersionNr->text(), "Version " + ProgramVersion());
        EXPECT_FALSE(box.Lizenz->toPlainText().isEmpty());
        EXPECT_EQ(box.Lizenz->horizontalScrollBar()->maximum(), 0) << "the licence wraps";
        QTest::mouseClick(box.Notice, Qt::LeftButton);
        box.OKButton->click();
    });
    click("BuAbout");
    EXPECT_EQ(find("LaProg")->focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(find("LaProg"), Qt::Key_Return);  // no browser could be started
    EXPECT_EQ(opened, QList<QUrl>(3, QUrl(ProductWebAddress())));
    EXPECT_EQ(dialogs.takeTexts(),
              QStringList{"Es konnte kein Browser gestartet werden. Die Adresse lautet:\r\n" +
                          ProductWebAddress()});
}

}  // namespace
