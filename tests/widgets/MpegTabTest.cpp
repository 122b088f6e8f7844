#include "gui/window/LibraryCaption.h"
#include "support/TestMedia.h"
#include "support/WindowFixture.h"

namespace {

class MpegTabTest : public WindowTest {
  protected:
    QStringList add(const QStringList& files) { return clickAnswering("BuAdd", {files.join('|')}); }
    // Sources held by hand, each named /quellen/<name> and marked with its name.
    void hold(const QStringList& names) {
        for (const QString& name : names)
            holdSource("/quellen/" + name, "10", name);
    }
    void select(int row) { clickRow("ListSVCD", row); }
    QStringList marks() const {
        QStringList result;
        for (int i = 1; i <= h->sources().count(); ++i)
            result << h->sources()[i].Kapitel;
        return result;
    }
    QStringList labels(std::initializer_list<const char*> names) const {
        QStringList result;
        for (const char* name : names)
            result << text(name);
        return result;
    }
    // Which of Hoch and Runter are enabled.
    std::pair<bool, bool> moves() const { return {enabled("BuHoch"), enabled("BuRunter")}; }
};

bool HasRed(QWidget* widget, const QRect& area) {
    const QImage image = widget->grab().toImage();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 180 && c.green() < 90 && c.blue() < 90) return true;
        }
    return false;
}

}  // namespace

TEST_F(MpegTabTest, StartUpShowsTheLibraryVersionAndOnlyAMissingLibraryTurnsTheCaptionRed) {
    auto* box = find<QGroupBox>("GBox1");
    EXPECT_TRUE(box->title().startsWith("MediaInfoLib - v")) << box->title().toStdString();
    EXPECT_FALSE(HasRed(box, QRect(0, 0, box->width(), 20)));
    QGroupBox other;
    other.resize(300, 100);
    (new QLabel("Tonspur 0 ██████", &other))->setGeometry(10, 50, 200, 30);
    ShowLibraryCaption(other, ProbeVersion(QString(), true));
    EXPECT_EQ(other.title(), "Keine MediaInfo.Dll gefunden.");
    EXPECT_TRUE(HasRed(&other, QRect(0, 0, 300, 25)));
    EXPECT_FALSE(HasRed(&other, QRect(10, 50, 200, 30)));
    ShowLibraryCaption(other, ProbeVersion("0.6.0", true));
    EXPECT_FALSE(HasRed(&other, QRect(0, 0, 300, 100)));
}

// Admission and analysis are the sources' tests' matter; here the window uses its own tool paths.
// Every change of the list discards a resume point (see the project tests).
TEST_F(MpegTabTest, AddsOneFileWithItsChapterFile) {
    const QString path = copy(TestMedia::Svcd(), "Prüfung mit Lücke.mpg");
    disk.write("Prüfung mit Lücke.txt", "1500\n3000\n");
    EXPECT_EQ(add({path}), QStringList{"Hinzufügen von MPEG-Dateien"});
    EXPECT_TRUE(dialogs.lastFileRequest().multiple && dialogs.lastFileRequest().showHidden);
    EXPECT_EQ(texts("ListSVCD"), QStringList{path});
    EXPECT_EQ(h->sources()[1].Kapitel, "00:01:00.000,00:02:00.000");
    expectEnabled({"BuStart", "BuMProjekt", "BuDelAlle"}, true);

    h->settings().tools[Tool::jrDMUX] = "/usr/bin/jrdmux";
    add({copy(TestMedia::SvcdMp2Ac3(), "ac3.mpg")});
    EXPECT_EQ(dialogs.lastFileRequest().folder, disk.path()) << "the dialog starts in the last folder";
    EXPECT_EQ(h->sources().count(), 2) << "AC-3 with jrDMUX";
    h->settings().svcd = disk.file("gelöscht");
    add({});
    EXPECT_EQ(dialogs.lastFileRequest().folder, programDir.path()) << "a folder that is gone";
}

TEST_F(MpegTabTest, AddsSeveralFilesInCaseInsensitiveNameOrderAndReportsRefusals) {
    const QString a = copy(TestMedia::Vcd(), "a.mpg"), b = copy(TestMedia::Svcd(), "B.mpg");
    const QString c = copy(TestMedia::TextAsMpg(), "c.mpg"), d = copy(TestMedia::Vcd(), "d.mpg");
    h->settings().tools[Tool::jrDMUX].clear();
    // The refusals' texts are the admission tests' matter.
    EXPECT_EQ(add({d, copy(TestMedia::SvcdMp2Ac3(), "e.mpg"), c, b, a}).size(), 3)
        << "the title, two refusals";
    EXPECT_EQ(texts("ListSVCD"), (QStringList{a, b, d}));
}

TEST_F(MpegTabTest, StopsAtThirtySources) {
    for (int i = 0; i < 28; ++i)
        hold({QString("quelle-%1.mpg").arg(i, 2, 10, QLatin1Char('0'))});
    QStringList files;
    for (const char* name : {"e.mpg", "C.mpg", "d.mpg", "a.mpg", "B.mpg"})
        files << copy(TestMedia::Vcd(), name);
    EXPECT_EQ(add(files), (QStringList{"Hinzufügen von MPEG-Dateien",
                                       "Es wurde die maximale Anzahl von 30 Quelldateien erreicht."}));
    EXPECT_EQ(texts("ListSVCD").mid(28), (QStringList{disk.file("a.mpg"), disk.file("B.mpg")}));
    EXPECT_EQ(clickAnswering("BuAdd", {}),
              QStringList{"Die maximale Anzahl von 30 Quelldateien wurde bereits erreicht."});
}

