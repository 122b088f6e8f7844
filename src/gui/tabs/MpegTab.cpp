#include "gui/tabs/MpegTab.h"

#include <QCollator>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "gui/window/Tavrolin.h"
#include "gui/window/Ui.h"
#include "pipeline/Format.h"
#include "sources/Compliance.h"
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

MpegTab::MpegTab(THaupt& haupt) : QObject(&haupt), h(haupt) {}

void MpegTab::build(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);

    auto* top = new QHBoxLayout;
    h.ListSVCD = List(page, "ListSVCD", QStringLiteral("Quelldateien"));
    top->addWidget(h.ListSVCD, 1);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    h.BuAdd = Button(page, "BuAdd", QStringLiteral("Hinzufügen"));
    h.BuDelAlle = Button(page, "BuDelAlle", QStringLiteral("Alle löschen"));
    h.BuDel = Button(page, "BuDel", QStringLiteral("Löschen"));
    h.BuHoch = Button(page, "BuHoch", QStringLiteral("Nach oben"));
    h.BuRunter = Button(page, "BuRunter", QStringLiteral("Nach unten"));
    for (QPushButton* button : {h.BuAdd, h.BuDelAlle, h.BuDel, h.BuHoch, h.BuRunter}) {
        button->setFixedWidth(96);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    top->addLayout(buttons);
    layout->addLayout(top, 1);

    h.GBox1 = Named(new QGroupBox(QStringLiteral("Eigenschaften"), page), "GBox1");
    auto* grid = new QGridLayout(h.GBox1);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(1);
    auto pair = [&](QLabel*& caption, const char* captionName, const QString& text, QLabel*& value,
                    const char* valueName, int row, int column, int span = 1) {
        caption = Label(h.GBox1, captionName, text);
        value = Label(h.GBox1, valueName, QString());
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        caption->setBuddy(value);  // an empty value reads as its caption, not as the box's title
        grid->addWidget(caption, row, column);
        grid->addWidget(value, row, column + 1, 1, span);
    };
    pair(h.LaVid0, "LaVid0", QStringLiteral("Dateiname"), h.LaDatei, "LaDatei", 0, 0, 3);
    h.LaDatei->setMinimumWidth(10);
    h.LaDatei->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    pair(h.LaVid1, "LaVid1", QStringLiteral("Format"), h.LaFormat, "LaFormat", 1, 0);
    pair(h.LaVid2, "LaVid2", QStringLiteral("Spielzeit"), h.LaZeit, "LaZeit", 2, 0);
    pair(h.LaVid3, "LaVid3", QStringLiteral("Bildgröße"), h.LaBild, "LaBild", 3, 0);
    pair(h.LaGAR, "LaGAR", QStringLiteral("AspectRatio"), h.LaAR, "LaAR", 4, 0);
    pair(h.LaAud00, "LaAud00", QStringLiteral("Tonspur 0"), h.LaAudDat0, "LaAudDat0", 1, 2);
    pair(h.LaAud01, "LaAud01", QStringLiteral("Format"), h.LaFor0, "LaFor0", 2, 2);
    pair(h.LaAud02, "LaAud02", QStringLiteral("Bitrate"), h.LaBR0, "LaBR0", 3, 2);
    pair(h.LaAud10, "LaAud10", QStringLiteral("Tonspur 1"), h.LaAudDat1, "LaAudDat1", 4, 2);
    pair(h.LaAud11, "LaAud11", QStringLiteral("Format"), h.LaFor1, "LaFor1", 5, 2);
    pair(h.LaAud12, "LaAud12", QStringLiteral("Bitrate"), h.LaBR1, "LaBR1", 6, 2);
    for (QLabel* value : {h.LaAudDat0, h.LaAudDat1, h.LaFormat, h.LaFor0, h.LaFor1})
        value->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    h.LaNorm = Label(h.GBox1, "LaNorm", QString());
    h.LaNorm->setWordWrap(true);
    grid->addWidget(h.LaNorm, 7, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    layout->addWidget(h.GBox1);

    connect(h.ListSVCD, &QListWidget::itemSelectionChanged, this, &MpegTab::ListSVCDClick);
    // A click on the item that is already selected (as after a removal) shows it too.
    connect(h.ListSVCD, &QListWidget::itemClicked, this, &MpegTab::ListSVCDClick);
    connect(h.BuAdd, &QPushButton::clicked, this, &MpegTab::BuAddClick);
    connect(h.BuDel, &QPushButton::clicked, this, &MpegTab::BuDelClick);
    connect(h.BuDelAlle, &QPushButton::clicked, this, &MpegTab::BuDelAlleClick);
    connect(h.BuHoch, &QPushButton::clicked, this, &MpegTab::BuHochClick);
    connect(h.BuRunter, &QPushButton::clicked, this, &MpegTab::BuRunterClick);
}

void MpegTab::tavTabMPEGShow() {
    h.ShowStartButton();
}

void MpegTab::ListSVCDClick() {
    const int k = h.ListSVCD->currentRow();
    if (k < 0 || k >= h.Sources.count() || h.ListSVCD->selectedItems().isEmpty()) return;
    const MPEGInfo& r = h.Sources[k + 1];
    SetElidedText(h.LaDatei, r.Datei);
    QLabel* companion[] = {h.LaAudDat0, h.LaAudDat1};
    if (r.Elementar) {
        h.LaVid0->setText(QStringLiteral("Videodatei"));
        h.LaAud00->setText(QStringLiteral("Audiodatei 0"));
        h.LaAud10->setText(QStringLiteral("Audiodatei 1"));
        for (int j = 0; j < 2; ++j)
            SetElidedText(companion[j], r.TonFormat[j] < kNone ? r.TonDatei[j] : QString());
    } else {
        h.LaVid0->setText(QStringLiteral("Dateiname"));
        h.LaAud00->setText(QStringLiteral("Tonspur 0"));
        h.LaAud10->setText(QStringLiteral("Tonspur 1"));
        for (QLabel* label : companion)
            SetElidedText(label, QString());
    }
    h.LaFormat->setText(r.FormatStr);
    if (!r.Spieldauer.isEmpty()) {
        h.LaZeit->setText(SecondsToClock(r.Spieldauer.toLongLong()));
        SetColour(h.LaZeit, Qt::black);
    } else {
        h.LaZeit->setText(QStringLiteral("Nicht verfügbar"));
        SetColour(h.LaZeit, Qt::red);
    }
    h.LaBild->setText(r.Bildgroesse + QStringLiteral(" @ ") + r.Bildwiederholrate + QStringLiteral(" fps"));
    h.LaAR->setText(r.AspectRatio);
    h.LaNorm->setText(PlayerNote(r));
    QLabel* format[] = {h.LaFor0, h.LaFor1};
    QLabel* bitrate[] = {h.LaBR0, h.LaBR1};
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
    if (h.IsBusy()) return;  // the list's buttons stay locked during a run
    h.BuDel->setEnabled(true);
    const int n = h.Sources.count();
    if (n >= 2) {
        h.BuHoch->setEnabled(k > 0);
        h.BuRunter->setEnabled(k < n - 1);
    }
}

void MpegTab::BuAddClick() {
    if (h.Sources.isFull()) {
        h.dialogs().tell(Dialogs::Kind::Information,
                         MaxMessage("Die maximale Anzahl von %.2d Quelldateien wurde bereits erreicht."));
        return;
    }
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Hinzufügen von MPEG-Dateien");
    request.filter = QStringLiteral(
        "MPEG1/2 Video (*.mpg)|*.mpg|MPEG1/2 Video (*.m1v,*.m2v,*.mpv,*.mpv2)|*.m1v;*.m2v;*.mpv;*.mpv2|"
        "Alle Datein (*.*)|*.*");
    // A folder that is gone: the dialog starts in the program's folder.
    request.folder = QFileInfo(h.Pfade.SVCD).isDir() ? h.Pfade.SVCD : h.ProgramDir;
    request.multiple = true;
    request.showHidden = true;
    QStringList files = h.dialogs().openFiles(request);
    if (files.isEmpty()) return;

    h.ListSVCD->clearSelection();
    h.Pfade.SVCD = QFileInfo(files.first()).absolutePath();
    h.SourceListChanged();
    if (files.size() > 1) {
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::sort(files.begin(), files.end(),
                  [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    }
    for (const QString& file : files) {
        if (h.Sources.isFull()) {
            h.dialogs().tell(Dialogs::Kind::Information,
                             MaxMessage("Es wurde die maximale Anzahl von %.2d Quelldateien erreicht."));
            break;
        }
        h.AddSource(file);
    }
    afterListChange();
}

void MpegTab::clearProperties() {
    for (QLabel* label :
         {h.LaFormat, h.LaZeit, h.LaBild, h.LaAR, h.LaFor0, h.LaBR0, h.LaFor1, h.LaBR1, h.LaNorm})
        label->clear();
}

void MpegTab::afterListChange() {
    const bool any = !h.Sources.isEmpty();
    h.BuStart->setEnabled(any && !h.IsBusy());
    h.BuMProjekt->setEnabled(any && !h.IsBusy());
    h.BuDelAlle->setEnabled(any);
    h.RefreshSourceList();
    h.TitleSetPass();
}

void MpegTab::BuDelClick() {
    const int k = h.ListSVCD->currentRow();
    if (k < 0 || h.ListSVCD->selectedItems().isEmpty()) return;
    h.Sources.remove(k);
    h.SourceListChanged();
    clearProperties();
    h.BuDel->setEnabled(false);
    h.BuHoch->setEnabled(false);
    h.BuRunter->setEnabled(false);
    if (h.Sources.isEmpty()) h.BuDelAlle->setEnabled(false);
    h.ListSVCD->clearSelection();
    afterListChange();
}

void MpegTab::BuDelAlleClick() {
    if (h.Sources.isEmpty()) return;
    clearProperties();
    for (QPushButton* button : {h.BuHoch, h.BuRunter, h.BuDel, h.BuDelAlle, h.BuStart, h.BuMProjekt})
        button->setEnabled(false);
    h.Sources.removeAll();
    h.SourceListChanged();
    h.RefreshSourceList();
    h.TitleSetPass();
}

void MpegTab::BuHochClick() {
    const int k = h.ListSVCD->currentRow();
    if (k <= 0) return;
    h.Sources.exchange(k, k - 1);
    h.SourceListChanged();
    h.RefreshSourceList();
    h.ListSVCD->setCurrentRow(k - 1);
    h.TitleSetPass();
    if (k - 1 == 0) h.BuHoch->setEnabled(false);
    if (k - 1 < h.Sources.count() - 1) h.BuRunter->setEnabled(true);
}

void MpegTab::BuRunterClick() {
    const int k = h.ListSVCD->currentRow();
    const int n = h.Sources.count();
    if (k < 0 || k >= n - 1) return;
    h.Sources.exchange(k, k + 1);
    h.SourceListChanged();
    h.RefreshSourceList();
    h.ListSVCD->setCurrentRow(k + 1);
    h.TitleSetPass();
    if (k + 1 == n - 1) h.BuRunter->setEnabled(false);
    if (k + 1 > 0) h.BuHoch->setEnabled(true);
}
