#pragma once

#include <QString>
#include <array>

// The nine external programs, in the order of the settings file.
enum class Tool { lkVCDxRip, mpgtx, jrDMUX, BeSweet, MPlex, DVDauthor, mkisofs, Decrypter, ImgTool };
constexpr int kToolCount = 9;

// What a burn tool's path holds once the search did not find it.
inline QString NotFoundMarker() {
    return QStringLiteral("Nicht gefunden.");
}

// Key of the tool in section Allgemein of the settings file.
QString ToolKey(Tool tool);

struct ToolPaths {
    std::array<QString, kToolCount> paths;

    QString& operator[](Tool tool) { return paths[static_cast<int>(tool)]; }
    const QString& operator[](Tool tool) const { return paths[static_cast<int>(tool)]; }
    bool operator==(const ToolPaths& other) const { return paths == other.paths; }
};
