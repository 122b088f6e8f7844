#include "app/Tavrolin.h"

bool THaupt::saveProject(const QString&) {
    return false;
}
