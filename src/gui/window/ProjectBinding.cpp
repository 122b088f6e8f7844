#include "gui/window/Tavrolin.h"
#include "persistence/Project.h"

bool THaupt::saveProject(const QString& file) {
    return ProjectSave(file, Sources);
}
