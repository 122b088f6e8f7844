#pragma once

#include "base/CommandPlan.h"
#include "base/Outcome.h"
#include "pipeline/RunContext.h"

// Authors the DVD folder from the program streams (dvdauthor), after removing
// an old structure; a stop is logged.
Outcome Author(RunContext& ctx);

// The dvdauthor call that builds the PAL DVD folder of an authoring script.
CommandPlan DvdauthorPlan(const QString& dvdauthor, const QString& script);
