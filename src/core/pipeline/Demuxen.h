#pragma once

#include "pipeline/RunContext.h"

// Splits every source program stream into its elementary streams in the working
// folder (mpgtx, or jrdmux for AC-3 and files over 2 GiB). False = failed or
// stopped by the user, with the reason logged.
bool Demultiplex(RunContext& ctx);
