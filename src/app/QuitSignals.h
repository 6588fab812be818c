#pragma once

// SIGTERM, SIGINT and SIGHUP (a log-out, a kill, Ctrl+C in a terminal) end the
// game the way closing its window does instead of killing it mid-way.

class frmMain;

// From now on each of those signals closes the game window from the event
// loop (never from inside the signal handler), without the forfeit question
// nobody may be there to answer. False when the signals could not be caught.
bool EndOnSignals(frmMain& window);
