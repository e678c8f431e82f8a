// Every text a window shows is whole, plain and heard: captions, labels and
// buttons fit their controls at the fonts the game sets, for the widest
// names of the data and the largest numbers; names from the player and the
// data never turn into markup; a screen reader hears each value.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>

#include "../core/scripted_port.h"
#include "app/game_session.h"
#include "core/battle/battle_start.h"
#include "core/collection/debug_menu.h"
#include "core/data/data_file.h"
#include "core/saves/new_game.h"
#include "data_folder.h"
#include "game_windows.h"
#include "modal_helper.h"
#include "screens/about_box.h"
#include "screens/battle_log_window.h"
#include "screens/game_corner_window.h"
#include "screens/loader_window.h"
#include "screens/main_window.h"
#include "screens/mart_window.h"
#include "screens/name_dialog.h"
#include "screens/statistics_window.h"
#include "screens/title_window.h"
#include "screens/type_comparisons_window.h"
#include "screens/zoridex_window.h"
#include "ui/gauge.h"

namespace zorikan {
namespace {

QString Where(const QWidget* w, const QString& text) {
    return w->window()->objectName() + "/" + w->objectName() + " (" + w->metaObject()->className() +
           ") \"" + text + "\"";
}

// The text a label draws: the "&" of a mnemonic is an underline, "&&" one "&".
QString DrawnText(const QLabel* label) {
    if (!label->buddy()) return label->text();
    QString text = label->text();
    text.replace("&&", QChar(1)).remove('&').replace(QChar(1), '&');
    return text;
}

// Where a label draws its single line of text, in its parent's coordinates.
QRect TextBox(const QLabel* label) {
    const QFontMetrics fm = label->fontMetrics();
    const QRect inside = label->contentsRect();
    const int width = fm.horizontalAdvance(DrawnText(label));
    int left = inside.left();
    if (label->alignment() & Qt::AlignRight) left = inside.right() + 1 - width;
    if (label->alignment() & Qt::AlignHCenter) left = inside.center().x() - width / 2;
    int top = inside.top();
    if (label->alignment() & Qt::AlignVCenter) top = inside.center().y() - fm.height() / 2;
    if (label->alignment() & Qt::AlignBottom) top = inside.bottom() + 1 - fm.height();
    // What falls outside the label is not drawn.
    return QRect(left, top, width, fm.height()).intersected(label->rect()).translated(label->pos());
}

bool IsSingleLineLabel(const QLabel* label) {
    return !label->text().isEmpty() && !label->wordWrap() && label->pixmap().isNull() &&
           !(label->textFormat() != Qt::PlainText && Qt::mightBeRichText(label->text()));
}

// A control the player sees now, or one its shown window brings out later in
// the place it was given, such as the arena's "End Fight" when a battle ends.
bool Seen(const QWidget* w) {
    if (w->objectName().startsWith("qt_")) return false;
    return w->isVisible() || (w->testAttribute(Qt::WA_Resized) && w->window()->isVisible());
}

// The entries of a list or a combo box that are wider than the room it gives them.
QStringList UnfitEntries(QWidget* w) {
    QStringList faults;
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        QStyleOptionComboBox opt;
        opt.initFrom(combo);
        opt.editable = combo->isEditable();
        const QRect room = combo->style()->subControlRect(QStyle::CC_ComboBox, &opt,
                                                          QStyle::SC_ComboBoxEditField, combo);
        for (int i = 0; i < combo->count(); ++i) {
            const int need = combo->fontMetrics().horizontalAdvance(combo->itemText(i));
            if (need > room.width())
                faults << Where(w, combo->itemText(i)) +
                              QString(" needs %1 px, has %2").arg(need).arg(room.width());
        }
    } else if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
            const QModelIndex index = view->model()->index(row, 0, view->rootIndex());
            const QString text = index.data().toString();
            if (text.isEmpty()) continue;
            const int need = view->sizeHintForIndex(index).width();
            if (need > view->viewport()->width())
                faults
                    << Where(w, text) +
                           QString(" needs %1 px, has %2").arg(need).arg(view->viewport()->width());
        }
    }
    return faults;
}

