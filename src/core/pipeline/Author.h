#pragma once

#include "pipeline/RunContext.h"

// Authors the DVD folder from the program streams (dvdauthor), after removing
// an old structure. False = failed or stopped by the user, reason logged.
bool Author(RunContext& ctx);
