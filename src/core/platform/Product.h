#pragma once

#include <QString>

// The program's own version from the build: four numbers, e.g. "0.1.0.0".
inline QString ProgramVersion() {
    return QStringLiteral(TAV_VERSION);
}

// The project's web page (header of a run, about box, product label).
inline QString ProductWebAddress() {
    return QStringLiteral("https://tavrolin.example.org/");
}