// A window of a fixed size shows its title whole in the title bar: the
// desktop's bold font, beside the window's icon and the buttons its flags give.
QStringList UnfitTitle(QWidget* window) {
    if (window->minimumSize() != window->maximumSize() ||
        window->windowFlags().testFlag(Qt::FramelessWindowHint))
        return {};
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics fm(bold);
    const Qt::WindowFlags flags = window->windowFlags();
    const bool customized = flags.testFlag(Qt::CustomizeWindowHint);
    int buttons = customized ? 0 : 3;
    if (customized) {
        for (Qt::WindowType button : {Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
                                      Qt::WindowMaximizeButtonHint})
            buttons += flags.testFlag(button) ? 1 : 0;
    }
    // The icon and each button take about a square of the bar's height.
    const int bar = 2 * fm.height();
    const int room = window->width() - (1 + buttons) * bar;
    const int need = fm.horizontalAdvance(window->windowTitle());
    if (need <= room) return {};
    return {Where(window, window->windowTitle()) +
            QString(" title needs %1 px, has %2").arg(need).arg(room)};
}

// The texts of the controls under `root` a player sees that do not show
// whole: cut off by their own control, run into a neighbour's text, or
// covered by a button.
QStringList Unfit(QWidget* root) {
    QStringList faults = UnfitTitle(root->window());
    QList<QWidget*> all = root->findChildren<QWidget*>();
    all.prepend(root);
    for (QWidget* w : all) {
        if (!Seen(w)) continue;
        faults << UnfitEntries(w);
        if (auto* label = qobject_cast<QLabel*>(w); label && IsSingleLineLabel(label)) {
            const int need = label->fontMetrics().horizontalAdvance(DrawnText(label));
            if (need > label->contentsRect().width() - 2 * label->margin())
                faults << Where(w, label->text()) + QString(" needs %1 px, has %2")
                                                        .arg(need)
                                                        .arg(label->contentsRect().width());
            const int ink = label->fontMetrics().tightBoundingRect(label->text()).height();
            if (ink > label->contentsRect().height())
                faults << Where(w, label->text()) + QString(" is %1 px high, has %2")
                                                        .arg(ink)
                                                        .arg(label->contentsRect().height());
            // Text of a sibling in the same row, or a button laid over it.
            if (!label->isVisible()) continue;
            for (QObject* o : label->parentWidget()->children()) {
                auto* other = qobject_cast<QWidget*>(o);
                if (!other || other == label || !other->isVisible()) continue;
                const QRect mine = TextBox(label);
                if (auto* near = qobject_cast<QLabel*>(other); near && IsSingleLineLabel(near)) {
                    if (mine.intersects(TextBox(near)) && label < near)
                        faults << Where(w, label->text()) + " runs into \"" + near->text() + "\"";
                } else if (qobject_cast<QAbstractButton*>(other) &&
                           other->geometry().intersects(mine)) {
                    faults << Where(w, label->text()) + " lies under " + other->objectName();
                }
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            QStyleOptionButton opt;
            opt.initFrom(button);
            opt.text = button->text();
            QStyle::SubElement inside = QStyle::SE_PushButtonContents;
            if (qobject_cast<QRadioButton*>(button)) inside = QStyle::SE_RadioButtonContents;
            if (qobject_cast<QCheckBox*>(button)) inside = QStyle::SE_CheckBoxContents;
            const QRect room = button->style()->subElementRect(inside, &opt, button);
            const QString shown = button->text().trimmed().remove('&');
            const int need = button->fontMetrics().horizontalAdvance(shown);
            if (!shown.isEmpty() && need > room.width())
                faults << Where(w, shown) +
                              QString(" needs %1 px, has %2").arg(need).arg(room.width());
        } else if (auto* box = qobject_cast<QGroupBox*>(w); box && !box->title().isEmpty()) {
            QStyleOptionGroupBox opt;
            opt.initFrom(box);
            opt.text = box->title();
            opt.subControls = QStyle::SC_GroupBoxLabel;
            const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &opt,
                                                             QStyle::SC_GroupBoxLabel, box);
            const int need = box->fontMetrics().horizontalAdvance(box->title());
            if (title.left() + need > box->width())
                faults << Where(w, box->title()) + " is wider than its box";
        }
    }
    return faults;
}

