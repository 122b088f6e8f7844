#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to do on its command line.
struct CommandLine {
    enum class Action { Window, Help, Version, Convert, Invalid };
    Action action = Action::Window;
    QString project;  // --convert
    QString startAt;  // --start-at: a stage's name or its number from 1
    QString error;    // German, for Invalid
};

// Reads the arguments after the program name. Without an argument that starts
// with "--", the window opens (single-dash arguments are the toolkit's own).
CommandLine ParseCommandLine(const QStringList& arguments);

// The German text of --help.
QString CommandLineHelp();
