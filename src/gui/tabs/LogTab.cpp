#include "gui/tabs/LogTab.h"

#include <QEvent>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QTextBlock>

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

namespace {

QPlainTextEdit* MakeMemo(QWidget* page) {
    auto* memo = Named(new QPlainTextEdit(page), "MemoLog", QStringLiteral("Protokoll"));
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setUndoRedoEnabled(false);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(8);
    memo->setFont(fixed);
    return memo;
}

}  // namespace

LogTab::LogTab() : MemoLog(MakeMemo(this)), sink_(MemoLog) {
    GaFort = Named(new QProgressBar(this), "GaFort", QStringLiteral("Fortschritt"));
    GaFort->setTextVisible(false);
    GaFort->hide();
    place();
}

void LogTab::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    place();  // memo and gauge follow the page's size
}

void LogTab::place() {
    const int width = this->width() - 4;
    MemoLog->setGeometry(2, 2, width, memoHeight_);
    GaFort->setGeometry(2, 2 + 300 + 4, width, 18);
}

void LogTab::setMemoHeight(int height) {
    memoHeight_ = height;
    place();
}

void LogTab::showGauge(qint64 maximumKB) {
    GaFort->setRange(0, static_cast<int>(qBound<qint64>(1, maximumKB, qint64(INT_MAX))));
    GaFort->setValue(0);
    GaFort->show();
    setMemoHeight(300);
}

void LogTab::setGaugePosition(qint64 kb) {
    GaFort->setValue(static_cast<int>(qBound<qint64>(0, kb, qint64(GaFort->maximum()))));
}

void LogTab::hideGauge() {
    GaFort->hide();
    setMemoHeight(325);
}
