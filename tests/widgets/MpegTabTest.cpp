#include <QAccessible>
#include <QGroupBox>

#include "gui/window/LibraryCaption.h"
#include "support/TestMedia.h"
#include "support/WindowFixture.h"

namespace {

class MpegTabTest : public WindowTest {
  protected:
    void add(const QStringList& files) {
        dialogs.answer(files.join(QLatin1Char('|')));
        click("BuAdd");
    }
    // Sources held by hand, each named /quellen/<name> and marked with its name.
    void hold(const QStringList& names) {
        for (const QString& name : names)
            holdSource(QStringLiteral("/quellen/") + name, QStringLiteral("10"), name);
    }
    void select(int row) {
        clickRow(find<QListWidget>("ListSVCD"), row);
        ASSERT_EQ(find<QListWidget>("ListSVCD")->currentRow(), row);
    }
    QStringList marks() const {
        QStringList result;
        for (int i = 1; i <= h->sources().count(); ++i)
            result << h->sources()[i].Kapitel;
        return result;
    }
    void expectButtons(bool up, bool down) {
        EXPECT_EQ(find<QPushButton>("BuHoch")->isEnabled(), up);
        EXPECT_EQ(find<QPushButton>("BuRunter")->isEnabled(), down);
    }
    static QStringList labels(std::initializer_list<const QLabel*> shown) {
        QStringList result;
        for (const QLabel* label : shown)
            result << label->text();
        return result;
    }
};

bool HasRed(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 180 && c.green() < 90 && c.blue() < 90) return true;
        }
    return false;
}

}  // namespace

TEST_F(MpegTabTest, StartUpShowsTheLibraryVersion) {
    EXPECT_TRUE(find<QGroupBox>("GBox1")->title().startsWith(QLatin1String("MediaInfoLib - v")))
        << find<QGroupBox>("GBox1")->title().toStdString();
    EXPECT_FALSE(HasRed(find<QGroupBox>("GBox1")->grab().toImage(),
                        QRect(0, 0, find<QGroupBox>("GBox1")->width(), 20)));
}

TEST(LibraryCaption, OnlyTheCaptionTurnsRed) {
    QGroupBox box;
    box.resize(300, 100);
    auto* label = new QLabel(QStringLiteral("Tonspur 0 ██████"), &box);
    label->setGeometry(10, 50, 200, 30);
    ShowLibraryCaption(box, ProbeVersion(QString(), true));
    EXPECT_EQ(box.title(), QStringLiteral("Keine MediaInfo.Dll gefunden."));
    QImage image = box.grab().toImage();
    EXPECT_TRUE(HasRed(image, QRect(0, 0, 300, 25)));
    EXPECT_FALSE(HasRed(image, QRect(10, 50, 200, 30)));

    ShowLibraryCaption(box, ProbeVersion(QStringLiteral("0.6.0"), true));
    EXPECT_FALSE(HasRed(box.grab().toImage(), QRect(0, 0, 300, 100)));
}

TEST_F(MpegTabTest, AddsOneFileWithItsChapterFile) {
    const QString path = copy(TestMedia::Svcd(), QStringLiteral("Prüfung mit Lücke.mpg"));
    QFile::copy(path, disk.file(QStringLiteral("andere.mpg")));
    disk.write(QStringLiteral("Prüfung mit Lücke.txt"), "1500\n3000\n");
    h->runState().resumePoint = 500;
    add({path});
    EXPECT_EQ(dialogs.lastFileRequest().title, QStringLiteral("Hinzufügen von MPEG-Dateien"));
    EXPECT_TRUE(dialogs.lastFileRequest().multiple);
    EXPECT_EQ(texts(find<QListWidget>("ListSVCD")), QStringList{path});
    EXPECT_EQ(h->sources()[1].Kapitel, QStringLiteral("00:01:00.000,00:02:00.000"));
    EXPECT_EQ(h->settings().svcd, disk.path());
    EXPECT_EQ(h->runState().resumePoint, 0);
    for (QPushButton* b :
         {find<QPushButton>("BuStart"), find<QPushButton>("BuMProjekt"), find<QPushButton>("BuDelAlle")})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();

    add({disk.file(QStringLiteral("andere.mpg"))});
    EXPECT_EQ(dialogs.lastFileRequest().folder, disk.path()) << "the dialog starts in the last folder";
    EXPECT_TRUE(dialogs.lastFileRequest().showHidden);
    EXPECT_EQ(h->sources()[2].VTS, 1) << "alike sources share a title set";
    h->settings().svcd = disk.file(QStringLiteral("gelöscht"));
    add({});
    EXPECT_EQ(dialogs.lastFileRequest().folder, programDir.path()) << "a folder that is gone";
}

