#pragma once
// "Battle Arena": the fighter and the opponent with their pictures, hit-point
// gauges and attacks, "Go!" and "End Fight". Drawn from the arena model.

#include <QGroupBox>
#include <array>

class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace zorikan {

namespace ui {
class Gauge;
}

class WindowHost;
struct ArenaModel;

class BattleArena : public QGroupBox {
    Q_OBJECT

public:
    BattleArena(WindowHost& session, QWidget* parent);

    void render();

    void Button1Click();
    void EndButtonClick();

    QPushButton* goButton() const { return Button1; }
    QPushButton* endButton() const { return EndButton; }
    QRadioButton* attackItem(int index) const { return attackItems_[index]; }

private:
    // The steps that build the arena, top to bottom.
    void buildFighter();   // the player's creature: picture, name, hit points
    void buildAttacks();   // its attacks and "Go!"
    void buildOpponent();  // the enemy: picture, name, hit points and its attacks
    void buildEndButton();
    QListWidget* makePicture(const char* name, const QString& accessible, int left, int top);
    QLabel* makeLabel(const char* name, QWidget* parent, int left, int top);
    QLabel* makeHpLabel(const char* name, int top);
    void setPicture(QListWidget* list, int image);
    void renderFighter(const ArenaModel& arena);
    void renderOpponent(const ArenaModel& arena);
    // The gauge ends 289 pixels from the arena's left edge, whatever the name.
    static void placeGauge(QLabel* label, ui::Gauge* gauge);

    WindowHost& session_;
    QListWidget* ListView2;
    QLabel* Label2;
    ui::Gauge* Gauge1;
    QLabel* Label8;
    QGroupBox* RadioGroup1;
    std::array<QRadioButton*, 5> attackItems_{};
    QButtonGroup* attackGroup_;
    QPushButton* Button1;
    QListWidget* ListView3;
    QLabel* Label3;
    ui::Gauge* Gauge2;
    QLabel* Label9;
    QGroupBox* GroupBox2;
    std::array<QLabel*, 4> opponentAttacks_{};
    QPushButton* EndButton;
    std::array<int, 2> shownImages_{-2, -2};
    bool goWasVisible_ = false;
    bool endWasVisible_ = false;
};

}  // namespace zorikan
