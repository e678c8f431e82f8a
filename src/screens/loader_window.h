#pragma once
// The loader window: reads the game data with two progress gauges, then
// hands over to the title window (or to a saved game named on the command
// line). After a failed load it offers the only way out of the program.

#include <QElapsedTimer>
#include <QWidget>

#include "core/data/loader_gauges.h"

class QLabel;
class QPushButton;
class QTimer;

namespace zorikan {

namespace ui {
class Gauge;
}

class WindowHost;

class TForm3 : public QWidget {
    Q_OBJECT

public:
    explicit TForm3(WindowHost& session);

    // Shows the window and arms `Timer1`, whose first tick loads the data
    // and seeds the game's dice from the clock. Until then the session's
    // data and dice stay as whoever made the session left them.
    void startLoading();

    const LoaderGauges& gauges() const { return gauges_; }
    bool loadFailed() const { return failed_; }

protected:
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void TimerEventLoad();
    void FormHide();
    void drawProgress(bool stageStarted);

    WindowHost& session_;
    LoaderGauges gauges_;
    QLabel* Label2;
    ui::Gauge* Gauge1;
    ui::Gauge* Gauge2;
    QLabel* failureHint_;
    QPushButton* quitButton_;
    QTimer* Timer1;
    QElapsedTimer painted_;  // since the load last painted the window
    bool loaded_ = false;
    bool failed_ = false;
};

}  // namespace zorikan
