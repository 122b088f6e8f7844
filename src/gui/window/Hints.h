#pragma once

#include <QString>

class QWidget;

// Start's tooltip while nothing keeps it disabled.
QString StartHint();

// Gives the main window's controls their tooltips, found by their names.
void AssignHints(QWidget& window);
