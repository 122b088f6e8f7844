#include "gui/tabs/ChapterTab.h"

#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "base/Dialogs.h"
#include "chapters/ChapterMarks.h"
#include "chapters/TimeText.h"
#include "gui/tabs/MediaPreviewPlayer.h"
#include "gui/tabs/TabHost.h"
#include "gui/window/BusyCursor.h"
#include "gui/window/Ui.h"
#include "pipeline/RunContext.h"
#include "sources/SourceTable.h"

using namespace ui;

namespace {

const QString kCannotOpen = QStringLiteral("Der MediaPlayer kann die Datei nicht öffnen.");
const QString kRenameHint = QStringLiteral(
    "\r\nEin Umbenennen der Dateierweiterung in *.mpv2\r\noder *.mpg könnte das Problem beheben.");
const QString kNoPosition = QStringLiteral("Es wurde keine gültige Position angegeben.");
const QString kOutOfRange =
    QStringLiteral("Die eingegebende Zeit befindet sich\r\nausserhalb des zulässigen Bereiches.");
const QString kNoInterval = QStringLiteral("Es wurde kein gültiger Abstand angegeben.");
const QString kNoCount = QStringLiteral("Es wurde keine gültige Anzahl angegeben.");
const QString kNoPlayTime = QStringLiteral("Die Spieldauer der Datei ist nicht bekannt.");
const QString kTooMany =
    QStringLiteral("Es können höchstens %1 Kapitelmarken gesetzt werden.").arg(kMaxAutoMarks);

// The picture inside the 352 x 288 panel: a 16:9 source in a centred band.
QRect DisplayRect(const QString& aspectRatio) {
    return aspectRatio == QLatin1String("16:9") ? QRect(0, 36, 352, 216) : QRect(0, 0, 352, 288);
}

}  // namespace

ChapterTab::ChapterTab(TabHost& tabHost) : host(tabHost) {
    build();
}

ChapterTab::~ChapterTab() = default;

void ChapterTab::build() {
    QWidget* page = this;
    // Fixed positions: the display keeps the player's 352 x 288 PAL picture.
    PaDisplay = Named(new QFrame(page), "PaDisplay", QStringLiteral("Videoanzeige"));
    PaDisplay->setGeometry(4, 4, 352, 288);
    PaDisplay->setAutoFillBackground(true);
    QPalette black = PaDisplay->palette();
    black.setColor(QPalette::Window, Qt::black);
    PaDisplay->setPalette(black);
    ScPosition = Named(new QScrollBar(Qt::Horizontal, page), "ScPosition", QStringLiteral("Videoposition"));
    ScPosition->setGeometry(4, 296, 352, 17);

    const int x = 362, w = 188;
    ListMPEG = List(page, "ListMPEG", QStringLiteral("Videodateien"));
    ListMPEG->setGeometry(x, 4, w, 58);
    BuPlay = Button(page, "BuPlay", QStringLiteral("Abspielen"));
    BuPlay->setGeometry(x, 66, 92, 24);
    BuStop = Button(page, "BuStop", QStringLiteral("Anhalten"));
    BuStop->setGeometry(x + 96, 66, 92, 24);
    EdPosition = Edit(page, "EdPosition", QStringLiteral("Position"), true);
    EdPosition->setGeometry(x, 94, 92, 22);
    EdSpieldauer = Edit(page, "EdSpieldauer", QStringLiteral("Spieldauer"), true);
    EdSpieldauer->setGeometry(x + 96, 94, 92, 22);

    ListKapitel = List(page, "ListKapitel", QStringLiteral("Kapitelmarken"));
    ListKapitel->setGeometry(x, 120, 96, 84);
    BuKAdd = Button(page, "BuKAdd", QStringLiteral("Hinzu"));
    BuKAdd->setGeometry(x + 100, 120, 88, 26);
    BuKDel = Button(page, "BuKDel", QStringLiteral("Löschen"));
    BuKDel->setGeometry(x + 100, 149, 88, 26);
    BuKDelAlle = Button(page, "BuKDelAlle", QStringLiteral("Alle Löschen"));
    BuKDelAlle->setGeometry(x + 100, 178, 88, 26);

    LaAlle1 = Label(page, "LaAlle1", QStringLiteral("Alle"));
    LaAlle1->setGeometry(x, 212, 64, 22);
    EdAlle = Edit(page, "EdAlle", QStringLiteral("Abstand in Minuten"));
    EdAlle->setGeometry(x + 66, 212, 40, 22);
    LaAlle2 = Label(page, "LaAlle2", QStringLiteral("min"));
    LaAlle2->setGeometry(x + 110, 212, 40, 22);
    BuAlle = Button(page, "BuAlle", QStringLiteral(">"));
    BuAlle->setGeometry(x + 156, 211, 32, 24);

    LaGleich = Label(page, "LaGleich", QStringLiteral("Insgesamt"));
    LaGleich->setGeometry(x, 240, 64, 22);
    EdGleich = Edit(page, "EdGleich", QStringLiteral("Anzahl der Kapitel"));
    EdGleich->setGeometry(x + 66, 240, 40, 22);
    BuGleich = Button(page, "BuGleich", QStringLiteral(">"));
    BuGleich->setGeometry(x + 156, 239, 32, 24);

    EdGeheZu = Edit(page, "EdGeheZu", QStringLiteral("Position in Sekunden"));
    EdGeheZu->setGeometry(x, 268, 106, 22);
    BuGeheZu = Button(page, "BuGeheZu", QStringLiteral("Gehe"));
    BuGeheZu->setGeometry(x + 110, 267, 78, 24);

    ScLaut = Named(new QScrollBar(Qt::Horizontal, page), "ScLaut", QStringLiteral("Lautstärke"));
    ScLaut->setGeometry(x, 296, w, 17);
    ScLaut->setMaximum(1000);

    player_ = std::make_unique<MediaPreviewPlayer>(PaDisplay);
    connectHandlers();
    for (QWidget* w : std::initializer_list<QWidget*>{BuPlay, BuStop, BuKAdd, BuKDel, BuKDelAlle, EdPosition,
                                                      EdSpieldauer, ScPosition, ScLaut})
        w->setEnabled(false);
}

