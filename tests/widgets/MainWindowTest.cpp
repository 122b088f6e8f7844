#include <QAccessible>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextBrowser>
#include <set>

#include "gui/windows/About.h"
#include "pipeline/ProcessRunner.h"
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
    std::function<void()> hook;
};

using MainWindow = WindowTest;

TEST_F(MainWindow, StartsFixedOnTheMpegTabWithTheListControlsDisabledAndStartVisible) {
    EXPECT_EQ(h->size(), QSize(564, 392));
    EXPECT_FALSE(h->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(h->tav->currentWidget(), h->tavTabMPEG);
    EXPECT_EQ(h->PGA->currentWidget(), h->TabStrukt);
    for (const char* name :
         {"BuHoch", "BuRunter", "BuStart", "BuMProjekt", "BuDel", "BuDelAlle", "BuPlay", "BuStop", "BuKAdd",
          "BuKDel", "BuKDelAlle", "EdPosition", "EdSpieldauer", "ScPosition", "ScLaut"})
        EXPECT_FALSE(find(name)->isEnabled()) << name;
    EXPECT_TRUE(h->BuStart->isVisible());
    EXPECT_FALSE(h->BuRipp->isVisible() || h->BuAbbruch->isVisible() || h->BuAbbruch->isEnabled());
    EXPECT_FALSE(h->GaFort->isVisibleTo(h.get()));
    EXPECT_TRUE(h->MemoLog->toPlainText().isEmpty() && h->MemoLog->isReadOnly());
    showTab("tavTabLog");
    EXPECT_EQ(h->MemoLog->height(), 325);
}

TEST_F(MainWindow, RipTabSwapsStartForRippenAndEveryOtherTabSwapsBack) {
    for (const char* sheet :
         {"tavTabMPEG", "tavTabKAP", "tavTabAuthor", "tavTabImage", "tavTabAllgem", "tavTabLog"}) {
        showTab("tavTabRip");
        EXPECT_TRUE(h->BuRipp->isVisible());
        EXPECT_FALSE(h->BuStart->isVisible());
        EXPECT_EQ(h->BuRipp->geometry(), h->BuStart->geometry());
        showTab(sheet);
        EXPECT_TRUE(h->BuStart->isVisible()) << sheet;
        EXPECT_FALSE(h->BuRipp->isVisible()) << sheet;
    }
}

TEST_F(MainWindow, StartWithoutSourcesLogsTheErrorAndEveryRunAddsToTheLogFile) {
    h->BuStartClick();
    EXPECT_EQ(h->tav->currentWidget(), h->tavTabLog);
    EXPECT_TRUE(h->BuStart->isEnabled());
    click("BuStart");
    const QStringList lines = h->MemoLog->toPlainText().split('\n');
    EXPECT_EQ(lines.count(QStringLiteral("Fehler:     Keine Dateien zum Bearbeiten gefunden.")), 2);
    QFile file(programDir.file("tavrolin.log"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("Keine Dateien zum Bearbeiten gefunden."), 2);
}

TEST_F(MainWindow, GaugeShrinksTheMemo) {
    showTab("tavTabLog");
    h->progress().showGauge(1000);
    EXPECT_TRUE(h->GaFort->isVisible());
    EXPECT_EQ(h->MemoLog->height(), 300);
    EXPECT_LE(h->MemoLog->geometry().bottom(), h->GaFort->geometry().top());
    h->progress().hideGauge();
    EXPECT_FALSE(h->GaFort->isVisible());
    EXPECT_EQ(h->MemoLog->height(), 325);
}

TEST_F(MainWindow, AbortAsksAndKillsTheToolOnlyOnYes) {
    auto runner = std::make_unique<HeldRunner>();
    HeldRunner* held = runner.get();
    h->setRunner(std::move(runner));
    h->enterRunning();
    EXPECT_TRUE(h->BuAbbruch->isVisible());
    EXPECT_FALSE(h->BuStart->isVisible());
    EXPECT_FALSE(h->BuOeffnen->isEnabled());

    dialogs.answer(QStringLiteral("no"));
    click("BuAbbruch");
    EXPECT_EQ(dialogs.takeTexts(), QStringList{QStringLiteral("Sofort abbrechen?")});
    EXPECT_TRUE(h->Run.abortRequested);
    EXPECT_EQ(held->kills, 0);

    dialogs.answer(QStringLiteral("yes"));
    click("BuAbbruch");
    dialogs.take();
    EXPECT_EQ(held->kills, 1);
    h->backToIdle();
    EXPECT_FALSE(h->BuAbbruch->isVisible());
    EXPECT_TRUE(h->BuStart->isVisible() && h->BuOeffnen->isEnabled() && h->BuMProjekt->isEnabled());
}

// In every step of a run the controls that change the sources, the DVD structure or load a
// project are locked: clicking them changes nothing the run converts.
TEST_F(MainWindow, ClicksDuringEveryStepOfARunChangeNothingItConverts) {
    h->Tools[Tool::mpgtx] = QStringLiteral("/usr/bin/mpgtx");
    h->Tools[Tool::BeSweet] = QStringLiteral(TAV_TOOL_DIR "/BeSweet");
    h->Tools[Tool::MPlex] = QStringLiteral("/usr/bin/mplex");
    h->Tools[Tool::DVDauthor] = QStringLiteral("/usr/bin/dvdauthor");
    h->Pfade.Arbeit = disk.file("Arbeit");
    h->Pfade.DVDroot = disk.file("Dvd");
    QDir().mkpath(h->Pfade.Arbeit);
    for (const char* name : {"a.mpg", "b.mpg"})
        ASSERT_TRUE(h->AddSource(copy(TestMedia::Vcd(), name)));
    showTab("tavTabAuthor");
    const SourceTable before = h->Sources;
    std::set<int> steps;
    auto runner = std::make_unique<HookedRunner>(h->log(), h->progress(), [] { return 2; });
    runner->hook = [&] {
        steps.insert(h->Run.processingState / 100);
        clickRow(h->ListSVCD, 1);
        for (const char* name :
             {"BuAdd", "BuDel", "BuDelAlle", "BuHoch", "BuRunter", "BuRecover", "BuOeffnen"}) {
            EXPECT_FALSE(find(name)->isEnabled()) << name;
            QTest::mouseClick(find(name), Qt::LeftButton);
        }
        EXPECT_FALSE(h->Strukt->isEnabled());
        QTest::mouseClick(h->Strukt->viewport(), Qt::LeftButton, {},
                          h->Strukt->visualItemRect(h->Strukt->item(1, 0)).center());
    };
    h->setRunner(std::move(runner));
    h->BuStartClick();
    EXPECT_TRUE(h->LastRunCompleted);
    EXPECT_EQ(steps, (std::set<int>{1, 2, 3, 4}));
    ASSERT_EQ(h->Sources.count(), 2);
    EXPECT_TRUE(h->Sources[1] == before[1] && h->Sources[2] == before[2]);
    EXPECT_EQ(MediaCheck::Run("lsdvd", {h->Pfade.DVDroot}).count(QStringLiteral("\nTitle: ")), 1);
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
    EXPECT_TRUE(h->Run.abortRequested);
    EXPECT_EQ(held->kills, 1);
    h->backToIdle();
    pump();
    EXPECT_FALSE(h->isVisible());
    EXPECT_TRUE(QFile::exists(programDir.file("tavrolin.ini")));
}

TEST_F(MainWindow, ProductLabelAndTheAboutBoxNoticeOpenTheWebPage) {
    QList<QUrl> opened;
    h->OpenUrlHandler = [&](const QUrl& url) {
        opened << url;
        return opened.size() < 3;
    };
    QTest::mouseClick(h->LaProg, Qt::LeftButton);
    OnNextModal<TAboutBox>([](TAboutBox& box) {
        EXPECT_EQ(box.VersionNr->text(), QStringLiteral("Version ") + ProgramVersion());
        EXPECT_FALSE(box.Lizenz->toPlainText().isEmpty());
        EXPECT_EQ(box.Lizenz->horizontalScrollBar()->maximum(), 0) << "the licence wraps";
        QTest::mouseClick(box.Notice, Qt::LeftButton);
        box.OKButton->click();
    });
    click("BuAbout");
    EXPECT_EQ(h->LaProg->focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(h->LaProg, Qt::Key_Return);  // no browser could be started
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
