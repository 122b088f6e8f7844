#include "gui/tabs/ChapterTab.h"

#include <QFileInfo>
#include <QFrame>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>

#include "chapters/ChapterMarks.h"
#include "chapters/TimeText.h"
#include "gui/tabs/MediaPreviewPlayer.h"
#include "gui/window/BusyCursor.h"
#include "gui/window/Tavrolin.h"
#include "gui/window/Ui.h"

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

ChapterTab::ChapterTab(THaupt& haupt) : QObject(&haupt), h(haupt) {}

ChapterTab::~ChapterTab() = default;

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

    player_ = std::make_unique<MediaPreviewPlayer>(h.PaDisplay);
    connectHandlers();
}

void ChapterTab::connectHandlers() {
    connect(h.tav, &QTabWidget::currentChanged, this, [this] {
        if (h.tav->currentWidget() != h.tavTabKAP) tavTabKAPLeave();
    });
    connect(h.ListMPEG, &QListWidget::currentRowChanged, this, &ChapterTab::ListMPEGClick);
    // A click on the source already selected opens it again.
    OnEvent(h.ListMPEG->viewport(), QEvent::MouseButtonPress,
            [this] { rowAtPress_ = h.ListMPEG->currentRow(); });
    connect(h.ListMPEG, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (h.ListMPEG->row(item) == rowAtPress_) ListMPEGClick();
    });
    connect(h.ScPosition, &QScrollBar::valueChanged, this, &ChapterTab::ScPositionChange);
    connect(h.BuPlay, &QPushButton::clicked, this, &ChapterTab::BuPlayClick);
    connect(h.BuStop, &QPushButton::clicked, this, &ChapterTab::BuStopClick);
    connect(h.BuKAdd, &QPushButton::clicked, this, &ChapterTab::BuKAddClick);
    connect(h.BuKDel, &QPushButton::clicked, this, &ChapterTab::BuKDelClick);
    connect(h.BuKDelAlle, &QPushButton::clicked, this, &ChapterTab::BuKDelAlleClick);
    connect(h.ListKapitel, &QListWidget::currentRowChanged, this, &ChapterTab::ListKapitelClick);
    connect(h.ListKapitel, &QListWidget::itemClicked, this, &ChapterTab::ListKapitelClick);
    connect(h.ScLaut, &QScrollBar::valueChanged, this, &ChapterTab::ScLautChange);
    connect(h.BuAlle, &QPushButton::clicked, this, &ChapterTab::BuAlleClick);
    connect(h.BuGleich, &QPushButton::clicked, this, &ChapterTab::BuGleichClick);
    connect(h.BuGeheZu, &QPushButton::clicked, this, &ChapterTab::BuGeheZuClick);
    // Return in a field acts like the button beside it.
    connect(h.EdAlle, &QLineEdit::returnPressed, h.BuAlle, &QPushButton::click);
    connect(h.EdGleich, &QLineEdit::returnPressed, h.BuGleich, &QPushButton::click);
    connect(h.EdGeheZu, &QLineEdit::returnPressed, h.BuGeheZu, &QPushButton::click);
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
    h.ShowStartButton();
    relist();
}

void ChapterTab::relist() {
    closePlayer();
    forgetSource();
    const QSignalBlocker blocker(h.ListMPEG);
    h.ListMPEG->clear();
    for (const QString& path : h.Sources.paths())
        h.ListMPEG->addItem(QFileInfo(path).fileName());
    h.ListMPEG->setEnabled(h.ListMPEG->count() > 0);
}

void ChapterTab::tavTabKAPLeave() {
    if (player_->isOpen()) player_->pause();
}

void ChapterTab::forgetSource() {
    open_ = 0;
    h.EdSpieldauer->clear();
    h.EdPosition->clear();
    showMarks({});
    const QSignalBlocker blocker(h.ScPosition);
    h.ScPosition->setRange(0, 0);
    setSourceControlsEnabled(false);
}

