#pragma once

#include <string>
#include <vector>

// How a tool run ended.
struct ChildResult {
    bool started = false;
    int exitCode = -1;  // when it exited
    int signal = 0;     // when a signal ended it

    bool ok() const { return started && signal == 0 && exitCode == 0; }
    // The adapter's own exit code for this outcome: the tool's exit code, 2
    // when a signal ended it, 127 when it could not start.
    int adapterExitCode() const;
};

struct ChildOptions {
    std::string workingDirectory;        // empty: the adapter's
    std::vector<std::string> feedFiles;  // written one after another to the tool's standard input
};

// The command as one line, arguments with blanks or quotes in double quotes.
std::string CommandText(const std::vector<std::string>& command);

// Prints "Running: <command>" and runs the tool with the adapter's standard
// output and error. The tool stays in the adapter's process group and dies with
// the adapter.
ChildResult RunTool(const std::vector<std::string>& command, const ChildOptions& options = {});

// Runs the tool quietly and returns its standard output and error.
ChildResult CaptureTool(const std::vector<std::string>& command, std::string& output);

// Prints a line to standard output at once.
void Say(const std::string& line);
// Prints a line to standard error at once, prefixed with the adapter's name.
void Complain(const std::string& adapter, const std::string& line);
