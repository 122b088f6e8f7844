#pragma once

#include <QObject>
#include <QWidget>

#include "pipeline/Log.h"

class QPlainTextEdit;
class QProgressBar;
class THaupt;

// The log memo as a log sink. Replacing the last line edits only that block, so
// progress output stays fast however long the log grows.
class MemoLogSink : public LogSink {
  public:
    explicit MemoLogSink(QPlainTextEdit* memo) : memo_(memo) {}
    void addLine(const QString& line) override;
    void replaceLastLine(const QString& line) override;
    QString lastLine() const override;
    int lineCount() const override { return count_; }
    QStringList lines() const override;

  private:
    void scrollToEnd();

    QPlainTextEdit* memo_;
    int count_ = 0;
};

// The "Log" tab: the memo and the progress gauge below it, placed by hand so
// that the memo is 325 pixels high, or 300 while the gauge shows.
class LogTab : public QObject {
    Q_OBJECT

  public:
    explicit LogTab(THaupt& h);
    void build(QWidget* page);
    void setMemoHeight(int height);
    void tavTabLogShow();

  private:
    void place();

    THaupt& h;
    QWidget* page_ = nullptr;
    int memoHeight_ = 325;
};