void ChapterTab::connectHandlers() {
    connect(ListMPEG, &QListWidget::currentRowChanged, this, &ChapterTab::ListMPEGClick);
    // A click on the source already selected opens it again.
    OnEvent(ListMPEG->viewport(), QEvent::MouseButtonPress, [this] { rowAtPress_ = ListMPEG->currentRow(); });
    connect(ListMPEG, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (ListMPEG->row(item) == rowAtPress_) ListMPEGClick();
    });
    connect(ScPosition, &QScrollBar::valueChanged, this, &ChapterTab::ScPositionChange);
    connect(BuPlay, &QPushButton::clicked, this, &ChapterTab::BuPlayClick);
    connect(BuStop, &QPushButton::clicked, this, &ChapterTab::BuStopClick);
    connect(BuKAdd, &QPushButton::clicked, this, &ChapterTab::BuKAddClick);
    connect(BuKDel, &QPushButton::clicked, this, &ChapterTab::BuKDelClick);
    connect(BuKDelAlle, &QPushButton::clicked, this, &ChapterTab::BuKDelAlleClick);
    connect(ListKapitel, &QListWidget::currentRowChanged, this, &ChapterTab::ListKapitelClick);
    connect(ListKapitel, &QListWidget::itemClicked, this, &ChapterTab::ListKapitelClick);
    connect(ScLaut, &QScrollBar::valueChanged, this, &ChapterTab::ScLautChange);
    connect(BuAlle, &QPushButton::clicked, this, &ChapterTab::BuAlleClick);
    connect(BuGleich, &QPushButton::clicked, this, &ChapterTab::BuGleichClick);
    connect(BuGeheZu, &QPushButton::clicked, this, &ChapterTab::BuGeheZuClick);
    // Return in a field acts like the button beside it.
    connect(EdAlle, &QLineEdit::returnPressed, BuAlle, &QPushButton::click);
    connect(EdGleich, &QLineEdit::returnPressed, BuGleich, &QPushButton::click);
    connect(EdGeheZu, &QLineEdit::returnPressed, BuGeheZu, &QPushButton::click);
}

void ChapterTab::setPlayer(std::unique_ptr<PreviewPlayer> player) {
    closePlayer();
    player_ = std::move(player);
    forgetSource();
}

void ChapterTab::closePlayer() {
    player_->close();
    open_ = 0;
}

// ---------------------------------------------------------------------------
// Showing and leaving the tab, opening a source