void ChapterTab::setSourceControlsEnabled(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{h.BuAlle, h.EdAlle, h.LaAlle1, h.LaAlle2, h.BuGleich,
                                                      h.EdGleich, h.LaGleich, h.BuKAdd, h.BuPlay, h.BuStop,
                                                      h.BuGeheZu, h.EdGeheZu, h.ListKapitel, h.ScPosition})
        w->setEnabled(enabled);
    if (!enabled) return;
    for (QWidget* w : std::initializer_list<QWidget*>{h.EdPosition, h.EdSpieldauer, h.ScLaut})
        w->setEnabled(true);
}

void ChapterTab::ListMPEGClick() {
    const int k = h.ListMPEG->currentRow();
    if (k < 0 || k >= h.Sources.count()) return;
    bool opened = false;
    {
        const BusyCursor busy;
        opened = openSource(k + 1);
    }
    if (opened) return;
    const bool m2v = QFileInfo(h.Sources[k + 1].Datei).suffix() == QLatin1String("m2v");
    tell(m2v ? kCannotOpen + kRenameHint : kCannotOpen);
}

bool ChapterTab::openSource(int record) {
    closePlayer();
    if (!player_->open(h.Sources[record].Datei)) {
        forgetSource();
        return false;
    }
    // The library's play time; a player measures elementary streams short.
    qint64 seconds = 0;
    const bool known = PositiveNumber(h.Sources[record].Spieldauer, &seconds);
    showOpenSource(record, known ? int(seconds * kFramesPerSecond) : player_->length());
    return true;
}

void ChapterTab::showOpenSource(int record, int length) {
    open_ = record;
    {
        const QSignalBlocker blocker(h.ScPosition);
        h.ScPosition->setValue(0);
        h.ScPosition->setMaximum(length);
    }
    h.PlayerPosition = length;
    h.EdSpieldauer->setText(FramesToText(length));
    player_->setDisplayRect(DisplayRect(h.Sources[record].AspectRatio));
    showPosition();
    setSourceControlsEnabled(true);
    showMarks(ParseChapters(h.Sources[record].Kapitel, h.EdSpieldauer->text()));
}

void THaupt::ClosePlayer() {
    chapterTab->closePlayer();
}

// ---------------------------------------------------------------------------
// Position and playback

void ChapterTab::seek(int frames) {
    if (!player_->isOpen()) return;
    {
        const QSignalBlocker blocker(h.ScPosition);
        h.ScPosition->setValue(frames);
    }
    if (player_->position() != frames) player_->setPosition(frames);
    showPosition();
}

void ChapterTab::showPosition() {
    h.PlayerPosition = player_->position();
    h.EdPosition->setText(FramesToText(h.PlayerPosition));
}

void ChapterTab::ScPositionChange() {
    seek(h.ScPosition->value());
}

void ChapterTab::BuPlayClick() {
    for (QWidget* w : std::initializer_list<QWidget*>{h.BuKAdd, h.BuKDel, h.BuKDelAlle})
        w->setEnabled(false);
    player_->play();
}

void ChapterTab::BuStopClick() {
    player_->pause();  // stopping would rewind
    seek(player_->position());
    h.BuKAdd->setEnabled(true);
    h.BuKDelAlle->setEnabled(h.ListKapitel->count() > 0);
}

void ChapterTab::ScLautChange() {
    player_->setVolume(h.ScLaut->value());
}

void ChapterTab::BuGeheZuClick() {
    const QString text = h.EdGeheZu->text();
    if (text.isEmpty()) return;
    qint64 seconds = 0;
    if (!LeadingNumber(text, &seconds)) return tell(kNoPosition);
    const qint64 frames = seconds * kFramesPerSecond;
    if (frames > h.ScPosition->maximum()) return tell(kOutOfRange);
    seek(int(frames));
}

// ---------------------------------------------------------------------------
// Marks by hand

