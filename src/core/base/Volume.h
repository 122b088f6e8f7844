#pragma once

#include <QString>

// The volume that holds a path (stands in for a drive letter).
struct VolumeInfo {
    bool valid = false;
    QString root;  // mount point, always ending with "/"
    qint64 availableBytes = 0;
    qint64 totalBytes = 0;
};

// Measures the nearest existing folder of path (a folder that does not exist yet
// has no volume of its own). Free space is what this program can really write.
VolumeInfo QueryVolume(const QString& path);
