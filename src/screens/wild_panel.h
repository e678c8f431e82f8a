#pragma once
// The chosen-species panel of an Omnivar owner: any species at any level,
// or a random strong one.

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace zorikan {

class WindowHost;

class WildPanel : public QWidget {
    Q_OBJECT

public:
    WildPanel(WindowHost& session, QWidget* parent);

    void render();
    // Fills the species list once the game data is there.
    void FormShow();

    QComboBox* speciesList() const { return ComboBox1; }
    QSpinBox* levelBox() const { return SpinEdit1; }
    QPushButton* goButton() const { return Button2; }
    QPushButton* cancelButton() const { return Button3; }
    QPushButton* randomButton() const { return Button4; }

private:
    void placeControls();
    void Button2Click();
    void Button3Click();
    void Button4Click();

    WindowHost& session_;
    QLabel* Label10;
    QComboBox* ComboBox1;
    QLabel* Label11;
    QSpinBox* SpinEdit1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;
    bool wasVisible_ = false;
};

}  // namespace zorikan
