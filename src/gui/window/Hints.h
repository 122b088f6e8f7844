#pragma once

#include <QString>

class THaupt;

// Start's tooltip while nothing keeps it disabled.
QString StartHint();

// Gives the main window's controls their tooltips.
void AssignHints(THaupt& h);
