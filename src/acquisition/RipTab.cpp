#include "acquisition/RipTab.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include "acquisition/DriveList.h"
#include "app/Tavrolin.h"
#include "app/Ui.h"

using namespace ui;

RipTab::RipTab(THaupt& haupt) : QObject(&haupt), h(haupt) {}

void RipTab::build(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 6, 8, 6);

    auto* choice = new QHBoxLayout;
    h.RaRip1 = Radio(page, "RaRip1", QStringLiteral("Von Image extrahieren"));
    h.RaRip2 = Radio(page, "RaRip2", QStringLiteral("Von CD rippen"));
    h.RaRip2->setChecked(true);
    choice->addWidget(h.RaRip1);
    choice->addWidget(h.RaRip2);
    choice->addStretch();
    layout->addLayout(choice);

    // Image list
    h.PaImage = Named(new QFrame(page), "PaImage");
    h.PaImage->setFrameShape(QFrame::StyledPanel);
    auto* images = new QHBoxLayout(h.PaImage);
    h.ListImages = List(h.PaImage, "ListImages", QStringLiteral("Imagedateien"));
    images->addWidget(h.ListImages, 1);
    auto* imageButtons = new QVBoxLayout;
    h.BuImgAdd = Button(h.PaImage, "BuImgAdd", QStringLiteral("Hinzufügen"));
    h.BuImgDelAlle = Button(h.PaImage, "BuImgDelAlle", QStringLiteral("Alle löschen"));
    h.BuImgDel = Button(h.PaImage, "BuImgDel", QStringLiteral("Löschen"));
    h.BuImgHoch = Button(h.PaImage, "BuImgHoch", QStringLiteral("Nach oben"));
    h.BuImgRunter = Button(h.PaImage, "BuImgRunter", QStringLiteral("Nach unten"));
    for (QPushButton* button : {h.BuImgAdd, h.BuImgDelAlle, h.BuImgDel, h.BuImgHoch, h.BuImgRunter}) {
        button->setMinimumWidth(100);
        imageButtons->addWidget(button);
    }
    imageButtons->addStretch();
    images->addLayout(imageButtons);
    h.BuImgDel->setEnabled(false);
    h.BuImgDelAlle->setEnabled(false);
    h.BuImgHoch->setEnabled(false);
    h.BuImgRunter->setEnabled(false);
    layout->addWidget(h.PaImage, 1);

    // Drives
    h.PaRipp = Named(new QFrame(page), "PaRipp");
    h.PaRipp->setFrameShape(QFrame::StyledPanel);
    auto* drives = new QGridLayout(h.PaRipp);
    h.LaLWRip = Label(h.PaRipp, "LaLWRip", QStringLiteral("Leselaufwerke:"));
    drives->addWidget(h.LaLWRip, 0, 0, 1, 2);
    QComboBox** combos[] = {&h.CoLWRipA, &h.CoLWRipB, &h.CoLWRipC, &h.CoLWRipD, &h.CoLWRipE, &h.CoLWRipF};
    const char* names[] = {"CoLWRipA", "CoLWRipB", "CoLWRipC", "CoLWRipD", "CoLWRipE", "CoLWRipF"};
    for (int k = 0; k < 6; ++k) {
        *combos[k] = Combo(h.PaRipp, names[k], QStringLiteral("Leselaufwerk %1").arg(k + 1));
        drives->addWidget(*combos[k], 1 + k % 3, k / 3);
    }
    h.SpAkt = Named(new QToolButton(h.PaRipp), "SpAkt", QStringLiteral("Aktualisieren"));
    h.SpAkt->setText(QStringLiteral("Aktualisieren"));
    drives->addWidget(h.SpAkt, 0, 1, Qt::AlignRight);
    h.LaNameRip = Label(h.PaRipp, "LaNameRip",
                        QStringLiteral("Rippname, wenn nicht das CD-Label als Name verwendet werden soll."));
    drives->addWidget(h.LaNameRip, 4, 0, 1, 2);
    h.EdNameRip = Edit(h.PaRipp, "EdNameRip", QStringLiteral("Rippname"));
    drives->addWidget(h.EdNameRip, 5, 0, 1, 2);
    drives->setRowStretch(6, 1);
    layout->addWidget(h.PaRipp, 1);
    h.PaImage->hide();

    h.ChRipDatei =
        Check(page, "ChRipDatei", QStringLiteral("Dateien nach Rippen/Extrahieren in Liste einfügen"));
    layout->addWidget(h.ChRipDatei);

    connect(h.RaRip1, &QRadioButton::clicked, this, &RipTab::RaRip1Click);
    connect(h.RaRip2, &QRadioButton::clicked, this, &RipTab::RaRip2Click);
    connect(h.ListImages, &QListWidget::itemClicked, this, &RipTab::ListImagesClick);
}

QList<QComboBox*> RipTab::ripCombos() const {
    return {h.CoLWRipA, h.CoLWRipB, h.CoLWRipC, h.CoLWRipD, h.CoLWRipE, h.CoLWRipF};
}

void RipTab::BuildDriveLists() {
    QStringList entries;
    for (const OpticalDrive& drive : ListOpticalDrives())
        entries << DriveEntry(drive);
    h.CoLW->addItems(entries);
    const QList<QComboBox*> combos = ripCombos();
    for (int k = 0; k < combos.size(); ++k) {
        combos[k]->addItems(entries);
        const bool usable = entries.size() >= k + 1;
        combos[k]->setEnabled(usable);
        if (usable) combos[k]->setCurrentIndex(k);
    }
}

void RipTab::DisableDriveRip() {
    h.RaRip1->setChecked(true);
    RaRip1Click();
    h.RaRip2->setEnabled(false);
    h.LaLWRip->setEnabled(false);
    h.SpAkt->setEnabled(false);
    for (QComboBox* combo : ripCombos())
        combo->setEnabled(false);
    h.EdNameRip->setReadOnly(true);
}

void RipTab::tavTabRipShow() {
    h.ShowRipButton();
}

void RipTab::RaRip1Click() {
    h.RaRip1->setChecked(true);
    h.RaRip2->setChecked(false);
    h.PaImage->show();
    h.PaRipp->hide();
    h.BuImgAdd->setEnabled(true);
    h.BuImgDel->setEnabled(false);
    h.BuImgHoch->setEnabled(false);
    h.BuImgRunter->setEnabled(false);
    const bool images = h.ListImages->count() > 0;
    h.BuRipp->setEnabled(images);
    h.BuImgDelAlle->setEnabled(images);
}

void RipTab::RaRip2Click() {
    h.RaRip1->setChecked(false);
    h.RaRip2->setChecked(true);
    h.PaImage->hide();
    h.PaRipp->show();
    h.LaLWRip->setEnabled(true);
    h.SpAkt->setEnabled(true);
    const QList<QComboBox*> combos = ripCombos();
    for (int k = 0; k < combos.size(); ++k)
        combos[k]->setEnabled(combos[k]->count() >= k + 1);
    h.EdNameRip->setEnabled(true);
    h.BuRipp->setEnabled(true);
}

void RipTab::ListImagesClick() {
    const int k = h.ListImages->currentRow();
    if (k < 0) return;
    h.BuImgDel->setEnabled(true);
    const int n = h.ListImages->count();
    if (h.ChRipDatei->isChecked() && n >= 2) {
        h.BuImgHoch->setEnabled(k > 0);
        h.BuImgRunter->setEnabled(k < n - 1);
    } else {
        h.BuImgHoch->setEnabled(false);
        h.BuImgRunter->setEnabled(false);
    }
}
