#include "screens/battle_arena.h"

#include <QButtonGroup>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "core/battle/turn.h"
#include "core/game/game.h"
#include "core/progress/end_battle.h"
#include "painter/creature_images.h"
#include "screens/window_host.h"
#include "ui/gauge.h"
#include "ui/keyboard_play.h"

namespace zorikan {

namespace {

QColor BarColour(GaugeColour colour) {
    switch (colour) {
        case GaugeColour::Yellow:
            return QColor(255, 255, 0);
        case GaugeColour::Red:
            return QColor(255, 0, 0);
        default:
            return QColor(0, 128, 0);
    }
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

void ShowGauge(ui::Gauge* gauge, const HpGauge& model) {
    gauge->setMaximum(model.maximum);
    gauge->setPosition(model.position);
    gauge->setBarColour(BarColour(model.colour));
}

}  // namespace

BattleArena::BattleArena(WindowHost& session, QWidget* parent)
    : QGroupBox(tr("Battle Arena"), parent), session_(session) {
    setObjectName("GroupBox1");
    setGeometry(120, 16, 297, 241);
    // Group titles sit on the frame line, so the rows fit their boxes.
    setStyleSheet(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 3px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }");
    buildFighter();
    buildAttacks();
    buildOpponent();
    buildEndButton();

    // Tab runs through the attacks, then "Go!", then "End Fight".
    ui::ChainTabOrder(ui::TabStops(attackItems_) << Button1 << EndButton);

    for (QWidget* hidden :
         std::initializer_list<QWidget*>{Gauge1, Label8, RadioGroup1, Button1, EndButton, Label2})
        hidden->hide();
    // Gauges paint at once: the arena changes inside long handlers and boxes.
    Gauge1->setImmediate(true);
    Gauge2->setImmediate(true);
    hide();
}

void BattleArena::buildFighter() {
    ListView2 = makePicture("ListView2", tr("Your ZORIKAN"), 4, 16);
    Label2 = makeLabel("Label2", this, 72, 24);
    Gauge1 = new ui::Gauge(this);
    Gauge1->setObjectName("Gauge1");
    Gauge1->setAccessibleName(tr("Your hit points"));
    Gauge1->setGeometry(208, 24, 81, 12);
    Label8 = makeHpLabel("Label8", 80);
}

void BattleArena::buildAttacks() {
    // Captions and attack names come from the arena's model at every render.
    RadioGroup1 = new QGroupBox(this);
    RadioGroup1->setObjectName("RadioGroup1");
    RadioGroup1->setGeometry(72, 40, 217, 89);
    attackGroup_ = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        auto* item = new QRadioButton(RadioGroup1);
        item->setObjectName(QStringLiteral("RadioItem%1").arg(i));
        item->setGeometry(8, 11 + i * 15, 201, 15);
        attackGroup_->addButton(item, i);
        attackItems_[i] = item;
    }
    connect(attackGroup_, &QButtonGroup::idClicked, this,
            [this](int id) { session_.game().screens.main.arena.selectedAttack = id; });

    Button1 = new QPushButton(tr("Go!"), this);
    Button1->setObjectName("Button1");
    Button1->setAccessibleName(tr("Go!"));
    Button1->setGeometry(248, 8, 43, 15);
    connect(Button1, &QPushButton::clicked, this, &BattleArena::Button1Click);
}

void BattleArena::buildOpponent() {
    ListView3 = makePicture("ListView3", tr("Enemy ZORIKAN"), 4, 112);
    Label3 = makeLabel("Label3", this, 72, 136);
    Gauge2 = new ui::Gauge(this);
    Gauge2->setObjectName("Gauge2");
    Gauge2->setAccessibleName(tr("Enemy hit points"));
    Gauge2->setGeometry(176, 136, 113, 12);
    Label9 = makeHpLabel("Label9", 176);

    GroupBox2 = new QGroupBox(this);
    GroupBox2->setObjectName("GroupBox2");
    GroupBox2->setGeometry(72, 152, 217, 81);
    for (int i = 0; i < 4; ++i)
        opponentAttacks_[i] =
            makeLabel(qPrintable(QStringLiteral("Label%1").arg(4 + i)), GroupBox2, 8, 16 * (i + 1));
}

void BattleArena::buildEndButton() {
    EndButton = new QPushButton(tr("End Fight"), this);
    EndButton->setObjectName("EndButton");
    EndButton->setAccessibleName(tr("End Fight"));
    // As wide as the room left of the opponent's attacks allows.
    EndButton->setGeometry(8, 208, 61, 25);
    connect(EndButton, &QPushButton::clicked, this, &BattleArena::EndButtonClick);
}

QListWidget* BattleArena::makePicture(const char* name, const QString& accessible, int left,
                                      int top) {
    auto* list = new QListWidget(this);
    list->setObjectName(name);
    list->setAccessibleName(accessible);
    list->setGeometry(left, top, 65, 65);
    list->setFrameShape(QFrame::NoFrame);
    list->setIconSize(QSize(64, 64));
    list->setFocusPolicy(Qt::NoFocus);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setAutoFillBackground(false);
    list->viewport()->setAutoFillBackground(false);
    new QListWidgetItem(list);
    return list;
}

QLabel* BattleArena::makeLabel(const char* name, QWidget* parent, int left, int top) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    // Names come from the data file: shown as written, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->move(left, top);
    return label;
}

