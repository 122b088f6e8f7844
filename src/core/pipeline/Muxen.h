#pragma once

#include "pipeline/RunContext.h"

// Joins every source's video and audio into a DVD program stream (mplex).
// False = failed or stopped by the user, with the reason logged.
bool Multiplex(RunContext& ctx);
