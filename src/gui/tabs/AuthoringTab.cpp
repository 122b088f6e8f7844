#include "gui/tabs/AuthoringTab.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/Dialogs.h"
#include "gui/tabs/TabHost.h"
#include "gui/window/Ui.h"
#include "persistence/ProgramSettings.h"
#include "pipeline/DiscCheck.h"
#include "pipeline/RunContext.h"
#include "pipeline/SizeEstimate.h"
#include "sources/Compliance.h"
#include "sources/SourceTable.h"
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

AuthoringTab::AuthoringTab(TabHost& tabHost) : host(tabHost) {
    build();
}

void AuthoringTab::build() {
    QWidget* page = this;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    PGA = Named(new QTabWidget(page), "PGA");
    layout->addWidget(PGA);

    TabStrukt = Named(new QWidget, "TabStrukt");
    auto* strukt = new QVBoxLayout(TabStrukt);
    strukt->setContentsMargins(4, 4, 4, 4);
    Strukt = Named(new QTableWidget(2, 6, TabStrukt), "Strukt", QStringLiteral("DVD-Struktur"));
    Strukt->setHorizontalHeaderLabels({QStringLiteral("VTS"), QStringLiteral("Dateiname"),
                                       QStringLiteral("Sprache"), QStringLiteral("Bitrate"),
                                       QStringLiteral("Sprache"), QStringLiteral("Bitrate")});
    Strukt->verticalHeader()->hide();
    Strukt->setSelectionMode(QAbstractItemView::SingleSelection);
    Strukt->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Strukt->horizontalHeader()->setDefaultSectionSize(53);
    Strukt->setColumnWidth(0, 42);
    Strukt->setColumnWidth(1, 282);
    strukt->addWidget(Strukt, 1);
    // The editors lie over the grid, not inside it, so that screen readers find them.
    CoBit = Combo(TabStrukt, "CoBit", QStringLiteral("DVD-Bitrate"), BitrateTable());
    CoSpr = Combo(TabStrukt, "CoSpr", QStringLiteral("DVD-Sprache"), LanguageTable());
    CoSpr->setMaxVisibleItems(20);
    for (QComboBox* editor : {CoBit, CoSpr}) {
        editor->hide();
        editor->installEventFilter(this);
    }
    Strukt->installEventFilter(this);
    for (QScrollBar* bar : {Strukt->verticalScrollBar(), Strukt->horizontalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            closeEditor(CoSpr, true);
            closeEditor(CoBit, true);
        });
    LaGroesse = Label(TabStrukt, "LaGroesse", QString());
    strukt->addWidget(LaGroesse);
    LaSystem = Label(TabStrukt, "LaSystem", MixedSystemsWarning());
    LaTitelsets = Label(TabStrukt, "LaTitelsets", QString());
    LaGroesse->setWordWrap(true);
    for (QLabel* warning : {LaSystem, LaTitelsets}) {
        warning->setWordWrap(true);
        QPalette red = warning->palette();
        red.setColor(QPalette::WindowText, Qt::red);
        warning->setPalette(red);
        warning->hide();
        strukt->addWidget(warning);
    }
    ChPGC = Check(TabStrukt, "ChPGC", QStringLiteral("Für jede Videodatei eine PGC verwenden"));
    strukt->addWidget(ChPGC);
    PGA->addTab(TabStrukt, QStringLiteral("Struktur"));

    TabMenue = Named(new QWidget, "TabMenue");
    auto* menu = new QGridLayout(TabMenue);
    menu->setContentsMargins(10, 8, 10, 8);
    RaVar0 = Radio(TabMenue, "RaVar0", QStringLiteral("Ohne Menü"));
    RaVar1 = Radio(TabMenue, "RaVar1", QStringLiteral("Nur Hauptmenü."));
    RaVar2 = Radio(TabMenue, "RaVar2", QStringLiteral("Haupt- und Untermenü."));
    RaVar0->setChecked(true);
    menu->addWidget(RaVar0, 0, 0, 1, 2);
    menu->addWidget(RaVar1, 1, 0, 1, 2);
    menu->addWidget(RaVar2, 2, 0, 1, 2);
    BuHM = Button(TabMenue, "BuHM", QStringLiteral("Hauptmenü"));
    EdHM = Edit(TabMenue, "EdHM", QStringLiteral("Hauptmenü-Datei"), true);
    BuUM = Button(TabMenue, "BuUM", QStringLiteral("Untermenü"));
    EdUM = Edit(TabMenue, "EdUM", QStringLiteral("Untermenü-Datei"), true);
    BuHM->setFixedWidth(100);
    BuUM->setFixedWidth(100);
    menu->addWidget(BuHM, 3, 0);
    menu->addWidget(EdHM, 3, 1);
    menu->addWidget(BuUM, 4, 0);
    menu->addWidget(EdUM, 4, 1);
    ChVorMenu = Check(TabMenue, "ChVorMenu", QStringLiteral("Menu am Anfang abspielen"));
    ChVorMenu->setChecked(true);
    menu->addWidget(ChVorMenu, 5, 0, 1, 2);
    menu->setRowStretch(6, 1);
    PGA->addTab(TabMenue, QStringLiteral("Menu"));
    for (QWidget* w : {static_cast<QWidget*>(BuHM), static_cast<QWidget*>(EdHM), static_cast<QWidget*>(BuUM),
                       static_cast<QWidget*>(EdUM), static_cast<QWidget*>(ChVorMenu)})
        w->setEnabled(false);

    connect(Strukt, &QTableWidget::cellClicked, this,
            [this](int row, int column) { StruktSelectCell(column, row + 1); });
    // A click rebuilds the rows from the table before the cell is taken; an
    // open editor writes its choice first.
    connect(Strukt, &QTableWidget::cellPressed, this, [this] {
        closeEditor(CoSpr, true);
        closeEditor(CoBit, true);
        if (!host.sources().isEmpty()) fillGrid();
    });
    connect(CoSpr, QOverload<int>::of(&QComboBox::activated), this, &AuthoringTab::CoSprChange);
    connect(CoBit, QOverload<int>::of(&QComboBox::activated), this, &AuthoringTab::CoBitChange);
    connect(RaVar0, &QRadioButton::clicked, this, &AuthoringTab::RaVar0Click);
    connect(RaVar1, &QRadioButton::clicked, this, &AuthoringTab::RaVar1Click);
    connect(RaVar2, &QRadioButton::clicked, this, &AuthoringTab::RaVar2Click);
    connect(BuHM, &QPushButton::clicked, this, &AuthoringTab::BuHMClick);
    connect(BuUM, &QPushButton::clicked, this, &AuthoringTab::BuUMClick);
}

