#pragma once
// The Mart: buy balls and potions for money.

#include <QWidget>
#include <array>

#include "core/collection/mart.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace zorikan {

class WindowHost;

class TForm9 : public QWidget {
    Q_OBJECT

public:
    explicit TForm9(WindowHost& session);

    void render();
    QRadioButton* itemEntry(int index) const { return items_[index]; }
    QSpinBox* quantityBox() const { return SpinEdit1; }
    QLineEdit* priceBox() const { return Edit1; }
    QPushButton* buyButton() const { return Button1; }
    QPushButton* leaveButton() const { return Button2; }

    void RadioGroup1Click(int item);
    void SpinEdit1Change(int quantity);
    void Button1Click();
    void Button2Click();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The steps that build the window, in their order.
    QGroupBox* buildItemChoice();
    QLabel* buildQuantity();  // returns the quantity's caption
    QLabel* buildPrice();     // returns the price's caption
    void buildDescription();
    void buildButtons();
    void layOut(QGroupBox* group, QLabel* buyCaption, QLabel* priceCaption);
    void connectControls();

    WindowHost& session_;
    QButtonGroup* RadioGroup1;
    std::array<QRadioButton*, kMartItemCount> items_{};
    QSpinBox* SpinEdit1;
    QLineEdit* Edit1;
    QLabel* Label2;
    QLabel* Label3;
    QPushButton* Button1;
    QPushButton* Button2;
};

}  // namespace zorikan
