#include "app/event_loop.h"

#include <emscripten.h>

#include <QCoreApplication>

namespace zorikan {

void EndEventLoop(int exitCode) {
    QCoreApplication::exit(exitCode);
    // The page's Qt keeps no loop level, and its loop never returns: the
    // page (zorikan.html) shows these words where the windows were.
    const QByteArray ended =
        QCoreApplication::translate("GameEnd", "The game has ended. Reload the page to play again.")
            .toUtf8();
    EM_ASM(
        {
            if (window.zorikanEnded) window.zorikanEnded(UTF8ToString($0));
        },
        ended.constData());
}

}  // namespace zorikan
