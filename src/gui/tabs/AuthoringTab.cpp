#include "gui/tabs/AuthoringTab.h"

#include <QFileInfo>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/window/Tavrolin.h"
#include "gui/window/Ui.h"
#include "pipeline/DiscCheck.h"
#include "pipeline/SizeEstimate.h"
#include "sources/Compliance.h"
#include "sources/Tables.h"

using namespace ui;

namespace {

const QColor kOddSet(223, 235, 255);
const QColor kEvenSet(249, 255, 225);
const QColor kDarkGreen(0, 128, 0);

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

// Column 2 or 3 is track 0, column 4 or 5 track 1.
int TrackOf(int column) {
    return column <= 3 ? 0 : 1;
}

bool TrackExists(const MPEGInfo& r, int track) {
    return r.TonFormat[track] != kNone || track < r.trackCount();
}

}  // namespace

AuthoringTab::AuthoringTab(THaupt& haupt) : QObject(&haupt), h(haupt) {}

void AuthoringTab::build(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    h.PGA = Named(new QTabWidget(page), "PGA");
    layout->addWidget(h.PGA);

    h.TabStrukt = Named(new QWidget, "TabStrukt");
    auto* strukt = new QVBoxLayout(h.TabStrukt);
    strukt->setContentsMargins(4, 4, 4, 4);
    h.Strukt = Named(new QTableWidget(2, 6, h.TabStrukt), "Strukt", QStringLiteral("DVD-Struktur"));
    h.Strukt->setHorizontalHeaderLabels({QStringLiteral("VTS"), QStringLiteral("Dateiname"),
                                         QStringLiteral("Sprache"), QStringLiteral("Bitrate"),
                                         QStringLiteral("Sprache"), QStringLiteral("Bitrate")});
    h.Strukt->verticalHeader()->hide();
    h.Strukt->setSelectionMode(QAbstractItemView::SingleSelection);
    h.Strukt->setEditTriggers(QAbstractItemView::NoEditTriggers);
    h.Strukt->horizontalHeader()->setDefaultSectionSize(53);
    h.Strukt->setColumnWidth(0, 42);
    h.Strukt->setColumnWidth(1, 282);
    strukt->addWidget(h.Strukt, 1);
    // The editors lie over the grid, not inside it, so that screen readers find them.
    h.CoBit = Combo(h.TabStrukt, "CoBit", QStringLiteral("DVD-Bitrate"), BitrateTable());
    h.CoSpr = Combo(h.TabStrukt, "CoSpr", QStringLiteral("DVD-Sprache"), LanguageTable());
    h.CoSpr->setMaxVisibleItems(20);
    for (QComboBox* editor : {h.CoBit, h.CoSpr}) {
        editor->hide();
        editor->installEventFilter(this);
    }
    h.Strukt->installEventFilter(this);
    for (QScrollBar* bar : {h.Strukt->verticalScrollBar(), h.Strukt->horizontalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            closeEditor(h.CoSpr, true);
            closeEditor(h.CoBit, true);
        });
    h.LaGroesse = Label(h.TabStrukt, "LaGroesse", QString());
    strukt->addWidget(h.LaGroesse);
    h.LaSystem = Label(h.TabStrukt, "LaSystem", MixedSystemsWarning());
    h.LaTitelsets = Label(h.TabStrukt, "LaTitelsets", QString());
    h.LaGroesse->setWordWrap(true);
    for (QLabel* warning : {h.LaSystem, h.LaTitelsets}) {
        warning->setWordWrap(true);
        QPalette red = warning->palette();
        red.setColor(QPalette::WindowText, Qt::red);
        warning->setPalette(red);
        warning->hide();
        strukt->addWidget(warning);
    }
    h.ChPGC = Check(h.TabStrukt, "ChPGC", QStringLiteral("Für jede Videodatei eine PGC verwenden"));
    strukt->addWidget(h.ChPGC);
    h.PGA->addTab(h.TabStrukt, QStringLiteral("Struktur"));

    h.TabMenue = Named(new QWidget, "TabMenue");
    auto* menu = new QGridLayout(h.TabMenue);
    menu->setContentsMargins(10, 8, 10, 8);
    h.RaVar0 = Radio(h.TabMenue, "RaVar0", QStringLiteral("Ohne Menü"));
    h.RaVar1 = Radio(h.TabMenue, "RaVar1", QStringLiteral("Nur Hauptmenü."));
    h.RaVar2 = Radio(h.TabMenue, "RaVar2", QStringLiteral("Haupt- und Untermenü."));
    h.RaVar0->setChecked(true);
    menu->addWidget(h.RaVar0, 0, 0, 1, 2);
    menu->addWidget(h.RaVar1, 1, 0, 1, 2);
    menu->addWidget(h.RaVar2, 2, 0, 1, 2);
    h.BuHM = Button(h.TabMenue, "BuHM", QStringLiteral("Hauptmenü"));
    h.EdHM = Edit(h.TabMenue, "EdHM", QStringLiteral("Hauptmenü-Datei"), true);
    h.BuUM = Button(h.TabMenue, "BuUM", QStringLiteral("Untermenü"));
    h.EdUM = Edit(h.TabMenue, "EdUM", QStringLiteral("Untermenü-Datei"), true);
    h.BuHM->setFixedWidth(100);
    h.BuUM->setFixedWidth(100);
    menu->addWidget(h.BuHM, 3, 0);
    menu->addWidget(h.EdHM, 3, 1);
    menu->addWidget(h.BuUM, 4, 0);
    menu->addWidget(h.EdUM, 4, 1);
    h.ChVorMenu = Check(h.TabMenue, "ChVorMenu", QStringLiteral("Menu am Anfang abspielen"));
    h.ChVorMenu->setChecked(true);
    menu->addWidget(h.ChVorMenu, 5, 0, 1, 2);
    menu->setRowStretch(6, 1);
    h.PGA->addTab(h.TabMenue, QStringLiteral("Menu"));
    for (QWidget* w :
         {static_cast<QWidget*>(h.BuHM), static_cast<QWidget*>(h.EdHM), static_cast<QWidget*>(h.BuUM),
          static_cast<QWidget*>(h.EdUM), static_cast<QWidget*>(h.ChVorMenu)})
        w->setEnabled(false);

    connect(h.PGA, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 0) TabStruktShow();
    });
    connect(h.Strukt, &QTableWidget::cellClicked, this,
            [this](int row, int column) { StruktSelectCell(column, row + 1); });
    // A click rebuilds the rows from the table before the cell is taken; an
    // open editor writes its choice first.
    connect(h.Strukt, &QTableWidget::cellPressed, this, [this] {
        closeEditor(h.CoSpr, true);
        closeEditor(h.CoBit, true);
        if (!h.Sources.isEmpty()) fillGrid();
    });
    connect(h.CoSpr, QOverload<int>::of(&QComboBox::activated), this, &AuthoringTab::CoSprChange);
    connect(h.CoBit, QOverload<int>::of(&QComboBox::activated), this, &AuthoringTab::CoBitChange);
    connect(h.RaVar0, &QRadioButton::clicked, this, &AuthoringTab::RaVar0Click);
    connect(h.RaVar1, &QRadioButton::clicked, this, &AuthoringTab::RaVar1Click);
    connect(h.RaVar2, &QRadioButton::clicked, this, &AuthoringTab::RaVar2Click);
    connect(h.BuHM, &QPushButton::clicked, this, &AuthoringTab::BuHMClick);
    connect(h.BuUM, &QPushButton::clicked, this, &AuthoringTab::BuUMClick);
}

