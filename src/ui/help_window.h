#pragma once
// The game's help: a page about how to play, opened at a topic.

#include <QDialog>

class QTextBrowser;

namespace zorikan::ui {

class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // Shows the help with `topic` (an anchor of the page) at the top.
    void openTopic(const QString& topic);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

}  // namespace zorikan::ui
