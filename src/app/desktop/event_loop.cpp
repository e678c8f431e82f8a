#include "app/event_loop.h"

#include <QThread>

namespace zorikan {

bool EventLoopRuns() {
    return QThread::currentThread()->loopLevel() > 0;
}

}  // namespace zorikan
