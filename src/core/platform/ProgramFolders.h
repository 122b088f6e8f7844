#pragma once

#include <QString>

// Where the program finds its helpers and menu files and where it keeps its own
// files. A build folder or a portable copy keeps everything in its own folder;
// an installed program, or one in a folder it cannot write, keeps its files in
// the user's folders (XDG base directories).
struct ProgramFolders {
    QString programDir;    // the folder the folder defaults and fall-backs use; Projekt.ini
    QString settingsFile;  // tavrolin.ini
    QString stateDir;      // tavrolin.log and the run's backup project
    QString toolDir;       // searched first for the helper programs
    QString menuDir;       // holds menue/ with the three menu files
};

// Everything in one folder.
ProgramFolders PortableFolders(const QString& folder);

// The folders for a program in executableDir that can (writable) or cannot write
// there. The user's folders are $XDG_CONFIG_HOME/tavrolin for the settings,
// $XDG_STATE_HOME/tavrolin for the log and the backups, and "Tavrolin" in the
// documents folder for the rest; they are created when missing.
ProgramFolders ChooseProgramFolders(const QString& executableDir, bool writable);

// The same with the folder's writability tested.
ProgramFolders LocateProgramFolders(const QString& executableDir);
