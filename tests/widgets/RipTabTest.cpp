// The rip tab: drive lists and disc labels, the image list, and the window
// around an acquisition.

#include "pipeline/RunLogFile.h"
#include "support/WindowFixture.h"

namespace {

// The first sector of a raw mode-2 disc image.
QByteArray Mode2Image() {
    return QByteArray::fromHex("00ffffffffffffffffffff00000200020000080000000800") + QByteArray(1000, '\0');
}

const char* const kRipCombos[] = {"CoLWRipA", "CoLWRipB", "CoLWRipC", "CoLWRipD", "CoLWRipE", "CoLWRipF"};

class RipTabTest : public WindowTest {
  protected:
    // The tool search finds a rip helper (a stand-in that fails), so the tab is usable.
    void SetUp() override {
        programDir.executable("bin/lkVCDxRip", "#!/bin/sh\nexit 1\n");
        WindowTest::SetUp();
        showTab("tavTabRip");
    }
    QStringList images() const { return texts("ListImages"); }
    // Adds images through the dialog; questions are answered from answers.
    QStringList addImages(const QStringList& files, const QStringList& answers = {}) {
        return clickAnswering("BuImgAdd", QStringList{files.join('|')} + answers);
    }
    // Selects an image row (-1: none) and tells which of Del, Hoch, Runter are enabled.
    QString moveButtons(int row = -1) {
        if (row >= 0) clickRow("ListImages", row);
        QString flags;
        for (const char* name : {"BuImgDel", "BuImgHoch", "BuImgRunter"})
            flags += enabled(name) ? '1' : '0';
        return flags;
    }
};

}  // namespace

TEST_F(RipTabTest, DriveListsFollowTheOpticalDrivesInSysfs) {
    for (const auto& [name, address, model] :
         {std::tuple{"sr1", "2:0:1:0", "BW-16D1HT"}, std::tuple{"sr0", "1:0:0:0", "DVDRAM GH24NS"}}) {
        sysfs.write(QString("devices/%1/vendor").arg(address), "HL-DT-ST \n");
        sysfs.write(QString("devices/%1/model").arg(address), model);
        QDir().mkpath(sysfs.file(QString("class/block/") + name));
        QFile::link(sysfs.file(QString("devices/") + address),
                    sysfs.file(QString("class/block/%1/device").arg(name)));
    }
    QDir().mkpath(sysfs.file("class/block/vda"));
    sysClassBlock = sysfs.file("class/block");
    open();
    EXPECT_EQ(texts("CoLW"), QStringList({"/dev/sr0: (1:0:0) HL-DT-ST DVDRAM GH24NS",
                                          "/dev/sr1: (2:0:1) HL-DT-ST BW-16D1HT"}));
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(find<QComboBox>(kRipCombos[k])->count(), 2)
            << "the same drives, shown with their discs' labels";
        EXPECT_EQ(enabled(kRipCombos[k]), k < 2) << k;
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
    for (const char* name : kRipCombos) {
        find<QComboBox>(name)->clear();
        find<QComboBox>(name)->addItems(
            {iso + ": (1:0:0) LW A", unlabelled + ": (1:0:1) LW B", missing + ": (2:0:0) LW C"});
    }
    find<QComboBox>("CoLWRipB")->setCurrentIndex(2);
    find("RaRip2")->setEnabled(true);
    click("RaRip2");
    const QStringList labelled{iso + ": (1:0:0) URLAUB_2004", unlabelled + ": (1:0:1) - Ohne Titel -",
                               missing + ": (2:0:0) - Leer -"};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(texts(kRipCombos[k]), labelled) << k;
        EXPECT_EQ(enabled(kRipCombos[k]), k < 3) << k;
    }
    EXPECT_EQ(find<QComboBox>("CoLWRipB")->currentIndex(), 2) << "the selection stays";
    EXPECT_TRUE(enabled("BuRipp") && visible("PaRipp") && !visible("PaImage"));

    // The refresh button and showing the tab read the drives again.
    QFile::remove(iso);
    click("SpAkt");
    EXPECT_EQ(find<QComboBox>("CoLWRipA")->itemText(0), iso + ": (1:0:0) - Leer -");
    QFile::copy(unlabelled, iso);
    showTab("tavTabMPEG");
    showTab("tavTabRip");
    EXPECT_EQ(find<QComboBox>("CoLWRipF")->itemText(0), iso + ": (1:0:0) - Ohne Titel -");
    click("RaRip1");
    EXPECT_TRUE(visible("PaImage") && !visible("PaRipp") && !enabled("BuRipp")) << "no image to extract";
}