void ChapterTab::tavTabKAPShow() {
    relist();
}

void ChapterTab::relist() {
    closePlayer();
    forgetSource();
    const QSignalBlocker blocker(ListMPEG);
    ListMPEG->clear();
    for (const QString& path : host.sources().paths())
        ListMPEG->addItem(QFileInfo(path).fileName());
    ListMPEG->setEnabled(ListMPEG->count() > 0);
}

void ChapterTab::tavTabKAPLeave() {
    if (player_->isOpen()) player_->pause();
}

void ChapterTab::forgetSource() {
    open_ = 0;
    EdSpieldauer->clear();
    EdPosition->clear();
    showMarks({});
    const QSignalBlocker blocker(ScPosition);
    ScPosition->setRange(0, 0);
    setSourceControlsEnabled(false);
}

void ChapterTab::setSourceControlsEnabled(bool enabled) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{BuAlle, EdAlle, LaAlle1, LaAlle2, BuGleich, EdGleich, LaGleich,
                                         BuKAdd, BuPlay, BuStop, BuGeheZu, EdGeheZu, ListKapitel, ScPosition})
        w->setEnabled(enabled);
    if (!enabled) return;
    for (QWidget* w : std::initializer_list<QWidget*>{EdPosition, EdSpieldauer, ScLaut})
        w->setEnabled(true);
}

void ChapterTab::ListMPEGClick() {
    const int k = ListMPEG->currentRow();
    if (k < 0 || k >= host.sources().count()) return;
    bool opened = false;
    {
        const BusyCursor busy;
        opened = openSource(k + 1);
    }
    if (opened) return;
    const bool m2v = QFileInfo(host.sources()[k + 1].Datei).suffix() == QLatin1String("m2v");
    tell(m2v ? kCannotOpen + kRenameHint : kCannotOpen);
}

bool ChapterTab::openSource(int record) {
    closePlayer();
    if (!player_->open(host.sources()[record].Datei)) {
        forgetSource();
        return false;
    }
    // The library's play time; a player measures elementary streams short.
    qint64 seconds = 0;
    const bool known = PositiveNumber(host.sources()[record].Spieldauer, &seconds);
    showOpenSource(record, known ? int(seconds * kFramesPerSecond) : player_->length());
    return true;
}

void ChapterTab::showOpenSource(int record, int length) {
    open_ = record;
    {
        const QSignalBlocker blocker(ScPosition);
        ScPosition->setValue(0);
        ScPosition->setMaximum(length);
    }
    PlayerPosition = length;
    EdSpieldauer->setText(FramesToText(length));
    player_->setDisplayRect(DisplayRect(host.sources()[record].AspectRatio));
    showPosition();
    setSourceControlsEnabled(true);
    showMarks(ParseChapters(host.sources()[record].Kapitel, EdSpieldauer->text()));
}

// ---------------------------------------------------------------------------
// Position and playback

void ChapterTab::seek(int frames) {
    if (!player_->isOpen()) return;
    {
        const QSignalBlocker blocker(ScPosition);
        ScPosition->setValue(frames);
    }
    if (player_->position() != frames) player_->setPosition(frames);
    showPosition();
}

void ChapterTab::showPosition() {
    PlayerPosition = player_->position();
    EdPosition->setText(FramesToText(PlayerPosition));
}

void ChapterTab::ScPositionChange() {
    seek(ScPosition->value());
}

void ChapterTab::BuPlayClick() {
    for (QWidget* w : std::initializer_list<QWidget*>{BuKAdd, BuKDel, BuKDelAlle})
        w->setEnabled(false);
    player_->play();
}

void ChapterTab::BuStopClick() {
    player_->pause();  // stopping would rewind
    seek(player_->position());
    BuKAdd->setEnabled(true);
    BuKDelAlle->setEnabled(ListKapitel->count() > 0);
}

void ChapterTab::ScLautChange() {
    player_->setVolume(ScLaut->value());
}

void ChapterTab::BuGeheZuClick() {
    const QString text = EdGeheZu->text();
    if (text.isEmpty()) return;
    qint64 seconds = 0;
    if (!LeadingNumber(text, &seconds)) return tell(kNoPosition);
    const qint64 frames = seconds * kFramesPerSecond;
    if (frames > ScPosition->maximum()) return tell(kOutOfRange);
    seek(int(frames));
}

