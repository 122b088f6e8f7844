#pragma once

#include <QList>
#include <QString>

// An optical drive as the system lists it.
struct OpticalDrive {
    QString device;   // "/dev/sr0"
    QString address;  // SCSI address "h:c:t"
    QString name;     // vendor and model
};

// The optical drives under a sysfs block-class folder, sorted by device.
QList<OpticalDrive> ListOpticalDrives(const QString& sysClassBlock = QStringLiteral("/sys/class/block"));

// A drive entry of the drive lists: "/dev/sr0: (1:0:0) VENDOR MODEL".
QString DriveEntry(const OpticalDrive& drive);

// The parts of a drive entry; the text after the address may be a disc label.
struct DriveEntryParts {
    QString device;
    QString address;
    QString text;
    bool valid = false;
};
DriveEntryParts ParseDriveEntry(const QString& entry);
// The entry with its text after the address replaced.
QString WithEntryText(const QString& entry, const QString& text);