void AuthoringTab::tavTabAuthorShow() {
    PGA->setCurrentWidget(TabStrukt);
    fillGrid();
}

void AuthoringTab::chooseVariant(int variant) {
    if (variant == 2)
        RaVar2Click();
    else if (variant == 1)
        RaVar1Click();
    else
        RaVar0Click();
}

void AuthoringTab::setLocked(bool locked) {
    Strukt->setEnabled(!locked);
    if (!locked) return;
    CoBit->hide();
    CoSpr->hide();
}

// The grid shows the table: row r (from 1 below the header) is record r.
void AuthoringTab::fillGrid() {
    CoBit->hide();
    CoSpr->hide();
    const int n = host.sources().count();
    // Items are replaced, not cleared: a reset of the grid's model would swallow
    // the click that is rebuilding it.
    Strukt->setRowCount(qMax(n, 1));
    if (n == 0)
        for (int c = 0; c < Strukt->columnCount(); ++c)
            delete Strukt->takeItem(0, c);
    Strukt->setColumnWidth(1, n < 9 ? 282 : 269);
    for (int i = 1; i <= n; ++i) {
        const MPEGInfo& r = host.sources()[i];
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
            Strukt->setItem(i - 1, c, cells[c]);
        }
        cells[0]->setForeground(r.Hart ? QColor(Qt::red) : r.Weich ? QColor(Qt::blue) : QColor(Qt::black));
        const QString note = PlayerNote(r);
        if (!note.isEmpty()) {
            cells[1]->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
            cells[1]->setToolTip(note);
        }
    }
    showDiscNotes();
}

// Below the grid: the DVD's estimated size, and a warning when it mixes PAL and NTSC.
void AuthoringTab::showDiscNotes() {
    const bool any = !host.sources().isEmpty();
    LaGroesse->setText(any ? CapacityText(DvdEstimateKB(host.sources(), host.settings())) : QString());
    LaSystem->setVisible(MixesSystems(host.sources()));
}

void AuthoringTab::showTitleSetWarning(const QString& warning) {
    LaTitelsets->setText(warning);
    LaTitelsets->setVisible(!warning.isEmpty());
}

void AuthoringTab::resetAuthoringResume() {
    if (host.runState().resumePoint >= 400) host.runState().resumePoint = 0;
}

// Every existing track's language and bitrate can be chosen, even when it is
// not known yet ("---").
void AuthoringTab::StruktSelectCell(int column, int row) {
    resetAuthoringResume();
    if (host.sources().isEmpty() || row < 1 || row > host.sources().count()) return;
    QTableWidgetItem* item = Strukt->item(row - 1, column);
    if (!item) return;
    MPEGInfo& r = host.sources()[row];
    if (column >= 2 && !TrackExists(r, TrackOf(column))) return;
    if (column == 0) {
        r.Weich = !r.Weich;
        host.titleSetsChanged();
        fillGrid();
    } else if (column == 2 || column == 4) {
        CoSpr->setCurrentIndex(LanguageTable().indexOf(item->text()));
        placeEditor(CoSpr, column, row);
    } else if ((column == 3 || column == 5) && !r.NavPacks) {
        CoBit->setCurrentIndex(BitrateTable().indexOf(item->text()));
        placeEditor(CoBit, column, row);
    }
}

AuthoringTab::EditedCell& AuthoringTab::cellOf(const QComboBox* editor) {
    return editor == CoSpr ? languageCell_ : bitrateCell_;
}

