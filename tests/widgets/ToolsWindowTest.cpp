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
        for (QWidget* w :
             {static_cast<QWidget*>(find<QRadioButton>("RaRip1")),
              static_cast<QWidget*>(find<QFrame>("PaImage")), static_cast<QWidget*>(find<QFrame>("PaRipp"))})
            EXPECT_EQ(w->isEnabled(), enabled) << w->objectName().toStdString();
    }
    // Browses with a button of the tool window; returns the title asked.
    QString browse(QPushButton* button, const QString& answer) {
        dialogs.answer(answer);
        button->click();
        const QStringList titles = dialogs.takeTexts();
        return titles.value(0);
    }

    // Acts on the tools window as the Allgemeines tab opens it.
    void openTools(const std::function<void(TFormTools&)>& act) {
        OnNextModal<TFormTools>([act](TFormTools& window) {
            act(window);
            window.accept();
        });
        find<QPushButton>("BuTools")->click();
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
    EXPECT_FALSE(find<QRadioButton>("RaRip2")->isEnabled());
    for (QRadioButton* radio : {find<QRadioButton>("RaDec"), find<QRadioButton>("RaImg")})
        EXPECT_FALSE(radio->isEnabled() || radio->isChecked());
    for (const char* name : kBurnOptions)
        EXPECT_FALSE(find(name)->isEnabled()) << name;
}

TEST_F(ToolsWindow, OnlyImgToolFoundIsChosenEvenIfDecrypterWasStored) {
    programDir.executable(QStringLiteral("bin/ImgTool"));
    programDir.executable(QStringLiteral("lkVCDxRip"));
    programDir.write(QStringLiteral("tavrolin.ini"), "[ImageDVD]\r\nDecrypter=1\r\nImgTool=0\r\n");
    open();
    EXPECT_TRUE(find<QRadioButton>("RaImg")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("RaDec")->isChecked() || find<QRadioButton>("RaDec")->isEnabled());
    EXPECT_TRUE(find<QCheckBox>("ChBrennen")->isEnabled()) << "burning stays possible";
    ripControlsEnabled(true);
}

TEST_F(ToolsWindow, ShowsThePathsAndTheBurnToolsVersions) {
    h->settings().tools[Tool::MPlex] = QStringLiteral("/opt/mplex");
    h->settings().tools[Tool::ImgTool] =
        programDir.executable(QStringLiteral("bin/ImgTool"), "#!/bin/sh\necho \"ImgTool Burn 2.5.0.0\"\n");
    openTools([&](TFormTools& window) {
        EXPECT_EQ(window.EdMPlex->text(), QStringLiteral("/opt/mplex"));
        EXPECT_EQ(window.EdDec->text(), NotFoundMarker());
        EXPECT_EQ(window.EdImg->text(), h->settings().tools[Tool::ImgTool]);
        EXPECT_EQ(window.LaDecVer->text(), QString());
        EXPECT_EQ(window.LaImgVer->text(), QStringLiteral("2.5.0.0"));
        EXPECT_TRUE(window.EdMPlex->isReadOnly());
    });
}

TEST_F(ToolsWindow, EachBrowseButtonAsksWithItsOwnTitle) {
    openTools([&](TFormTools& window) {
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
    });
}

TEST_F(ToolsWindow, MplexIsAcceptedOnlyUnderItsOwnName) {
    openTools([&](TFormTools& window) {
        const QString other = disk.executable(QStringLiteral("neu/mplex2"));
        const QString upper = disk.executable(QStringLiteral("alt/MPLEX"));
        browse(window.BuMPlex, other);
        EXPECT_EQ(h->settings().tools[Tool::MPlex], QString()) << "ignored without a message";
        browse(window.BuMPlex, upper);
        EXPECT_EQ(h->settings().tools[Tool::MPlex], upper);
        EXPECT_EQ(window.EdMPlex->text(), upper);
        browse(window.BuMPlex, QStringLiteral("cancel"));
        EXPECT_EQ(dialogs.lastFileRequest().folder, disk.file(QStringLiteral("alt")))
            << "starts beside the path";
        EXPECT_EQ(h->settings().tools[Tool::MPlex], upper);
        browse(window.BuMPlex, disk.file(QStringLiteral("fehlt/mplex")));
        EXPECT_EQ(h->settings().tools[Tool::MPlex], upper);
    });
}

TEST_F(ToolsWindow, MkisofsMayBeAnyExistingFile) {
    openTools([&](TFormTools& window) {
        const QString genisoimage = disk.executable(QStringLiteral("genisoimage"));
        browse(window.Bumkisofs, disk.file(QStringLiteral("fehlt")));
        EXPECT_EQ(h->settings().tools[Tool::mkisofs], QString());
        browse(window.Bumkisofs, genisoimage);
        EXPECT_EQ(h->settings().tools[Tool::mkisofs], genisoimage);
        EXPECT_EQ(window.Edmkisofs->text(), genisoimage);
    });
}

TEST_F(ToolsWindow, ChoosingTheRipToolEnablesTheRipControlsAtOnce) {
    ripControlsEnabled(false);
    openTools([&](TFormTools& window) {
        const QString rip = disk.executable(QStringLiteral("vcd/lkVCDxRip"));
        browse(window.BuLKVCD, rip);
        EXPECT_EQ(h->settings().tools[Tool::lkVCDxRip], rip);
        ripControlsEnabled(true);
        EXPECT_EQ(find<QRadioButton>("RaRip2")->isEnabled(), find<QComboBox>("CoLWRipA")->count() > 0)
            << "ripping from a disc needs a drive";
    });
}
