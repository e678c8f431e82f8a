#pragma once
// A number box with spin buttons for amounts of money. Money is unsigned
// 32-bit and can pass 2,147,483,647, which QSpinBox's int cannot hold, so
// this box keeps its value, range and step in 64 bits.

#include <QAbstractSpinBox>

namespace zorikan::ui {

class MoneySpinBox : public QAbstractSpinBox {
    Q_OBJECT
    // Screen readers read and set the box through these, as for any spin box.
    Q_PROPERTY(quint64 value READ value WRITE setValue NOTIFY valueChanged USER true)
    Q_PROPERTY(quint64 minimum READ minimum CONSTANT)
    Q_PROPERTY(quint64 maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(quint64 singleStep READ singleStep WRITE setSingleStep)

public:
    explicit MoneySpinBox(QWidget* parent = nullptr);

    quint64 value() const { return value_; }
    quint64 minimum() const { return 0; }
    quint64 maximum() const { return maximum_; }
    quint64 singleStep() const { return step_; }
    // Clamped to 0..maximum; emits valueChanged when it changes.
    void setValue(quint64 value);
    // Lowers the value to a new, smaller maximum.
    void setMaximum(quint64 maximum);
    void setSingleStep(quint64 step) { step_ = step; }

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    QSize sizeHint() const override;

    StepEnabled stepEnabled() const override;

signals:
    void valueChanged(quint64 value);

private:
    void textEdited(const QString& text);
    void showValue();

    quint64 value_ = 0;
    quint64 maximum_ = 0;
    quint64 step_ = 1;
};

}  // namespace zorikan::ui
