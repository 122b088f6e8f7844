// The rip tab: drive lists and disc labels, the image list, and the window
// around an acquisition.

#include <QProcess>

#include "gui/tabs/RipTab.h"
#include "pipeline/RunLogFile.h"
#include "support/WindowFixture.h"

namespace {

// The first sector of a raw mode-2 disc image.
QByteArray Mode2Image() {
    return QByteArray::fromHex("00ffffffffffffffffffff00000200020000080000000800") + QByteArray(1000, '\0');
}

class RipTabTest : public WindowTest {
  protected:
    // The tool search finds a rip helper (a stand-in that fails), so the tab is usable.
    void SetUp() override {
        programDir.executable("bin/lkVCDxRip", "#!/bin/sh\nexit 1\n");
        WindowTest::SetUp();
        showTab("tavTabRip");
    }
    QList<QComboBox*> ripCombos() const {
        return {find<QComboBox>("CoLWRipA"), find<QComboBox>("CoLWRipB"), find<QComboBox>("CoLWRipC"),
                find<QComboBox>("CoLWRipD"), find<QComboBox>("CoLWRipE"), find<QComboBox>("CoLWRipF")};
    }
    QStringList images() const { return texts(find<QListWidget>("ListImages")); }
    // Adds images through the dialog; questions are answered from answers.
    void addImages(const QStringList& files, const QStringList& answers = {}) {
        dialogs.answer(files.join(QLatin1Char('|')));
        for (const QString& answer : answers)
            dialogs.answer(answer);
        click("BuImgAdd");
    }
    void selectImage(int row) {
        clickRow(find<QListWidget>("ListImages"), row);
        ASSERT_EQ(find<QListWidget>("ListImages")->currentRow(), row);
    }
    // Which of the image buttons Del, Hoch, Runter are enabled.
    std::array<bool, 3> moveButtons() const {
        return {find<QPushButton>("BuImgDel")->isEnabled(), find<QPushButton>("BuImgHoch")->isEnabled(),
                find<QPushButton>("BuImgRunter")->isEnabled()};
    }
};

}  // namespace

TEST_F(RipTabTest, DriveListsFollowTheOpticalDrivesInSysfs) {
    for (const auto& [name, address, model] :
         {std::tuple{"sr1", "2:0:1:0", "BW-16D1HT"}, std::tuple{"sr0", "1:0:0:0", "DVDRAM GH24NS"}}) {
        sysfs.write(QStringLiteral("devices/%1/vendor").arg(address), "HL-DT-ST \n");
        sysfs.write(QStringLiteral("devices/%1/model").arg(address), model);
        QDir().mkpath(sysfs.file(QStringLiteral("class/block/") + name));
        QFile::link(sysfs.file(QStringLiteral("devices/") + address),
                    sysfs.file(QStringLiteral("class/block/%1/device").arg(name)));
    }
    QDir().mkpath(sysfs.file("class/block/vda"));

    sysClassBlock = sysfs.file("class/block");
    open();

    const QStringList entries{"/dev/sr0: (1:0:0) HL-DT-ST DVDRAM GH24NS",
                              "/dev/sr1: (2:0:1) HL-DT-ST BW-16D1HT"};
    EXPECT_EQ(texts(find<QComboBox>("CoLW")), entries);
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(ripCombos()[k]->count(), 2) << "the same drives, shown with their discs' labels";
        EXPECT_EQ(ripCombos()[k]->isEnabled(), k < 2) << k;
    }
    EXPECT_EQ(find<QComboBox>("CoLWRipA")->currentIndex(), 0);
    EXPECT_EQ(find<QComboBox>("CoLWRipB")->currentIndex(), 1) << "the combos propose different drives";
}