void AuthoringTab::tavTabAuthorShow() {
    h.PGA->setCurrentWidget(h.TabStrukt);
    TabStruktShow();
    fillGrid();
}

void AuthoringTab::TabStruktShow() {
    h.ShowStartButton();
}

// The grid shows the table: row r (from 1 below the header) is record r.
void AuthoringTab::fillGrid() {
    h.CoBit->hide();
    h.CoSpr->hide();
    const int n = h.Sources.count();
    h.Strukt->clearContents();
    h.Strukt->setRowCount(qMax(n, 1));
    h.Strukt->setColumnWidth(1, n < 9 ? 282 : 269);
    for (int i = 1; i <= n; ++i) {
        const MPEGInfo& r = h.Sources[i];
        const QColor background = (r.VTS % 2 == 1) ? kOddSet : kEvenSet;
        QTableWidgetItem* cells[6] = {
            Cell(r.VTS == kNone ? QString() : QString::number(r.VTS), Qt::AlignHCenter),
            Cell(QFileInfo(r.Datei).fileName(), Qt::AlignLeft),
            Cell(TableText(LanguageTable(), r.DVDSprache[0]), Qt::AlignRight),
            Cell(TableText(BitrateTable(), r.DVDBitrate[0]), Qt::AlignRight),
            Cell(TableText(LanguageTable(), r.DVDSprache[1]), Qt::AlignRight),
            Cell(TableText(BitrateTable(), r.DVDBitrate[1]), Qt::AlignRight)};
        for (int c = 0; c < 6; ++c) {
            cells[c]->setBackground(background);
            if (c >= 1 && r.NavPacks)
                cells[c]->setForeground(c == 1 ? kDarkGreen : QColor(Qt::green).darker(120));
            h.Strukt->setItem(i - 1, c, cells[c]);
        }
        cells[0]->setForeground(r.Hart ? QColor(Qt::red) : r.Weich ? QColor(Qt::blue) : QColor(Qt::black));
        const QString note = PlayerNote(r);
        if (!note.isEmpty()) {
            cells[1]->setIcon(h.style()->standardIcon(QStyle::SP_MessageBoxWarning));
            cells[1]->setToolTip(note);
        }
    }
    showDiscNotes();
}

