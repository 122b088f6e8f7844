#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <variant>

#include "persistence/IniFile.h"
#include "persistence/ProgramSettings.h"
#include "tools/ToolSearch.h"

// What a load needs to know of the window and the system.
struct SettingsContext {
    QString programDir;  // folder defaults and fall-backs; no trailing "/" (except the root "/")
    QString toolDir;     // searched first for the tools
    QString menuDir;     // holds menue/ with the default menu files
    int screenWidth = 0;
    int screenHeight = 0;
    int windowWidth = 0;
    int windowHeight = 0;
    // Item counts of the lists whose selections are stored.
    int burnerCount = 0;    // CoLW
    int speedCount = 0;     // CoSpeed
    int tempCount = 0;      // CoTempo
    int priorityCount = 0;  // CoProcess
    // Folders searched for tools after the program folder; empty = PATH.
    QStringList executablePath;
};

// What a load leaves for the window to do besides showing the settings.
struct SettingsLoadOutcome {
    // Set by a full load: which tools the search found.
    std::optional<ToolAvailability> tools;
};

// A field of the settings record.
using SettingField = std::variant<bool*, int*, QString*>;
// Every setting that a control shows, in the order of the settings file: the
// control's name and the field of settings it shows.
void ForEachShownSetting(ProgramSettings& settings,
                         const std::function<void(const char* control, SettingField field)>& visit);

// A folder without one trailing "/" (the root "/" stays).
QString WithoutTrailingSlash(QString folder);

// Writes the settings into a document (full = the settings file itself, not a
// project file); other sections and keys of the document stay.
void SettingsWrite(IniFile& file, bool full, const ProgramSettings& settings);
// Writes the settings into a file, keeping its other sections. False when the
// file could not be read or written.
bool SettingsSave(const QString& path, bool full, const ProgramSettings& settings);

// Reads the settings from a document into settings and corrects them: list
// selections, menu files, the tool search (full only), the folders (the DVD
// folder is created when missing), the label and the image path. What the
// document does not set keeps its default, or with a project file (full =
// false) keeps its current value for the general options, window position and
// tool paths.
SettingsLoadOutcome SettingsRead(const IniFile& file, bool full, ProgramSettings& settings,
                                 const SettingsContext& context);
// Same, from a file; an unreadable file counts as an empty one.
SettingsLoadOutcome SettingsLoad(const QString& path, bool full, ProgramSettings& settings,
                                 const SettingsContext& context);
