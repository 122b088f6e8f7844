#include "persistence/MenuProjectExport.h"

#include <QFile>
#include <QFileInfo>

#include "base/FileWrite.h"
#include "sources/SourceTable.h"
#include "sources/Tables.h"

namespace {

bool AlikeForMenu(const MPEGInfo& a, const MPEGInfo& b) {
    return a.Format == b.Format && a.Bildgroesse == b.Bildgroesse &&
           a.Bildwiederholrate == b.Bildwiederholrate && a.AspectRatio == b.AspectRatio &&
           a.TonFormat == b.TonFormat && a.TonBitrate == b.TonBitrate && a.TonAbtastrate == b.TonAbtastrate;
}

// The formats of the tracks: the first one's name (empty when unknown), then
// "*" and the second one's when there is a second track.
QString AudioField(const MPEGInfo& r) {
    QString field = TableText(AudioFormatTable(), r.TonFormat[0], QString());
    if (r.TonFormat[1] != kNone)
        field += QLatin1Char('*') + TableText(AudioFormatTable(), r.TonFormat[1], QString());
    return field;
}

}  // namespace

QVector<int> MenuTitleSets(const SourceTable& table) {
    QVector<int> numbers;
    int v = 1;
    for (int i = 1; i <= table.count(); ++i) {
        if (i > 1 && !AlikeForMenu(table[i], table[i - 1])) ++v;
        numbers << v;
    }
    return numbers;
}

QStringList MenuProjectLines(const QString& label, const QString& menuFile, const SourceTable& table) {
    QStringList lines{QLatin1Char(';') + label, QStringLiteral(";VTS0*") + menuFile};
    const QVector<int> titleSets = MenuTitleSets(table);
    for (int i = 1; i <= table.count(); ++i) {
        const MPEGInfo& r = table[i];
        lines << QStringLiteral(";VTS") + QString::number(titleSets[i - 1]) + QLatin1Char('*') + r.Datei +
                     QLatin1Char('*') + r.Format + QLatin1Char('*') + r.Kapitel + QLatin1Char('*') +
                     AudioField(r);
    }
    return lines;
}

MenuExportResult WriteMenuProject(const QString& path, const QStringList& lines) {
    // The old file is replaced in one step: a failed write keeps it.
    const QFileInfo old(path);
    if (old.exists() && (!old.isFile() || !old.isWritable())) return MenuExportResult::OldFileKept;
    QByteArray data;
    for (const QString& line : lines)
        data += (line + QStringLiteral("\r\n")).toUtf8();
    return WriteFileWhole(path, data) ? MenuExportResult::Written : MenuExportResult::NotWritten;
}
