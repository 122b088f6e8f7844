#pragma once

#include <QString>

// The version of a program: for this program the build's version; for another
// one the first dotted number (such as "1.2" or "0.6.2.1") that it prints for
// "--version" or else "-version" within two seconds each (a program still
// running then is killed), or "" when it prints none or cannot be started.
QString FileVersionText(const QString& path);

// The first dotted version number in a text, or "".
QString FirstVersionNumber(const QString& text);
