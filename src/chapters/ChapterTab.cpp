#include "chapters/ChapterTab.h"

#include <QFileInfo>
#include <QFrame>
#include <QScrollBar>

#include "app/Tavrolin.h"
#include "app/Ui.h"

using namespace ui;

ChapterTab::ChapterTab(THaupt& haupt) : QObject(&haupt), h(haupt) {}

void ChapterTab::build(QWidget* page) {
    // Fixed positions: the display keeps the player's 352 x 288 PAL picture.
    h.PaDisplay = Named(new QFrame(page), "PaDisplay", QStringLiteral("Videoanzeige"));
    h.PaDisplay->setGeometry(4, 4, 352, 288);
    h.PaDisplay->setAutoFillBackground(true);
    QPalette black = h.PaDisplay->palette();
    black.setColor(QPalette::Window, Qt::black);
    h.PaDisplay->setPalette(black);
    h.ScPosition = Named(new QScrollBar(Qt::Horizontal, page), "ScPosition", QStringLiteral("Videoposition"));
    h.ScPosition->setGeometry(4, 296, 352, 17);

    const int x = 362, w = 188;
    h.ListMPEG = List(page, "ListMPEG", QStringLiteral("Videodateien"));
    h.ListMPEG->setGeometry(x, 4, w, 58);
    h.BuPlay = Button(page, "BuPlay", QStringLiteral("Abspielen"));
    h.BuPlay->setGeometry(x, 66, 92, 24);
    h.BuStop = Button(page, "BuStop", QStringLiteral("Anhalten"));
    h.BuStop->setGeometry(x + 96, 66, 92, 24);
    h.EdPosition = Edit(page, "EdPosition", QStringLiteral("Position"), true);
    h.EdPosition->setGeometry(x, 94, 92, 22);
    h.EdSpieldauer = Edit(page, "EdSpieldauer", QStringLiteral("Spieldauer"), true);
    h.EdSpieldauer->setGeometry(x + 96, 94, 92, 22);

    h.ListKapitel = List(page, "ListKapitel", QStringLiteral("Kapitelmarken"));
    h.ListKapitel->setGeometry(x, 120, 96, 84);
    h.BuKAdd = Button(page, "BuKAdd", QStringLiteral("Hinzu"));
    h.BuKAdd->setGeometry(x + 100, 120, 88, 26);
    h.BuKDel = Button(page, "BuKDel", QStringLiteral("Löschen"));
    h.BuKDel->setGeometry(x + 100, 149, 88, 26);
    h.BuKDelAlle = Button(page, "BuKDelAlle", QStringLiteral("Alle Löschen"));
    h.BuKDelAlle->setGeometry(x + 100, 178, 88, 26);

    h.LaAlle1 = Label(page, "LaAlle1", QStringLiteral("Alle"));
    h.LaAlle1->setGeometry(x, 212, 64, 22);
    h.EdAlle = Edit(page, "EdAlle", QStringLiteral("Abstand in Minuten"));
    h.EdAlle->setGeometry(x + 66, 212, 40, 22);
    h.LaAlle2 = Label(page, "LaAlle2", QStringLiteral("min"));
    h.LaAlle2->setGeometry(x + 110, 212, 40, 22);
    h.BuAlle = Button(page, "BuAlle", QStringLiteral(">"));
    h.BuAlle->setGeometry(x + 156, 211, 32, 24);

    h.LaGleich = Label(page, "LaGleich", QStringLiteral("Insgesamt"));
    h.LaGleich->setGeometry(x, 240, 64, 22);
    h.EdGleich = Edit(page, "EdGleich", QStringLiteral("Anzahl der Kapitel"));
    h.EdGleich->setGeometry(x + 66, 240, 40, 22);
    h.BuGleich = Button(page, "BuGleich", QStringLiteral(">"));
    h.BuGleich->setGeometry(x + 156, 239, 32, 24);

    h.EdGeheZu = Edit(page, "EdGeheZu", QStringLiteral("Position in Sekunden"));
    h.EdGeheZu->setGeometry(x, 268, 106, 22);
    h.BuGeheZu = Button(page, "BuGeheZu", QStringLiteral("Gehe"));
    h.BuGeheZu->setGeometry(x + 110, 267, 78, 24);

    h.ScLaut = Named(new QScrollBar(Qt::Horizontal, page), "ScLaut", QStringLiteral("Lautstärke"));
    h.ScLaut->setGeometry(x, 296, w, 17);
    h.ScLaut->setMaximum(1000);
}

void ChapterTab::tavTabKAPShow() {
    h.ShowStartButton();
    h.EdSpieldauer->clear();
    h.EdPosition->clear();
    h.ListKapitel->clear();
    h.ListMPEG->clear();
    for (const QString& path : h.Sources.paths())
        h.ListMPEG->addItem(QFileInfo(path).fileName());
    h.ListMPEG->setEnabled(h.ListMPEG->count() > 0);
    for (QWidget* w : std::initializer_list<QWidget*>{h.BuAlle, h.EdAlle, h.LaAlle1, h.LaAlle2, h.BuGleich,
                                                      h.EdGleich, h.LaGleich, h.BuKAdd, h.BuPlay, h.BuStop,
                                                      h.BuGeheZu, h.EdGeheZu, h.ListKapitel})
        w->setEnabled(false);
}

void THaupt::ClosePlayer() {}
