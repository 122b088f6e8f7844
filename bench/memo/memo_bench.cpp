// How the log memo's cost of rewriting its last line (tool progress output)
// grows with the length of the log: prints the ratio between a long and a short
// log. Near 1 means the rewrite does not depend on the log's length.
#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextStream>

#include "gui/tabs/LogTab.h"

namespace {

double ReplaceMicroseconds(MemoLogSink& sink, int rewrites) {
    QElapsedTimer timer;
    timer.start();
    for (int k = 0; k < rewrites; ++k)
        WriteLog(sink, lmReplace, QStringLiteral(" Demultiplexing : [%1%]").arg(k));
    return timer.nsecsElapsed() / 1000.0 / rewrites;
}

double AddMicroseconds(MemoLogSink& sink, int lines) {
    QElapsedTimer timer;
    timer.start();
    for (int k = 0; k < lines; ++k)
        WriteLog(sink, lmAdd, QStringLiteral("Zeile %1 der Werkzeugausgabe").arg(k));
    return timer.nsecsElapsed() / 1000.0 / lines;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QPlainTextEdit memo;
    memo.resize(548, 325);
    memo.show();
    MemoLogSink sink(&memo);
    const int rewrites = 2000;

    const double addShort = AddMicroseconds(sink, 100);
    const double replaceShort = ReplaceMicroseconds(sink, rewrites);
    const double addLong = AddMicroseconds(sink, 100000);
    const double replaceLong = ReplaceMicroseconds(sink, rewrites);

    QTextStream out(stdout);
    out << "log memo, 100 lines vs 100,100 lines\n";
    out << QStringLiteral("  add a line:          %1 us vs %2 us per line, ratio %3\n")
               .arg(addShort, 0, 'f', 1)
               .arg(addLong, 0, 'f', 1)
               .arg(addLong / addShort, 0, 'f', 2);
    out << QStringLiteral("  rewrite last line:   %1 us vs %2 us per rewrite, ratio %3\n")
               .arg(replaceShort, 0, 'f', 1)
               .arg(replaceLong, 0, 'f', 1)
               .arg(replaceLong / replaceShort, 0, 'f', 2);
    return 0;
}
