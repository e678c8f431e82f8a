// Every control of every window can be named by a screen reader and reached
// from the keyboard, and the shops' controls speak what they show.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/game_session.h"
#include "core/data/data_file.h"
#include "data_folder.h"
#include "screens/game_corner_window.h"
#include "screens/mart_window.h"
#include "ui/gauge.h"

namespace zorikan {
namespace {

// What a screen reader would announce for the control.
QString SpokenName(const QWidget* w) {
    if (!w->accessibleName().isEmpty()) return w->accessibleName();
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text().trimmed();
    return {};
}

bool IsControl(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const ui::Gauge*>(w);
}

// Parts that Qt builds inside its own composite widgets speak through them.
bool InsideCompositeControl(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
            qobject_cast<const QAbstractItemView*>(p))
            return true;
    return false;
}

TEST(Accessibility, EveryControlHasANameAndTakesTheKeyboard) {
    GameSession session({}, testing::DataFolder());
    ASSERT_FALSE(LoadGameDataFile(ZORIKAN_DATA_FILE, session.data()));
    session.refresh();

    int controls = 0;
    for (QWidget* w : QApplication::allWidgets()) {
        if (!IsControl(w) || InsideCompositeControl(w) || w->objectName().startsWith("qt_"))
            continue;
        ++controls;
        const std::string where = w->window()->objectName().toStdString() + "/" +
                                  w->objectName().toStdString() + " (" +
                                  w->metaObject()->className() + ")";
        EXPECT_FALSE(SpokenName(w).isEmpty()) << where << " has no accessible name";
        // Gauges and pictures only show; everything else is used, so it must
        // take the focus.
        auto* view = qobject_cast<QAbstractItemView*>(w);
        const bool showsOnly = qobject_cast<ui::Gauge*>(w) ||
                               (view && view->selectionMode() == QAbstractItemView::NoSelection);
        if (!showsOnly) {
            EXPECT_NE(w->focusPolicy(), Qt::NoFocus) << where << " cannot take the keyboard";
        }
    }
    // The title, loader, main, statistics, log and catalogue windows all took part.
    EXPECT_GT(controls, 30);
}

// The shops' entries speak what they show, after the question they answer;
// their buttons speak their captions; a field speaks the words of its label.
TEST(Accessibility, TheShopsSpeakWhatTheyShow) {
    GameSession session({}, testing::DataFolder());
    QWidget* const corner = session.gameCorner();
    QWidget* const mart = session.mart();
    struct Group {
        QWidget* window;
        const char* group;
        QString spokenPrefix;
        QStringList entries;
    };
    QStringList digits;
    for (int i = 0; i < 10; ++i) digits << QString::number(i);
    const Group groups[] = {
        {corner,
         "RadioGroup1",
         "Play for ",
         {"Money (Pays out 10:1¥)", "ZORIBalls (Pays out 1:100¥)", "Great Balls (Pays out 1:300¥)",
          "Ultra Balls (Pays out 1:600¥)", "Master Balls (Pays out 1:2500¥)",
          "Potions (Pays out 1:200¥)", "Super Potions (Pays out 1:500¥)"}},
        {corner, "RadioGroup2", "Pick number ", digits},
        {corner, "RadioGroup3", "Lucky number ", digits},
        {mart,
         "RadioGroup1",
         "Buy ",
         {"ZORIBalls", "Great Balls", "Ultra Balls", "Potions", "Super Potions"}},
    };
    for (const Group& g : groups) {
        for (int i = 0; i < g.entries.size(); ++i) {
            const QString name = QStringLiteral("%1Item%2").arg(g.group).arg(i);
            auto* entry = g.window->findChild<QAbstractButton*>(name);
            ASSERT_NE(entry, nullptr)
                << g.window->objectName().toStdString() << "/" << name.toStdString();
            EXPECT_EQ(entry->text(), g.entries[i]);
            EXPECT_EQ(SpokenName(entry), g.spokenPrefix + entry->text());
        }
    }
    int fields = 0;
    for (QWidget* window : {corner, mart}) {
        const std::string where = window->objectName().toStdString();
        for (const char* name : {"Button1", "Button2"}) {
            auto* button = window->findChild<QAbstractButton*>(name);
            ASSERT_NE(button, nullptr) << where << "/" << name;
            EXPECT_FALSE(button->text().isEmpty());
            EXPECT_EQ(SpokenName(button), button->text()) << where << "/" << name;
        }
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (!label->buddy()) continue;
            ++fields;
            const QString words = label->text().remove('&').remove(':').trimmed();
            EXPECT_TRUE(SpokenName(label->buddy()).contains(words, Qt::CaseInsensitive))
                << where << ": " << SpokenName(label->buddy()).toStdString() << " for "
                << words.toStdString();
        }
    }
    EXPECT_EQ(fields, 3) << "the bet, the quantity and the price";
}

}  // namespace
}  // namespace zorikan
