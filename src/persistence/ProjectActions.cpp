#include "persistence/ProjectActions.h"

#include "app/Tavrolin.h"

ProjectActions::ProjectActions(THaupt& haupt) : QObject(&haupt), h(haupt) {}