TEST_F(MpegTabTest, AddsSeveralFilesInCaseInsensitiveNameOrderAndReportsRefusals) {
    const QString a = copy(TestMedia::Vcd(), QStringLiteral("a.mpg"));
    const QString b = copy(TestMedia::Svcd(), QStringLiteral("B.mpg"));
    const QString c = copy(TestMedia::TextAsMpg(), QStringLiteral("c.mpg"));
    const QString d = copy(TestMedia::Vcd(), QStringLiteral("d.mpg"));
    add({d, c, b, a});
    EXPECT_EQ(dialogs.takeTexts(), (QStringList{QStringLiteral("Hinzufügen von MPEG-Dateien"),
                                                QStringLiteral("Die Datei ") + c +
                                                    QStringLiteral(" hat das Format\r\n\r\n\r\n\r\n"
                                                                   "Die Datei wird nicht geladen.")}));
    EXPECT_EQ(texts(find<QListWidget>("ListSVCD")), (QStringList{a, b, d}));
}

TEST_F(MpegTabTest, Ac3SourcesNeedJrDmux) {
    const QString path = copy(TestMedia::SvcdMp2Ac3(), QStringLiteral("ac3.mpg"));
    h->settings().tools[Tool::jrDMUX].clear();
    add({path});
    EXPECT_TRUE(dialogs.takeTexts().last().contains(QStringLiteral("jrDMUX.exe wurde nicht gefunden")));
    EXPECT_TRUE(h->sources().isEmpty());
    h->settings().tools[Tool::jrDMUX] = QStringLiteral("/usr/bin/jrdmux");
    add({path});
    dialogs.take();
    EXPECT_EQ(h->sources().count(), 1);
}

TEST_F(MpegTabTest, StopsAtThirtySources) {
    for (int i = 0; i < 28; ++i)
        hold({QStringLiteral("quelle-%1.mpg").arg(i, 2, 10, QLatin1Char('0'))});
    QStringList files;
    for (const char* name : {"e.mpg", "C.mpg", "d.mpg", "a.mpg", "B.mpg"})
        files << copy(TestMedia::Vcd(), QString::fromLatin1(name));
    add(files);
    EXPECT_EQ(dialogs.takeTexts(),
              (QStringList{QStringLiteral("Hinzufügen von MPEG-Dateien"),
                           QStringLiteral("Es wurde die maximale Anzahl von 30 Quelldateien erreicht.")}));
    EXPECT_EQ(h->sources().count(), 30);
    EXPECT_EQ(texts(find<QListWidget>("ListSVCD")).mid(28),
              (QStringList{disk.file("a.mpg"), disk.file("B.mpg")}));

    click("BuAdd");
    EXPECT_EQ(dialogs.takeTexts(),
              QStringList{QStringLiteral("Die maximale Anzahl von 30 Quelldateien wurde bereits erreicht.")});
}

