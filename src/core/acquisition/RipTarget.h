#pragma once

#include <QString>

// The file names that acquired MPEG tracks get in the rip folder. A name that
// does not already tell its part of a set ("cd1", "cd2", "cd3") gets "_CD" and
// the 1-based number of the disc or image in its list.

// For a disc: base is the rip name or the disc label; the test is
// case-sensitive. A "/" in base would name a folder and becomes "_".
QString DiscTargetPath(const QString& ripFolder, QString base, int index);

// For an image: the image's file name without extension; the test ignores case.
QString ImageTargetPath(const QString& ripFolder, const QString& image, int index);
