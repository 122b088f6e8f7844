#include "base/Log.h"

namespace {

const QString kDots = QStringLiteral("...");

QString WithProgress(const QString& line, const QString& text) {
    const int dots = line.indexOf(kDots);
    if (dots < 0) return line + kDots + text;
    return line.left(dots) + kDots + text;
}

}  // namespace

void WriteLog(LogSink& log, LogMode mode, const QString& text) {
    // Modes that act on the last line add one when the log is still empty.
    const bool empty = log.lineCount() == 0;
    switch (mode) {
        case lmAdd:
            log.addLine(text);
            return;
        case lmIndent:
            log.addLine(Indent() + text);
            return;
        case lmAppend:
            empty ? log.addLine(text) : log.replaceLastLine(log.lastLine() + text);
            return;
        case lmProgress:
            empty ? log.addLine(kDots + text) : log.replaceLastLine(WithProgress(log.lastLine(), text));
            return;
        case lmReplace:
            empty ? log.addLine(text) : log.replaceLastLine(text);
            return;
    }
}

void MemoryLog::replaceLastLine(const QString& line) {
    if (lines_.isEmpty())
        lines_.append(line);
    else
        lines_.last() = line;
}
