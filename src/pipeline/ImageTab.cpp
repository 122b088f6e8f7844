#include "pipeline/ImageTab.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "app/Tavrolin.h"
#include "app/Ui.h"

using namespace ui;

ImageTab::ImageTab(THaupt& haupt) : QObject(&haupt), h(haupt) {}

void ImageTab::build(QWidget* page) {
    auto* layout = new QGridLayout(page);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setHorizontalSpacing(16);

    // Left: image
    auto* image = new QVBoxLayout;
    h.ChImage = Check(page, "ChImage", QStringLiteral("Image erstellen"));
    h.ChSplit = Check(page, "ChSplit", QStringLiteral("Split 1GB"));
    h.LaImgLabel = Label(page, "LaImgLabel", QStringLiteral("DVD Label"));
    h.EdDVDLabel = Edit(page, "EdDVDLabel", QStringLiteral("DVD Label"));
    h.EdDVDLabel->setMaxLength(32);
    image->addWidget(h.ChImage);
    image->addWidget(h.ChSplit);
    image->addSpacing(8);
    image->addWidget(h.LaImgLabel);
    image->addWidget(h.EdDVDLabel);
    image->addStretch();
    layout->addLayout(image, 0, 0);

    // Right: burning
    auto* burn = new QGridLayout;
    burn->setVerticalSpacing(3);
    h.ChBrennen = Check(page, "ChBrennen", QStringLiteral("Image/DVD brennen"));
    burn->addWidget(h.ChBrennen, 0, 0, 1, 2);
    h.LaImgBrenn = Label(page, "LaImgBrenn", QStringLiteral("Brennprogr."));
    h.RaDec = Radio(page, "RaDec", QStringLiteral("DVD Decrypter"));
    h.RaImg = Radio(page, "RaImg", QStringLiteral("ImgTool Burn"));
    burn->addWidget(h.LaImgBrenn, 1, 0);
    burn->addWidget(h.RaDec, 1, 1);
    burn->addWidget(h.RaImg, 2, 1);
    h.LaImgBrenner = Label(page, "LaImgBrenner", QStringLiteral("Brenner"));
    h.CoLW = Combo(page, "CoLW", QStringLiteral("Brenner"));
    burn->addWidget(h.LaImgBrenner, 3, 0);
    burn->addWidget(h.CoLW, 3, 1);
    h.LaImgSpeed = Label(page, "LaImgSpeed", QStringLiteral("Speed"));
    h.CoSpeed = Combo(page, "CoSpeed", QStringLiteral("Speed"));
    h.CoSpeed->setMaxVisibleItems(3);
    burn->addWidget(h.LaImgSpeed, 4, 0);
    burn->addWidget(h.CoSpeed, 4, 1);
    h.LaImgOptions = Label(page, "LaImgOptions", QStringLiteral("Optionen"));
    burn->addWidget(h.LaImgOptions, 5, 0, Qt::AlignTop);
    h.ChErase = Check(page, "ChErase", QStringLiteral("RWs ohne Nachfrage löschen"));
    h.ChShutdown = Check(page, "ChShutdown", QStringLiteral("Nach dem Brennen herunterfahren"));
    h.ChEject = Check(page, "ChEject", QStringLiteral("DVD nach dem Brennen nicht auswerfen"));
    h.ChLog = Check(page, "ChLog", QStringLiteral("Logdatei speichern"));
    int row = 5;
    for (QCheckBox* box : {h.ChErase, h.ChShutdown, h.ChEject, h.ChLog})
        burn->addWidget(box, row++, 1);
    burn->setColumnStretch(1, 1);
    layout->addLayout(burn, 0, 1);

    h.LaISODatei =
        Label(page, "LaISODatei", QStringLiteral("Pfad und Dateiname der zu speichernden Imagedatei."));
    h.EdISODatei = Edit(page, "EdISODatei", QStringLiteral("Imagedatei"));
    layout->addWidget(h.LaISODatei, 1, 0, 1, 2);
    layout->addWidget(h.EdISODatei, 2, 0, 1, 2);
    layout->setRowStretch(0, 1);
    layout->setColumnStretch(1, 1);
}

void ImageTab::tavTabImageShow() {
    h.ShowStartButton();
}

void ImageTab::SettingsLoaded() {}
