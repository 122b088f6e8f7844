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
#include "base/Dialogs.h"
#include "gui/tabs/TabHost.h"
#include "gui/window/Ui.h"
#include "persistence/ProgramSettings.h"
#include "sources/SourceTable.h"

using namespace ui;

RipTab::RipTab(TabHost& tabHost) : host(tabHost) {
    build();
}

void RipTab::build() {
    QWidget* page = this;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 6, 8, 6);

    auto* choice = new QHBoxLayout;
    RaRip1 = Radio(page, "RaRip1", QStringLiteral("Von Image extrahieren"));
    RaRip2 = Radio(page, "RaRip2", QStringLiteral("Von CD rippen"));
    RaRip2->setChecked(true);
    choice->addWidget(RaRip1);
    choice->addWidget(RaRip2);
    choice->addStretch();
    layout->addLayout(choice);

    // Image list
    PaImage = Named(new QFrame(page), "PaImage");
    PaImage->setFrameShape(QFrame::StyledPanel);
    auto* images = new QHBoxLayout(PaImage);
    ListImages = List(PaImage, "ListImages", QStringLiteral("Imagedateien"));
    images->addWidget(ListImages, 1);
    auto* imageButtons = new QVBoxLayout;
    BuImgAdd = Button(PaImage, "BuImgAdd", QStringLiteral("Hinzufügen"));
    BuImgDelAlle = Button(PaImage, "BuImgDelAlle", QStringLiteral("Alle löschen"));
    BuImgDel = Button(PaImage, "BuImgDel", QStringLiteral("Löschen"));
    BuImgHoch = Button(PaImage, "BuImgHoch", QStringLiteral("Nach oben"));
    BuImgRunter = Button(PaImage, "BuImgRunter", QStringLiteral("Nach unten"));
    for (QPushButton* button : {BuImgAdd, BuImgDelAlle, BuImgDel, BuImgHoch, BuImgRunter}) {
        button->setMinimumWidth(100);
        imageButtons->addWidget(button);
    }
    imageButtons->addStretch();
    images->addLayout(imageButtons);
    BuImgDel->setEnabled(false);
    BuImgDelAlle->setEnabled(false);
    BuImgHoch->setEnabled(false);
    BuImgRunter->setEnabled(false);
    layout->addWidget(PaImage, 1);

    // Drives
    PaRipp = Named(new QFrame(page), "PaRipp");
    PaRipp->setFrameShape(QFrame::StyledPanel);
    auto* drives = new QGridLayout(PaRipp);
    LaLWRip = Label(PaRipp, "LaLWRip", QStringLiteral("Leselaufwerke:"));
    drives->addWidget(LaLWRip, 0, 0, 1, 2);
    QComboBox** combos[] = {&CoLWRipA, &CoLWRipB, &CoLWRipC, &CoLWRipD, &CoLWRipE, &CoLWRipF};
    const char* names[] = {"CoLWRipA", "CoLWRipB", "CoLWRipC", "CoLWRipD", "CoLWRipE", "CoLWRipF"};
    for (int k = 0; k < 6; ++k) {
        *combos[k] = Combo(PaRipp, names[k], QStringLiteral("Leselaufwerk %1").arg(k + 1));
        drives->addWidget(*combos[k], 1 + k % 3, k / 3);
    }
    SpAkt = Named(new QToolButton(PaRipp), "SpAkt", QStringLiteral("Aktualisieren"));
    SpAkt->setText(QStringLiteral("Aktualisieren"));
    drives->addWidget(SpAkt, 0, 1, Qt::AlignRight);
    LaNameRip = Label(PaRipp, "LaNameRip",
                      QStringLiteral("Rippname, wenn nicht das CD-Label als Name verwendet werden soll."));
    drives->addWidget(LaNameRip, 4, 0, 1, 2);
    EdNameRip = Edit(PaRipp, "EdNameRip", QStringLiteral("Rippname"));
    drives->addWidget(EdNameRip, 5, 0, 1, 2);
    drives->setRowStretch(6, 1);
    layout->addWidget(PaRipp, 1);
    PaImage->hide();

    ChRipDatei =
        Check(page, "ChRipDatei", QStringLiteral("Dateien nach Rippen/Extrahieren in Liste einfügen"));
    layout->addWidget(ChRipDatei);

    connect(RaRip1, &QRadioButton::clicked, this, &RipTab::RaRip1Click);
    connect(RaRip2, &QRadioButton::clicked, this, &RipTab::RaRip2Click);
    connect(SpAkt, &QToolButton::clicked, this, &RipTab::SpAktClick);
    connect(ListImages, &QListWidget::itemClicked, this, &RipTab::ListImagesClick);
    connect(BuImgAdd, &QPushButton::clicked, this, &RipTab::BuImgAddClick);
    connect(BuImgDel, &QPushButton::clicked, this, &RipTab::BuImgDelClick);
    connect(BuImgDelAlle, &QPushButton::clicked, this, &RipTab::BuImgDelAlleClick);
    connect(BuImgHoch, &QPushButton::clicked, this, &RipTab::BuImgHochClick);
    connect(BuImgRunter, &QPushButton::clicked, this, &RipTab::BuImgRunterClick);
    for (QComboBox* combo : ripCombos()) {
        connect(combo, &QComboBox::activated, this, &RipTab::RefreshRipDrives);
        combo->installEventFilter(this);
    }
}

