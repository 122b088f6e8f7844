#include "gui/tabs/RipTab.h"

#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "acquisition/DiscDevice.h"
#include "acquisition/DriveList.h"
#include "acquisition/Rippen.h"
#include "acquisition/VcdImage.h"
#include "gui/window/Tavrolin.h"
#include "gui/window/Ui.h"
#include "pipeline/RunSupport.h"

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
    connect(h.SpAkt, &QToolButton::clicked, this, &RipTab::SpAktClick);
    connect(h.ListImages, &QListWidget::itemClicked, this, &RipTab::ListImagesClick);
    connect(h.BuImgAdd, &QPushButton::clicked, this, &RipTab::BuImgAddClick);
    connect(h.BuImgDel, &QPushButton::clicked, this, &RipTab::BuImgDelClick);
    connect(h.BuImgDelAlle, &QPushButton::clicked, this, &RipTab::BuImgDelAlleClick);
    connect(h.BuImgHoch, &QPushButton::clicked, this, &RipTab::BuImgHochClick);
    connect(h.BuImgRunter, &QPushButton::clicked, this, &RipTab::BuImgRunterClick);
    for (QComboBox* combo : ripCombos()) {
        connect(combo, &QComboBox::activated, this, &RipTab::RefreshRipDrives);
        combo->installEventFilter(this);
    }
}

QList<QComboBox*> RipTab::ripCombos() const {
    return {h.CoLWRipA, h.CoLWRipB, h.CoLWRipC, h.CoLWRipD, h.CoLWRipE, h.CoLWRipF};
}

bool RipTab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (!typed.isEmpty() && typed.at(0).isPrint()) return true;
    }
    return QObject::eventFilter(watched, event);
}

// Combo k (from 0) is usable when it has at least k + 1 entries; a usable one
// shows the remembered entry (-1: its own k-th, so the combos propose
// different drives).
void RipTab::enableRipCombos(const QList<int>& selection) {
    const QList<QComboBox*> combos = ripCombos();
    for (int k = 0; k < combos.size(); ++k) {
        const bool usable = combos[k]->count() >= k + 1;
        combos[k]->setEnabled(usable);
        if (usable) combos[k]->setCurrentIndex(selection.value(k, -1) >= 0 ? selection.value(k) : k);
    }
}

