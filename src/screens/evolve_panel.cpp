#include "screens/evolve_panel.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/collection/evolution.h"
#include "core/game/game.h"
#include "screens/window_host.h"
#include "ui/keyboard_play.h"

namespace zorikan {

namespace {

constexpr int kChoiceWidth = 200;
constexpr int kEntryHeight = 20;

}  // namespace

EvolvePanel::EvolvePanel(WindowHost& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    setObjectName("EvolvePanel");
    setGeometry(0, 0, parent->width(), parent->height());

    EvolveChoice = new QGroupBox(tr("Evolve to:"), this);
    EvolveChoice->setObjectName("EvolveChoice");
    EvolveChoice->setAccessibleName(tr("Evolve to"));
    entriesLayout_ = new QVBoxLayout(EvolveChoice);
    entriesLayout_->setSpacing(2);
    entries_ = new QButtonGroup(this);
    connect(entries_, &QButtonGroup::idClicked, this,
            [this](int id) { SelectEvolveChoice(session_.game(), id); });

    EvolveButton = new QPushButton(tr("Evolve"), this);
    EvolveButton->setObjectName("EvolveButton");
    EvolveButton->setAccessibleName(tr("Evolve"));
    connect(EvolveButton, &QPushButton::clicked, this, &EvolvePanel::EvolveButtonClick);
    hide();
}

QRadioButton* EvolvePanel::entry(int index) const {
    return qobject_cast<QRadioButton*>(entries_->button(index));
}

void EvolvePanel::fillEntries(const std::vector<std::string>& entries) {
    for (QAbstractButton* button : entries_->buttons()) {
        entries_->removeButton(button);
        delete button;
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        // Species names are data, shown as they are: no mnemonic ampersands.
        QString caption = QString::fromStdString(entries[i]);
        auto* button = new QRadioButton(caption.replace('&', "&&"), EvolveChoice);
        button->setAccessibleName(QString::fromStdString(entries[i]));
        entriesLayout_->addWidget(button);
        entries_->addButton(button, static_cast<int>(i));
    }
    // Tab runs through the choices, then "Evolve".
    ui::ChainTabOrder(ui::TabStops(entries_->buttons()) << EvolveButton);
    // The group stands in the middle of the window with its button below.
    const int height = 28 + static_cast<int>(entries.size()) * kEntryHeight;
    const int top = std::max(8, (this->height() - height - 33) / 2);
    EvolveChoice->setGeometry((width() - kChoiceWidth) / 2, top, kChoiceWidth, height);
    EvolveButton->setGeometry((width() - 80) / 2, top + height + 8, 80, 25);
    shownEntries_ = entries;
}

void EvolvePanel::render() {
    const EvolveChoiceModel& model = session_.game().screens.main.evolveChoice;
    if (model.entries != shownEntries_) fillEntries(model.entries);
    if (QAbstractButton* selected = entries_->button(model.selected)) selected->setChecked(true);
    setVisible(model.visible);
    if (model.visible) raise();
    // The choice waits in the main window: take the player there.
    if (model.visible && !wasVisible_) {
        window()->activateWindow();
        if (QAbstractButton* selected = entries_->button(model.selected)) selected->setFocus();
    }
    wasVisible_ = model.visible;
}

void EvolvePanel::EvolveButtonClick() {
    zorikan::EvolveButtonClick(session_.game());
    session_.refresh();
}

}  // namespace zorikan
