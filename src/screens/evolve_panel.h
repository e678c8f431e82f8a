#pragma once
// The split evolution's choice on the idle main window: the radio group
// "Evolve to:" with "Don't evolve" and the forms, and its "Evolve" button.

#include <QWidget>
#include <string>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace zorikan {

class WindowHost;

class EvolvePanel : public QWidget {
    Q_OBJECT

public:
    EvolvePanel(WindowHost& session, QWidget* parent);

    void render();

    QGroupBox* choice() const { return EvolveChoice; }
    QPushButton* evolveButton() const { return EvolveButton; }
    QRadioButton* entry(int index) const;

private:
    void EvolveButtonClick();
    void fillEntries(const std::vector<std::string>& entries);

    WindowHost& session_;
    QGroupBox* EvolveChoice;
    QVBoxLayout* entriesLayout_;
    QButtonGroup* entries_;
    QPushButton* EvolveButton;
    std::vector<std::string> shownEntries_;
    bool wasVisible_ = false;
};

}  // namespace zorikan
