// How reading an INI file and looking up its keys grows with the number of
// keys: prints the cost per key for 1,000 and for 50,000 keys in one section
// and their ratio. Near 1 means every key costs the same however large the
// file (a settings or project file with tens of thousands of keys loads at once).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include "persistence/IniFile.h"

namespace {

double MicrosecondsPerKey(int keys) {
    QByteArray text = "[Quelle01]\r\n";
    for (int k = 0; k < keys; ++k)
        text += "Schluessel" + QByteArray::number(k) + "=Wert\r\n";
    QElapsedTimer timer;
    timer.start();
    IniFile ini;
    ini.parse(text);
    int found = 0;
    for (int k = 0; k < keys; ++k)
        found += ini.hasKey(QStringLiteral("quelle01"), QStringLiteral("SCHLUESSEL%1").arg(k));
    if (found != keys) return -1;
    return timer.nsecsElapsed() / 1000.0 / keys;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const double small = MicrosecondsPerKey(1000);
    const double large = MicrosecondsPerKey(50000);
    QTextStream(stdout) << QStringLiteral(
                               "INI file, 1,000 vs 50,000 keys: %1 us vs %2 us per key, ratio %3\n")
                               .arg(small, 0, 'f', 2)
                               .arg(large, 0, 'f', 2)
                               .arg(large / small, 0, 'f', 2);
    return 0;
}