// Below the grid: the DVD's estimated size, and a warning when it mixes PAL and NTSC.
void AuthoringTab::showDiscNotes() {
    const bool any = !h.Sources.isEmpty();
    h.LaGroesse->setText(any ? CapacityText(DvdEstimateKB(h.Sources, h.CollectSettings())) : QString());
    h.LaSystem->setVisible(MixesSystems(h.Sources));
}

void AuthoringTab::showTitleSetWarning(const QString& warning) {
    h.LaTitelsets->setText(warning);
    h.LaTitelsets->setVisible(!warning.isEmpty());
}

void AuthoringTab::resetAuthoringResume() {
    if (h.Run.resumePoint >= 400) h.Run.resumePoint = 0;
}

// Every existing track's language and bitrate can be chosen, even when it is
// not known yet ("---").
void AuthoringTab::StruktSelectCell(int column, int row) {
    resetAuthoringResume();
    if (h.Sources.isEmpty() || row < 1 || row > h.Sources.count()) return;
    QTableWidgetItem* item = h.Strukt->item(row - 1, column);
    if (!item) return;
    MPEGInfo& r = h.Sources[row];
    if (column >= 2 && !TrackExists(r, TrackOf(column))) return;
    if (column == 0) {
        r.Weich = !r.Weich;
        h.TitleSetPass();
        fillGrid();
    } else if (column == 2 || column == 4) {
        h.CoSpr->setCurrentIndex(LanguageTable().indexOf(item->text()));
        placeEditor(h.CoSpr, column, row);
    } else if ((column == 3 || column == 5) && !r.NavPacks) {
        h.CoBit->setCurrentIndex(BitrateTable().indexOf(item->text()));
        placeEditor(h.CoBit, column, row);
    }
}

AuthoringTab::EditedCell& AuthoringTab::cellOf(const QComboBox* editor) {
    return editor == h.CoSpr ? languageCell_ : bitrateCell_;
}

void AuthoringTab::placeEditor(QComboBox* editor, int column, int row) {
    // One editor at a time: the other one writes its choice first.
    closeEditor(editor == h.CoSpr ? h.CoBit : h.CoSpr, true);
    cellOf(editor) = EditedCell{column, row};
    const QRect cell = h.Strukt->visualRect(h.Strukt->model()->index(row - 1, column));
    editor->setGeometry(QRect(h.Strukt->viewport()->mapTo(h.TabStrukt, cell.topLeft()), cell.size()));
    editor->raise();
    editor->show();
    editor->setFocus();
}

void AuthoringTab::closeEditor(QComboBox* editor, bool commit) {
    if (editor->isHidden()) return;
    editor->hide();
    if (!commit) return;
    if (editor == h.CoSpr)
        CoSprChange();
    else
        CoBitChange();
}