// ---------------------------------------------------------------------------
// Marks by hand

QStringList ChapterTab::listedMarks() const {
    QStringList marks;
    for (int i = 0; i < ListKapitel->count(); ++i)
        marks << ListKapitel->item(i)->text();
    return marks;
}

void ChapterTab::showMarks(const QStringList& marks) {
    const QSignalBlocker blocker(ListKapitel);
    ListKapitel->clear();
    ListKapitel->addItems(marks);
    ListKapitel->setCurrentRow(-1);
    BuKDel->setEnabled(false);
    BuKDelAlle->setEnabled(!marks.isEmpty());
}

// What the list shows is what the source gets; marks at or beyond the play
// length are not listed, but they stay.
void ChapterTab::storeMarks() {
    if (open_ == 0) return;
    QString& stored = host.sources()[open_].Kapitel;
    QStringList marks = listedMarks();
    const QString limit = EdSpieldauer->text();
    for (const QString& mark : stored.split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (!(mark < limit)) marks << mark;
    stored = marks.join(QLatin1Char(','));
}

void ChapterTab::resetAuthoringResume() {
    if (host.runState().resumePoint >= 400) host.runState().resumePoint = 0;
}

void ChapterTab::BuKAddClick() {
    if (open_ == 0) return;
    resetAuthoringResume();
    showMarks(WithMark(listedMarks(), EdPosition->text()));
    storeMarks();
}

void ChapterTab::BuKDelClick() {
    resetAuthoringResume();
    QListWidgetItem* item = ListKapitel->currentItem();
    if (!item || !item->isSelected()) return;
    {
        const QSignalBlocker blocker(ListKapitel);
        delete item;
        ListKapitel->setCurrentRow(-1);
    }
    BuKDel->setEnabled(false);
    BuKDelAlle->setEnabled(ListKapitel->count() > 0);
    storeMarks();
}

void ChapterTab::BuKDelAlleClick() {
    resetAuthoringResume();
    showMarks({});
    storeMarks();
}

void ChapterTab::ListKapitelClick() {
    const QListWidgetItem* item = ListKapitel->currentItem();
    if (!item || !item->isSelected()) return;
    BuKDel->setEnabled(true);
    seek(int(TextToFrames(item->text())));
}

// ---------------------------------------------------------------------------
// Automatic marks

bool ChapterTab::readCount(QLineEdit* edit, const QString& refusal, qint64* value) {
    if (PositiveNumber(edit->text(), value)) return true;
    tell(refusal);
    return false;
}

bool ChapterTab::playSeconds(qint64* seconds) {
    bool ok = false;
    *seconds = host.sources()[open_].Spieldauer.trimmed().toLongLong(&ok);
    if (ok && *seconds >= 0) return true;
    tell(kNoPlayTime);
    return false;
}

void ChapterTab::setAutoMarks(const MarkSpacing& spacing) {
    const QStringList marks = SpacedMarks(spacing);
    showMarks(marks);
    host.sources()[open_].Kapitel = marks.join(QLatin1Char(','));
}

void ChapterTab::BuAlleClick() {
    resetAuthoringResume();
    BuKAdd->setEnabled(false);
    qint64 minutes = 0, seconds = 0;
    if (open_ == 0 || !readCount(EdAlle, kNoInterval, &minutes) || !playSeconds(&seconds)) return;
    const MarkSpacing spacing = SpacingEvery(seconds, minutes * 60);
    if (spacing.count > kMaxAutoMarks) return tell(kTooMany);
    setAutoMarks(spacing);
}

void ChapterTab::BuGleichClick() {
    resetAuthoringResume();
    BuKAdd->setEnabled(false);
    qint64 parts = 0, seconds = 0;
    if (open_ == 0 || !readCount(EdGleich, kNoCount, &parts) || !playSeconds(&seconds)) return;
    const MarkSpacing spacing = SpacingEqual(seconds, parts);
    if (parts - 1 > kMaxAutoMarks || spacing.count > kMaxAutoMarks) return tell(kTooMany);
    if (spacing.step == 0) return;  // parts shorter than a second: nothing changes
    setAutoMarks(spacing);
}

void ChapterTab::tell(const QString& text) {
    host.dialogs().tell(Dialogs::Kind::Information, text);
}
