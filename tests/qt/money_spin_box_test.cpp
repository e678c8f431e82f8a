// The 64-bit money box: its range past 2,147,483,647, steps that stop at
// either end, and typing that cannot pass the maximum.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "ui/money_spin_box.h"

namespace zorikan {
namespace {

using ui::MoneySpinBox;

TEST(MoneySpinBox, StepsInFiftiesAndStopsAtEitherEnd) {
    MoneySpinBox box;
    box.setMaximum(120);
    box.setSingleStep(50);
    QSignalSpy changed(&box, &MoneySpinBox::valueChanged);
    box.stepBy(2);
    EXPECT_EQ(box.value(), 100u);
    box.stepBy(1);
    EXPECT_EQ(box.value(), 120u);
    EXPECT_EQ(box.stepEnabled(), QAbstractSpinBox::StepDownEnabled);
    box.stepBy(-1);
    EXPECT_EQ(box.value(), 70u);
    box.stepBy(-5);
    EXPECT_EQ(box.value(), 0u);
    EXPECT_EQ(box.stepEnabled(), QAbstractSpinBox::StepUpEnabled);
    EXPECT_EQ(changed.count(), 4);
    EXPECT_EQ(box.text(), "0");
}

TEST(MoneySpinBox, HoldsTheWholeRangeOfMoney) {
    MoneySpinBox box;
    box.setMaximum(4'294'967'295u);
    box.setSingleStep(50);
    box.setValue(4'294'967'290u);
    box.stepBy(1);
    EXPECT_EQ(box.value(), 4'294'967'295u);
    EXPECT_EQ(box.text(), "4294967295");
    // A smaller maximum pulls the value down with it.
    box.setMaximum(3'000'000'000u);
    EXPECT_EQ(box.value(), 3'000'000'000u);
}

TEST(MoneySpinBox, TypingTakesDigitsUpToTheMaximum) {
    MoneySpinBox box;
    box.setMaximum(3'000'000'000u);
    box.show();
    QSignalSpy changed(&box, &MoneySpinBox::valueChanged);
    box.setFocus();
    box.selectAll();
    QTest::keyClicks(&box, "2500000000");
    EXPECT_EQ(box.value(), 2'500'000'000u);
    EXPECT_EQ(changed.last().at(0).toULongLong(), 2'500'000'000u);

    box.selectAll();
    QTest::keyClicks(&box, "-x+");
    EXPECT_EQ(box.value(), 2'500'000'000u);
    EXPECT_EQ(box.text(), "2500000000");
    box.selectAll();
    QTest::keyClicks(&box, "3000000001");
    EXPECT_EQ(box.text(), "300000000");  // the last digit is refused
    EXPECT_EQ(box.value(), 300'000'000u);

    // An emptied box shows its value again when editing ends.
    box.selectAll();
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), "");
    emit box.editingFinished();
    EXPECT_EQ(box.text(), "300000000");
}

// A screen reader reads the value that shows and sets it like a player would.
TEST(MoneySpinBox, AScreenReaderSeesAndSetsTheShownValue) {
    QWidget window;  // a control inside a window, as in the Game Corner
    MoneySpinBox& box = *new MoneySpinBox(&window);
    box.setMaximum(3'000'000'000u);
    box.setValue(250);
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(&box);
    ASSERT_NE(spoken, nullptr);
    QAccessibleValueInterface* value = spoken->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toULongLong(), 250u);
    EXPECT_EQ(value->minimumValue().toULongLong(), 0u);
    EXPECT_EQ(value->maximumValue().toULongLong(), 3'000'000'000u);

    QSignalSpy changed(&box, &MoneySpinBox::valueChanged);
    value->setCurrentValue(1000.0);  // the accessibility bus carries numbers as doubles
    EXPECT_EQ(box.value(), 1000u);
    EXPECT_EQ(box.text(), "1000");
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(value->currentValue().toULongLong(), 1000u);
    value->setCurrentValue(4'000'000'000.0);
    EXPECT_EQ(box.text(), "3000000000") << "held to the maximum like a typed amount";
    EXPECT_EQ(value->currentValue().toULongLong(), 3'000'000'000u);
}

}  // namespace
}  // namespace zorikan
