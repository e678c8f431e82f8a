#include "screens/game_corner_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>

#include "core/collection/game_corner.h"
#include "core/game/game.h"
#include "screens/window_host.h"
#include "ui/keyboard_play.h"
#include "ui/money_spin_box.h"
#include "ui/speaker.h"

namespace zorikan {

namespace {

// A group of radio entries in `columns` columns, filled top to bottom; a
// screen reader hears each entry as `spoken` with the entry for %1.
template <std::size_t N>
QGroupBox* radioGroup(const char* name, const QString& title, int columns,
                      const std::array<QString, N>& entries, const QString& spoken,
                      QButtonGroup*& buttons, std::array<QRadioButton*, N>& radios,
                      QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    auto* layout = new QGridLayout(group);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setVerticalSpacing(0);
    buttons = new QButtonGroup(parent);
    const int rows = static_cast<int>((N + columns - 1) / columns);
    for (int i = 0; i < static_cast<int>(N); ++i) {
        auto* radio = new QRadioButton(entries[i], group);
        radio->setObjectName(QStringLiteral("%1Item%2").arg(name).arg(i));
        radio->setAccessibleName(spoken.arg(entries[i]));
        layout->addWidget(radio, i % rows, i / rows);
        buttons->addButton(radio, i);
        radios[i] = radio;
    }
    return group;
}

// Shows the model's choice; -1 leaves no entry checked, which exclusive
// buttons cannot do on their own.
void showChoice(QButtonGroup* buttons, int checked) {
    const QSignalBlocker quiet(buttons);
    buttons->setExclusive(false);
    for (QAbstractButton* b : buttons->buttons()) b->setChecked(buttons->id(b) == checked);
    buttons->setExclusive(true);
}

std::array<QString, 10> digits() {
    std::array<QString, 10> d;
    for (int i = 0; i < 10; ++i) d[i] = QString::number(i);
    return d;
}

bool IsInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return true;
        default:
            return false;
    }
}

}  // namespace

TFormB::TFormB(WindowHost& session)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      session_(session) {
    setObjectName("FormB");
    setWindowTitle(tr("Game Corner"));
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    QLabel* yen = buildBet();
    Button2 = new QPushButton(tr("Close"), this);
    Button2->setObjectName("Button2");
    const Choices choices = buildChoices();
    Button1 = new QPushButton(tr("Draw number!"), this);
    Button1->setObjectName("Button1");
    layOut(yen, choices);
    connectControls();
    buildKeys();
    buildFlicker();
}

QLabel* TFormB::buildBet() {
    Label1 = new QLabel(tr("&Amount to bet:"), this);
    Label1->setObjectName("Label1");
    SpinEdit1 = new ui::MoneySpinBox(this);
    SpinEdit1->setObjectName("SpinEdit1");
    SpinEdit1->setAccessibleName(tr("Amount to bet in yen"));
    SpinEdit1->setSingleStep(kBetStep);
    Label1->setBuddy(SpinEdit1);
    return new QLabel(QStringLiteral("¥"), this);
}

TFormB::Choices TFormB::buildChoices() {
    std::array<QString, kPrizeKindCount> prizes;
    for (int i = 0; i < kPrizeKindCount; ++i) prizes[i] = QString::fromStdString(PrizeKindEntry(i));
    //: Spoken for an entry of "Play for:": %1 is the prize, e.g. Money (Pays out 10:1¥).
    const QString playForEntry = tr("Play for %1");
    //: Spoken for an entry of "Pick a number:": %1 is the number, 0 to 9.
    const QString pickEntry = tr("Pick number %1");
    //: Spoken for an entry of "Lucky number:": %1 is the number, 0 to 9.
    const QString luckyEntry = tr("Lucky number %1");
    Choices choices;
    choices.playFor = radioGroup("RadioGroup1", tr("Play for:"), 1, prizes, playForEntry,
                                 RadioGroup1, prizeKinds_, this);
    choices.pick = radioGroup("RadioGroup2", tr("Pick a number:"), 2, digits(), pickEntry,
                              RadioGroup2, picks_, this);
    choices.lucky = radioGroup("RadioGroup3", tr("Lucky number:"), 2, digits(), luckyEntry,
                               RadioGroup3, lucky_, this);
    return choices;
}

