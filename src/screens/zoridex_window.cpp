#include "screens/zoridex_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "core/collection/zoridex.h"
#include "core/game/game.h"
#include "core/text/type_words.h"
#include "painter/creature_images.h"
#include "screens/window_host.h"
#include "ui/keyboard_play.h"

namespace zorikan {

namespace {

QLabel* namedLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    // Names from the data file show as written, never as markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TForm8::TForm8(WindowHost& session) : QWidget(nullptr, Qt::Tool), session_(session) {
    setObjectName("Form8");
    setWindowTitle("ZORIDEX");
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setAccessibleName(tr("Species"));
    ComboBox1->setMaxVisibleItems(20);
    Button1 = new QPushButton(tr("Close ZORIDEX"), this);
    Button1->setObjectName("Button1");

    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    ListView1 = new QListWidget(Panel1);
    ListView1->setObjectName("ListView1");
    ListView1->setIconSize(QSize(64, 64));
    ListView1->setFixedSize(76, 76);
    ListView1->setFocusPolicy(Qt::NoFocus);
    ListView1->setSelectionMode(QAbstractItemView::NoSelection);
    ListView1->setAccessibleName(tr("Picture"));
    Label1 = namedLabel("Label1", Panel1);
    Label2 = namedLabel("Label2", Panel1);
    Label3 = namedLabel("Label3", Panel1);
    Label4 = namedLabel("Label4", Panel1);

    auto* types = new QHBoxLayout;
    types->setSpacing(0);
    types->addWidget(Label2);
    types->addWidget(Label3);  // directly after the first type
    types->addStretch();

    auto* attacks = new QGridLayout;
    const char* nameLabels[4] = {"Label6", "Label10", "Label11", "Label12"};
    const char* typeLabels[4] = {"Label13", "Label14", "Label15", "Label16"};
    for (int k = 0; k < 4; ++k) {
        //: %1 is the attack's place among the species' four, 1 to 4.
        attacks->addWidget(new QLabel(tr("Attack %1:").arg(k + 1), Panel1), k, 0);
        attackNames_[k] = namedLabel(nameLabels[k], Panel1);
        attackTypes_[k] = namedLabel(typeLabels[k], Panel1);
        attacks->addWidget(attackNames_[k], k, 1);
        attacks->addWidget(attackTypes_[k], k, 2);
    }

    auto* panel = new QGridLayout(Panel1);
    panel->addWidget(ListView1, 0, 0, 2, 1);
    panel->addWidget(Label1, 0, 1);
    panel->addLayout(types, 1, 1);
    panel->addLayout(attacks, 2, 0, 1, 2);
    panel->addWidget(Label4, 3, 0, 1, 2);
    Panel1->hide();
    // The window has its full size before the first species shows, so the
    // place chosen for it holds once the panel fills.
    QSizePolicy keep = Panel1->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    Panel1->setSizePolicy(keep);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ComboBox1);
    layout->addWidget(Panel1);
    layout->addWidget(Button1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TForm8::ComboBox1Change);
    connect(Button1, &QPushButton::clicked, this, &TForm8::Button1Click);
    ui::CloseOnEscape(this, Button1);
}

void TForm8::showEvent(QShowEvent* event) {
    // The list is filled before the session places the window: it sets the window's size.
    FormShow();
    QWidget::showEvent(event);
}

void TForm8::FormShow() {
    const QSignalBlocker quiet(ComboBox1);
    ComboBox1->clear();
    for (int n = 1; n <= kSpeciesCount; ++n)
        ComboBox1->addItem(fromUtf8(ZoridexEntry(session_.game().data, n)));
    ComboBox1->setCurrentIndex(session_.game().screens.zoridex.selected);
    if (!sizedForData_) sizeForData();
}

void TForm8::sizeForData() {
    // Each column is as wide as its widest text in the whole ZORIDEX, so the
    // window keeps its size and its controls their places while the player
    // browses.
    sizedForData_ = true;
    const GameData& data = session_.game().data;
    const QFontMetrics fm = Label1->fontMetrics();
    auto width = [&](const std::string& text) { return fm.horizontalAdvance(fromUtf8(text)); };
    const int hidden = fm.horizontalAdvance(QStringLiteral("???"));
    int entry = 0, types = 0, evolution = 0, attack = hidden, attackType = hidden;
    for (int n = 1; n <= kSpeciesCount; ++n) {
        entry = std::max(entry, width(ZoridexEntry(data, n)));
        int pair = width(TypeWord(data.TypeNames[data.SpeciesType1[n]]));
        if (data.SpeciesType2[n] != 0)
            pair += width("/" + TypeWord(data.TypeNames[data.SpeciesType2[n]]));
        types = std::max(types, pair);
        evolution = std::max(evolution, width(EvolutionLine(data, n)));
    }
    for (int a = 1; a <= kAttackCount; ++a) {
        attack = std::max(attack, width(data.AttackNames[a]));
        attackType = std::max(attackType, width(TypeWord(data.TypeNames[data.AttackType[a]])));
    }
    Label1->setMinimumWidth(std::max(entry, types));
    Label4->setMinimumWidth(evolution);
    for (int k = 0; k < 4; ++k) {
        attackNames_[k]->setMinimumWidth(attack);
        attackTypes_[k]->setMinimumWidth(attackType);
    }
    // The hidden panel tells the window its new size now, before it is placed.
    Panel1->layout()->activate();
}

void TForm8::ComboBox1Change(int index) {
    SelectZoridexEntry(session_.game(), index);
    session_.refresh();
}

void TForm8::Button1Click() {
    session_.game().setVisible(Window::Zoridex, false);
    session_.refresh();
}

void TForm8::render() {
    const ZoridexModel& m = session_.game().screens.zoridex;
    if (ComboBox1->count() == kSpeciesCount && ComboBox1->currentIndex() != m.selected) {
        const QSignalBlocker quiet(ComboBox1);
        ComboBox1->setCurrentIndex(m.selected);
    }
    Panel1->setVisible(m.panelVisible);
    if (!m.panelVisible) return;
    if (ListView1->count() == 0) new QListWidgetItem(ListView1);
    ListView1->item(0)->setIcon(QIcon(session_.images().large(m.picture)));
    Label1->setText(fromUtf8(m.name));
    Label2->setText(fromUtf8(m.type1));
    Label3->setText(fromUtf8(m.type2));
    Label3->setVisible(m.type2Visible);
    for (int k = 0; k < 4; ++k) {
        attackNames_[k]->setText(fromUtf8(m.attackNames[k]));
        attackTypes_[k]->setText(fromUtf8(m.attackTypes[k]));
    }
    Label4->setText(fromUtf8(m.evolution));
}

}  // namespace zorikan
