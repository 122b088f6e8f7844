#include "acquisition/DriveList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

QString ReadTrimmed(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QString();
    return QString::fromLatin1(file.readAll()).simplified();
}

}  // namespace

QList<OpticalDrive> ListOpticalDrives(const QString& sysClassBlock) {
    QList<OpticalDrive> drives;
    const QDir dir(sysClassBlock);
    for (const QString& name :
         dir.entryList({QStringLiteral("sr*")}, QDir::AllEntries | QDir::System, QDir::Name)) {
        const QString device = dir.filePath(name) + QStringLiteral("/device");
        OpticalDrive drive;
        drive.device = QStringLiteral("/dev/") + name;
        const QStringList address = QFileInfo(QFileInfo(device).canonicalFilePath()).fileName().split(':');
        drive.address = address.size() >= 3 ? address.mid(0, 3).join(':') : QStringLiteral("0:0:0");
        drive.name = (ReadTrimmed(device + QStringLiteral("/vendor")) + QLatin1Char(' ') +
                      ReadTrimmed(device + QStringLiteral("/model")))
                         .simplified();
        drives.append(drive);
    }
    return drives;
}

QString DriveEntry(const OpticalDrive& drive) {
    return drive.device + QStringLiteral(": (") + drive.address + QStringLiteral(") ") + drive.name;
}

DriveEntryParts ParseDriveEntry(const QString& entry) {
    static const QRegularExpression pattern(QStringLiteral("^(.*?): \\(([^)]*)\\) ?(.*)$"));
    const QRegularExpressionMatch match = pattern.match(entry);
    DriveEntryParts parts;
    if (!match.hasMatch()) return parts;
    parts.device = match.captured(1);
    parts.address = match.captured(2);
    parts.text = match.captured(3);
    parts.valid = true;
    return parts;
}

QString WithEntryText(const QString& entry, const QString& text) {
    const DriveEntryParts parts = ParseDriveEntry(entry);
    if (!parts.valid) return entry;
    return parts.device + QStringLiteral(": (") + parts.address + QStringLiteral(") ") + text;
}