QStringList ChapterTab::listedMarks() const {
    QStringList marks;
    for (int i = 0; i < h.ListKapitel->count(); ++i)
        marks << h.ListKapitel->item(i)->text();
    return marks;
}

void ChapterTab::showMarks(const QStringList& marks) {
    const QSignalBlocker blocker(h.ListKapitel);
    h.ListKapitel->clear();
    h.ListKapitel->addItems(marks);
    h.ListKapitel->setCurrentRow(-1);
    h.BuKDel->setEnabled(false);
    h.BuKDelAlle->setEnabled(!marks.isEmpty());
}

// What the list shows is what the source gets; marks at or beyond the play
// length are not listed, but they stay.
void ChapterTab::storeMarks() {
    if (open_ == 0) return;
    QString& stored = h.Sources[open_].Kapitel;
    QStringList marks = listedMarks();
    const QString limit = h.EdSpieldauer->text();
    for (const QString& mark : stored.split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (!(mark < limit)) marks << mark;
    stored = marks.join(QLatin1Char(','));
}

void ChapterTab::resetAuthoringResume() {
    if (h.Run.resumePoint >= 400) h.Run.resumePoint = 0;
}

void ChapterTab::BuKAddClick() {
    if (open_ == 0) return;
    resetAuthoringResume();
    showMarks(WithMark(listedMarks(), h.EdPosition->text()));
    storeMarks();
}

void ChapterTab::BuKDelClick() {
    resetAuthoringResume();
    QListWidgetItem* item = h.ListKapitel->currentItem();
    if (!item || !item->isSelected()) return;
    {
        const QSignalBlocker blocker(h.ListKapitel);
        delete item;
        h.ListKapitel->setCurrentRow(-1);
    }
    h.BuKDel->setEnabled(false);
    h.BuKDelAlle->setEnabled(h.ListKapitel->count() > 0);
    storeMarks();
}

void ChapterTab::BuKDelAlleClick() {
    resetAuthoringResume();
    showMarks({});
    storeMarks();
}

void ChapterTab::ListKapitelClick() {
    const QListWidgetItem* item = h.ListKapitel->currentItem();
    if (!item || !item->isSelected()) return;
    h.BuKDel->setEnabled(true);
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
    *seconds = h.Sources[open_].Spieldauer.trimmed().toLongLong(&ok);
    if (ok && *seconds >= 0) return true;
    tell(kNoPlayTime);
    return false;
}

void ChapterTab::setAutoMarks(const MarkSpacing& spacing) {
    const QStringList marks = SpacedMarks(spacing);
    showMarks(marks);
    h.Sources[open_].Kapitel = marks.join(QLatin1Char(','));
}

void ChapterTab::BuAlleClick() {
    resetAuthoringResume();
    h.BuKAdd->setEnabled(false);
    qint64 minutes = 0, seconds = 0;
    if (open_ == 0 || !readCount(h.EdAlle, kNoInterval, &minutes) || !playSeconds(&seconds)) return;
    const MarkSpacing spacing = SpacingEvery(seconds, minutes * 60);
    if (spacing.count > kMaxAutoMarks) return tell(kTooMany);
    setAutoMarks(spacing);
}

void ChapterTab::BuGleichClick() {
    resetAuthoringResume();
    h.BuKAdd->setEnabled(false);
    qint64 parts = 0, seconds = 0;
    if (open_ == 0 || !readCount(h.EdGleich, kNoCount, &parts) || !playSeconds(&seconds)) return;
    const MarkSpacing spacing = SpacingEqual(seconds, parts);
    if (parts - 1 > kMaxAutoMarks || spacing.count > kMaxAutoMarks) return tell(kTooMany);
    if (spacing.step == 0) return;  // parts shorter than a second: nothing changes
    setAutoMarks(spacing);
}

void ChapterTab::tell(const QString& text) {
    h.dialogs().tell(Dialogs::Kind::Information, text);
}