void RipTab::BuildDriveLists(const QString& sysClassBlock) {
    QStringList entries;
    for (const OpticalDrive& drive : ListOpticalDrives(sysClassBlock))
        entries << DriveEntry(drive);
    entries.sort();
    h.CoLW->clear();
    h.CoLW->addItems(entries);
    for (QComboBox* combo : ripCombos()) {
        combo->clear();
        combo->addItems(entries);
    }
    enableRipCombos({});
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

void RipTab::RefreshRipDrives() {
    if (!h.RaRip2->isChecked() || h.CoLWRipA->count() == 0) return;
    const QList<QComboBox*> combos = ripCombos();
    QList<int> selection;
    for (QComboBox* combo : combos)
        selection << combo->currentIndex();
    for (int i = 0; i < h.CoLWRipA->count(); ++i) {
        const QString entry = LabelledEntry(h.CoLWRipA->itemText(i));
        for (QComboBox* combo : combos)
            if (i < combo->count()) combo->setItemText(i, entry);
    }
    enableRipCombos(selection);
}

void RipTab::tavTabRipShow() {
    h.ShowRipButton();
    RefreshRipDrives();
}

void RipTab::SpAktClick() {
    RefreshRipDrives();
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
    RefreshRipDrives();
    const QList<QComboBox*> combos = ripCombos();
    for (int k = 0; k < combos.size(); ++k)
        combos[k]->setEnabled(combos[k]->count() >= k + 1);
    h.EdNameRip->setEnabled(true);
    h.BuRipp->setEnabled(true);
}

void RipTab::ListImagesClick() {
    const int k = h.ListImages->currentRow();
    if (k < 0 || h.ListImages->selectedItems().isEmpty()) return;
    h.BuImgDel->setEnabled(true);
    const int n = h.ListImages->count();
    const bool movable = h.ChRipDatei->isChecked() && n >= 2;
    h.BuImgHoch->setEnabled(movable && k > 0);
    h.BuImgRunter->setEnabled(movable && k < n - 1);
}

void RipTab::BuImgAddClick() {
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Hinzufügen von Images");
    request.filter = QStringLiteral("Images (*.bin, *.nrg)|*.bin;*.nrg|Alle Dateien (*.*)|*.*");
    request.folder = h.Pfade.Images;
    request.multiple = true;
    QStringList files = h.dialogs().openFiles(request);
    if (files.isEmpty()) return;

    h.ListImages->clearSelection();
    h.Pfade.Images = QFileInfo(files.first()).absolutePath();
    if (files.size() > 1)
        std::sort(files.begin(), files.end(),
                  [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    for (const QString& file : files) {
        const QString extension = QFileInfo(file).suffix().toLower();
        if (extension != QLatin1String("bin") && extension != QLatin1String("nrg")) {
            h.dialogs().tell(Dialogs::Kind::Information,
                             file + QStringLiteral("\r\nDie Dateierweiterung ist nicht gültig."));
            continue;
        }
        const bool take =
            IsVcdImage(file) ||
            h.dialogs().ask(Dialogs::Kind::Error,
                            file + QStringLiteral("\r\nDiese Datei scheint kein BIN- oder NRG-Image "
                                                  "zu sein\r\nbzw. keine (S)VCD zu enthalten. "
                                                  "Trotzdem laden?")) == Dialogs::Answer::Yes;
        if (take) h.ListImages->addItem(file);
    }
    if (h.ListImages->count() > 0) {
        h.BuRipp->setEnabled(true);
        h.BuImgDelAlle->setEnabled(true);
    }
}

void RipTab::BuImgDelClick() {
    const int k = h.ListImages->currentRow();
    if (k >= 0 && !h.ListImages->selectedItems().isEmpty()) delete h.ListImages->takeItem(k);
    h.ListImages->clearSelection();
    for (QPushButton* button : {h.BuImgDelAlle, h.BuImgDel, h.BuImgHoch, h.BuImgRunter})
        button->setEnabled(false);
}

void RipTab::BuImgDelAlleClick() {
    h.ListImages->clear();
    for (QPushButton* button : {h.BuImgDelAlle, h.BuImgDel, h.BuImgHoch, h.BuImgRunter})
        button->setEnabled(false);
}

void RipTab::moveImage(int step) {
    const int k = h.ListImages->currentRow();
    const int to = k + step;
    const int n = h.ListImages->count();
    if (k < 0 || h.ListImages->selectedItems().isEmpty() || to < 0 || to >= n) return;
    h.ListImages->insertItem(to, h.ListImages->takeItem(k));
    h.ListImages->setCurrentRow(to);
    h.BuImgHoch->setEnabled(to > 0);
    h.BuImgRunter->setEnabled(to < n - 1);
}

void RipTab::BuImgHochClick() {
    moveImage(-1);
}

void RipTab::BuImgRunterClick() {
    moveImage(1);
}

QStringList RipTab::images() const {
    QStringList paths;
    for (int i = 0; i < h.ListImages->count(); ++i)
        paths << h.ListImages->item(i)->text();
    return paths;
}

QStringList RipTab::selectedDiscs() const {
    QStringList entries;
    for (QComboBox* combo : {h.CoLWRipA, h.CoLWRipB, h.CoLWRipC})
        if (combo->isEnabled() && combo->currentIndex() >= 0) entries << combo->currentText();
    return entries;
}

bool RipTab::AddRippedFile(const QString& path) {
    if (h.Sources.isFull()) {
        h.dialogs().tell(
            Dialogs::Kind::Information,
            QString::asprintf("Die maximale Anzahl von %.2d Quelldateien wurde bereits erreicht.",
                              kMaxSources));
        return false;
    }
    h.ListSVCD->clearSelection();
    const bool added = h.AddSource(path);
    // M-Projekt follows Start, "Alle löschen" the list when the acquisition ends.
    if (!h.Sources.isEmpty()) h.BuStart->setEnabled(true);
    h.RefreshSourceList();
    h.TitleSetPass();
    return added;
}

// Runs the chosen driver over a snapshot of the images or drives.
bool RipTab::acquire() {
    const RipJob job{h.EdNameRip->text(), [this](const QString& path) { return AddRippedFile(path); }};
    ToolOutcome outcome = ToolOutcome::Done;
    if (h.RaRip1->isChecked())
        outcome = ExtractImages(h, images(), job);
    else if (h.RaRip2->isChecked())
        outcome = RipDiscs(h, selectedDiscs(), job);
    return outcome == ToolOutcome::Failed;
}

void RipTab::BuRippClick() {
    // The window's running state hides Start; Start keeps whether it may be pressed.
    bool startEnabled = h.BuStart->isEnabled();
    h.enterRunning();
    h.BuStart->setEnabled(startEnabled);
    h.BuRipp->setEnabled(false);
    h.progress().showGauge(0);

    const bool failed = acquire();

    h.progress().hideGauge();
    // An error stays in sight on the log tab.
    if (!failed) h.tav->setCurrentWidget(h.tavTabRip);
    SaveLogFile(h);
    h.WriteLog(lmAdd, QString());
    startEnabled = h.BuStart->isEnabled();
    h.backToIdle();
    h.BuStart->setEnabled(startEnabled);
    h.BuMProjekt->setEnabled(startEnabled);
    // On the rip tab Rippen stands in the place of Start.
    if (!failed) h.ShowRipButton();
    h.BuRipp->setEnabled(true);
}