TEST_F(MpegTabTest, ShowsThePropertiesOfTheSelectedSource) {
    holdSource(QStringLiteral("/quellen/eins.mpg"), QStringLiteral("3725"));
    holdSource(QStringLiteral("/quellen/zwei.mpg"), QString());
    select(0);
    EXPECT_EQ(labels({find<QLabel>("LaDatei"), find<QLabel>("LaVid0"), find<QLabel>("LaFormat"),
                      find<QLabel>("LaZeit"), find<QLabel>("LaBild"), find<QLabel>("LaAR"),
                      find<QLabel>("LaAud00"), find<QLabel>("LaFor0"), find<QLabel>("LaBR0"),
                      find<QLabel>("LaFor1"), find<QLabel>("LaBR1")}),
              (QStringList{"/quellen/eins.mpg", "Dateiname", "MPEG-PS", "01:02:05", "480x576 @ 25 fps", "4:3",
                           "Tonspur 0", "MPEG-1 Audio Layer 2", "224kb/s @ 44.1 KHz", "---", "---"}));
    EXPECT_EQ(find<QLabel>("LaZeit")->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(find<QLabel>("LaNorm")->text(),
              QStringLiteral("Bildgröße 480x576 ist nicht DVD-gerecht (PAL): viele, aber nicht "
                             "alle Player spielen das ab."));
    EXPECT_TRUE(find<QPushButton>("BuDel")->isEnabled());

    select(1);
    EXPECT_EQ(find<QLabel>("LaZeit")->text(), QStringLiteral("Nicht verfügbar"));
    EXPECT_EQ(find<QLabel>("LaZeit")->palette().color(QPalette::WindowText), QColor(Qt::red));
}

TEST_F(MpegTabTest, ShowsTheAudioFilesOfAnElementaryStream) {
    const QString video = copy(TestMedia::ElementaryM1v(), QStringLiteral("clip.m1v"));
    const QString dir = QFileInfo(TestMedia::ElementaryM1v()).absolutePath() + QLatin1Char('/');
    copy(dir + QStringLiteral("elem1-0.mp2"), QStringLiteral("clip.mp2"));
    copy(dir + QStringLiteral("elem1-1.mp2"), QStringLiteral("clip-1.mp2"));
    add({video});
    select(0);
    EXPECT_EQ(labels({find<QLabel>("LaVid0"), find<QLabel>("LaAud00"), find<QLabel>("LaAud10"),
                      find<QLabel>("LaBR1"), find<QLabel>("LaZeit")}),
              (QStringList{"Videodatei", "Audiodatei 0", "Audiodatei 1", "192kb/s @ 44.1 KHz", "00:00:03"}));
    // Whole paths, elided in the middle where they do not fit, whole in the tooltip.
    EXPECT_EQ(find<QLabel>("LaAudDat1")->toolTip(), disk.file(QStringLiteral("clip-1.mp2")));
    EXPECT_TRUE(find<QLabel>("LaAudDat1")->text().endsWith(QStringLiteral("clip-1.mp2")));
    const QString path =
        QStringLiteral("/quellen/") + QString(200, QLatin1Char('x')) + QStringLiteral(".mpg");
    holdSource(path);
    select(1);
    EXPECT_EQ(find<QLabel>("LaDatei")->toolTip(), path);
    EXPECT_TRUE(find<QLabel>("LaDatei")->text().startsWith(QStringLiteral("/quellen/")) &&
                find<QLabel>("LaDatei")->text().contains(QChar(0x2026)))
        << find<QLabel>("LaDatei")->text().toStdString();
}

TEST_F(MpegTabTest, MovesSourcesWithTheirRecordsAndFollowsWithTheButtons) {
    hold({"a.mpg", "b.mpg", "c.mpg"});
    select(2);
    expectButtons(true, false);
    h->runState().resumePoint = 500;
    click("BuHoch");
    EXPECT_EQ(h->runState().resumePoint, 0);
    EXPECT_EQ(marks(), (QStringList{"a.mpg", "c.mpg", "b.mpg"}));
    EXPECT_EQ(texts(find<QListWidget>("ListSVCD")).at(1), QStringLiteral("/quellen/c.mpg"));
    EXPECT_EQ(find<QListWidget>("ListSVCD")->currentRow(), 1);
    expectButtons(true, true);
    click("BuHoch");
    EXPECT_EQ(marks(), (QStringList{"c.mpg", "a.mpg", "b.mpg"}));
    expectButtons(false, true);
    click("BuRunter");
    click("BuRunter");
    EXPECT_EQ(marks(), (QStringList{"a.mpg", "b.mpg", "c.mpg"}));
    EXPECT_EQ(find<QListWidget>("ListSVCD")->currentRow(), 2);
    expectButtons(true, false);
}

TEST_F(MpegTabTest, RemovesTheSelectedSource) {
    hold({"a.mpg", "b.mpg", "c.mpg"});
    find<QPushButton>("BuStart")->setEnabled(true);
    find<QPushButton>("BuDelAlle")->setEnabled(true);
    select(1);
    h->runState().resumePoint = 500;
    click("BuDel");
    EXPECT_EQ(h->runState().resumePoint, 0);
    EXPECT_EQ(marks(), (QStringList{"a.mpg", "c.mpg"}));
    EXPECT_EQ(texts(find<QListWidget>("ListSVCD")), (QStringList{"/quellen/a.mpg", "/quellen/c.mpg"}));
    EXPECT_EQ(labels({find<QLabel>("LaFormat"), find<QLabel>("LaZeit"), find<QLabel>("LaBR0")}),
              (QStringList{"", "", ""}));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(find<QLabel>("LaFormat"))->text(QAccessible::Name),
              "Format");
    expectButtons(false, false);
    EXPECT_FALSE(find<QPushButton>("BuDel")->isEnabled());
    EXPECT_TRUE(find<QPushButton>("BuStart")->isEnabled() && find<QPushButton>("BuDelAlle")->isEnabled());

    // After a removal nothing is selected; clicking a source shows it again.
    select(0);
    click("BuDel");
    EXPECT_TRUE(find<QListWidget>("ListSVCD")->selectedItems().isEmpty());
    select(0);
    EXPECT_EQ(find<QLabel>("LaDatei")->text(), QStringLiteral("/quellen/c.mpg"));
    expectButtons(false, false);  // a single source does not move
    click("BuDel");
    EXPECT_TRUE(h->sources().isEmpty());
    for (QPushButton* b : {find<QPushButton>("BuDel"), find<QPushButton>("BuDelAlle"),
                           find<QPushButton>("BuStart"), find<QPushButton>("BuMProjekt")})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
}

TEST_F(MpegTabTest, RemovesAllSources) {
    hold({"a.mpg", "b.mpg"});
    find<QPushButton>("BuDelAlle")->setEnabled(true);
    select(1);
    h->runState().resumePoint = 500;
    click("BuDelAlle");
    EXPECT_EQ(h->runState().resumePoint, 0);
    EXPECT_TRUE(h->sources().isEmpty());
    EXPECT_EQ(find<QListWidget>("ListSVCD")->count(), 0);
    EXPECT_TRUE(find<QLabel>("LaZeit")->text().isEmpty());
    for (QPushButton* b :
         {find<QPushButton>("BuHoch"), find<QPushButton>("BuRunter"), find<QPushButton>("BuDel"),
          find<QPushButton>("BuDelAlle"), find<QPushButton>("BuStart"), find<QPushButton>("BuMProjekt")})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
}
