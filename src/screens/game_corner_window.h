#pragma once
// The Game Corner: stake money on a number and watch the lucky number
// flicker through its draws.

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <array>

#include "core/collection/game_corner.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zorikan {

namespace ui {
class MoneySpinBox;
}

class WindowHost;

class TFormB : public QWidget {
    Q_OBJECT

public:
    explicit TFormB(WindowHost& session);
    ~TFormB() override;

    void render();
    ui::MoneySpinBox* betBox() const { return SpinEdit1; }
    QRadioButton* prizeEntry(int index) const { return prizeKinds_[index]; }
    QRadioButton* numberEntry(int number) const { return picks_[number]; }
    QRadioButton* luckyEntry(int number) const { return lucky_[number]; }
    QPushButton* drawButton() const { return Button1; }
    QPushButton* closeButton() const { return Button2; }
    // How long the lucky number flickers, and how often it changes meanwhile.
    static constexpr int kFlickerMs = 900;
    int frameIntervalMs() const { return flicker_.interval(); }

    void Button1Click();
    void Button2Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The three choices: the prize, the player's number and the lucky number.
    struct Choices {
        QGroupBox* playFor = nullptr;
        QGroupBox* pick = nullptr;
        QGroupBox* lucky = nullptr;
    };

    // The steps that build the window, in their order.
    QLabel* buildBet();  // returns the yen sign after the bet
    Choices buildChoices();
    void layOut(QLabel* yen, const Choices& choices);
    void connectControls();
    void buildKeys();
    void buildFlicker();
    // One frame of the flicker: the draw due at this moment, or the reveal.
    void flickerFrame();
    void blockInput(bool blocked);

    WindowHost& session_;
    QLabel* Label1;
    ui::MoneySpinBox* SpinEdit1;
    QButtonGroup* RadioGroup1;
    QButtonGroup* RadioGroup2;
    QButtonGroup* RadioGroup3;
    std::array<QRadioButton*, kPrizeKindCount> prizeKinds_{};
    std::array<QRadioButton*, 10> picks_{};
    std::array<QRadioButton*, 10> lucky_{};
    QPushButton* Button1;
    QPushButton* Button2;
    QTimer flicker_;
    QElapsedTimer clock_;
    bool inputBlocked_ = false;
};

}  // namespace zorikan
