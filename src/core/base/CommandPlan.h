#pragma once

#include <QString>
#include <QStringList>

#include "base/ToolRunner.h"

// One tool call as a plain value: what the tool gets (program, arguments,
// environment, working folder) and the text the log shows for its arguments.
// Every append adds to both, so the "Befehl:" line is always the command that runs.
struct CommandPlan {
    QString program;
    QStringList arguments;
    QStringList environment;  // extra "NAME=value" entries
    QString workFolder;       // empty: the program's own
    QString argumentText;     // the arguments as the log shows them

    // An argument the log shows as it is.
    CommandPlan& arg(const QString& value) { return shownAs(value, value); }
    // An argument the log shows in double quotes (paths, labels, speeds).
    CommandPlan& quoted(const QString& value);
    // An argument the log shows as text: a blank before or after it, or another
    // value (a file written under a temporary name shows its final name).
    CommandPlan& shownAs(const QString& value, const QString& text);

    // The program and its argument text, as the "Befehl:" line of a piped tool ends.
    QString commandLine() const;
    // What a runner runs; the gauge follows watchFile (may be empty).
    ToolCall call(const QString& watchFile = QString()) const;
};

// A tool's version query ("-version"); its output goes into the log.
CommandPlan VersionQuery(const QString& program);
