#pragma once
// "ZORIDEX": one species at a time, with picture, types, attacks and its
// evolution level. Attacks stay hidden until the species is registered.

#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace zorikan {

class WindowHost;

class TForm8 : public QWidget {
    Q_OBJECT

public:
    explicit TForm8(WindowHost& session);

    void render();
    QComboBox* speciesList() const { return ComboBox1; }

    void ComboBox1Change(int index);
    void Button1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Rebuilds the species list, keeping its selection.
    void FormShow();
    void sizeForData();

    WindowHost& session_;
    QComboBox* ComboBox1;
    QPushButton* Button1;
    QWidget* Panel1;
    QListWidget* ListView1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    std::array<QLabel*, 4> attackNames_{};  // Label6, Label10, Label11, Label12
    std::array<QLabel*, 4> attackTypes_{};  // Label13..Label16
    bool rebuilding_ = false;
    bool sizedForData_ = false;
};

}  // namespace zorikan
