// Every control of every window can be named by a screen reader and reached
// from the keyboard.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/game_session.h"
#include "core/data/data_file.h"
#include "data_folder.h"
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

}  // namespace
}  // namespace zorikan
