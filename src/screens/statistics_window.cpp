#include "screens/statistics_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

#include "core/battle/battle_items.h"
#include "core/battle/fighter_choice.h"
#include "core/collection/roster.h"
#include "core/game/game.h"
#include "screens/main_window.h"
#include "screens/window_host.h"
#include "ui/keyboard_play.h"
#include "ui/place_window.h"
#include "ui/roster_list_model.h"

namespace zorikan {

namespace {

constexpr int kWidth = 177;
constexpr int kHeight = 473;
constexpr int kMargin = 4;
constexpr int kGap = 8;        // between a caption and its value
constexpr int kSuffixGap = 3;  // between a number and its unit
constexpr int kFontPixels = 11;
constexpr int kSmallestFontPixels = 7;
// The most creatures one action adds: a tournament's prize with a gift.
constexpr int kMostJoiningAtOnce = 3;

// An item's row: its caption and, in battle, its button. The rows stand in
// the items' order, one below the other.
struct ItemCaption {
    ItemButton item;
    const char* caption;
    const char* name;    // the item's name, as a screen reader hears its button
    int trailingBlanks;  // they keep the button's caption over the row's caption
    const char* countName;
};

constexpr ItemCaption kItemCaptions[] = {
    {ZoriBallButton, QT_TRANSLATE_NOOP("zorikan::TForm5", "ZORIBalls:"),
     QT_TRANSLATE_NOOP("zorikan::TForm5", "ZORIBalls"), 6, "ZoriBallsLbl"},
    {GreatBallButton, QT_TRANSLATE_NOOP("zorikan::TForm5", "Great Balls:"),
     QT_TRANSLATE_NOOP("zorikan::TForm5", "Great Balls"), 6, "GreatBallsLbl"},
    {UltraBallButton, QT_TRANSLATE_NOOP("zorikan::TForm5", "Ultra Balls:"),
     QT_TRANSLATE_NOOP("zorikan::TForm5", "Ultra Balls"), 7, "UltraBallsLbl"},
    {MasterBallButton, QT_TRANSLATE_NOOP("zorikan::TForm5", "Master Balls:"),
     QT_TRANSLATE_NOOP("zorikan::TForm5", "Master Balls"), 4, "MasterBallsLbl"},
    {PotionButton, QT_TRANSLATE_NOOP("zorikan::TForm5", "Potions:"),
     QT_TRANSLATE_NOOP("zorikan::TForm5", "Potions"), 11, "PotionsLbl"},
    {SuperPotionButton, QT_TRANSLATE_NOOP("zorikan::TForm5", "Super Potions:"),
     QT_TRANSLATE_NOOP("zorikan::TForm5", "Super Potions"), 1, "SuperPotionsLbl"},
};

constexpr bool EveryItemCaptioned() {
    if (std::size(kItemCaptions) != kItemCount) return false;
    for (int i = 0; i < kItemCount; ++i)
        if (kItemCaptions[i].item != i) return false;
    return true;
}
static_assert(EveryItemCaptioned(), "every item of kItems needs its row here, in its order");

constexpr int kFirstItemTop = 152;
constexpr int kRowHeight = 16;

}  // namespace

TForm5::TForm5(WindowHost& session)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      session_(session) {
    setObjectName("Form5");
    setWindowTitle(tr("Statistics"));
    setFixedSize(kWidth, kHeight);
    // The rows are laid out to the pixel for the small dialog font.
    QFont small = font();
    small.setPixelSize(kFontPixels);
    setFont(small);
    setFocusPolicy(Qt::ClickFocus);
    measureCaptions();
    buildCounters();
    buildItems();
    buildRosterList();
    for (Row& row : rows_) placeRow(row);
    buildKeys();
}

void TForm5::measureCaptions() {
    // The numbers stand in one column, clear of the widest caption.
    int widest = 0;
    for (const char* caption :
         {QT_TR_NOOP("Money:"), QT_TR_NOOP("Fights:"), QT_TR_NOOP("Wins:"), QT_TR_NOOP("Catches:"),
          QT_TR_NOOP("Losses/Flees:"), QT_TR_NOOP("Win Percentage:"), QT_TR_NOOP("In ZORIDEX:")})
        widest = std::max(widest, fontMetrics().horizontalAdvance(tr(caption)));
    for (const ItemCaption& row : kItemCaptions)
        widest = std::max(widest, fontMetrics().horizontalAdvance(tr(row.caption)));
    valueLeft_ = kMargin + widest + kGap;
}

void TForm5::buildCounters() {
    // A name is long and its caption short: it starts right after "Name:".
    PlayerNameLbl = addRow(tr("Name:"), "PlayerNameLbl", 8);
    PlayerNameLbl->setText(QString());
    MoneyLbl = addRow(tr("Money:"), "MoneyLbl", 24, "Yen", QStringLiteral("¥"));
    // Money reads "1000¥" here as in every other window and line of the game.
    rows_.back().suffixGap = 0;
    FightsLbl = addRow(tr("Fights:"), "FightsLbl", 40);
    WinsLbl = addRow(tr("Wins:"), "WinsLbl", 56);
    CapturesLbl = addRow(tr("Catches:"), "CapturesLbl", 72);
    LossesLbl = addRow(tr("Losses/Flees:"), "LossesLbl", 88);
    Percent = addRow(tr("Win Percentage:"), "Percent", 104, "PercentSign", "%");
    //: After the number of species in the ZORIDEX: %1 is the number of all species.
    const QString ofAll = tr("of %1").arg(kSpeciesCount);
    OwnedZRKNLbl = addRow(tr("In ZORIDEX:"), "OwnedZRKNLbl", 120, "OfAll", ofAll);
}

void TForm5::buildItems() {
    auto* items = new QLabel(tr("Items:"), this);
    QFont bold = items->font();
    bold.setBold(true);
    items->setFont(bold);
    const int itemsWidth = std::max(60, QFontMetrics(bold).horizontalAdvance(items->text()));
    items->setGeometry(kMargin, 136, itemsWidth, 16);
    auto* bevel = new QFrame(this);
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(
        kMargin + QFontMetrics(bold).horizontalAdvance(items->text()) + kGap, 143,
        kWidth - 2 * kMargin - QFontMetrics(bold).horizontalAdvance(items->text()) - kGap, 2);

    for (int i = 0; i < kItemCount; ++i) {
        const ItemCaption& row = kItemCaptions[i];
        const int top = kFirstItemTop + i * kRowHeight;
        itemCountLabels_[i] = addRow(tr(row.caption), row.countName, top);
        itemCaptions_[i] = rows_.back().caption;
        auto* button = new QPushButton(tr(row.caption) + QString(row.trailingBlanks, ' '), this);
        button->setObjectName(QStringLiteral("Button%1").arg(i + 1));
        //: A screen reader's name for an item button in battle: %1 is the
        //: item, e.g. Potions.
        button->setAccessibleName(tr("Use %1").arg(tr(row.name)));
        // The button covers its caption whole, so no end of the caption
        // peeks out beside it.
        button->setGeometry(0, top, valueLeft_ - kGap / 2, kRowHeight);
        // The caption's trailing blanks would centre it past the button's edge.
        button->setStyleSheet(QStringLiteral("text-align: left; padding: 0 %1px; font-size: %2px;")
                                  .arg(kMargin - 2)
                                  .arg(kFontPixels));
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, i] {
            UseItem(session_.game(), static_cast<ItemButton>(i));
            session_.refresh();
        });
        itemButtons_[i] = button;
    }
}

