#pragma once

// How a tool run, a step or one of its guards ended: Done (go on), Failed (the
// reason is logged) or Aborted (the user stopped it).
enum class Outcome { Done, Failed, Aborted };

// Done for true, Failed for false.
inline Outcome DoneIf(bool ok) {
    return ok ? Outcome::Done : Outcome::Failed;
}