// Only a table entry is ever written, and only to a track that exists.
void AuthoringTab::applyToTitleSet(const EditedCell& cell, int value) {
    const bool language = cell.column == 2 || cell.column == 4;
    const int entries = (language ? LanguageTable() : BitrateTable()).size();
    if (cell.row < 1 || cell.row > h.Sources.count() || value < 0 || value >= entries) return;
    const int track = TrackOf(cell.column);
    const MPEGInfo& edited = h.Sources[cell.row];
    if (cell.column < 2 || !TrackExists(edited, track)) return;
    if ((language ? edited.DVDSprache : edited.DVDBitrate)[track] == value) return;
    if (language && h.Run.processingState > 400) h.Run.processingState = 400;
    if (!language && h.Run.processingState > 200) h.Run.processingState = 0;
    const quint8 vts = edited.VTS;
    for (int i = 1; i <= h.Sources.count(); ++i) {
        MPEGInfo& r = h.Sources[i];
        if (r.VTS == vts && TrackExists(r, track))
            (language ? r.DVDSprache : r.DVDBitrate)[track] = static_cast<quint8>(value);
    }
    h.TitleSetPass();
    fillGrid();
}

void AuthoringTab::CoSprChange() {
    h.CoSpr->hide();
    applyToTitleSet(languageCell_, h.CoSpr->currentIndex());
}

void AuthoringTab::CoBitChange() {
    h.CoBit->hide();
    applyToTitleSet(bitrateCell_, h.CoBit->currentIndex());
}

bool AuthoringTab::eventFilter(QObject* watched, QEvent* event) {
    auto* editor = qobject_cast<QComboBox*>(watched);
    if (editor && (editor == h.CoSpr || editor == h.CoBit)) {
        // Opening the editor's own list takes the focus for a while; that is no leaving.
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            closeEditor(editor, true);
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
                closeEditor(editor, key != Qt::Key_Escape);
                h.Strukt->setFocus();
                return true;
            }
        }
    } else if (watched == h.Strukt && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space || key == Qt::Key_F2) {
            StruktSelectCell(h.Strukt->currentColumn(), h.Strukt->currentRow() + 1);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void AuthoringTab::RaVar0Click() {
    resetAuthoringResume();
    h.RaVar0->setChecked(true);
    for (QWidget* w :
         {static_cast<QWidget*>(h.BuHM), static_cast<QWidget*>(h.EdHM), static_cast<QWidget*>(h.BuUM),
          static_cast<QWidget*>(h.EdUM), static_cast<QWidget*>(h.ChVorMenu)})
        w->setEnabled(false);
}

void AuthoringTab::RaVar1Click() {
    resetAuthoringResume();
    h.RaVar1->setChecked(true);
    h.EdHM->setText(h.Author.Menue1);
    h.BuHM->setEnabled(true);
    h.EdHM->setEnabled(true);
    h.BuUM->setEnabled(false);
    h.EdUM->setEnabled(false);
    h.ChVorMenu->setEnabled(false);
}

void AuthoringTab::RaVar2Click() {
    resetAuthoringResume();
    h.RaVar2->setChecked(true);
    h.EdHM->setText(h.Author.Menue2);
    h.EdUM->setText(h.Author.Menue3);
    for (QWidget* w :
         {static_cast<QWidget*>(h.BuHM), static_cast<QWidget*>(h.EdHM), static_cast<QWidget*>(h.BuUM),
          static_cast<QWidget*>(h.EdUM), static_cast<QWidget*>(h.ChVorMenu)})
        w->setEnabled(true);
}

QString AuthoringTab::chooseMenuFile() {
    resetAuthoringResume();
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Pfad zum Hauptmenü");
    request.folder = QFileInfo(h.EdHM->text()).absolutePath();
    request.filter = QStringLiteral("Video Objects (*.vob)|*.vob");
    const QStringList files = h.dialogs().openFiles(request);
    if (files.isEmpty()) return QString();
    const QString file = files.first();
    return QFileInfo(file).suffix().toLower() == QLatin1String("vob") ? file : QString();
}

void AuthoringTab::BuHMClick() {
    const QString file = chooseMenuFile();
    if (file.isEmpty()) return;
    h.EdHM->setText(file);
    (h.RaVar1->isChecked() ? h.Author.Menue1 : h.Author.Menue2) = file;
}

void AuthoringTab::BuUMClick() {
    const QString file = chooseMenuFile();
    if (file.isEmpty()) return;
    h.EdUM->setText(file);
    h.Author.Menue3 = file;
}
