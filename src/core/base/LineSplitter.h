#pragma once

#include <QByteArray>

#include "base/Log.h"

// Turns a tool's output into log lines: LF and CR LF end a line, a lone CR
// (a tool redrawing its progress) replaces the log's last line, NUL bytes are
// skipped. A line is cut after kMaxToolLineBytes, so output without line breaks
// never fills the memory or the log view.
class LineSplitter {
  public:
    static constexpr int kMaxToolLineBytes = 64 * 1024;

    explicit LineSplitter(LogSink& log) : log_(log) {}
    // The next bytes; a line may continue in the next call.
    void feed(const QByteArray& bytes);
    // Logs what is left of a line without a line break.
    void flush();

  private:
    LogSink& log_;
    QByteArray pending_;
};

// Tool output as text: UTF-8, or Latin-1 when the bytes are not valid UTF-8.
QString DecodeToolOutput(const QByteArray& bytes);
