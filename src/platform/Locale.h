#pragma once

// Prepares the process before Qt starts: a UTF-8 character type (the media
// library opens non-ASCII file names only then) and the preview player's backend.
void PrepareProcessEnvironment();
