#include "screens/type_comparisons_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "core/collection/zoridex.h"
#include "core/game/game.h"
#include "screens/window_host.h"
#include "ui/keyboard_play.h"

namespace zorikan {

namespace {

QLabel* namedLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void refill(QComboBox* list, int count, int selected,
            const std::function<std::string(int)>& entry) {
    const QSignalBlocker quiet(list);
    list->clear();
    for (int i = 1; i <= count; ++i) list->addItem(fromUtf8(entry(i)));
    list->setCurrentIndex(selected);
}

}  // namespace

TFormA::TFormA(WindowHost& session) : QWidget(nullptr, Qt::Tool), session_(session) {
    setObjectName("FormA");
    setWindowTitle(tr("Type Comparisons"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName("ComboBox2");
    ComboBox2->setAccessibleName(tr("Attack"));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setAccessibleName(tr("ZORIKAN"));
    auto* attackCaption = new QLabel(tr("Attack:"), this);
    attackCaption->setBuddy(ComboBox2);
    auto* speciesCaption = new QLabel(tr("ZORIKAN:"), this);
    speciesCaption->setBuddy(ComboBox1);
    Label1 = namedLabel("Label1", tr("Type 1 Multiplier:"), this);
    Label2 = namedLabel("Label2", tr("Type 2 Multiplier:"), this);
    Label5 = namedLabel("Label5", tr("Total:"), this);
    Label3 = namedLabel("Label3", {}, this);
    Label4 = namedLabel("Label4", {}, this);
    Label6 = namedLabel("Label6", "1*1=1", this);
    Button1 = new QPushButton(tr("Close"), this);
    Button1->setObjectName("Button1");

    auto* layout = new QGridLayout(this);
    layout->addWidget(attackCaption, 0, 0);
    layout->addWidget(ComboBox2, 0, 1);
    layout->addWidget(speciesCaption, 1, 0);
    layout->addWidget(ComboBox1, 1, 1);
    layout->addWidget(Label1, 2, 0);
    layout->addWidget(Label3, 2, 1);
    layout->addWidget(Label2, 3, 0);
    layout->addWidget(Label4, 3, 1);
    layout->addWidget(Label5, 4, 0);
    layout->addWidget(Label6, 4, 1);
    layout->addWidget(Button1, 5, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    for (QLabel* label : {Label1, Label2, Label3, Label4, Label5, Label6}) label->hide();

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TFormA::ComboBox1Change);
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, &TFormA::ComboBox1Change);
    connect(Button1, &QPushButton::clicked, this, &TFormA::Button1Click);
    ui::CloseOnEscape(this, Button1);
}

void TFormA::showEvent(QShowEvent* event) {
    FormShow();
    QWidget::showEvent(event);
}

void TFormA::FormShow() {
    const GameData& data = session_.game().data;
    const TypeComparisonModel& m = session_.game().screens.typeComparisons;
    refill(ComboBox1, kSpeciesCount, m.selectedSpecies,
           [&](int n) { return SpeciesTypeEntry(data, n); });
    refill(ComboBox2, kAttackCount, m.selectedAttack,
           [&](int a) { return AttackTypeEntry(data, a); });
}

void TFormA::ComboBox1Change() {
    TypeComparisonsChange(session_.game(), ComboBox2->currentIndex(), ComboBox1->currentIndex());
    session_.refresh();
}

void TFormA::Button1Click() {
    session_.game().setVisible(Window::TypeComparisons, false);
    session_.refresh();
}

void TFormA::render() {
    const TypeComparisonModel& m = session_.game().screens.typeComparisons;
    Label3->setText(fromUtf8(m.type1Multiplier));
    Label4->setText(fromUtf8(m.type2Multiplier));
    Label6->setText(m.totalVisible ? fromUtf8(m.total) : QStringLiteral("1*1=1"));
    Label1->setVisible(m.type1RowVisible);
    Label3->setVisible(m.type1RowVisible);
    Label2->setVisible(m.type2RowVisible);
    Label4->setVisible(m.type2RowVisible);
    Label5->setVisible(m.totalVisible);
    Label6->setVisible(m.totalVisible);
}

}  // namespace zorikan