QList<QComboBox*> RipTab::ripCombos() const {
    return {CoLWRipA, CoLWRipB, CoLWRipC, CoLWRipD, CoLWRipE, CoLWRipF};
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

void RipTab::setDrives(const QStringList& entries) {
    for (QComboBox* combo : ripCombos()) {
        combo->clear();
        combo->addItems(entries);
    }
    enableRipCombos({});
}

bool RipTab::hasDrives() const {
    return CoLWRipA->count() > 0;
}

void RipTab::DisableDriveRip() {
    RaRip1->setChecked(true);
    RaRip1Click();
    RaRip2->setEnabled(false);
    LaLWRip->setEnabled(false);
    SpAkt->setEnabled(false);
    for (QComboBox* combo : ripCombos())
        combo->setEnabled(false);
    EdNameRip->setReadOnly(true);
}

void RipTab::RefreshRipDrives() {
    if (!RaRip2->isChecked() || CoLWRipA->count() == 0) return;
    const QList<QComboBox*> combos = ripCombos();
    QList<int> selection;
    for (QComboBox* combo : combos)
        selection << combo->currentIndex();
    for (int i = 0; i < CoLWRipA->count(); ++i) {
        const QString entry = LabelledEntry(CoLWRipA->itemText(i));
        for (QComboBox* combo : combos)
            if (i < combo->count()) combo->setItemText(i, entry);
    }
    enableRipCombos(selection);
}

void RipTab::tavTabRipShow() {
    RefreshRipDrives();
}

void RipTab::disableRipping() {
    for (QWidget* w : std::initializer_list<QWidget*>{RaRip1, RaRip2, PaImage, PaRipp})
        w->setEnabled(false);
}

void RipTab::enableRipping() {
    RaRip1->setEnabled(true);
    // Ripping from a disc stays impossible without a drive.
    RaRip2->setEnabled(hasDrives());
    PaImage->setEnabled(true);
    PaRipp->setEnabled(true);
}

void RipTab::SpAktClick() {
    RefreshRipDrives();
}

void RipTab::RaRip1Click() {
    RaRip1->setChecked(true);
    RaRip2->setChecked(false);
    PaImage->show();
    PaRipp->hide();
    BuImgAdd->setEnabled(true);
    BuImgDel->setEnabled(false);
    BuImgHoch->setEnabled(false);
    BuImgRunter->setEnabled(false);
    const bool images = ListImages->count() > 0;
    emit ripPossible(images);
    BuImgDelAlle->setEnabled(images);
}

void RipTab::RaRip2Click() {
    RaRip1->setChecked(false);
    RaRip2->setChecked(true);
    PaImage->hide();
    PaRipp->show();
    LaLWRip->setEnabled(true);
    SpAkt->setEnabled(true);
    RefreshRipDrives();
    const QList<QComboBox*> combos = ripCombos();
    for (int k = 0; k < combos.size(); ++k)
        combos[k]->setEnabled(combos[k]->count() >= k + 1);
    EdNameRip->setEnabled(true);
    emit ripPossible(true);
}

void RipTab::ListImagesClick() {
    const int k = ListImages->currentRow();
    if (k < 0 || ListImages->selectedItems().isEmpty()) return;
    BuImgDel->setEnabled(true);
    const int n = ListImages->count();
    const bool movable = ChRipDatei->isChecked() && n >= 2;
    BuImgHoch->setEnabled(movable && k > 0);
    BuImgRunter->setEnabled(movable && k < n - 1);
}

void RipTab::BuImgAddClick() {
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Hinzufügen von Images");
    request.filter = QStringLiteral("Images (*.bin, *.nrg)|*.bin;*.nrg|Alle Dateien (*.*)|*.*");
    request.folder = host.settings().images;
    request.multiple = true;
    QStringList files = host.dialogs().openFiles(request);
    if (files.isEmpty()) return;

    ListImages->clearSelection();
    host.settings().images = QFileInfo(files.first()).absolutePath();
    if (files.size() > 1)
        std::sort(files.begin(), files.end(),
                  [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    for (const QString& file : files) {
        const QString extension = QFileInfo(file).suffix().toLower();
        if (extension != QLatin1String("bin") && extension != QLatin1String("nrg")) {
            host.dialogs().tell(Dialogs::Kind::Information,
                                file + QStringLiteral("\r\nDie Dateierweiterung ist nicht gültig."));
            continue;
        }
        const bool take =
            IsVcdImage(file) ||
            host.dialogs().ask(Dialogs::Kind::Error,
                               file + QStringLiteral("\r\nDiese Datei scheint kein BIN- oder NRG-Image "
                                                     "zu sein\r\nbzw. keine (S)VCD zu enthalten. "
                                                     "Trotzdem laden?")) == Dialogs::Answer::Yes;
        if (take) ListImages->addItem(file);
    }
    if (ListImages->count() > 0) {
        emit ripPossible(true);
        BuImgDelAlle->setEnabled(true);
    }
}

void RipTab::BuImgDelClick() {
    const int k = ListImages->currentRow();
    if (k >= 0 && !ListImages->selectedItems().isEmpty()) delete ListImages->takeItem(k);
    ListImages->clearSelection();
    for (QPushButton* button : {BuImgDelAlle, BuImgDel, BuImgHoch, BuImgRunter})
        button->setEnabled(false);
}

void RipTab::BuImgDelAlleClick() {
    ListImages->clear();
    for (QPushButton* button : {BuImgDelAlle, BuImgDel, BuImgHoch, BuImgRunter})
        button->setEnabled(false);
}

void RipTab::moveImage(int step) {
    const int k = ListImages->currentRow();
    const int to = k + step;
    const int n = ListImages->count();
    if (k < 0 || ListImages->selectedItems().isEmpty() || to < 0 || to >= n) return;
    ListImages->insertItem(to, ListImages->takeItem(k));
    ListImages->setCurrentRow(to);
    BuImgHoch->setEnabled(to > 0);
    BuImgRunter->setEnabled(to < n - 1);
}

void RipTab::BuImgHochClick() {
    moveImage(-1);
}

void RipTab::BuImgRunterClick() {
    moveImage(1);
}

QStringList RipTab::images() const {
    QStringList paths;
    for (int i = 0; i < ListImages->count(); ++i)
        paths << ListImages->item(i)->text();
    return paths;
}

QStringList RipTab::selectedDiscs() const {
    QStringList entries;
    for (QComboBox* combo : {CoLWRipA, CoLWRipB, CoLWRipC})
        if (combo->isEnabled() && combo->currentIndex() >= 0) entries << combo->currentText();
    return entries;
}

bool RipTab::AddRippedFile(const QString& path) {
    if (host.sources().isFull()) {
        host.dialogs().tell(
            Dialogs::Kind::Information,
            QString::asprintf("Die maximale Anzahl von %.2d Quelldateien wurde bereits erreicht.",
                              kMaxSources));
        return false;
    }
    return host.addSource(path);
}

bool RipTab::acquire(RunContext& ctx) {
    const RipJob job{EdNameRip->text(), [this](const QString& path) { return AddRippedFile(path); }};
    Outcome outcome = Outcome::Done;
    if (RaRip1->isChecked())
        outcome = ExtractImages(ctx, images(), job);
    else if (RaRip2->isChecked())
        outcome = RipDiscs(ctx, selectedDiscs(), job);
    return outcome == Outcome::Failed;
}
