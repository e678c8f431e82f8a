#include "app/event_loop.h"

#include <QCoreApplication>
#include <QThread>

namespace zorikan {

void EndEventLoop(int exitCode) {
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(exitCode);
}

}  // namespace zorikan
