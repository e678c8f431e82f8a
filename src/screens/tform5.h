#pragma once
// The statistics window: name, money, counters, items and the roster list.
// In battle the item names become buttons that use the items.

#include <QWidget>
#include <array>
#include <utility>
#include <vector>

class QLabel;
class QListView;
class QPushButton;

namespace zorikan {

namespace ui {
class RosterListModel;
}

class GameSession;

class TForm5 : public QWidget {
    Q_OBJECT

public:
    explicit TForm5(GameSession& session);

    void render();
    QListView* rosterList() const { return ListView1; }
    QPushButton* itemButton(int index) const { return itemButtons_[index]; }

    // The double-click on a roster creature.
    void ListView1Click(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    QLabel* addRow(const QString& caption, const char* valueName, int top,
                   const char* suffixName = nullptr, const QString& suffix = {});
    void FormClick();
    void placeSuffixes();

    GameSession& session_;
    QLabel* PlayerNameLbl;
    QLabel* MoneyLbl;
    QLabel* FightsLbl;
    QLabel* WinsLbl;
    QLabel* CapturesLbl;
    QLabel* LossesLbl;
    QLabel* Percent;
    QLabel* OwnedZRKNLbl;
    std::array<QLabel*, 6> itemCountLabels_{};
    std::vector<std::pair<QLabel*, QLabel*>> suffixes_;  // a number and the unit after it
    std::array<QPushButton*, 6> itemButtons_{};
    QListView* ListView1;
    ui::RosterListModel* rosterModel_;
};

}  // namespace zorikan
