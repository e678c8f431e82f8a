#include "app/event_loop.h"

namespace zorikan {

// The page's Qt has no threads and keeps no loop level; its program always
// runs in the browser's loop once started.
bool EventLoopRuns() {
    return true;
}

}  // namespace zorikan