TEST_F(MpegTabTest, ShowsThePropertiesOfTheSelectedSource) {
    holdSource("/quellen/eins.mpg", "3725");
    holdSource("/quellen/zwei.mpg", QString());
    select(0);
    EXPECT_EQ(labels({"LaDatei", "LaVid0", "LaFormat", "LaZeit", "LaBild", "LaAR", "LaAud00", "LaFor0",
                      "LaBR0", "LaFor1", "LaBR1"}),
              (QStringList{"/quellen/eins.mpg", "Dateiname", "MPEG-PS", "01:02:05", "480x576 @ 25 fps", "4:3",
                           "Tonspur 0", "MPEG-1 Audio Layer 2", "224kb/s @ 44.1 KHz", "---", "---"}));
    EXPECT_EQ(find("LaZeit")->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(text("LaNorm"),
              "Bildgröße 480x576 ist nicht DVD-gerecht (PAL): viele, aber nicht alle Player spielen das ab.");
    EXPECT_TRUE(enabled("BuDel"));
    select(1);
    EXPECT_EQ(text("LaZeit"), "Nicht verfügbar");
    EXPECT_EQ(find("LaZeit")->palette().color(QPalette::WindowText), QColor(Qt::red));
}

TEST_F(MpegTabTest, ShowsTheAudioFilesOfAnElementaryStreamAndElidesLongPaths) {
    const QString dir = QFileInfo(TestMedia::ElementaryM1v()).absolutePath() + '/';
    copy(dir + "elem1-0.mp2", "clip.mp2");
    copy(dir + "elem1-1.mp2", "clip-1.mp2");
    add({copy(TestMedia::ElementaryM1v(), "clip.m1v")});
    select(0);
    EXPECT_EQ(labels({"LaVid0", "LaAud00", "LaAud10", "LaBR1", "LaZeit"}),
              (QStringList{"Videodatei", "Audiodatei 0", "Audiodatei 1", "192kb/s @ 44.1 KHz", "00:00:03"}));
    // Whole paths, elided in the middle where they do not fit, whole in the tooltip.
    EXPECT_EQ(find("LaAudDat1")->toolTip(), disk.file("clip-1.mp2"));
    EXPECT_TRUE(text("LaAudDat1").endsWith("clip-1.mp2"));
    const QString path = "/quellen/" + QString(200, 'x') + ".mpg";
    holdSource(path);
    select(1);
    EXPECT_EQ(find("LaDatei")->toolTip(), path);
    EXPECT_TRUE(text("LaDatei").startsWith("/quellen/") && text("LaDatei").contains(QChar(0x2026)));
}

TEST_F(MpegTabTest, MovesAndRemovesSourcesWithTheirRecords) {
    hold({"a.mpg", "b.mpg", "c.mpg"});
    select(2);
    EXPECT_EQ(moves(), std::pair(true, false));
    click("BuHoch");
    EXPECT_EQ(marks(), (QStringList{"a.mpg", "c.mpg", "b.mpg"}));
    EXPECT_EQ(texts("ListSVCD").at(1), "/quellen/c.mpg");
    EXPECT_EQ(find<QListWidget>("ListSVCD")->currentRow(), 1);
    EXPECT_EQ(moves(), std::pair(true, true));
    click("BuHoch");
    EXPECT_EQ(marks(), (QStringList{"c.mpg", "a.mpg", "b.mpg"}));
    EXPECT_EQ(moves(), std::pair(false, true));
    click("BuRunter");
    click("BuRunter");
    EXPECT_EQ(marks(), (QStringList{"a.mpg", "b.mpg", "c.mpg"}));
    EXPECT_EQ(find<QListWidget>("ListSVCD")->currentRow(), 2);
    EXPECT_EQ(moves(), std::pair(true, false));

    select(1);
    click("BuDel");
    EXPECT_EQ(marks(), (QStringList{"a.mpg", "c.mpg"}));
    EXPECT_EQ(texts("ListSVCD"), (QStringList{"/quellen/a.mpg", "/quellen/c.mpg"}));
    EXPECT_EQ(labels({"LaFormat", "LaZeit", "LaBR0"}), (QStringList{"", "", ""}));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(find("LaFormat"))->text(QAccessible::Name), "Format");
    EXPECT_EQ(moves(), std::pair(false, false));
    EXPECT_FALSE(enabled("BuDel"));
    EXPECT_TRUE(enabled("BuStart") && enabled("BuDelAlle"));
    // After a removal nothing is selected; clicking a source shows it again.
    select(0);
    click("BuDel");
    EXPECT_TRUE(find<QListWidget>("ListSVCD")->selectedItems().isEmpty());
    select(0);
    EXPECT_EQ(text("LaDatei"), "/quellen/c.mpg");
    EXPECT_EQ(moves(), std::pair(false, false)) << "a single source does not move";
    click("BuDel");  // the last one: the buttons as after BuDelAlle below
    hold({"d.mpg", "e.mpg"});
    select(1);
    click("BuDelAlle");
    EXPECT_TRUE(h->sources().isEmpty() && find<QListWidget>("ListSVCD")->count() == 0 &&
                text("LaZeit").isEmpty());
    expectEnabled({"BuHoch", "BuRunter", "BuDel", "BuDelAlle", "BuStart", "BuMProjekt"}, false);
}
