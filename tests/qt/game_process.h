#pragma once
// The built game as a child process: started headless and waited for until
// it has settled.

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <fstream>
#include <string>

namespace zorikan::testing {

// The processor time the process has used, in clock ticks.
inline long long CpuTicks(qint64 pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string field;
    long long ticks = 0;
    // The command name is in parentheses and has no blanks here; utime and
    // stime are fields 14 and 15.
    for (int i = 1; i <= 15 && stat >> field; ++i)
        if (i >= 14) ticks += std::stoll(field);
    return ticks;
}

// Waits until the game has settled: it used processor time and then none
// for half a second (the data and the saved game are read, a box waits).
inline bool WaitUntilIdle(qint64 pid) {
    QElapsedTimer timer;
    timer.start();
    long long last = -1;
    int quiet = 0;
    while (timer.elapsed() < 60'000) {
        const long long now = CpuTicks(pid);
        quiet = now == last && now > 0 ? quiet + 1 : 0;
        if (quiet >= 5) return true;
        last = now;
        QThread::msleep(100);
    }
    return false;
}

// Starts the built game headless with `arguments` and waits until it has
// settled; false when it did not start or never settled.
inline bool StartGame(QProcess& game, const QStringList& arguments) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    game.setProcessEnvironment(env);
    game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    game.start(ZORIKAN_EXECUTABLE, arguments);
    return game.waitForStarted() && WaitUntilIdle(game.processId());
}

}  // namespace zorikan::testing
