#pragma once
// Whether an event loop runs on the window thread: the one place where the
// desktop and the web page ask it differently (desktop/, web/).

namespace zorikan {

// True while QApplication::exec() or a box's own loop runs; false for a
// session driven by hand, as the tests drive one.
bool EventLoopRuns();

}  // namespace zorikan
