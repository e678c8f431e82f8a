#include "screens/loader_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "core/data/data_file.h"
#include "core/game/game.h"
#include "screens/title_window.h"
#include "screens/window_host.h"
#include "ui/game_banner.h"
#include "ui/gauge.h"

namespace zorikan {

TForm3::TForm3(WindowHost& session) : QWidget(nullptr, Qt::FramelessWindowHint), session_(session) {
    setObjectName("Form3");
    setWindowTitle("ZORIKAN Simulator");
    ui::PaintYellow(this);
    setCursor(Qt::WaitCursor);
    QLabel* title = ui::NewBanner("ZORIKAN Simulator V4.1", 36, this);

    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    Gauge1 = new ui::Gauge(this);
    Gauge1->setObjectName("Gauge1");
    Gauge1->setAccessibleName(tr("Stage progress"));
    Gauge2 = new ui::Gauge(this);
    Gauge2->setObjectName("Gauge2");
    Gauge2->setAccessibleName(tr("Total progress"));
    Gauge2->setMaximum(LoaderGauges::kTotalMaximum);
    for (ui::Gauge* g : {Gauge1, Gauge2}) g->setFixedHeight(18);

    failureHint_ = new QLabel(tr("The game cannot start without its data. "
                                 "Press Esc or click Quit to leave."),
                              this);
    failureHint_->setObjectName("FailureHint");
    failureHint_->setWordWrap(true);
    failureHint_->hide();
    quitButton_ = new QPushButton(tr("&Quit"), this);
    quitButton_->setObjectName("QuitButton");
    quitButton_->hide();
    connect(quitButton_, &QPushButton::clicked, this, [this] { session_.quit(); });

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(title, 0, 0, 1, 2);
    layout->addWidget(new QLabel(tr("Loading:"), this), 1, 0);
    layout->addWidget(Label2, 1, 1);
    layout->addWidget(new QLabel(tr("Progress:"), this), 2, 0);
    layout->addWidget(Gauge1, 2, 1);
    layout->addWidget(new QLabel(tr("Total:"), this), 3, 0);
    layout->addWidget(Gauge2, 3, 1);
    layout->addWidget(failureHint_, 4, 0, 1, 2);
    layout->addWidget(quitButton_, 5, 1, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    setFixedWidth(480);
    adjustSize();
    move(QGuiApplication::primaryScreen()->geometry().center() - rect().center());

    gauges_.onChange = [this](bool stageStarted) { drawProgress(stageStarted); };
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setSingleShot(true);
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &TForm3::TimerEventLoad);
}

void TForm3::startLoading() {
    show();
    Timer1->start();
}

void TForm3::drawProgress(bool stageStarted) {
    if (stageStarted) {
        Label2->setText(QString::fromStdString(gauges_.caption()));
        Gauge1->setMaximum(gauges_.stageMaximum());
    }
    Gauge1->setPosition(gauges_.stagePosition());
    Gauge2->setPosition(gauges_.totalPosition());
    // The load keeps the event loop waiting, so the window paints itself from
    // here, but no more often than a screen shows a new picture: painting each
    // new percentage made the load last many times longer than the reading.
    constexpr int kFrameMs = 16;
    if (isVisible() && (!painted_.isValid() || painted_.hasExpired(kFrameMs))) {
        repaint();
        painted_.start();
    }
}

void TForm3::TimerEventLoad() {
    Timer1->stop();
    session_.random().reseed(ClockSeed());
    const QString path = session_.dataFolder() + "/ZORIGAME.dat";
    if (auto error = LoadGameDataFile(path.toStdString(), session_.data(), &gauges_)) {
        failed_ = true;
        session_.game().port.error(error->message());
        setCursor(Qt::ArrowCursor);
        failureHint_->show();
        quitButton_->show();
        adjustSize();
        quitButton_->setFocus();
        return;
    }
    loaded_ = true;
    hide();
}

void TForm3::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (loaded_ && !event->spontaneous()) {
        loaded_ = false;  // the hand-over happens once
        FormHide();
    }
}

void TForm3::FormHide() {
    session_.title()->afterLoading();
}

void TForm3::keyPressEvent(QKeyEvent* event) {
    if (failed_ && event->key() == Qt::Key_Escape) {
        session_.quit();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TForm3::closeEvent(QCloseEvent* event) {
    event->accept();
    session_.quit();
}

}  // namespace zorikan