void AuthoringTab::placeEditor(QComboBox* editor, int column, int row) {
    // One editor at a time: the other one writes its choice first.
    closeEditor(editor == CoSpr ? CoBit : CoSpr, true);
    cellOf(editor) = EditedCell{column, row};
    const QRect cell = Strukt->visualRect(Strukt->model()->index(row - 1, column));
    editor->setGeometry(QRect(Strukt->viewport()->mapTo(TabStrukt, cell.topLeft()), cell.size()));
    editor->raise();
    editor->show();
    editor->setFocus();
}

void AuthoringTab::closeEditor(QComboBox* editor, bool commit) {
    if (editor->isHidden()) return;
    editor->hide();
    if (!commit) return;
    if (editor == CoSpr)
        CoSprChange();
    else
        CoBitChange();
}

// Only a table entry is ever written, and only to a track that exists.
void AuthoringTab::applyToTitleSet(const EditedCell& cell, int value) {
    const bool language = cell.column == 2 || cell.column == 4;
    const int entries = (language ? LanguageTable() : BitrateTable()).size();
    if (cell.row < 1 || cell.row > host.sources().count() || value < 0 || value >= entries) return;
    const int track = TrackOf(cell.column);
    const MPEGInfo& edited = host.sources()[cell.row];
    if (cell.column < 2 || !TrackExists(edited, track)) return;
    if ((language ? edited.DVDSprache : edited.DVDBitrate)[track] == value) return;
    if (language && host.runState().processingState > 400) host.runState().processingState = 400;
    if (!language && host.runState().processingState > 200) host.runState().processingState = 0;
    const quint8 vts = edited.VTS;
    for (int i = 1; i <= host.sources().count(); ++i) {
        MPEGInfo& r = host.sources()[i];
        if (r.VTS == vts && TrackExists(r, track))
            (language ? r.DVDSprache : r.DVDBitrate)[track] = static_cast<quint8>(value);
    }
    host.titleSetsChanged();
    fillGrid();
}

void AuthoringTab::CoSprChange() {
    CoSpr->hide();
    applyToTitleSet(languageCell_, CoSpr->currentIndex());
}

void AuthoringTab::CoBitChange() {
    CoBit->hide();
    applyToTitleSet(bitrateCell_, CoBit->currentIndex());
}

bool AuthoringTab::eventFilter(QObject* watched, QEvent* event) {
    auto* editor = qobject_cast<QComboBox*>(watched);
    if (editor && (editor == CoSpr || editor == CoBit)) {
        // Opening the editor's own list takes the focus for a while; that is no leaving.
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            closeEditor(editor, true);
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
                closeEditor(editor, key != Qt::Key_Escape);
                Strukt->setFocus();
                return true;
            }
        }
    } else if (watched == Strukt && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space || key == Qt::Key_F2) {
            StruktSelectCell(Strukt->currentColumn(), Strukt->currentRow() + 1);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void AuthoringTab::RaVar0Click() {
    resetAuthoringResume();
    RaVar0->setChecked(true);
    for (QWidget* w : {static_cast<QWidget*>(BuHM), static_cast<QWidget*>(EdHM), static_cast<QWidget*>(BuUM),
                       static_cast<QWidget*>(EdUM), static_cast<QWidget*>(ChVorMenu)})
        w->setEnabled(false);
}

void AuthoringTab::RaVar1Click() {
    resetAuthoringResume();
    RaVar1->setChecked(true);
    EdHM->setText(host.settings().menu1);
    BuHM->setEnabled(true);
    EdHM->setEnabled(true);
    BuUM->setEnabled(false);
    EdUM->setEnabled(false);
    ChVorMenu->setEnabled(false);
}

void AuthoringTab::RaVar2Click() {
    resetAuthoringResume();
    RaVar2->setChecked(true);
    EdHM->setText(host.settings().menu2);
    EdUM->setText(host.settings().menu3);
    for (QWidget* w : {static_cast<QWidget*>(BuHM), static_cast<QWidget*>(EdHM), static_cast<QWidget*>(BuUM),
                       static_cast<QWidget*>(EdUM), static_cast<QWidget*>(ChVorMenu)})
        w->setEnabled(true);
}

QString AuthoringTab::chooseMenuFile() {
    resetAuthoringResume();
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Pfad zum Hauptmenü");
    request.folder = QFileInfo(EdHM->text()).absolutePath();
    request.filter = QStringLiteral("Video Objects (*.vob)|*.vob");
    const QStringList files = host.dialogs().openFiles(request);
    if (files.isEmpty()) return QString();
    const QString file = files.first();
    return QFileInfo(file).suffix().toLower() == QLatin1String("vob") ? file : QString();
}

void AuthoringTab::BuHMClick() {
    const QString file = chooseMenuFile();
    if (file.isEmpty()) return;
    EdHM->setText(file);
    ProgramSettings& settings = host.settings();
    (RaVar1->isChecked() ? settings.menu1 : settings.menu2) = file;
}

void AuthoringTab::BuUMClick() {
    const QString file = chooseMenuFile();
    if (file.isEmpty()) return;
    EdUM->setText(file);
    host.settings().menu3 = file;
}
