#include "gui/windows/TFormTools.h"
#include "support/WindowFixture.h"

namespace {

// Tools are searched on an empty PATH, so that only the test's own count.
class ToolsWindow : public WindowTest {
  protected:
    void SetUp() override {
        savedPath_ = qgetenv("PATH");
        qputenv("PATH", emptyPath.path().toLocal8Bit());
        WindowTest::SetUp();
    }
    void TearDown() override {
        WindowTest::TearDown();
        qputenv("PATH", savedPath_);
    }
    void ripControlsEnabled(bool enabled) {
        for (QWidget* w : {static_cast<QWidget*>(h->RaRip1), static_cast<QWidget*>(h->PaImage),
                           static_cast<QWidget*>(h->PaRipp)})
            EXPECT_EQ(w->isEnabled(), enabled) << w->objectName().toStdString();
    }
    // Browses with a button of the tool window; returns the title asked.
    QString browse(QPushButton* button, const QString& answer) {
        dialogs.answer(answer);
        button->click();
        const QStringList titles = dialogs.takeTexts();
        return titles.value(0);
    }

    TempFolder emptyPath;

  private:
    QByteArray savedPath_;
};

const char* const kBurnOptions[] = {"ChBrennen",    "LaImgBrenn", "LaImgBrenner", "LaImgSpeed",
                                    "LaImgOptions", "CoLW",       "CoSpeed",      "ChErase",
                                    "ChShutdown",   "ChEject",    "ChLog"};

}  // namespace

TEST_F(ToolsWindow, WithoutAnyToolRipAndBurnControlsAreDisabled) {
    ripControlsEnabled(false);
    EXPECT_FALSE(h->RaRip2->isEnabled());
    for (QRadioButton* radio : {h->RaDec, h->RaImg})
        EXPECT_FALSE(radio->isEnabled() || radio->isChecked());
    for (const char* name : kBurnOptions)
        EXPECT_FALSE(find(name)->isEnabled()) << name;
}

TEST_F(ToolsWindow, OnlyImgToolFoundIsChosenEvenIfDecrypterWasStored) {
    programDir.executable(QStringLiteral("bin/ImgTool"));
    programDir.executable(QStringLiteral("lkVCDxRip"));
    programDir.write(QStringLiteral("tavrolin.ini"), "[ImageDVD]\r\nDecrypter=1\r\nImgTool=0\r\n");
    open();
    EXPECT_TRUE(h->RaImg->isChecked());
    EXPECT_FALSE(h->RaDec->isChecked() || h->RaDec->isEnabled());
    EXPECT_TRUE(h->ChBrennen->isEnabled()) << "burning stays possible";
    ripControlsEnabled(true);
}

TEST_F(ToolsWindow, ShowsThePathsAndTheBurnToolsVersions) {
    h->Tools[Tool::MPlex] = QStringLiteral("/opt/mplex");
    h->Tools[Tool::ImgTool] =
        programDir.executable(QStringLiteral("bin/ImgTool"), "#!/bin/sh\necho \"ImgTool Burn 2.5.0.0\"\n");
    TFormTools window(*h);
    EXPECT_EQ(window.EdMPlex->text(), QStringLiteral("/opt/mplex"));
    EXPECT_EQ(window.EdDec->text(), NotFoundMarker());
    EXPECT_EQ(window.EdImg->text(), h->Tools[Tool::ImgTool]);
    EXPECT_EQ(window.LaDecVer->text(), QString());
    EXPECT_EQ(window.LaImgVer->text(), QStringLiteral("2.5.0.0"));
    EXPECT_TRUE(window.EdMPlex->isReadOnly());
}

TEST_F(ToolsWindow, EachBrowseButtonAsksWithItsOwnTitle) {
    TFormTools window(*h);
    QStringList titles;
    for (QPushButton* button : {window.BuLKVCD, window.Bumpgtx, window.BuJRDMUX, window.BuBeSweet,
                                window.BuMPlex, window.BuDVDAuthor, window.Bumkisofs})
        titles << browse(button, QStringLiteral("cancel"));
    EXPECT_EQ(titles, QStringList({"Pfad zur lkVCDxRip.exe", "Pfad zur mpgtx.exe", "Pfad zur jrDMUX.exe",
                                   "Pfad zur BeSweet.exe", "Pfad zur MPlex.exe", "Pfad zur dvdauthor.exe",
                                   "Pfad zur mkisofs.exe"}));
    EXPECT_EQ(dialogs.lastFileRequest().filter, QStringLiteral("Ausführbar (*)|*"));
    EXPECT_EQ(dialogs.lastFileRequest().folder, programDir.path()) << "no path yet: the program folder";
    EXPECT_EQ(dialogs.lastFileRequest().fileName, QStringLiteral("mkisofs"));
}

TEST_F(ToolsWindow, MplexIsAcceptedOnlyUnderItsOwnName) {
    TFormTools window(*h);
    const QString other = disk.executable(QStringLiteral("neu/mplex2"));
    const QString upper = disk.executable(QStringLiteral("alt/MPLEX"));
    browse(window.BuMPlex, other);
    EXPECT_EQ(h->Tools[Tool::MPlex], QString()) << "ignored without a message";
    browse(window.BuMPlex, upper);
    EXPECT_EQ(h->Tools[Tool::MPlex], upper);
    EXPECT_EQ(window.EdMPlex->text(), upper);
    browse(window.BuMPlex, QStringLiteral("cancel"));
    EXPECT_EQ(dialogs.lastFileRequest().folder, disk.file(QStringLiteral("alt"))) << "starts beside the path";
    EXPECT_EQ(h->Tools[Tool::MPlex], upper);
    browse(window.BuMPlex, disk.file(QStringLiteral("fehlt/mplex")));
    EXPECT_EQ(h->Tools[Tool::MPlex], upper);
}

TEST_F(ToolsWindow, MkisofsMayBeAnyExistingFile) {
    TFormTools window(*h);
    const QString genisoimage = disk.executable(QStringLiteral("genisoimage"));
    browse(window.Bumkisofs, disk.file(QStringLiteral("fehlt")));
    EXPECT_EQ(h->Tools[Tool::mkisofs], QString());
    browse(window.Bumkisofs, genisoimage);
    EXPECT_EQ(h->Tools[Tool::mkisofs], genisoimage);
    EXPECT_EQ(window.Edmkisofs->text(), genisoimage);
}

TEST_F(ToolsWindow, ChoosingTheRipToolEnablesTheRipControlsAtOnce) {
    ripControlsEnabled(false);
    TFormTools window(*h);
    const QString rip = disk.executable(QStringLiteral("vcd/lkVCDxRip"));
    browse(window.BuLKVCD, rip);
    EXPECT_EQ(h->Tools[Tool::lkVCDxRip], rip);
    ripControlsEnabled(true);
    EXPECT_EQ(h->RaRip2->isEnabled(), h->CoLWRipA->count() > 0) << "ripping from a disc needs a drive";
}
