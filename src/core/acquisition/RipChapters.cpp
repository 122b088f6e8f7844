#include "acquisition/RipChapters.h"

#include <QFile>
#include <QLocale>

#include "base/FileWrite.h"
#include "chapters/TimeText.h"
#include "pipeline/RunSupport.h"
#include "platform/Paths.h"

namespace {

// The value between ">" and "</" of an entry line; empty when there is none.
QString EntryValue(const QString& line) {
    if (!line.contains(QLatin1String("entry id="))) return QString();
    const int open = line.indexOf(QLatin1Char('>'));
    const int close = line.indexOf(QLatin1String("</"));
    return close > open ? line.mid(open + 1, close - open - 1).trimmed() : QString();
}

QStringList ReadLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
}

bool WriteLines(const QString& path, const QStringList& lines) {
    return WriteFileWhole(path, (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
}

}  // namespace

QStringList EntryPointChapters(const QStringList& xmlLines) {
    static const QLocale decimalComma(QLocale::German);
    QStringList chapters;
    for (const QString& line : xmlLines) {
        const QString value = ReplaceChar(EntryValue(line), QLatin1Char('.'), QLatin1Char(','), false, false);
        bool number = false;
        const double seconds = decimalComma.toDouble(value, &number);
        if (number && seconds != 0) chapters << SecondsCommaToText(value);
    }
    return chapters;
}

void ReadRipChapters(RunContext& ctx, const QString& tempFolder, const QString& target) {
    Add(ctx, QString());
    Add(ctx, QStringLiteral("Kapitel"));
    QString xml = JoinPath(tempFolder, QStringLiteral("vcd.xml"));
    if (!FileExists(xml)) xml = JoinPath(tempFolder, QStringLiteral("svcd.xml"));
    if (!FileExists(xml)) {
        Add(ctx, QStringLiteral("Fehler:    Es wurde keine XML-Datei gefunden."));
        return;
    }
    Add(ctx, QStringLiteral("XML-Datei: ") + xml);
    const QStringList chapters = EntryPointChapters(ReadLines(xml));
    if (chapters.isEmpty()) return;
    Add(ctx, QStringLiteral("Kapitel:"));
    for (const QString& chapter : chapters)
        Indented(ctx, chapter);
    if (!WriteLines(ChangeFileExt(target, QStringLiteral(".Kapitel")), chapters))
        Add(ctx, QStringLiteral("Fehler:    Die Kapiteldatei konnte nicht gespeichert werden."));
}
