#include "screens/mart_window.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>

#include "core/collection/mart.h"
#include "core/game/game.h"
#include "screens/window_host.h"
#include "ui/keyboard_play.h"

namespace zorikan {

namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TForm9::TForm9(WindowHost& session)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      session_(session) {
    setObjectName("Form9");
    setWindowTitle(QString::fromStdString(Text(text::kMartCaption)));
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    QGroupBox* itemChoice = buildItemChoice();
    QLabel* buyCaption = buildQuantity();
    QLabel* priceCaption = buildPrice();
    buildDescription();
    buildButtons();
    layOut(itemChoice, buyCaption, priceCaption);
    connectControls();
}

QGroupBox* TForm9::buildItemChoice() {
    auto* group = new QGroupBox(tr("Item to buy:"), this);
    group->setObjectName("RadioGroup1");
    auto* groupLayout = new QGridLayout(group);
    groupLayout->setContentsMargins(6, 2, 6, 4);
    groupLayout->setVerticalSpacing(0);
    RadioGroup1 = new QButtonGroup(this);
    for (int i = 0; i < kMartItemCount; ++i) {
        const MartOffer& offer = MartItem(i).mart;
        const QString name = QString::fromStdString(Text(offer.entry));
        const auto [line1, line2] = MartDescription(i);
        auto* entry = new QRadioButton(name, group);
        entry->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(i));
        //: %1 is the item's name, e.g. Potions.
        entry->setAccessibleName(tr("Buy %1").arg(name));
        // A screen reader reads the price and the description with the item.
        //: Read out with the item: %1 is its price in yen, %2 and %3 the two
        //: lines of its description.
        entry->setAccessibleDescription(
            tr("%1¥ each. %2 %3")
                .arg(offer.price)
                .arg(QString::fromStdString(line1), QString::fromStdString(line2))
                .trimmed());
        // Two columns, filled top to bottom.
        groupLayout->addWidget(entry, i % 3, i / 3);
        RadioGroup1->addButton(entry, i);
        items_[i] = entry;
    }
    return group;
}

QLabel* TForm9::buildQuantity() {
    auto* buyCaption = new QLabel(tr("&Buy:"), this);
    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName("SpinEdit1");
    SpinEdit1->setAccessibleName(tr("Quantity to buy"));
    SpinEdit1->setRange(0, kMartMaxQuantity);
    SpinEdit1->setMinimumWidth(SpinEdit1->fontMetrics().horizontalAdvance("2147483647") + 36);
    buyCaption->setBuddy(SpinEdit1);
    return buyCaption;
}

QLabel* TForm9::buildPrice() {
    auto* priceCaption = new QLabel(tr("Price:"), this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->setAccessibleName(tr("Total price"));
    Edit1->setReadOnly(true);
    Edit1->setEnabled(false);
    // Greyed like any disabled box, yet dark enough to read.
    QPalette readable = Edit1->palette();
    readable.setColor(QPalette::Disabled, QPalette::Text,
                      readable.color(QPalette::Active, QPalette::WindowText));
    Edit1->setPalette(readable);
    Edit1->setMinimumWidth(Edit1->fontMetrics().horizontalAdvance("12884901882000¥") + 24);
    priceCaption->setBuddy(Edit1);
    return priceCaption;
}

void TForm9::buildDescription() {
    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    Label3 = new QLabel(this);
    Label3->setObjectName("Label3");
    // No fixed names: a screen reader reads the description lines themselves.
    for (QLabel* line : {Label2, Label3}) line->setTextFormat(Qt::PlainText);
}

void TForm9::buildButtons() {
    Button1 = new QPushButton(tr("Buy"), this);
    Button1->setObjectName("Button1");
    Button2 = new QPushButton(tr("Leave"), this);
    Button2->setObjectName("Button2");
}

void TForm9::layOut(QGroupBox* group, QLabel* buyCaption, QLabel* priceCaption) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setVerticalSpacing(2);
    layout->addWidget(group, 0, 0, 4, 1);
    layout->addWidget(buyCaption, 0, 1);
    layout->addWidget(SpinEdit1, 0, 2);
    layout->addWidget(Button1, 0, 3);
    layout->addWidget(priceCaption, 1, 1);
    layout->addWidget(Edit1, 1, 2);
    layout->addWidget(Button2, 1, 3);
    layout->addWidget(Label2, 2, 1, 1, 3);
    layout->addWidget(Label3, 3, 1, 1, 3);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TForm9::connectControls() {
    connect(RadioGroup1, &QButtonGroup::idClicked, this, &TForm9::RadioGroup1Click);
    connect(SpinEdit1, &QSpinBox::valueChanged, this, &TForm9::SpinEdit1Change);
    connect(Button1, &QPushButton::clicked, this, &TForm9::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm9::Button2Click);
    ui::CloseOnEscape(this, Button2);
}

void TForm9::RadioGroup1Click(int item) {
    MartItemChosen(session_.game(), item);
    session_.refresh();
}

void TForm9::SpinEdit1Change(int quantity) {
    MartQuantityChanged(session_.game(), quantity);
    session_.refresh();
}

void TForm9::Button1Click() {
    MartBuy(session_.game());
    session_.refresh();
}

void TForm9::Button2Click() {
    LeaveMart(session_.game());
    session_.refresh();
}

void TForm9::changeEvent(QEvent* event) {
    // Money spent in another window while the Mart stood open counts as soon
    // as the player comes back to it.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()) {
        MartRecheck(session_.game());
        session_.refresh();
    }
    QWidget::changeEvent(event);
}

void TForm9::showEvent(QShowEvent* event) {
    // Each visit starts a new order: the keyboard starts at the first item.
    items_[0]->setFocus();
    QWidget::showEvent(event);
}

void TForm9::render() {
    const MartModel& m = session_.game().screens.mart;
    {
        // An opening clears the choice, which exclusive buttons cannot do alone.
        const QSignalBlocker quiet(RadioGroup1);
        RadioGroup1->setExclusive(false);
        for (int i = 0; i < kMartItemCount; ++i) items_[i]->setChecked(i == m.selectedItem);
        RadioGroup1->setExclusive(true);
    }
    if (SpinEdit1->value() != m.quantity) {
        const QSignalBlocker quiet(SpinEdit1);
        SpinEdit1->setValue(m.quantity);
    }
    Edit1->setText(fromUtf8(m.price));
    Button1->setEnabled(m.buyEnabled);
    // The total stands in a greyed box the keyboard passes by: "Buy" tells it.
    //: %1 is the order's total in yen, with the yen sign, e.g. 600¥.
    Button1->setAccessibleDescription(tr("Total price: %1").arg(Edit1->text()));
    Label2->setText(fromUtf8(m.description1));
    Label3->setText(fromUtf8(m.description2));
}

}  // namespace zorikan