// The faults of Unfit, one a line, for a readable failure.
std::string Faults(QWidget* root) {
    // Layouts settle once the event loop runs, as on screen.
    QApplication::processEvents();
    return Unfit(root).join("\n").toStdString();
}

// A game's windows over the real data, as after a load.
class WholeTexts : public testing::GameWindows {
protected:
    void SetUp() override {
        session.random().reseed(5);
        startGame(2);
        session.game().setVisible(Window::Zoridex, false);
        session.refresh();
    }
    // The species whose name is widest in `font`.
    int widestSpecies(const QFont& font) {
        const QFontMetrics fm(font);
        int best = 1;
        for (int n = 2; n <= kSpeciesCount; ++n)
            if (fm.horizontalAdvance(QString::fromStdString(session.data().SpeciesNames[n])) >
                fm.horizontalAdvance(QString::fromStdString(session.data().SpeciesNames[best])))
                best = n;
        return best;
    }
    // Shows `screens` as a battle of the rules would leave them: the rules
    // run on a second game with a scripted player, the windows draw.
    void showArena(int fighter, int opponent, int level) {
        testing::ScriptedPort port;
        Game rehearsal(session.data(), port, session.random());
        rehearsal.state = session.game().state;
        rehearsal.state.RosterSpecies[1] = fighter;
        rehearsal.state.RosterLevel[1] = static_cast<std::uint8_t>(level);
        StartWildBattle(rehearsal, opponent, level);
        ConfirmFighter(rehearsal, 1, fighter);
        session.game().screens.main.arena = rehearsal.screens.main.arena;
        session.refresh();
    }
};

TEST_F(WholeTexts, TheStatisticsWindowHoldsTheLargestNumbersAndLongestNames) {
    GameState& s = session.game().state;
    constexpr std::uint32_t kMost = 4'294'967'295u;
    s.Money = s.Wins = s.Fights = s.Catches = kMost;
    s.Losses = 1;
    s.ZoriBalls = s.GreatBalls = s.UltraBalls = s.MasterBalls = s.Potions = s.SuperPotions = kMost;
    s.OwnedFlags.fill(true);
    TForm5* stats = session.statistics();
    auto* name = stats->findChild<QLabel*>("PlayerNameLbl");
    // A name of fifteen ordinary letters shows whole at the window's size;
    // fifteen of the widest letter show whole too.
    for (const char* player : {"Quillonberrywax", "WWWWWWWWWWWWWWW", "Kell"}) {
        TakePlayerName(session.game(), player);
        session.refresh();
        EXPECT_EQ(name->text().toStdString(), player);
        EXPECT_EQ(Faults(stats), "") << player;
    }
    TakePlayerName(session.game(), "Quillonberrywax");
    session.refresh();
    EXPECT_EQ(name->font().pixelSize(), stats->font().pixelSize());
    EXPECT_EQ(stats->findChild<QLabel*>("Percent")->text(), "99.99");
    // Each caption stands clear of its value.
    int captions = 0;
    for (QLabel* caption : stats->findChildren<QLabel*>()) {
        auto* value = qobject_cast<QLabel*>(caption->buddy());
        if (!value) continue;
        ++captions;
        EXPECT_GE(TextBox(value).left() - TextBox(caption).right(), 4)
            << caption->text().toStdString();
    }
    EXPECT_EQ(captions, 14);
    // Money reads "1000¥" as in every other window: the sign follows the number.
    EXPECT_EQ(stats->findChild<QLabel*>("Yen")->x(),
              TextBox(stats->findChild<QLabel*>("MoneyLbl")).right() + 1);

    // In battle the item names are buttons over their captions.
    session.game().screens.statistics.itemButtonsVisible = true;
    session.game().screens.statistics.itemButtonEnabled.fill(true);
    stats->render();
    EXPECT_TRUE(stats->itemButton(SuperPotionButton)->isVisible());
    EXPECT_EQ(Faults(stats), "");
}

