#include "ui/money_spin_box.h"

#include <QLineEdit>

namespace zorikan::ui {

MoneySpinBox::MoneySpinBox(QWidget* parent) : QAbstractSpinBox(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    lineEdit()->setInputMethodHints(Qt::ImhDigitsOnly);
    connect(lineEdit(), &QLineEdit::textEdited, this, &MoneySpinBox::textEdited);
    // A half-typed or empty box shows the value again when editing ends.
    connect(this, &QAbstractSpinBox::editingFinished, this, &MoneySpinBox::showValue);
    showValue();
}

void MoneySpinBox::setValue(quint64 value) {
    value = qMin(value, maximum_);
    const bool changed = value != value_;
    value_ = value;
    showValue();
    if (changed) emit valueChanged(value_);
}

void MoneySpinBox::setMaximum(quint64 maximum) {
    maximum_ = maximum;
    if (value_ > maximum_) setValue(maximum_);
}

void MoneySpinBox::stepBy(int steps) {
    // A step that would pass either end stops there.
    const quint64 count = static_cast<quint64>(steps < 0 ? -static_cast<qint64>(steps) : steps);
    const quint64 room = steps >= 0 ? maximum_ - value_ : value_;
    const bool fits = step_ == 0 || count <= room / step_;
    if (steps >= 0)
        setValue(fits ? value_ + count * step_ : maximum_);
    else
        setValue(fits ? value_ - count * step_ : 0);
    selectAll();
}

QValidator::State MoneySpinBox::validate(QString& input, int&) const {
    if (input.isEmpty()) return QValidator::Intermediate;
    for (QChar c : input)
        if (!c.isDigit() || c.unicode() > '9') return QValidator::Invalid;
    bool ok = false;
    const quint64 typed = input.toULongLong(&ok);
    return ok && typed <= maximum_ ? QValidator::Acceptable : QValidator::Invalid;
}

void MoneySpinBox::fixup(QString& input) const {
    input = QString::number(value_);
}

QSize MoneySpinBox::sizeHint() const {
    // Wide enough for the largest amount of money.
    QSize hint = QAbstractSpinBox::sizeHint();
    const int digits = fontMetrics().horizontalAdvance(QStringLiteral("4294967295"));
    hint.setWidth(qMax(hint.width(), digits + 36));
    return hint;
}

QAbstractSpinBox::StepEnabled MoneySpinBox::stepEnabled() const {
    if (isReadOnly()) return StepNone;
    StepEnabled enabled = StepNone;
    if (value_ > 0) enabled |= StepDownEnabled;
    if (value_ < maximum_) enabled |= StepUpEnabled;
    return enabled;
}

void MoneySpinBox::textEdited(const QString& text) {
    bool ok = false;
    const quint64 typed = text.toULongLong(&ok);
    if (!ok || typed > maximum_ || typed == value_) return;
    value_ = typed;
    emit valueChanged(value_);
}

void MoneySpinBox::showValue() {
    const QString text = QString::number(value_);
    if (lineEdit()->text() != text) lineEdit()->setText(text);
}

}  // namespace zorikan::ui
