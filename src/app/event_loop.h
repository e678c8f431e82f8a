#pragma once
// How the program's event loop ends: the one place where the desktop and the
// web page end it differently (desktop/, web/).

namespace zorikan {

// Ends the event loop with `exitCode`, the windows already hidden. Without a
// running loop (a session driven by hand, as the tests drive one) there is
// nothing to end: asking anyway would make every later loop of the process
// return at once. The page's loop never returns; the page says instead that
// the game has ended.
void EndEventLoop(int exitCode);

}  // namespace zorikan
