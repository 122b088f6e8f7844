#pragma once

#include <QString>

class Dialogs;
class SourceTable;
struct ProgramFolders;
struct ProgramSettings;
struct RunState;

// What a tab sheet needs of the window: the program's state, the dialogs and
// the notifications that keep the other tabs in step.
class TabHost {
  public:
    virtual ~TabHost() = default;

    virtual SourceTable& sources() = 0;
    virtual Dialogs& dialogs() = 0;
    // The settings as the controls show them now. The fields that no control
    // shows (the folders of the file dialogs, menu files, tool paths) may be changed here.
    virtual ProgramSettings& settings() = 0;
    // Abort request, processing state and resume point.
    virtual RunState& runState() = 0;
    virtual const ProgramFolders& folders() const = 0;
    // Whether a conversion run or a rip is going on.
    virtual bool isBusy() const = 0;

    // The source list changed (sources added, removed or moved): stored progress
    // belonged to the old list, the title sets are counted anew and every tab
    // that shows sources follows.
    virtual void sourcesChanged() = 0;
    // Admits, analyses and appends one file (the caller checked the limit);
    // true when it was added. The tabs follow.
    virtual bool addSource(const QString& path) = 0;
    // A title set's boundary or tracks changed: the title sets are counted anew.
    virtual void titleSetsChanged() = 0;
};