QLabel* BattleArena::makeHpLabel(const char* name, int top) {
    // Right-aligned under the picture, and wide enough for "1000/1000" and
    // more: the text ends where the picture ends.
    QLabel* label = makeLabel(name, this, 0, top);
    label->setFixedWidth(69);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setText("1000/1000");
    return label;
}

void BattleArena::setPicture(QListWidget* list, int image) {
    int& shown = shownImages_[list == ListView2 ? 0 : 1];
    if (shown == image) return;
    shown = image;
    list->item(0)->setIcon(image < 0 ? QIcon() : QIcon(session_.images().large(image)));
}

void BattleArena::placeGauge(QLabel* label, ui::Gauge* gauge) {
    label->adjustSize();
    const int left = label->width() + 80;
    gauge->setGeometry(left, gauge->y(), 289 - left, gauge->height());
}

void BattleArena::renderFighter(const ArenaModel& arena) {
    setPicture(ListView2, arena.fighterImage);
    if (Label2->text() != Text(arena.fighterLabel)) {
        Label2->setText(Text(arena.fighterLabel));
        placeGauge(Label2, Gauge1);
    }
    Label2->setVisible(arena.fighterLabelVisible);
    ShowGauge(Gauge1, arena.fighterGauge);
    Gauge1->setVisible(arena.fighterGaugeVisible);
    Label8->setText(Text(arena.fighterHpText));
    //: %1 is the fighter's hit points as shown, e.g. 35/50.
    Label8->setAccessibleName(tr("Your hit points: %1").arg(Label8->text()));
    Label8->setVisible(arena.fighterHpVisible);
    RadioGroup1->setTitle(Text(arena.attackCaption));
    // Named outright: a group inside the arena would otherwise be announced
    // by the arena's own title.
    RadioGroup1->setAccessibleName(Text(arena.attackCaption));
    for (int i = 0; i < 5; ++i) {
        attackItems_[i]->setText(Text(arena.attackItems[i]));
        attackItems_[i]->setAccessibleName(Text(arena.attackItems[i]));
    }
    if (arena.selectedAttack < 0) {
        // A button group keeps one item checked; lift that for the next battle.
        attackGroup_->setExclusive(false);
        for (QRadioButton* item : attackItems_) item->setChecked(false);
        attackGroup_->setExclusive(true);
    } else {
        attackItems_[arena.selectedAttack]->setChecked(true);
    }
    RadioGroup1->setVisible(arena.attacksVisible);
    // "End Fight" takes the keyboard before "Go!", which had it, goes away:
    // otherwise the keyboard would pass through an attack on its way.
    EndButton->setVisible(arena.endVisible);
    if (arena.endVisible && !endWasVisible_) EndButton->setFocus();
    Button1->setVisible(arena.goVisible);
}

void BattleArena::renderOpponent(const ArenaModel& arena) {
    setPicture(ListView3, arena.opponentImage);
    if (Label3->text() != Text(arena.opponentLabel)) {
        Label3->setText(Text(arena.opponentLabel));
        placeGauge(Label3, Gauge2);
    }
    ShowGauge(Gauge2, arena.opponentGauge);
    Label9->setText(Text(arena.opponentHpText));
    //: %1 is the opponent's hit points as shown, e.g. 35/50.
    Label9->setAccessibleName(tr("Enemy hit points: %1").arg(Label9->text()));
    GroupBox2->setTitle(Text(arena.opponentAttacksCaption));
    GroupBox2->setAccessibleName(Text(arena.opponentAttacksCaption));
    for (int i = 0; i < 4; ++i) {
        opponentAttacks_[i]->setText(Text(arena.opponentAttacks[i]));
        opponentAttacks_[i]->adjustSize();
    }
}

void BattleArena::render() {
    const ArenaModel& arena = session_.game().screens.main.arena;
    renderOpponent(arena);
    renderFighter(arena);
    setVisible(arena.visible);
    // Keyboard players land on the next thing to do.
    if (arena.goVisible && !goWasVisible_) attackItems_[0]->setFocus();
    goWasVisible_ = arena.goVisible;
    endWasVisible_ = arena.endVisible;
}

void BattleArena::Button1Click() {
    GoClick(session_.game());
    session_.refresh();
}

void BattleArena::EndButtonClick() {
    EndBattle(session_.game());
    session_.refresh();
}

}  // namespace zorikan
