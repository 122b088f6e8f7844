#include "platform/ProgramFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/Paths.h"

namespace {

QString Created(const QString& folder) {
    QDir().mkpath(folder);
    return QDir::cleanPath(folder);
}

// The program's folder in an XDG base directory: the variable's value when it is
// an absolute path, else the fall-back below the home folder.
QString XdgFolder(const char* variable, const QString& belowHome) {
    const QString value = qEnvironmentVariable(variable);
    const QString base = QDir::isAbsolutePath(value) ? value : QDir::home().filePath(belowHome);
    return Created(QDir(base).filePath(QStringLiteral("tavrolin")));
}

}  // namespace

ProgramFolders PortableFolders(const QString& folder) {
    const QString dir = QDir::cleanPath(folder);
    return {dir, JoinPath(dir, QStringLiteral("tavrolin.ini")), dir, dir, dir};
}

ProgramFolders ChooseProgramFolders(const QString& executableDir, bool writable) {
    ProgramFolders folders = PortableFolders(executableDir);
    // An installed program: bin/ beside lib/tavrolin/ (helpers) and share/tavrolin/ (menus).
    const QDir bin(folders.toolDir);
    const bool installed = QFileInfo(bin.filePath(QStringLiteral(TAV_INSTALL_TOOLS))).isDir();
    if (installed) {
        folders.toolDir = QDir::cleanPath(bin.filePath(QStringLiteral(TAV_INSTALL_TOOLS)));
        folders.menuDir = QDir::cleanPath(bin.filePath(QStringLiteral(TAV_INSTALL_DATA)));
    }
    if (writable && !installed) return folders;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    folders.programDir = Created(QDir(documents).filePath(QStringLiteral("Tavrolin")));
    folders.settingsFile =
        XdgFolder("XDG_CONFIG_HOME", QStringLiteral(".config")) + QStringLiteral("/tavrolin.ini");
    folders.stateDir = XdgFolder("XDG_STATE_HOME", QStringLiteral(".local/state"));
    return folders;
}

ProgramFolders LocateProgramFolders(const QString& executableDir) {
    return ChooseProgramFolders(executableDir, QFileInfo(executableDir).isWritable());
}
