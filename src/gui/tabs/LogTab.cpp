#include "gui/tabs/LogTab.h"

#include <QEvent>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QTextBlock>

#include "gui/window/Tavrolin.h"
#include "gui/window/Ui.h"

using namespace ui;

void MemoLogSink::addLine(const QString& line) {
    QTextCursor cursor(memo_->document());
    cursor.movePosition(QTextCursor::End);
    if (count_ > 0) cursor.insertBlock();
    cursor.insertText(line);
    ++count_;
    scrollToEnd();
}

void MemoLogSink::replaceLastLine(const QString& line) {
    if (count_ == 0) {
        addLine(line);
        return;
    }
    QTextCursor cursor(memo_->document()->lastBlock());
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(line);
    scrollToEnd();
}

QString MemoLogSink::lastLine() const {
    return count_ == 0 ? QString() : memo_->document()->lastBlock().text();
}

QStringList MemoLogSink::lines() const {
    QStringList result;
    result.reserve(count_);
    if (count_ == 0) return result;
    for (QTextBlock block = memo_->document()->begin(); block.isValid(); block = block.next())
        result.append(block.text());
    return result;
}

void MemoLogSink::scrollToEnd() {
    QScrollBar* bar = memo_->verticalScrollBar();
    bar->setValue(bar->maximum());
}

LogTab::LogTab(THaupt& haupt) : QObject(&haupt), h(haupt) {}

void LogTab::build(QWidget* page) {
    page_ = page;
    h.MemoLog = Named(new QPlainTextEdit(page), "MemoLog", QStringLiteral("Protokoll"));
    h.MemoLog->setReadOnly(true);
    h.MemoLog->setLineWrapMode(QPlainTextEdit::NoWrap);
    h.MemoLog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    h.MemoLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    h.MemoLog->setUndoRedoEnabled(false);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(8);
    h.MemoLog->setFont(fixed);
    h.GaFort = Named(new QProgressBar(page), "GaFort", QStringLiteral("Fortschritt"));
    h.GaFort->setTextVisible(false);
    h.GaFort->hide();
    OnEvent(page, QEvent::Resize, [this] { place(); });  // memo and gauge follow the page's size
    place();
}

void LogTab::place() {
    const int width = page_->width() - 4;
    h.MemoLog->setGeometry(2, 2, width, memoHeight_);
    h.GaFort->setGeometry(2, 2 + 300 + 4, width, 18);
}

void LogTab::setMemoHeight(int height) {
    memoHeight_ = height;
    place();
}

void LogTab::tavTabLogShow() {
    h.ShowStartButton();
}
