#pragma once

#include <QStringList>
#include <memory>

class HeadlessWindow;

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
    bool set(const QString& assignment);
    bool showTab(const QString& name);
    bool screenshot(const QString& path);
    bool interrupt(const QString& how);
    void start();
    int finish();

    std::unique_ptr<HeadlessWindow> session_;
    bool started_ = false;
    bool completed_ = false;
};
