#include "tools/ToolPaths.h"

QString ToolKey(Tool tool) {
    switch (tool) {
        case Tool::lkVCDxRip:
            return QStringLiteral("lkVCDxRip");
        case Tool::mpgtx:
            return QStringLiteral("mpgtx");
        case Tool::jrDMUX:
            return QStringLiteral("jrDMUX");
        case Tool::BeSweet:
            return QStringLiteral("BeSweet");
        case Tool::MPlex:
            return QStringLiteral("MPlex");
        case Tool::DVDauthor:
            return QStringLiteral("DVDauthor");
        case Tool::mkisofs:
            return QStringLiteral("mkisofs");
        case Tool::Decrypter:
            return QStringLiteral("Decrypter");
        case Tool::ImgTool:
            return QStringLiteral("ImgTool");
    }
    return QString();
}
