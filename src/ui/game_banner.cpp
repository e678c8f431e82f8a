#include "ui/game_banner.h"

#include <QLabel>
#include <QPalette>

namespace zorikan::ui {

void PaintYellow(QWidget* window) {
    window->setAutoFillBackground(true);
    QPalette yellow = window->palette();
    yellow.setColor(QPalette::Window, Qt::yellow);
    yellow.setColor(QPalette::WindowText, Qt::black);
    window->setPalette(yellow);
}

QLabel* NewBanner(const QString& text, int pixelSize, QWidget* parent) {
    auto* banner = new QLabel(text, parent);
    banner->setObjectName("TitleLabel");
    QFont font("Arial");
    font.setPixelSize(pixelSize);
    banner->setFont(font);
    // Red through the palette: a style sheet would set up Qt's whole
    // style-sheet machinery before the first window could show.
    QPalette red = banner->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    banner->setPalette(red);
    banner->setAlignment(Qt::AlignCenter);
    return banner;
}

}  // namespace zorikan::ui
