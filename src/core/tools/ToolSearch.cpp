#include "tools/ToolSearch.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <array>

#include "platform/Paths.h"

namespace {

struct KnownTool {
    Tool tool;
    const char* name;
    const char* subfolder;  // below the program folder; null for the burn tools
};

constexpr std::array<KnownTool, kToolCount> kKnownTools = {{
    {Tool::lkVCDxRip, "lkVCDxRip", "lkVCDImager"},
    {Tool::mpgtx, "mpgtx", "mpgtx"},
    {Tool::jrDMUX, "jrdmux", "jrdmux"},
    {Tool::BeSweet, "BeSweet", "BeSweet"},
    {Tool::MPlex, "mplex", "dvdauthor"},
    {Tool::DVDauthor, "dvdauthor", "dvdauthor"},
    {Tool::mkisofs, "mkisofs", "cdrtools"},
    {Tool::Decrypter, "DVDDecrypter", nullptr},
    {Tool::ImgTool, "ImgTool", nullptr},
}};

const KnownTool& KnownToolOf(Tool tool) {
    return kKnownTools[static_cast<int>(tool)];
}

bool IsBurnTool(Tool tool) {
    return tool == Tool::Decrypter || tool == Tool::ImgTool;
}

// A relative path (from a hand-edited settings file) never counts.
bool IsProgramFile(const QString& path) {
    return QFileInfo(path).isAbsolute() && FileExists(path);
}

QString FindTool(const KnownTool& known, const QString& programDir, const QStringList& executablePath) {
    const QString name = QLatin1String(known.name);
    QStringList candidates{JoinPath(programDir, name)};
    if (known.subfolder)
        candidates << JoinPath(programDir, QLatin1String(known.subfolder) + QLatin1Char('/') + name);
    candidates << JoinPath(programDir, QStringLiteral("bin/") + name);
    QString found;
    for (const QString& candidate : candidates)
        if (IsProgramFile(candidate)) found = candidate;
    if (found.isEmpty()) found = QStandardPaths::findExecutable(name, executablePath);
    return found;
}

}  // namespace

QString ToolFileName(Tool tool) {
    return QLatin1String(KnownToolOf(tool).name);
}

bool NamesTool(const QString& path, Tool tool) {
    return QFileInfo(path).fileName().toLower().endsWith(ToolFileName(tool).toLower());
}

ToolAvailability ToolSearch(ToolPaths& paths, const QString& programDir, const QStringList& executablePath) {
    for (const KnownTool& known : kKnownTools) {
        QString& path = paths[known.tool];
        if (!(IsProgramFile(path) && NamesTool(path, known.tool)))
            path = FindTool(known, programDir, executablePath);
        if (path.isEmpty() && IsBurnTool(known.tool)) path = NotFoundMarker();
    }
    ToolAvailability found;
    found.rip = !paths[Tool::lkVCDxRip].isEmpty();
    found.decrypter = paths[Tool::Decrypter] != NotFoundMarker();
    found.imgTool = paths[Tool::ImgTool] != NotFoundMarker();
    return found;
}

void ChooseBurnTool(bool& decrypter, bool& imgTool, const ToolAvailability& found) {
    if (!found.decrypter) decrypter = false;
    if (!found.imgTool) imgTool = false;
    if (found.decrypter && !found.imgTool) decrypter = true;
    if (found.imgTool && !found.decrypter) imgTool = true;
    // Exactly one is chosen: with both found and none (or both) stored, the first.
    if (found.decrypter && found.imgTool && decrypter == imgTool) {
        decrypter = true;
        imgTool = false;
    }
}
