#include "gui/tabs/MpegTab.h"

#include <QCollator>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "base/Dialogs.h"
#include "base/Format.h"
#include "gui/tabs/TabHost.h"
#include "gui/window/Ui.h"
#include "persistence/ProgramSettings.h"
#include "platform/ProgramFolders.h"
#include "sources/Compliance.h"
#include "sources/SourceTable.h"
#include "sources/Tables.h"

using namespace ui;

namespace {

void SetColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

QString MaxMessage(const char* pattern) {
    return QString::asprintf(pattern, kMaxSources);
}

}  // namespace

MpegTab::MpegTab(TabHost& tabHost) : host(tabHost) {
    build();
}

void MpegTab::build() {
    QWidget* page = this;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);

    auto* top = new QHBoxLayout;
    ListSVCD = List(page, "ListSVCD", QStringLiteral("Quelldateien"));
    top->addWidget(ListSVCD, 1);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    BuAdd = Button(page, "BuAdd", QStringLiteral("Hinzufügen"));
    BuDelAlle = Button(page, "BuDelAlle", QStringLiteral("Alle löschen"));
    BuDel = Button(page, "BuDel", QStringLiteral("Löschen"));
    BuHoch = Button(page, "BuHoch", QStringLiteral("Nach oben"));
    BuRunter = Button(page, "BuRunter", QStringLiteral("Nach unten"));
    for (QPushButton* button : {BuAdd, BuDelAlle, BuDel, BuHoch, BuRunter}) {
        button->setFixedWidth(96);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    top->addLayout(buttons);
    layout->addLayout(top, 1);

    GBox1 = Named(new QGroupBox(QStringLiteral("Eigenschaften"), page), "GBox1");
    auto* grid = new QGridLayout(GBox1);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(1);
    auto pair = [&](QLabel*& caption, const char* captionName, const QString& text, QLabel*& value,
                    const char* valueName, int row, int column, int span = 1) {
        caption = Label(GBox1, captionName, text);
        value = Label(GBox1, valueName, QString());
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        caption->setBuddy(value);  // an empty value reads as its caption, not as the box's title
        grid->addWidget(caption, row, column);
        grid->addWidget(value, row, column + 1, 1, span);
    };
    pair(LaVid0, "LaVid0", QStringLiteral("Dateiname"), LaDatei, "LaDatei", 0, 0, 3);
    LaDatei->setMinimumWidth(10);
    LaDatei->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    pair(LaVid1, "LaVid1", QStringLiteral("Format"), LaFormat, "LaFormat", 1, 0);
    pair(LaVid2, "LaVid2", QStringLiteral("Spielzeit"), LaZeit, "LaZeit", 2, 0);
    pair(LaVid3, "LaVid3", QStringLiteral("Bildgröße"), LaBild, "LaBild", 3, 0);
    pair(LaGAR, "LaGAR", QStringLiteral("AspectRatio"), LaAR, "LaAR", 4, 0);
    pair(LaAud00, "LaAud00", QStringLiteral("Tonspur 0"), LaAudDat0, "LaAudDat0", 1, 2);
    pair(LaAud01, "LaAud01", QStringLiteral("Format"), LaFor0, "LaFor0", 2, 2);
    pair(LaAud02, "LaAud02", QStringLiteral("Bitrate"), LaBR0, "LaBR0", 3, 2);
    pair(LaAud10, "LaAud10", QStringLiteral("Tonspur 1"), LaAudDat1, "LaAudDat1", 4, 2);
    pair(LaAud11, "LaAud11", QStringLiteral("Format"), LaFor1, "LaFor1", 5, 2);
    pair(LaAud12, "LaAud12", QStringLiteral("Bitrate"), LaBR1, "LaBR1", 6, 2);
    for (QLabel* value : {LaAudDat0, LaAudDat1, LaFormat, LaFor0, LaFor1})
        value->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    LaNorm = Label(GBox1, "LaNorm", QString());
    LaNorm->setWordWrap(true);
    grid->addWidget(LaNorm, 7, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    layout->addWidget(GBox1);

    connect(ListSVCD, &QListWidget::itemSelectionChanged, this, &MpegTab::ListSVCDClick);
    // A click on the item that is already selected (as after a removal) shows it too.
    connect(ListSVCD, &QListWidget::itemClicked, this, &MpegTab::ListSVCDClick);
    connect(BuAdd, &QPushButton::clicked, this, &MpegTab::BuAddClick);
    connect(BuDel, &QPushButton::clicked, this, &MpegTab::BuDelClick);
    connect(BuDelAlle, &QPushButton::clicked, this, &MpegTab::BuDelAlleClick);
    connect(BuHoch, &QPushButton::clicked, this, &MpegTab::BuHochClick);
    connect(BuRunter, &QPushButton::clicked, this, &MpegTab::BuRunterClick);
    for (QPushButton* button : {BuHoch, BuRunter, BuDel, BuDelAlle})
        button->setEnabled(false);
}

void MpegTab::follow() {
    const int current = ListSVCD->selectedItems().isEmpty() ? -1 : ListSVCD->currentRow();
    {
        const QSignalBlocker blocker(ListSVCD);
        ListSVCD->clear();
        ListSVCD->addItems(host.sources().paths());
        if (current >= 0 && current < ListSVCD->count()) ListSVCD->setCurrentRow(current);
    }
    if (!host.isBusy()) BuDelAlle->setEnabled(!host.sources().isEmpty());
}

void MpegTab::clearSelection() {
    ListSVCD->clearSelection();
}

void MpegTab::setLocked(bool locked) {
    BuAdd->setEnabled(!locked);
    if (locked) {
        for (QPushButton* button : {BuDel, BuDelAlle, BuHoch, BuRunter})
            button->setEnabled(false);
        return;
    }
    BuDelAlle->setEnabled(!host.sources().isEmpty());
    ListSVCDClick();  // "Löschen", "Nach oben", "Nach unten" by the selection
}

void MpegTab::ListSVCDClick() {
    const int k = ListSVCD->currentRow();
    if (k < 0 || k >= host.sources().count() || ListSVCD->selectedItems().isEmpty()) return;
    const MPEGInfo& r = host.sources()[k + 1];
    SetElidedText(LaDatei, r.Datei);
    QLabel* companion[] = {LaAudDat0, LaAudDat1};
    if (r.Elementar) {
        LaVid0->setText(QStringLiteral("Videodatei"));
        LaAud00->setText(QStringLiteral("Audiodatei 0"));
        LaAud10->setText(QStringLiteral("Audiodatei 1"));
        for (int j = 0; j < 2; ++j)
            SetElidedText(companion[j], r.TonFormat[j] < kNone ? r.TonDatei[j] : QString());
    } else {
        LaVid0->setText(QStringLiteral("Dateiname"));
        LaAud00->setText(QStringLiteral("Tonspur 0"));
        LaAud10->setText(QStringLiteral("Tonspur 1"));
        for (QLabel* label : companion)
            SetElidedText(label, QString());
    }
    LaFormat->setText(r.FormatStr);
    if (!r.Spieldauer.isEmpty()) {
        LaZeit->setText(SecondsToClock(r.Spieldauer.toLongLong()));
        SetColour(LaZeit, Qt::black);
    } else {
        LaZeit->setText(QStringLiteral("Nicht verfügbar"));
        SetColour(LaZeit, Qt::red);
    }
    LaBild->setText(r.Bildgroesse + QStringLiteral(" @ ") + r.Bildwiederholrate + QStringLiteral(" fps"));
    LaAR->setText(r.AspectRatio);
    LaNorm->setText(PlayerNote(r));
    QLabel* format[] = {LaFor0, LaFor1};
    QLabel* bitrate[] = {LaBR0, LaBR1};
    for (int j = 0; j < 2; ++j) {
        if (r.TonFormat[j] < kNone) {
            format[j]->setText(r.TonFormatStr[j]);
            bitrate[j]->setText(TableText(BitrateTable(), r.TonBitrate[j]) + QStringLiteral("kb/s @ ") +
                                r.TonAbtastrate[j]);
        } else {
            SetElidedText(companion[j], QString());
            format[j]->setText(QStringLiteral("---"));
            bitrate[j]->setText(QStringLiteral("---"));
        }
    }
    if (host.isBusy()) return;  // the list's buttons stay locked during a run
    BuDel->setEnabled(true);
    const int n = host.sources().count();
    if (n >= 2) {
        BuHoch->setEnabled(k > 0);
        BuRunter->setEnabled(k < n - 1);
    }
}

void MpegTab::BuAddClick() {
    if (host.sources().isFull()) {
        host.dialogs().tell(Dialogs::Kind::Information,
                            MaxMessage("Die maximale Anzahl von %.2d Quelldateien wurde bereits erreicht."));
        return;
    }
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Hinzufügen von MPEG-Dateien");
    request.filter = QStringLiteral(
        "MPEG1/2 Video (*.mpg)|*.mpg|MPEG1/2 Video (*.m1v,*.m2v,*.mpv,*.mpv2)|*.m1v;*.m2v;*.mpv;*.mpv2|"
        "Alle Datein (*.*)|*.*");
    // A folder that is gone: the dialog starts in the program's folder.
    request.folder =
        QFileInfo(host.settings().svcd).isDir() ? host.settings().svcd : host.folders().programDir;
    request.multiple = true;
    request.showHidden = true;
    QStringList files = host.dialogs().openFiles(request);
    if (files.isEmpty()) return;

    ListSVCD->clearSelection();
    host.settings().svcd = QFileInfo(files.first()).absolutePath();
    if (files.size() > 1) {
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::sort(files.begin(), files.end(),
                  [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    }
    for (const QString& file : files) {
        if (host.sources().isFull()) {
            host.dialogs().tell(Dialogs::Kind::Information,
                                MaxMessage("Es wurde die maximale Anzahl von %.2d Quelldateien erreicht."));
            break;
        }
        host.addSource(file);
    }
    host.sourcesChanged();
}

void MpegTab::clearProperties() {
    for (QLabel* label : {LaFormat, LaZeit, LaBild, LaAR, LaFor0, LaBR0, LaFor1, LaBR1, LaNorm})
        label->clear();
}

void MpegTab::BuDelClick() {
    const int k = ListSVCD->currentRow();
    if (k < 0 || ListSVCD->selectedItems().isEmpty()) return;
    host.sources().remove(k);
    clearProperties();
    for (QPushButton* button : {BuDel, BuHoch, BuRunter})
        button->setEnabled(false);
    ListSVCD->clearSelection();
    host.sourcesChanged();
}

void MpegTab::BuDelAlleClick() {
    if (host.sources().isEmpty()) return;
    clearProperties();
    for (QPushButton* button : {BuHoch, BuRunter, BuDel, BuDelAlle})
        button->setEnabled(false);
    host.sources().removeAll();
    host.sourcesChanged();
}

void MpegTab::BuHochClick() {
    const int k = ListSVCD->currentRow();
    if (k <= 0) return;
    host.sources().exchange(k, k - 1);
    host.sourcesChanged();
    ListSVCD->setCurrentRow(k - 1);
    if (k - 1 == 0) BuHoch->setEnabled(false);
    if (k - 1 < host.sources().count() - 1) BuRunter->setEnabled(true);
}

void MpegTab::BuRunterClick() {
    const int k = ListSVCD->currentRow();
    const int n = host.sources().count();
    if (k < 0 || k >= n - 1) return;
    host.sources().exchange(k, k + 1);
    host.sourcesChanged();
    ListSVCD->setCurrentRow(k + 1);
    if (k + 1 == n - 1) BuRunter->setEnabled(false);
    if (k + 1 > 0) BuHoch->setEnabled(true);
}
