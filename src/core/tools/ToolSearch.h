#pragma once

#include <QString>
#include <QStringList>

#include "tools/ToolPaths.h"

// Which tools a search found, and so which controls of the window stay usable.
struct ToolAvailability {
    bool rip = false;        // lkVCDxRip: rip source choices and panels
    bool decrypter = false;  // DVD Decrypter: its radio button
    bool imgTool = false;    // ImgTool Burn: its radio button
    // Without any burn tool the burn options are unusable.
    bool anyBurner() const { return decrypter || imgTool; }
};

// The file name of a tool's program, e.g. "mplex" (case as installed).
QString ToolFileName(Tool tool);

// Whether a chosen or stored file is the tool's program: its lower-case file
// name ends with the lower-case program name ("/usr/bin/MPLEX" yes,
// "/usr/bin/mplex-new" no).
bool NamesTool(const QString& path, Tool tool);

// Corrects the nine paths: a stored path stays when the file exists and names
// the tool; otherwise the last existing of <programDir>/<name>,
// <programDir>/<subfolder>/<name> and <programDir>/bin/<name> is taken, and
// failing those the program on the search path (executablePath, empty = PATH).
// A burn tool that is not found gets NotFoundMarker(), any other tool "".
ToolAvailability ToolSearch(ToolPaths& paths, const QString& programDir,
                            const QStringList& executablePath = QStringList());

// The burn tool choice after a search: a missing tool cannot be chosen, the
// only one found is chosen; with both found one stays chosen (DVD Decrypter
// when none or both were).
void ChooseBurnTool(bool& decrypter, bool& imgTool, const ToolAvailability& found);