TEST_F(WholeTexts, TheArenaHoldsEverySpeciesAtLevelOneHundred) {
    QWidget* main = session.mainWindow();
    // Every species as the opponent and as the fighter, with its attacks.
    for (int n = 1; n <= kSpeciesCount; ++n) {
        showArena(n, kSpeciesCount + 1 - n, 100);
        ASSERT_EQ(Faults(main), "") << "species " << n;
    }
    // The widest name on both sides, where the gauges are narrowest: their
    // percentage still fits.
    const int widest = widestSpecies(session.mainWindow()->clientArea()->font());
    showArena(widest, widest, 100);
    EXPECT_EQ(Faults(main), "");
    for (const char* name : {"Gauge1", "Gauge2"}) {
        auto* gauge = main->findChild<ui::Gauge*>(name);
        EXPECT_GE(gauge->width(), QFontMetrics(gauge->textFont()).horizontalAdvance("100%") + 4)
            << name;
    }
    EXPECT_EQ(main->findChild<QLabel*>("Label8")->text(), "1000/1000");
    EXPECT_EQ(main->findChild<QLabel*>("Label9")->text(), "1000/1000");
}

TEST_F(WholeTexts, TheReferenceWindowsHoldEveryEntry) {
    // With the debug option every attack shows, registered or not.
    ToggleAlwaysShowAttacks(session.game());
    session.mainWindow()->menuAction(MenuItem::ViewDEX1)->trigger();
    TForm8* dex = session.zoridex();
    for (int n = 1; n <= kSpeciesCount; ++n) {
        dex->speciesList()->setCurrentIndex(n - 1);
        ASSERT_EQ(Faults(dex), "") << "species " << n;
    }
    session.mainWindow()->menuAction(MenuItem::TypeComparisons1)->trigger();
    TFormA* types = session.typeComparisons();
    auto* attacks = types->findChild<QComboBox*>("ComboBox2");
    auto* species = types->findChild<QComboBox*>("ComboBox1");
    for (int a = 1; a <= kAttackCount; ++a) {
        attacks->setCurrentIndex(a - 1);
        species->setCurrentIndex((a * 7) % kSpeciesCount);
        ASSERT_EQ(Faults(types), "") << "attack " << a;
    }
}

// The shops are laid out for the desktop's own font, which may be wider than
// the one they were first drawn for: every entry, caption and description shows whole.
TEST_F(WholeTexts, TheShopsHoldEveryEntryAndDescription) {
    session.game().state.Money = 4'294'967'295u;
    session.refresh();
    session.mainWindow()->menuAction(MenuItem::Buy1)->trigger();
    TForm9* mart = session.mart();
    for (int item = 0; item < 5; ++item) {
        mart->itemEntry(item)->click();
        mart->quantityBox()->setValue(2147483647);
        ASSERT_EQ(Faults(mart), "") << "item " << item;
    }
    session.mainWindow()->menuAction(MenuItem::GameCorner1)->trigger();
    EXPECT_EQ(Faults(session.gameCorner()), "");
}

TEST_F(WholeTexts, TheStartWindowsHoldTheirCaptions) {
    for (QWidget* w :
         {static_cast<QWidget*>(session.title()), static_cast<QWidget*>(session.loader()),
          static_cast<QWidget*>(session.about()), static_cast<QWidget*>(session.nameDialog())}) {
        w->show();
        QApplication::processEvents();
        EXPECT_EQ(Faults(w), "") << w->objectName().toStdString();
        w->hide();
    }
}