void TForm5::buildRosterList() {
    ListView1 = new QListView(this);
    ListView1->setObjectName("ListView1");
    ListView1->setAccessibleName(tr("Your ZORIKAN"));
    ListView1->setToolTip(tr("Doubleclick a ZORIKAN to see its statistics."));
    // The roster list fills the window below the last item row.
    const int listTop = kFirstItemTop + kItemCount * kRowHeight + 4;
    ListView1->setGeometry(0, listTop, kWidth, kHeight - listTop);
    ListView1->setViewMode(QListView::ListMode);
    ListView1->setIconSize(QSize(32, 32));
    ListView1->setUniformItemSizes(true);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setMouseTracking(true);
    ListView1->viewport()->setCursor(Qt::PointingHandCursor);
    ListView1->setStyleSheet("QListView::item:hover { text-decoration: underline; }");
    rosterModel_ =
        new ui::RosterListModel(session_.game().screens.statistics, session_.images(), this);
    ListView1->setModel(rosterModel_);
    connect(ListView1, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { ListView1Click(index.row()); });
    // Enter on a creature does what a double-click does.
    ListView1->installEventFilter(this);
}

void TForm5::buildKeys() {
    // The roster comes first, then the items in their order.
    ui::ChainTabOrder(QList<QWidget*>{ListView1} + ui::TabStops(itemButtons_));
    // The way back to the main window, shown in the window's context menu.
    auto* back = new QAction(tr("Main Window"), this);
    back->setObjectName("MainWindow1");
    back->setShortcut(QKeySequence(Qt::Key_F6));
    connect(back, &QAction::triggered, this, &TForm5::giveKeyboardToMainWindow);
    addAction(back);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void TForm5::giveKeyboardToMainWindow() {
    QWidget* main = session_.mainWindow();
    if (!main->isVisible()) return;
    session_.bringBackWindows();
    ui::BringBack(main, true);
}

void TForm5::takeKeyboard() {
    if (!isVisible()) return;
    QWidget* target = ListView1->isEnabled() ? static_cast<QWidget*>(ListView1) : nullptr;
    for (QPushButton* button : itemButtons_)
        if (!target && button->isVisible() && button->isEnabled()) target = button;
    if (!target) return;
    // A creature is always current, so Enter chooses one at once.
    if (target == ListView1 && !ListView1->currentIndex().isValid() &&
        ListView1->model()->rowCount() > 0)
        ListView1->setCurrentIndex(ListView1->model()->index(0, 0));
    target->setFocus(Qt::ShortcutFocusReason);
    // A minimised window comes back with the keyboard, and so do the
    // others the game shows.
    session_.bringBackWindows();
    ui::BringBack(this, true);
}

bool TForm5::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListView1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
            ListView1->currentIndex().isValid()) {
            const Game& game = session_.game();
            const bool choosingFighter = game.screens.statistics.rosterListEnabled &&
                                         (game.battle.InWildBattle || game.battle.InTrainerBattle);
            ListView1Click(ListView1->currentIndex().row());
            // The list locks once a fighter is out: the keyboard goes back to
            // the battle, where the attacks wait, once the question's box has
            // handed the activation back to this window.
            if (choosingFighter && !game.screens.statistics.rosterListEnabled)
                QTimer::singleShot(0, this, &TForm5::giveKeyboardToMainWindow);
            // Otherwise the player stays with the roster, unless an evolution
            // choice now waits in the main window. A closing box hands the
            // activation to the main window on some desktops, so the window
            // takes it back.
            else if (!game.screens.main.evolveChoice.visible)
                QTimer::singleShot(0, this, &TForm5::takeKeyboard);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QLabel* TForm5::addRow(const QString& caption, const char* valueName, int top,
                       const char* suffixName, const QString& suffix) {
    Row row;
    row.caption = new QLabel(caption, this);
    const int captionWidth = fontMetrics().horizontalAdvance(caption);
    row.caption->setGeometry(kMargin, top, captionWidth, 16);
    row.value = new QLabel("0", this);
    row.value->setObjectName(valueName);
    // The player's name and the numbers show as written, never as markup.
    row.value->setTextFormat(Qt::PlainText);
    const int left = rows_.empty() ? kMargin + captionWidth + kGap : valueLeft_;
    row.value->setGeometry(left, top, kWidth - kMargin - left, 16);
    row.caption->setBuddy(row.value);
    row.spoken = caption;
    if (suffixName) {
        row.suffixGap = kSuffixGap;
        row.suffix = new QLabel(suffix, this);
        row.suffix->setObjectName(suffixName);
    }
    rows_.push_back(row);
    return row.value;
}

void TForm5::placeRow(Row& row) {
    QLabel* value = row.value;
    const int right = kWidth - kMargin;
    const int suffixWidth =
        row.suffix ? fontMetrics().horizontalAdvance(row.suffix->text()) + row.suffixGap : 0;
    const int room = right - value->x() - suffixWidth;
    // Every text shows whole: only a value too long for its row (a name of
    // wide letters, billions of yen) is drawn a little smaller.
    QFont f = font();
    while (f.pixelSize() > kSmallestFontPixels &&
           QFontMetrics(f).horizontalAdvance(value->text()) > room)
        f.setPixelSize(f.pixelSize() - 1);
    value->setFont(f);
    value->setFixedWidth(room);
    QString spoken = row.spoken + " " + value->text();
    if (row.suffix) {
        // "¥", "%" and "of 386" follow their number directly.
        const int textWidth = QFontMetrics(f).horizontalAdvance(value->text());
        row.suffix->setGeometry(value->x() + textWidth + row.suffixGap, value->y(),
                                suffixWidth - row.suffixGap, value->height());
        spoken += " " + row.suffix->text();
    }
    // A screen reader hears the caption and the value together.
    value->setAccessibleName(spoken);
}

void TForm5::render() {
    const StatisticsModel& m = session_.game().screens.statistics;
    PlayerNameLbl->setText(QString::fromStdString(m.playerName));
    MoneyLbl->setText(QString::fromStdString(m.money));
    FightsLbl->setText(QString::fromStdString(m.fights));
    WinsLbl->setText(QString::fromStdString(m.wins));
    CapturesLbl->setText(QString::fromStdString(m.catches));
    LossesLbl->setText(QString::fromStdString(m.losses));
    Percent->setText(QString::fromStdString(m.percent));
    OwnedZRKNLbl->setText(QString::fromStdString(m.registered));
    for (int i = 0; i < kItemCount; ++i) {
        itemCountLabels_[i]->setText(QString::fromStdString(m.itemCounts[i]));
        itemButtons_[i]->setVisible(m.itemButtonsVisible);
        itemButtons_[i]->setEnabled(m.itemButtonEnabled[i]);
        // In battle the button stands for the caption.
        itemCaption(i)->setVisible(!m.itemButtonsVisible);
    }
    for (Row& row : rows_) placeRow(row);
    const int scrolled = ListView1->verticalScrollBar()->value();
    if (rosterModel_->sync()) {
        // A creature that joins (a catch, a gift, a prize, a second creature
        // of an evolution) shows at once, however long the roster; a load
        // that fills the list leaves it at the top, and any other change
        // where the player had scrolled to.
        ListView1->doItemsLayout();
        const int rows = rosterModel_->rowCount();
        if (rows > shownRows_ && rows - shownRows_ <= kMostJoiningAtOnce)
            ListView1->scrollTo(rosterModel_->index(rows - 1, 0));
        else if (rows <= shownRows_)
            ListView1->verticalScrollBar()->setValue(scrolled);
        shownRows_ = rows;
    }
    ListView1->setEnabled(m.rosterListEnabled);
    QPalette p = ListView1->palette();
    p.setColor(QPalette::Base,
               palette().color(m.rosterListGreyed ? QPalette::Button : QPalette::Base));
    ListView1->setPalette(p);
}

QLabel* TForm5::itemCaption(int index) const {
    return itemCaptions_[static_cast<std::size_t>(index)];
}

void TForm5::ListView1Click(int row) {
    RosterDoubleClick(session_.game(), row);
    session_.refresh();
}

void TForm5::FormClick() {
    if (session_.mainWindow()->isVisible()) session_.mainWindow()->activateWindow();
}

void TForm5::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void TForm5::mousePressEvent(QMouseEvent* event) {
    FormClick();
    QWidget::mousePressEvent(event);
}

void TForm5::focusInEvent(QFocusEvent* event) {
    // Only the roster list keeps the focus here; the window itself hands it
    // back to the main window.
    QWidget::focusInEvent(event);
    FormClick();
}

}  // namespace zorikan
