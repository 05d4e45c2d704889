#pragma once

// Qt's libraries and theirs allocate while they are loaded, before main: where memory
// runs out there, a std::bad_alloc aborts the program, and libgomp prints two lines of
// its own. Until main calls endLoadingGuard(), stderr is quiet, and the program ends
// instead with one line, in English (no translation is loaded yet), and status 1.
void endLoadingGuard();