TEST_F(WholeTexts, NamesFromThePlayerAndTheDataShowAsWritten) {
    GameData& data = session.data();
    Game& game = session.game();
    for (int n = 1; n <= kSpeciesCount; ++n)
        data.SpeciesNames[n] = "<i>" + data.SpeciesNames[n] + "</i>";
    for (int a = 1; a <= kAttackCount; ++a)
        data.AttackNames[a] = "<u>" + data.AttackNames[a] + "</u>";
    for (int t = 1; t <= kTypeCount; ++t) data.TypeNames[t] = "<s>" + data.TypeNames[t] + "</s>";
    TakePlayerName(game, "<b>Bo</b>");
    session.refresh();
    showArena(7, 9, 50);
    session.mainWindow()->menuAction(MenuItem::ViewDEX1)->trigger();
    game.state.OwnedFlags[9] = true;
    session.zoridex()->speciesList()->setCurrentIndex(8);

    int shown = 0;
    for (QWidget* w : QApplication::allWidgets()) {
        auto* label = qobject_cast<QLabel*>(w);
        if (!label || !label->isVisible() || !label->text().contains('<')) continue;
        ++shown;
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << Where(label, label->text()).toStdString();
    }
    // The player's name, the arena's names and attacks, the ZORIDEX's name,
    // types and attacks.
    EXPECT_GE(shown, 16);
    EXPECT_EQ(session.statistics()->findChild<QLabel*>("PlayerNameLbl")->text().toStdString(),
              "<b>Bo</b>");

    // A message box shows a species name as written too.
    Qt::TextFormat format = Qt::AutoText;
    answers.then([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        format = box->textFormat();
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(game.port.question("Choose " + data.SpeciesNames[7] + "?"));
    EXPECT_EQ(format, Qt::PlainText);
}

TEST_F(WholeTexts, AScreenReaderHearsEveryValueAndEveryWindow) {
    GameState& s = session.game().state;
    TakePlayerName(session.game(), "Wren");
    s.Money = 1234;
    s.Wins = 2;
    s.Losses = 1;
    s.SuperPotions = 7;
    session.refresh();
    showArena(4, 25, 30);
    session.mainWindow()->menuAction(MenuItem::ViewDEX1)->trigger();
    session.zoridex()->speciesList()->setCurrentIndex(3);
    // The Mart's two description lines.
    session.mainWindow()->menuAction(MenuItem::Buy1)->trigger();
    session.mart()->itemEntry(1)->click();

    auto spoken = [](QWidget* w) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        return face ? face->text(QAccessible::Name) : QString();
    };
    // Each value is heard with its own text, and the statistics values with
    // their captions.
    int values = 0;
    for (QWidget* w : QApplication::allWidgets()) {
        auto* label = qobject_cast<QLabel*>(w);
        if (!label || !label->isVisible() || label->text().isEmpty() || label->buddy()) continue;
        ++values;
        EXPECT_TRUE(spoken(label).contains(label->text()))
            << Where(label, spoken(label)).toStdString();
    }
    EXPECT_GT(values, 20);
    TForm5* stats = session.statistics();
    EXPECT_EQ(spoken(stats->findChild<QLabel*>("PlayerNameLbl")).toStdString(), "Name: Wren");
    EXPECT_EQ(spoken(stats->findChild<QLabel*>("MoneyLbl")).toStdString(), "Money: 1234 ¥");
    EXPECT_EQ(spoken(stats->findChild<QLabel*>("Percent")).toStdString(),
              "Win Percentage: 66.66 %");
    EXPECT_EQ(spoken(stats->findChild<QLabel*>("OwnedZRKNLbl")).toStdString(),
              "In ZORIDEX: 1 of 386");
    EXPECT_EQ(spoken(stats->findChild<QLabel*>("SuperPotionsLbl")).toStdString(),
              "Super Potions: 7");
    EXPECT_EQ(spoken(session.mainWindow()->findChild<QLabel*>("Label9")).toStdString(),
              "Enemy hit points: 300/300");

    // The line under "Items:" is a separator, not a nameless frame.
    int lines = 0;
    for (QFrame* frame : stats->findChildren<QFrame*>()) {
        if (frame->frameShape() != QFrame::HLine) continue;
        ++lines;
        EXPECT_EQ(QAccessible::queryAccessibleInterface(frame)->role(), QAccessible::Separator);
    }
    EXPECT_EQ(lines, 1);

    // Top-level windows are announced as windows or dialogs.
    for (QWidget* w :
         {static_cast<QWidget*>(session.loader()), static_cast<QWidget*>(session.title()),
          static_cast<QWidget*>(session.about()), static_cast<QWidget*>(session.mainWindow()),
          static_cast<QWidget*>(session.battleLog()), static_cast<QWidget*>(session.zoridex()),
          static_cast<QWidget*>(session.statistics()), static_cast<QWidget*>(session.nameDialog()),
          static_cast<QWidget*>(session.typeComparisons())}) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(face, nullptr);
        EXPECT_TRUE(face->role() == QAccessible::Window || face->role() == QAccessible::Dialog)
            << w->objectName().toStdString() << " role " << face->role();
        EXPECT_EQ(face->text(QAccessible::Name), w->windowTitle()) << w->objectName().toStdString();
    }
}

}  // namespace
}  // namespace zorikan
