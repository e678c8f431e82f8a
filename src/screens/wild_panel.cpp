#include "screens/wild_panel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

#include "core/game/game.h"
#include "core/progress/wild_search.h"
#include "screens/window_host.h"

namespace zorikan {

namespace {

// Puts a control at `left` in its row, as wide as `least` or as its text
// needs, whichever is more, and returns where the next one may start: the
// captions and buttons keep their places and grow only for longer words.
int PlaceInRow(QWidget* control, const QString& text, int left, int least, int padding) {
    const int width = std::max(least, control->fontMetrics().horizontalAdvance(text) + padding);
    control->setGeometry(left, control->y(), width, control->height());
    return left + width;
}

}  // namespace

WildPanel::WildPanel(WindowHost& session, QWidget* parent) : QWidget(parent), session_(session) {
    setObjectName("WildPanel");
    setGeometry(8, 8, 406, 56);

    Label10 = new QLabel(tr("Fight:"), this);
    Label10->setObjectName("Label10");
    Label10->setGeometry(0, 4, 32, 21);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setAccessibleName(tr("ZORIKAN to fight"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->lineEdit()->setPlaceholderText(tr("Select a ZORIKAN"));
    ComboBox1->setGeometry(36, 4, 170, 21);
    Label10->setBuddy(ComboBox1);
    Label11 = new QLabel(tr("at level:"), this);
    Label11->setObjectName("Label11");
    Label11->setGeometry(212, 4, 48, 21);
    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName("SpinEdit1");
    SpinEdit1->setAccessibleName(tr("Level"));
    SpinEdit1->setRange(2, 100);
    SpinEdit1->setValue(100);
    SpinEdit1->setGeometry(262, 4, 56, 21);
    Label11->setBuddy(SpinEdit1);

    Button2 = new QPushButton(tr("Go!"), this);
    Button2->setObjectName("Button2");
    Button2->setGeometry(36, 30, 60, 23);
    Button3 = new QPushButton(tr("Cancel"), this);
    Button3->setObjectName("Button3");
    Button3->setGeometry(102, 30, 60, 23);
    Button4 = new QPushButton(tr("Random"), this);
    Button4->setObjectName("Button4");
    Button4->setGeometry(168, 30, 60, 23);
    for (QPushButton* b : {Button2, Button3, Button4}) b->setAccessibleName(b->text());
    placeControls();
    Button2->setDefault(true);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this,
            [this](int index) { session_.game().screens.main.wildPanel.selectedSpecies = index; });
    connect(SpinEdit1, &QSpinBox::valueChanged, this,
            [this](int level) { session_.game().screens.main.wildPanel.level = level; });
    connect(Button2, &QPushButton::clicked, this, &WildPanel::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &WildPanel::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &WildPanel::Button4Click);
    hide();
}

void WildPanel::placeControls() {
    constexpr int kLabelPadding = 2;
    constexpr int kButtonPadding = 14;
    int left = PlaceInRow(Label10, Label10->text(), 0, 32, kLabelPadding) + 4;
    left = PlaceInRow(ComboBox1, {}, left, 170, 0) + 6;
    left = PlaceInRow(Label11, Label11->text(), left, 48, kLabelPadding) + 2;
    PlaceInRow(SpinEdit1, {}, left, 56, 0);
    // The buttons start under the list of species.
    left = ComboBox1->x();
    for (QPushButton* button : {Button2, Button3, Button4})
        left = PlaceInRow(button, button->text(), left, 60, kButtonPadding) + 6;
}

void WildPanel::FormShow() {
    if (ComboBox1->count() > 0) return;
    const GameData& data = session_.game().data;
    QStringList entries;
    for (int species = 1; species <= kSpeciesCount; ++species)
        entries << QString::fromStdString(SpeciesEntry(data, species));
    const QSignalBlocker quiet(ComboBox1);
    ComboBox1->addItems(entries);
    ComboBox1->setCurrentIndex(-1);
}

void WildPanel::render() {
    const WildPanelModel& panel = session_.game().screens.main.wildPanel;
    if (panel.visible) FormShow();
    {
        const QSignalBlocker quietList(ComboBox1);
        const QSignalBlocker quietLevel(SpinEdit1);
        if (ComboBox1->currentIndex() != panel.selectedSpecies)
            ComboBox1->setCurrentIndex(panel.selectedSpecies);
        SpinEdit1->setValue(panel.level);
    }
    setVisible(panel.visible);
    if (panel.visible && !wasVisible_) ComboBox1->setFocus();
    wasVisible_ = panel.visible;
}

void WildPanel::Button2Click() {
    // An edited name that matches an entry chooses it.
    const int typed = ComboBox1->findText(ComboBox1->currentText(), Qt::MatchFixedString);
    if (typed >= 0) session_.game().screens.main.wildPanel.selectedSpecies = typed;
    WildPanelGo(session_.game());
    session_.refresh();
}

void WildPanel::Button3Click() {
    WildPanelCancel(session_.game());
    session_.refresh();
}

void WildPanel::Button4Click() {
    WildPanelRandom(session_.game());
    session_.refresh();
}

}  // namespace zorikan
