#pragma once

#include <QStringList>
#include <memory>

#include "platform/ScriptedDialogs.h"

class THaupt;
class TerminationSignals;

// Builds the real main window for a program folder and performs command-line
// actions on it, in order. Every dialog shown is printed as one "DIALOG:" line.
class Driver {
  public:
    Driver();
    ~Driver();

    // Runs the arguments; returns the process exit code.
    int run(const QStringList& arguments);

  private:
    bool open(const QString& programDir);
    bool perform(const QString& option, const QString& value);
    bool click(const QString& name);
    bool set(const QString& assignment);
    bool showTab(const QString& name);
    bool screenshot(const QString& path);
    bool interrupt(const QString& how);
    void start();
    int finish();

    ScriptedDialogs dialogs_{false};
    std::unique_ptr<THaupt> window_;
    std::unique_ptr<TerminationSignals> termination_;
    bool started_ = false;
};
