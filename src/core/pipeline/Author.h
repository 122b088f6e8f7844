#pragma once

#include "base/CommandPlan.h"
#include "pipeline/RunContext.h"

// Authors the DVD folder from the program streams (dvdauthor), after removing
// an old structure. False = failed or stopped by the user, reason logged.
bool Author(RunContext& ctx);

// The dvdauthor call that builds the PAL DVD folder of an authoring script.
CommandPlan DvdauthorPlan(const QString& dvdauthor, const QString& script);
