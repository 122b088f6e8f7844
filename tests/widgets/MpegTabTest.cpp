#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "sources/LibraryCaption.h"
#include "support/TestMedia.h"
#include "support/WindowFixture.h"

namespace {

const QString kLimitReached = QStringLiteral("Es wurde die maximale Anzahl von 30 Quelldateien erreicht.");

class MpegTab : public WindowTest {
  protected:
    // A copy of a test medium in the test's own folder (chapter files may lie beside it).
    QString copy(const QString& source, const QString& name) {
        const QString target = media.file(name);
        EXPECT_TRUE(QFile::copy(source, target)) << name.toStdString();
        return target;
    }
    void add(const QStringList& files) {
        dialogs.answer(files.join(QLatin1Char('|')));
        click("BuAdd");
    }
    // A source record made by hand, as a loaded project would hold it.
    void hold(const QString& name, const QString& seconds = QStringLiteral("10")) {
        const int i = h->Sources.append(QStringLiteral("/quellen/") + name);
        MPEGInfo& r = h->Sources[i];
        r.Format = QStringLiteral("MPEG2");
        r.FormatStr = QStringLiteral("MPEG-PS");
        r.Spieldauer = seconds;
        r.Bildgroesse = QStringLiteral("480x576");
        r.Bildwiederholrate = QStringLiteral("25");
        r.AspectRatio = QStringLiteral("4:3");
        r.Tonspuren = QStringLiteral("1");
        r.TonFormat = {0, kNone};
        r.TonFormatStr = {QStringLiteral("MPEG-1 Audio Layer 2"), QStringLiteral(" ")};
        r.TonBitrate = {7, kNone};
        r.TonAbtastrate = {QStringLiteral("44.1 KHz"), QStringLiteral("---")};
        r.Kapitel = name;
        h->RefreshSourceList();
        h->TitleSetPass();
    }
    void select(int row) {
        QListWidgetItem* item = h->ListSVCD->item(row);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(h->ListSVCD->viewport(), Qt::LeftButton, {},
                          h->ListSVCD->visualItemRect(item).center());
        pump();
        ASSERT_EQ(h->ListSVCD->currentRow(), row);
    }
    QStringList listed() const {
        QStringList items;
        for (int i = 0; i < h->ListSVCD->count(); ++i)
            items << h->ListSVCD->item(i)->text();
        return items;
    }
    QStringList marks() const {
        QStringList result;
        for (int i = 1; i <= h->Sources.count(); ++i)
            result << h->Sources[i].Kapitel;
        return result;
    }
    void expectButtons(bool up, bool down) {
        EXPECT_EQ(h->BuHoch->isEnabled(), up);
        EXPECT_EQ(h->BuRunter->isEnabled(), down);
    }