// The content check is the acquisition tests' matter.
TEST_F(RipTabTest, ImagesAreTakenByExtensionAndContentAndAFailedExtractionLeavesTheLogInSight) {
    const QString iso = disk.write("film.iso", Mode2Image());
    const QString real = disk.write("Bilder/echt.BIN", Mode2Image());
    const QString anyway = disk.write("Bilder/Ja trotzdem.nrg", "kein Image");
    const QString refused = disk.write("Bilder/kein image.bin", "kein Image");
    const QString question =
        "\r\nDiese Datei scheint kein BIN- oder NRG-Image zu sein\r\nbzw. keine (S)VCD zu "
        "enthalten. Trotzdem laden?";
    EXPECT_EQ(addImages({refused, iso, anyway, real}, {"yes", "no"}),
              QStringList({"Hinzufügen von Images", anyway + question, refused + question,
                           iso + "\r\nDie Dateierweiterung ist nicht gültig."}))
        << "several files are handled in sorted order";
    EXPECT_TRUE(dialogs.lastFileRequest().multiple);
    EXPECT_EQ(images(), QStringList({real, anyway}));
    addImages({});
    EXPECT_EQ(dialogs.lastFileRequest().folder, disk.file("Bilder"))
        << "the dialog starts in the last image folder";
    EXPECT_TRUE(enabled("BuRipp") && enabled("BuImgDelAlle"));

    // A failed extraction leaves the log in sight.
    find<QLineEdit>("EdRipDir")->setText(disk.path());
    click("BuRipp");
    EXPECT_TRUE(text("MemoLog").contains("ist ein Fehler aufgetreten."));
    EXPECT_TRUE(showing("tavTabLog") && visible("BuStart") && !visible("BuRipp") && enabled("BuRipp"));
}

TEST_F(RipTabTest, ImagesMoveOnlyWhenTheyAreAddedToTheSourceList) {
    const QStringList files{disk.write("a.bin", Mode2Image()), disk.write("b.bin", Mode2Image()),
                            disk.write("c.bin", Mode2Image())};
    addImages(files);
    EXPECT_EQ(moveButtons(1), "100") << "ChRipDatei unchecked";
    click("ChRipDatei");
    EXPECT_EQ(moveButtons(0), "101");
    moveButtons(1);
    click("BuImgHoch");
    EXPECT_EQ(images(), QStringList({files[1], files[0], files[2]}));
    EXPECT_EQ(find<QListWidget>("ListImages")->currentRow(), 0);
    EXPECT_EQ(moveButtons(), "101");
    click("BuImgRunter");
    click("BuImgRunter");
    EXPECT_EQ(images(), QStringList({files[0], files[2], files[1]}));
    EXPECT_EQ(moveButtons(), "110");
    click("BuImgDel");
    EXPECT_EQ(images(), QStringList({files[0], files[2]}));
    EXPECT_EQ(moveButtons(), "000");
    EXPECT_FALSE(enabled("BuImgDelAlle"));
    EXPECT_TRUE(enabled("BuRipp")) << "two images are left";
    find("BuImgDelAlle")->setEnabled(true);
    click("BuImgDelAlle");
    EXPECT_TRUE(images().isEmpty() && !enabled("BuImgDelAlle"));
    EXPECT_TRUE(enabled("BuRipp")) << "Rippen is left as it was";
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
    bool running = false;
    WhenTrue([&] { return QFileInfo::exists(ready); },
             [&] {
                 running = h->isBusy() && visible("BuAbbruch") && !visible("BuRipp") && !visible("BuStart") &&
                           !enabled("BuOeffnen") && visible("GaFort") && showing("tavTabLog");
                 dialogs.answer("yes");
                 click("BuAbbruch");
             });
    click("BuRipp");
    EXPECT_TRUE(running) << "the log shows, Abort stands in for Rippen";
    EXPECT_TRUE(text("MemoLog").contains("Abbruch:   Abbruch durch den Anwender."));
    EXPECT_TRUE(QFile(RunLogPath(h->folders().programDir)).size() > 0) << "the log is saved";
    // Back to idle on the rip tab; no source to convert.
    EXPECT_FALSE(h->isBusy() || visible("BuAbbruch") || visible("GaFort") || enabled("BuStart"));
    EXPECT_TRUE(visible("BuRipp") && enabled("BuRipp") && enabled("BuOeffnen") && showing("tavTabRip"));
}

TEST_F(RipTabTest, RippedFileNeedsRoomInTheSourceList) {
    for (int i = 1; i <= 30; ++i)
        h->sources().append(QString("/quellen/%1.mpg").arg(i));
    EXPECT_FALSE(find<RipTab>("tavTabRip")->AddRippedFile(disk.write("neu.mpg", "x")));
    EXPECT_EQ(dialogs.takeTexts(),
              QStringList{"Die maximale Anzahl von 30 Quelldateien wurde bereits erreicht."});
    EXPECT_EQ(h->sources().count(), 30);
}
