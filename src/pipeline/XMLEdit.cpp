#include "app/Tavrolin.h"

void THaupt::editScript(QStringList&) {}
