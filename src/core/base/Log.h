#pragma once

#include <QString>
#include <QStringList>

// The modes of WriteLog; their values are fixed.
enum LogMode { lmAdd = 0, lmAppend = 1, lmProgress = 2, lmIndent = 3, lmReplace = 4 };

// Where log lines go: the log memo in the window, or memory when headless.
class LogSink {
  public:
    virtual ~LogSink() = default;
    virtual void addLine(const QString& line) = 0;
    virtual void replaceLastLine(const QString& line) = 0;
    virtual QString lastLine() const = 0;
    virtual int lineCount() const = 0;
    virtual QStringList lines() const = 0;
};

// Writes text into the log in one of the five modes.
void WriteLog(LogSink& log, LogMode mode, const QString& text);

// The eleven blanks that put a continuation line under the text of a label line.
inline QString Indent() {
    return QStringLiteral("           ");
}

// A log held in memory.
class MemoryLog : public LogSink {
  public:
    void addLine(const QString& line) override { lines_.append(line); }
    void replaceLastLine(const QString& line) override;
    QString lastLine() const override { return lines_.isEmpty() ? QString() : lines_.last(); }
    int lineCount() const override { return lines_.size(); }
    QStringList lines() const override { return lines_; }
    void clear() { lines_.clear(); }

  private:
    QStringList lines_;
};
