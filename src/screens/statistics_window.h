#pragma once
// The statistics window: name, money, counters, items and the roster list.
// In battle the item names become buttons that use the items.

#include <QWidget>
#include <array>
#include <vector>

#include "core/model/items.h"

class QLabel;
class QListView;
class QPushButton;

namespace zorikan {

namespace ui {
class RosterListModel;
}

class WindowHost;

class TForm5 : public QWidget {
    Q_OBJECT

public:
    explicit TForm5(WindowHost& session);

    void render();
    QListView* rosterList() const { return ListView1; }
    QPushButton* itemButton(int index) const { return itemButtons_[index]; }

    // The double-click on a roster creature.
    void ListView1Click(int row);
    // Brings the window forward with the keyboard on the roster list, or on
    // the first usable item button while the list is closed in battle.
    void takeKeyboard();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The window has no close box and stays for the whole game, also against
    // the window manager's close request (Alt+F4): a battle needs its roster.
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    // One row: a caption, its value and the unit after the value.
    struct Row {
        QLabel* caption = nullptr;
        QLabel* value = nullptr;
        QLabel* suffix = nullptr;
        int suffixGap = 0;  // pixels between the number and its unit
        QString spoken;     // what a screen reader says before the value
    };

    // The steps that build the window, in their order.
    void measureCaptions();
    void buildCounters();
    // The items' heading, and a row and a button in battle for each item.
    void buildItems();
    void buildRosterList();
    void buildKeys();
    QLabel* addRow(const QString& caption, const char* valueName, int top,
                   const char* suffixName = nullptr, const QString& suffix = {});
    void placeRow(Row& row);
    QLabel* itemCaption(int index) const;
    void FormClick();
    // F6, and Enter on a creature that became the fighter: back to the battle.
    void giveKeyboardToMainWindow();

    WindowHost& session_;
    QLabel* PlayerNameLbl;
    QLabel* MoneyLbl;
    QLabel* FightsLbl;
    QLabel* WinsLbl;
    QLabel* CapturesLbl;
    QLabel* LossesLbl;
    QLabel* Percent;
    QLabel* OwnedZRKNLbl;
    std::array<QLabel*, kItemCount> itemCountLabels_{};
    std::array<QLabel*, kItemCount> itemCaptions_{};
    std::vector<Row> rows_;
    int valueLeft_ = 0;
    std::array<QPushButton*, kItemCount> itemButtons_{};
    QListView* ListView1;
    ui::RosterListModel* rosterModel_;
    int shownRows_ = 0;  // the roster list's length at the last redraw
};

}  // namespace zorikan
