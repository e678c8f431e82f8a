#include "ui/help_window.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

// The help page is compiled into a static library, whose resources must be
// registered by hand before the first use.
static void RegisterHelpPage() {
    Q_INIT_RESOURCE(resources);
}

namespace zorikan::ui {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
    RegisterHelpPage();
    setObjectName("HelpWindow");
    setWindowTitle(tr("ZORIKAN Simulator Help"));
    browser_->setObjectName("HelpBrowser");
    browser_->setAccessibleName(tr("Help text"));
    browser_->setOpenExternalLinks(false);
    browser_->setSource(QUrl("qrc:/help/help.html"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(buttons);
    resize(560, 520);
}

void HelpWindow::openTopic(const QString& topic) {
    browser_->setSource(QUrl("qrc:/help/help.html#" + topic));
    browser_->scrollToAnchor(topic);
    show();
    raise();
    activateWindow();
}

}  // namespace zorikan::ui