    TempFolder media;
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

TEST_F(MpegTab, StartUpShowsTheLibraryVersion) {
    EXPECT_EQ(h->MediaInfoApi, 5);
    EXPECT_TRUE(h->GBox1->title().startsWith(QLatin1String("MediaInfoLib - v")))
        << h->GBox1->title().toStdString();
    EXPECT_FALSE(HasRed(h->GBox1->grab().toImage(), QRect(0, 0, h->GBox1->width(), 20)));
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
    EXPECT_EQ(box.title(), QStringLiteral("0.6.0"));
    EXPECT_FALSE(HasRed(box.grab().toImage(), QRect(0, 0, 300, 100)));
}

TEST_F(MpegTab, AddsOneFileWithItsChapterFile) {
    const QString path = copy(TestMedia::Svcd(), QStringLiteral("Prüfung mit Lücke.mpg"));
    QFile::copy(path, media.file(QStringLiteral("andere.mpg")));
    media.write(QStringLiteral("Prüfung mit Lücke.txt"), "1500\n3000\n");
    h->Run.resumePoint = 500;
    add({path});
    EXPECT_EQ(dialogs.lastFileRequest().title, QStringLiteral("Hinzufügen von MPEG-Dateien"));
    EXPECT_TRUE(dialogs.lastFileRequest().multiple);
    EXPECT_EQ(listed(), QStringList{path});
    const MPEGInfo& r = h->Sources[1];
    EXPECT_EQ(r.Format, QStringLiteral("MPEG2"));
    EXPECT_EQ(r.Kapitel, QStringLiteral("00:01:00.000,00:02:00.000"));
    EXPECT_EQ(r.DVDSprache[0], 21);
    EXPECT_EQ(r.VTS, 1);
    EXPECT_EQ(h->Pfade.SVCD, media.path());
    EXPECT_EQ(h->Run.resumePoint, 0);
    for (QPushButton* b : {h->BuStart, h->BuMProjekt, h->BuDelAlle})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();

    add({media.file(QStringLiteral("andere.mpg"))});
    EXPECT_EQ(dialogs.lastFileRequest().folder, media.path()) << "the dialog starts in the last folder";
    EXPECT_EQ(h->Sources.count(), 2);
    EXPECT_EQ(h->Sources[2].VTS, 1) << "alike sources share a title set";
}

TEST_F(MpegTab, AddsSeveralFilesInCaseInsensitiveNameOrderAndReportsRefusals) {
    const QString a = copy(TestMedia::Vcd(), QStringLiteral("a.mpg"));
    const QString b = copy(TestMedia::Svcd(), QStringLiteral("B.mpg"));
    const QString c = copy(TestMedia::TextAsMpg(), QStringLiteral("c.mpg"));
    const QString d = copy(TestMedia::Vcd(), QStringLiteral("d.mpg"));
    add({d, c, b, a});
    EXPECT_EQ(dialogs.takeTexts(), (QStringList{QStringLiteral("Hinzufügen von MPEG-Dateien"),
                                                QStringLiteral("Die Datei ") + c +
                                                    QStringLiteral(" hat das Format\r\n\r\n\r\n\r\n"
                                                                   "Die Datei wird nicht geladen.")}));
    EXPECT_EQ(listed(), (QStringList{a, b, d}));
    EXPECT_EQ(h->Sources[1].Format, QStringLiteral("MPEG1"));
    EXPECT_EQ(h->Sources[2].Format, QStringLiteral("MPEG2"));
    EXPECT_EQ((QList<int>{h->Sources[1].VTS, h->Sources[2].VTS, h->Sources[3].VTS}), (QList<int>{1, 2, 3}));
}

TEST_F(MpegTab, Ac3SourcesNeedJrDmux) {
    const QString path = copy(TestMedia::SvcdMp2Ac3(), QStringLiteral("ac3.mpg"));
    h->Tools[Tool::jrDMUX].clear();
    add({path});
    EXPECT_EQ(dialogs.takeTexts().last(),
              QStringLiteral("Die Tonspur(en) der Datei ") + path +
                  QStringLiteral(
                      " sind vom Format\r\n\r\nMPA1/2 AC3\r\n\r\n"
                      "Die dafür benötigte jrDMUX.exe wurde nicht gefunden. Die Datei wird nicht geladen."));
    EXPECT_TRUE(h->Sources.isEmpty());
    h->Tools[Tool::jrDMUX] = QStringLiteral("/usr/bin/jrdmux");
    add({path});
    EXPECT_EQ(h->Sources.count(), 1);
    EXPECT_EQ(h->Sources[1].TonFormat[1], 1);
}

TEST_F(MpegTab, StopsAtThirtySources) {
    for (int i = 0; i < 28; ++i)
        hold(QStringLiteral("quelle-%1.mpg").arg(i, 2, 10, QLatin1Char('0')));
    QStringList files;
    for (const char* name : {"e.mpg", "C.mpg", "d.mpg", "a.mpg", "B.mpg"})
        files << copy(TestMedia::Vcd(), QString::fromLatin1(name));
    add(files);
    EXPECT_EQ(dialogs.takeTexts(),
              (QStringList{QStringLiteral("Hinzufügen von MPEG-Dateien"), kLimitReached}));
    EXPECT_EQ(h->Sources.count(), 30);
    EXPECT_EQ(listed().mid(28), (QStringList{media.file("a.mpg"), media.file("B.mpg")}));

    click("BuAdd");
    EXPECT_EQ(dialogs.takeTexts(),
              QStringList{QStringLiteral("Die maximale Anzahl von 30 Quelldateien wurde bereits erreicht.")});
}

TEST_F(MpegTab, ShowsThePropertiesOfTheSelectedSource) {
    hold(QStringLiteral("eins.mpg"), QStringLiteral("3725"));
    hold(QStringLiteral("zwei.mpg"), QString());
    select(0);
    EXPECT_EQ(h->LaDatei->text(), QStringLiteral("/quellen/eins.mpg"));
    EXPECT_EQ(h->LaVid0->text(), QStringLiteral("Dateiname"));
    EXPECT_EQ(h->LaFormat->text(), QStringLiteral("MPEG-PS"));
    EXPECT_EQ(h->LaZeit->text(), QStringLiteral("01:02:05"));
    EXPECT_EQ(h->LaZeit->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(h->LaBild->text(), QStringLiteral("480x576 @ 25 fps"));
    EXPECT_EQ(h->LaAR->text(), QStringLiteral("4:3"));
    EXPECT_EQ(h->LaAud00->text(), QStringLiteral("Tonspur 0"));
    EXPECT_EQ(h->LaFor0->text(), QStringLiteral("MPEG-1 Audio Layer 2"));
    EXPECT_EQ(h->LaBR0->text(), QStringLiteral("224kb/s @ 44.1 KHz"));
    EXPECT_EQ(h->LaFor1->text(), QStringLiteral("---"));
    EXPECT_EQ(h->LaBR1->text(), QStringLiteral("---"));
    EXPECT_TRUE(h->BuDel->isEnabled());

    select(1);
    EXPECT_EQ(h->LaZeit->text(), QStringLiteral("Nicht verfügbar"));
    EXPECT_EQ(h->LaZeit->palette().color(QPalette::WindowText), QColor(Qt::red));
}

TEST_F(MpegTab, ShowsTheAudioFilesOfAnElementaryStream) {
    const QString video = copy(TestMedia::ElementaryM1v(), QStringLiteral("clip.m1v"));
    const QString dir = QFileInfo(TestMedia::ElementaryM1v()).absolutePath() + QLatin1Char('/');
    copy(dir + QStringLiteral("elem1-0.mp2"), QStringLiteral("clip.mp2"));
    copy(dir + QStringLiteral("elem1-1.mp2"), QStringLiteral("clip-1.mp2"));
    add({video});
    select(0);
    EXPECT_EQ(h->LaVid0->text(), QStringLiteral("Videodatei"));
    EXPECT_EQ(h->LaAud00->text(), QStringLiteral("Audiodatei 0"));
    EXPECT_EQ(h->LaAud10->text(), QStringLiteral("Audiodatei 1"));
    EXPECT_EQ(h->LaAudDat0->text(), QStringLiteral("clip.mp2"));
    EXPECT_EQ(h->LaAudDat1->text(), QStringLiteral("clip-1.mp2"));
    EXPECT_EQ(h->LaBR1->text(), QStringLiteral("192kb/s @ 44.1 KHz"));
    EXPECT_EQ(h->LaZeit->text(), QStringLiteral("00:00:03"));
}

TEST_F(MpegTab, MovesSourcesWithTheirRecordsAndFollowsWithTheButtons) {
    for (const char* name : {"a.mpg", "b.mpg", "c.mpg"})
        hold(QString::fromLatin1(name));
    select(2);
    expectButtons(true, false);
    h->Run.resumePoint = 500;
    click("BuHoch");
    EXPECT_EQ(h->Run.resumePoint, 0);
    EXPECT_EQ(marks(), (QStringList{"a.mpg", "c.mpg", "b.mpg"}));
    EXPECT_EQ(listed().at(1), QStringLiteral("/quellen/c.mpg"));
    EXPECT_EQ(h->ListSVCD->currentRow(), 1);
    expectButtons(true, true);
    click("BuHoch");
    EXPECT_EQ(marks(), (QStringList{"c.mpg", "a.mpg", "b.mpg"}));
    EXPECT_EQ(h->ListSVCD->currentRow(), 0);
    expectButtons(false, true);
    click("BuRunter");
    click("BuRunter");
    EXPECT_EQ(marks(), (QStringList{"a.mpg", "b.mpg", "c.mpg"}));
    EXPECT_EQ(h->ListSVCD->currentRow(), 2);
    expectButtons(true, false);
    select(1);
    expectButtons(true, true);
}

TEST_F(MpegTab, ASingleSourceLeavesTheMoveButtonsAlone) {
    hold(QStringLiteral("a.mpg"));
    select(0);
    expectButtons(false, false);
}

TEST_F(MpegTab, RemovesTheSelectedSource) {
    for (const char* name : {"a.mpg", "b.mpg", "c.mpg"})
        hold(QString::fromLatin1(name));
    h->BuStart->setEnabled(true);
    h->BuDelAlle->setEnabled(true);
    select(1);
    h->Run.resumePoint = 500;
    click("BuDel");
    EXPECT_EQ(h->Run.resumePoint, 0);
    EXPECT_EQ(marks(), (QStringList{"a.mpg", "c.mpg"}));
    EXPECT_EQ(listed(), (QStringList{"/quellen/a.mpg", "/quellen/c.mpg"}));
    EXPECT_EQ(h->Sources[3], MPEGInfo()) << "the freed record is empty";
    for (QLabel* label :
         {h->LaFormat, h->LaZeit, h->LaBild, h->LaAR, h->LaFor0, h->LaBR0, h->LaFor1, h->LaBR1})
        EXPECT_TRUE(label->text().isEmpty()) << label->objectName().toStdString();
    expectButtons(false, false);
    EXPECT_FALSE(h->BuDel->isEnabled());
    EXPECT_TRUE(h->BuStart->isEnabled());
    EXPECT_TRUE(h->BuDelAlle->isEnabled());

    // After a removal nothing is selected; clicking a source shows it again.
    select(0);
    click("BuDel");
    EXPECT_TRUE(h->ListSVCD->selectedItems().isEmpty());
    select(0);
    EXPECT_EQ(h->LaDatei->text(), QStringLiteral("/quellen/c.mpg"));
    click("BuDel");
    EXPECT_TRUE(h->Sources.isEmpty());
    for (QPushButton* b : {h->BuDel, h->BuDelAlle, h->BuStart, h->BuMProjekt})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
}

TEST_F(MpegTab, RemovesAllSources) {
    for (const char* name : {"a.mpg", "b.mpg"})
        hold(QString::fromLatin1(name));
    h->BuDelAlle->setEnabled(true);
    select(1);
    h->Run.resumePoint = 500;
    click("BuDelAlle");
    EXPECT_EQ(h->Run.resumePoint, 0);
    EXPECT_TRUE(h->Sources.isEmpty());
    EXPECT_TRUE(h->Sources[1].Datei.isEmpty());
    EXPECT_TRUE(h->Sources[2].Kapitel.isEmpty());
    EXPECT_EQ(h->ListSVCD->count(), 0);
    EXPECT_TRUE(h->LaZeit->text().isEmpty());
    for (QPushButton* b : {h->BuHoch, h->BuRunter, h->BuDel, h->BuDelAlle, h->BuStart, h->BuMProjekt})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
}
