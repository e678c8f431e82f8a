#pragma once
// "Type Comparisons": the multiplier of any attack against any species.

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace zorikan {

class WindowHost;

class TFormA : public QWidget {
    Q_OBJECT

public:
    explicit TFormA(WindowHost& session);

    void render();
    QComboBox* attackList() const { return ComboBox2; }
    QComboBox* speciesList() const { return ComboBox1; }

    // Either list changed.
    void ComboBox1Change();
    void Button1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Rebuilds both lists, keeping their selections.
    void FormShow();

    WindowHost& session_;
    QComboBox* ComboBox1;  // species
    QComboBox* ComboBox2;  // attacks
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QPushButton* Button1;
};

}  // namespace zorikan