void TFormB::layOut(QLabel* yen, const Choices& choices) {
    auto* top = new QHBoxLayout();
    top->addWidget(Label1);
    top->addWidget(SpinEdit1);
    top->addWidget(yen);
    top->addStretch(1);
    top->addWidget(Button2);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addLayout(top, 0, 0, 1, 3);
    layout->addWidget(choices.playFor, 1, 0, 2, 1);
    layout->addWidget(choices.pick, 1, 1, Qt::AlignTop);
    layout->addWidget(choices.lucky, 1, 2, Qt::AlignTop);
    layout->addWidget(Button1, 2, 1, 1, 2, Qt::AlignBottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormB::connectControls() {
    connect(SpinEdit1, &ui::MoneySpinBox::valueChanged, this, [this](quint64 bet) {
        SetBet(session_.game(), bet);
        session_.refresh();
    });
    connect(RadioGroup1, &QButtonGroup::idClicked, this, [this](int kind) {
        ChoosePrizeKind(session_.game(), kind);
        session_.refresh();
    });
    connect(RadioGroup2, &QButtonGroup::idClicked, this, [this](int number) {
        PickNumber(session_.game(), number);
        session_.refresh();
    });
    // The lucky number only shows the draw: a click on it is put back.
    connect(RadioGroup3, &QButtonGroup::idClicked, this, [this] { session_.refresh(); });
    connect(Button1, &QPushButton::clicked, this, &TFormB::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFormB::Button2Click);
}

void TFormB::buildKeys() {
    // Tab runs from the bet through the choices to "Draw number!" and
    // "Close"; the lucky number only shows the draw and comes last.
    ui::ChainTabOrder(QList<QWidget*>{SpinEdit1} + ui::TabStops(prizeKinds_) +
                      ui::TabStops(picks_) + QList<QWidget*>{Button1, Button2} +
                      ui::TabStops(lucky_));
    // Esc leaves like "Close", which a draw on show disables.
    ui::CloseOnEscape(this, Button2);
}

void TFormB::buildFlicker() {
    flicker_.setTimerType(Qt::PreciseTimer);
    flicker_.setInterval(16);
    connect(&flicker_, &QTimer::timeout, this, &TFormB::flickerFrame);
}

TFormB::~TFormB() {
    blockInput(false);
}

void TFormB::showEvent(QShowEvent* event) {
    // One new lucky number per frame the screen shows, and no more.
    const qreal rate = screen() ? screen()->refreshRate() : 60.0;
    flicker_.setInterval(qBound(4, qRound(1000.0 / (rate > 0 ? rate : 60.0)), 50));
    QWidget::showEvent(event);
}

void TFormB::closeEvent(QCloseEvent* event) {
    // Closed from outside (the window manager), it still waits for the reveal.
    if (CloseGameCorner(session_.game()))
        event->accept();
    else
        event->ignore();
    session_.refresh();
}

void TFormB::Button1Click() {
    if (!StartDraw(session_.game())) {
        session_.refresh();
        return;
    }
    // The stake shows in the statistics window before the first draw.
    blockInput(true);
    session_.refresh();
    clock_.start();
    flicker_.start();
}

void TFormB::flickerFrame() {
    Game& game = session_.game();
    const qint64 elapsed = clock_.elapsed();
    if (elapsed < kFlickerMs) {
        ShowDrawStep(game, static_cast<int>(elapsed * kDrawsPerGame / kFlickerMs));
        render();
        return;
    }
    flicker_.stop();
    blockInput(false);
    ui::Speaker::instance().say(
        //: Spoken after a draw: %1 is the lucky number, 0 to 9.
        tr("Lucky number: %1.").arg(game.screens.gameCorner.draw.draws.back()));
    FinishDraw(game);
    session_.refresh();
    if (isVisible()) Button1->setFocus();
}

void TFormB::Button2Click() {
    CloseGameCorner(session_.game());
    session_.refresh();
}

void TFormB::blockInput(bool blocked) {
    if (blocked == inputBlocked_) return;
    inputBlocked_ = blocked;
    if (blocked)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

bool TFormB::eventFilter(QObject* watched, QEvent* event) {
    // While the numbers flicker, no click or key reaches any window.
    if (inputBlocked_ && IsInput(event->type())) return true;
    return QWidget::eventFilter(watched, event);
}

void TFormB::render() {
    const GameCornerModel& m = session_.game().screens.gameCorner;
    {
        const QSignalBlocker quiet(SpinEdit1);
        SpinEdit1->setMaximum(m.betMaximum);
        if (SpinEdit1->value() != m.bet) SpinEdit1->setValue(m.bet);
    }
    showChoice(RadioGroup1, m.prizeKind);
    showChoice(RadioGroup2, m.pickedNumber);
    showChoice(RadioGroup3, m.luckyNumber);
    // "Draw number!" keeps the keyboard through the draw, which no key or
    // click reaches; "Close" waits for the reveal.
    Button2->setEnabled(!m.drawing);
}

}  // namespace zorikan
