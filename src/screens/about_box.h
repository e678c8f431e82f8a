#pragma once
// The about box: the program's name and version, with the word size this
// build really has.

#include <QDialog>

class QLabel;

namespace zorikan {

class WindowHost;

// "Version 4.1 (64-bit)" on a 64-bit build.
QString VersionText();

class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(WindowHost& session);

protected:
    void showEvent(QShowEvent* event) override;

private:
    WindowHost& session_;
    QLabel* icon_;
};

}  // namespace zorikan
