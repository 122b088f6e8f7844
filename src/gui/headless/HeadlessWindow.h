#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "gui/window/Tavrolin.h"
#include "platform/HeadlessDialogs.h"
#include "platform/ProgramFolders.h"

class TerminationSignals;

// The real main window without a screen, for batch conversions and the
// developer's driver. Dialogs are answered from a queue; with none queued a
// question is answered Yes and a file dialog is cancelled. Every dialog shown
// goes to onDialog. Asked to end (SIGTERM, SIGINT, SIGHUP), it closes the
// window as the program does.
class HeadlessWindow {
  public:
    HeadlessWindow(const ProgramFolders& folders, WindowServices services,
                   std::function<void(const HeadlessDialogs::Shown&)> onDialog);
    ~HeadlessWindow();

    THaupt& window() { return *window_; }
    HeadlessDialogs& dialogs() { return dialogs_; }

    // Hands every log line to follow once it is complete (the next one has begun).
    void followLog(std::function<void(const QString&)> follow);
    // Hands the lines not yet followed, the last one included.
    void flushLog();

    // Clicks an enabled button by its object name; false when there is none.
    bool click(const QString& name);
    // Opens a project file as "Öffnen" does; false when it is no project file.
    bool openProject(const QString& file);
    // Selects the stage to start with by its text (any case) or its number from 1.
    bool chooseStage(const QString& stage);
    // Presses Start and returns when the run has ended: true when it reached its
    // normal end, false when it did not or when there was nothing to convert.
    bool convert();

  private:
    void handLines(int completeLines);

    HeadlessDialogs dialogs_;
    std::unique_ptr<THaupt> window_;
    std::unique_ptr<TerminationSignals> termination_;
    std::function<void(const QString&)> follow_;
    int followed_ = 0;
};