TEST_F(RipTabTest, RipListsShowTheDiscLabels) {
    QDir().mkpath(disk.file("inhalt"));
    const QString iso = disk.file("urlaub.iso");
    QProcess genisoimage;
    genisoimage.start("genisoimage", {"-quiet", "-V", "URLAUB_2004", "-o", iso, disk.file("inhalt")});
    ASSERT_TRUE(genisoimage.waitForFinished()) << "genisoimage";
    const QString unlabelled =
        disk.write("ohne titel.iso", QByteArray(16 * 2048, '\0') + "\x01" + "CD001" + QByteArray(2042, ' '));
    const QString missing = disk.file("kein medium");
    const QStringList drives{iso + ": (1:0:0) LW A", unlabelled + ": (1:0:1) LW B",
                             missing + ": (2:0:0) LW C"};
    for (QComboBox* combo : ripCombos()) {
        combo->clear();
        combo->addItems(drives);
    }
    find<QComboBox>("CoLWRipB")->setCurrentIndex(2);
    find<QRadioButton>("RaRip2")->setEnabled(true);

    click("RaRip2");

    const QStringList labelled{iso + ": (1:0:0) URLAUB_2004", unlabelled + ": (1:0:1) - Ohne Titel -",
                               missing + ": (2:0:0) - Leer -"};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(texts(ripCombos()[k]), labelled) << k;
        EXPECT_EQ(ripCombos()[k]->isEnabled(), k < 3) << k;
    }
    EXPECT_EQ(find<QComboBox>("CoLWRipB")->currentIndex(), 2) << "the selection stays";
    EXPECT_TRUE(find<QPushButton>("BuRipp")->isEnabled());

    // The refresh button and showing the tab read the drives again.
    QFile::remove(iso);
    click("SpAkt");
    EXPECT_EQ(find<QComboBox>("CoLWRipA")->itemText(0), iso + ": (1:0:0) - Leer -");
    QFile::copy(unlabelled, iso);
    showTab("tavTabMPEG");
    showTab("tavTabRip");
    EXPECT_EQ(find<QComboBox>("CoLWRipF")->itemText(0), iso + ": (1:0:0) - Ohne Titel -");
}

TEST_F(RipTabTest, ImagesAreTakenByExtensionAndContent) {
    const QString iso = disk.write("film.iso", Mode2Image());
    addImages({iso});
    EXPECT_EQ(dialogs.takeTexts(),
              QStringList({"Hinzufügen von Images", iso + "\r\nDie Dateierweiterung ist nicht gültig."}));
    EXPECT_TRUE(images().isEmpty());
    EXPECT_FALSE(find<QPushButton>("BuRipp")->isEnabled());

    const Dialogs::FileRequest request = dialogs.lastFileRequest();
    EXPECT_EQ(request.filter, "Images (*.bin, *.nrg)|*.bin;*.nrg|Alle Dateien (*.*)|*.*");
    EXPECT_TRUE(request.multiple);

    const QString real = disk.write("Bilder/echt.BIN", Mode2Image());
    const QString anyway = disk.write("Bilder/Ja trotzdem.nrg", "kein Image");
    const QString refused = disk.write("Bilder/kein image.bin", "kein Image");
    addImages({refused, iso, anyway, real}, {"yes", "no"});

    const QString question =
        "\r\nDiese Datei scheint kein BIN- oder NRG-Image zu sein\r\nbzw. keine (S)VCD zu enthalten. "
        "Trotzdem laden?";
    EXPECT_EQ(dialogs.takeTexts(),
              QStringList({"Hinzufügen von Images", anyway + question, refused + question,
                           iso + "\r\nDie Dateierweiterung ist nicht gültig."}))
        << "several files are handled in sorted order";
    EXPECT_EQ(images(), QStringList({real, anyway}));
    EXPECT_EQ(h->settings().images, disk.file("Bilder"));
    EXPECT_EQ(dialogs.lastFileRequest().folder, disk.path()) << "the dialog starts in the last image folder";
    EXPECT_TRUE(find<QPushButton>("BuRipp")->isEnabled());
    EXPECT_TRUE(find<QPushButton>("BuImgDelAlle")->isEnabled());
}

TEST_F(RipTabTest, ImagesMoveOnlyWhenTheyAreAddedToTheSourceList) {
    const QStringList files{disk.write("a.bin", Mode2Image()), disk.write("b.bin", Mode2Image()),
                            disk.write("c.bin", Mode2Image())};
    addImages(files);
    dialogs.take();

    selectImage(1);
    EXPECT_EQ(moveButtons(), (std::array<bool, 3>{true, false, false})) << "ChRipDatei unchecked";

    click("ChRipDatei");
    selectImage(0);
    EXPECT_EQ(moveButtons(), (std::array<bool, 3>{true, false, true}));

    selectImage(1);
    click("BuImgHoch");
    EXPECT_EQ(images(), QStringList({files[1], files[0], files[2]}));
    EXPECT_EQ(find<QListWidget>("ListImages")->currentRow(), 0);
    EXPECT_EQ(moveButtons(), (std::array<bool, 3>{true, false, true}));
    click("BuImgRunter");
    click("BuImgRunter");
    EXPECT_EQ(images(), QStringList({files[0], files[2], files[1]}));
    EXPECT_EQ(moveButtons(), (std::array<bool, 3>{true, true, false}));

    click("BuImgDel");
    EXPECT_EQ(images(), QStringList({files[0], files[2]}));
    EXPECT_EQ(moveButtons(), (std::array<bool, 3>{false, false, false}));
    EXPECT_FALSE(find<QPushButton>("BuImgDelAlle")->isEnabled());
    EXPECT_TRUE(find<QPushButton>("BuRipp")->isEnabled()) << "two images are left";
    find<QPushButton>("BuImgDelAlle")->setEnabled(true);
    click("BuImgDelAlle");
    EXPECT_TRUE(images().isEmpty());
    EXPECT_FALSE(find<QPushButton>("BuImgDelAlle")->isEnabled());
    EXPECT_TRUE(find<QPushButton>("BuRipp")->isEnabled()) << "Rippen is left as it was";
}

