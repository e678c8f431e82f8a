#pragma once
// Answers the modal boxes and dialogs a window test runs into: each step
// waits for the next modal widget to appear and acts on it, so the code
// under test runs its real modal loops.

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>

namespace zorikan::testing {

class ModalAnswerer : public QObject {
public:
    using Step = std::function<void(QWidget* modal)>;

    // Queues an action for the next modal widget that is not the last one handled.
    void then(Step step) {
        steps_.push_back(std::move(step));
        arm();
    }
    // Closes the next message box with `button`, remembering its text.
    void answerBox(QMessageBox::StandardButton button = QMessageBox::Ok) {
        then([this, button](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box) {
                unexpected.push_back(w->metaObject()->className());
                return;
            }
            boxTexts.push_back(box->text());
            boxTitles.push_back(box->windowTitle());
            boxIcons.push_back(box->icon());
            boxCentres.push_back(box->frameGeometry().center());
            // The static boxes report the button that was clicked, not the result code.
            if (QAbstractButton* b = box->button(button))
                b->click();
            else
                box->done(button);
        });
    }
    // Picks `file` in the next file dialog, remembering the dialog's mode.
    void chooseFile(const QString& file) {
        then([this, file](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            if (!dialog) {
                unexpected.push_back(w->metaObject()->className());
                return;
            }
            fileModes.push_back(dialog->fileMode());
            dialog->selectFile(file);
            QMetaObject::invokeMethod(dialog, "accept");
        });
    }
    bool done() const { return steps_.empty(); }

    QStringList boxTexts;
    QStringList boxTitles;
    QList<QMessageBox::Icon> boxIcons;
    QList<QPoint> boxCentres;
    QStringList unexpected;
    QList<QFileDialog::FileMode> fileModes;

private:
    void arm() {
        if (armed_) return;
        armed_ = true;
        QTimer::singleShot(5, this, [this] { poll(); });
    }
    void poll() {
        armed_ = false;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != lastHandled_ && !steps_.empty()) {
            lastHandled_ = modal;
            Step step = std::move(steps_.front());
            steps_.pop_front();
            // A step may open the next box itself (a file dialog asking
            // before it replaces a file) and wait inside it.
            if (!steps_.empty()) arm();
            step(modal);
        } else if (!modal) {
            lastHandled_ = nullptr;
        }
        if (!steps_.empty()) arm();
    }

    std::deque<Step> steps_;
    // Guarded: the next box often lives at the address of the one just closed.
    QPointer<QWidget> lastHandled_;
    bool armed_ = false;
};

// Runs the event loop until `condition` holds or `ms` pass.
inline bool WaitFor(const std::function<bool()>& condition, int ms = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > ms) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

}  // namespace zorikan::testing
