#include "pipeline/WindowRunContext.h"

#include "persistence/Project.h"
#include "persistence/Settings.h"

void WindowRunContext::setProjectFolder(const QString& folder) {
    inputs_.settings.projects = folder;
    window_.setProjectFolder(folder);
}

bool WindowRunContext::saveSettings(const QString& file, bool full) {
    return full ? window_.saveSettingsFile(file) : SettingsSave(file, false, inputs_.settings);
}

bool WindowRunContext::saveProject(const QString& file) {
    return ProjectSave(file, inputs_.sources);
}