TEST_F(RipTabTest, AFailedExtractionLeavesTheLogInSight) {
    find<QLineEdit>("EdRipDir")->setText(disk.path());
    addImages({disk.write("film.bin", Mode2Image())});
    dialogs.take();
    click("BuRipp");
    EXPECT_TRUE(find<QPlainTextEdit>("MemoLog")->toPlainText().contains("ist ein Fehler aufgetreten."));
    EXPECT_EQ(find<QTabWidget>("tav")->currentWidget(), find<QWidget>("tavTabLog"));
    EXPECT_TRUE(find<QPushButton>("BuStart")->isVisible() && !find<QPushButton>("BuRipp")->isVisible() &&
                find<QPushButton>("BuRipp")->isEnabled());
}

TEST_F(RipTabTest, AbortEndsTheHelperAndKeepsNothing) {
    const QString ready = disk.file("bereit");
    h->settings().tools[Tool::lkVCDxRip] =
        disk.executable("bin/lkVCDxRip",
                        "#!/bin/sh\n[ \"$1\" = -version ] && exit 0\nmkdir -p \"$2/mpegav\"\n"
                        "printf x > \"$2/mpegav/avseq01.mpg\"\ntouch '" +
                            ready.toUtf8() + "'\nwhile :; do sleep 0.01; done\n");
    find<QLineEdit>("EdRipDir")->setText(disk.file("Ripp"));
    QByteArray vcd = Mode2Image() + QByteArray(50000, '\0');
    vcd.replace(42400, 8, "\x06MPEGAV\x01");
    addImages({disk.write("film.bin", vcd), disk.write("zwei.bin", vcd)});
    dialogs.take();

    bool running = false;
    WhenTrue([&] { return QFileInfo::exists(ready); },
             [&] {
                 running = h->isBusy() && find<QPushButton>("BuAbbruch")->isVisible() &&
                           !find<QPushButton>("BuRipp")->isVisible() &&
                           !find<QPushButton>("BuStart")->isVisible() &&
                           !find<QPushButton>("BuOeffnen")->isEnabled() &&
                           find<QProgressBar>("GaFort")->isVisible() &&
                           find<QTabWidget>("tav")->currentWidget() == find<QWidget>("tavTabLog");
                 dialogs.answer("yes");
                 click("BuAbbruch");
             });
    click("BuRipp");

    EXPECT_TRUE(running) << "the log shows, Abort stands in for Rippen";
    EXPECT_EQ(dialogs.takeTexts(), QStringList{"Sofort abbrechen?"});
    const QString log = find<QPlainTextEdit>("MemoLog")->toPlainText();
    EXPECT_TRUE(log.contains("Abbruch:   Abbruch durch den Anwender.")) << log.toStdString();
    EXPECT_TRUE(QFile(RunLogPath(h->folders().programDir)).size() > 0) << "the log is saved";
    // Back to idle on the rip tab; no source to convert.
    EXPECT_FALSE(h->isBusy() || find<QPushButton>("BuAbbruch")->isVisible() ||
                 find<QProgressBar>("GaFort")->isVisible() || find<QPushButton>("BuStart")->isEnabled());
    EXPECT_TRUE(find<QPushButton>("BuRipp")->isVisible() && find<QPushButton>("BuRipp")->isEnabled() &&
                find<QPushButton>("BuOeffnen")->isEnabled());
    EXPECT_EQ(find<QTabWidget>("tav")->currentWidget(), find<QWidget>("tavTabRip"));
}

TEST_F(RipTabTest, RippedFileNeedsRoomInTheSourceList) {
    for (int i = 1; i <= 30; ++i)
        h->sources().append(QStringLiteral("/quellen/%1.mpg").arg(i));
    EXPECT_FALSE(find<RipTab>("tavTabRip")->AddRippedFile(disk.write("neu.mpg", "x")));
    EXPECT_EQ(dialogs.takeTexts(),
              QStringList{"Die maximale Anzahl von 30 Quelldateien wurde bereits erreicht."});
    EXPECT_EQ(h->sources().count(), 30);
}
