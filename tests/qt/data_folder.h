#pragma once
// The folder of the generated game data, where a session under test looks
// for ZORIGAME.dat as the game looks beside its executable.

#include <QFileInfo>
#include <QString>

namespace zorikan::testing {

inline QString DataFolder() {
    return QFileInfo(ZORIKAN_DATA_FILE).absolutePath();
}

}  // namespace zorikan::testing
