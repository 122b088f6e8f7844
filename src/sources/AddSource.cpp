#include <QGroupBox>

#include "app/Tavrolin.h"

int THaupt::ProbeLibrary() {
    return 0;
}

bool THaupt::AddSource(const QString&) {
    return false;
}
