#pragma once

#include <QWidget>

#include "base/Log.h"
#include "base/Progress.h"

class QPlainTextEdit;
class QProgressBar;

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
class LogTab : public QWidget, public ProgressView {
    Q_OBJECT

  public:
    LogTab();

    LogSink& sink() { return sink_; }
    QProgressBar* gauge() const { return GaFort; }
    void showGauge(qint64 maximumKB) override;
    void setGaugePosition(qint64 kb) override;
    void hideGauge() override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void setMemoHeight(int height);
    void place();

    QPlainTextEdit* MemoLog = nullptr;
    QProgressBar* GaFort = nullptr;
    MemoLogSink sink_;
    int memoHeight_ = 325;
};
