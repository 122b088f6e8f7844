#pragma once

#include "sources/MediaInfo.h"

class QGroupBox;

// Shows the outcome of the library probe as the caption of a group box: the
// version text in the normal colour, or the probe's text in red. Only the caption
// changes colour, not the controls inside the box.
void ShowLibraryCaption(QGroupBox& box, const LibraryProbe& probe);
