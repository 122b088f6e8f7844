#include "gui/window/WindowRunContext.h"

#include "gui/window/Tavrolin.h"

LogSink& WindowRunContext::log() {
    return w.log();
}

Dialogs& WindowRunContext::dialogs() {
    return w.dialogs();
}

ToolRunner& WindowRunContext::runner() {
    return *w.runner_;
}

ProgressView& WindowRunContext::progress() {
    return w.progress();
}

SourceTable& WindowRunContext::sources() {
    return w.sources();
}

RunState& WindowRunContext::state() {
    return w.runState();
}

ProgramSettings WindowRunContext::settings() {
    return w.CollectSettings();
}

ControlState WindowRunContext::controls() {
    return w.controls();
}

const ProgramFolders& WindowRunContext::folders() {
    return w.Folders;
}

void WindowRunContext::setProjectFolder(const QString& folder) {
    w.setProjectFolder(folder);
}

bool WindowRunContext::saveSettings(const QString& file, bool full) {
    return w.SaveSettings(file, full);
}

bool WindowRunContext::saveProject(const QString& file) {
    return w.saveProject(file);
}

void WindowRunContext::editScript(QStringList& lines) {
    w.editScript(lines);
}

void WindowRunContext::enterRunning() {
    w.enterRunning();
}

void WindowRunContext::backToIdle() {
    w.backToIdle();
}

bool WindowRunContext::shutdown() {
    return w.ShutdownHandler();
}
