#pragma once

class THaupt;

// Gives the main window's controls their tooltips.
void AssignHints(THaupt& h);
