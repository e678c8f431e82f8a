#pragma once
// The look the loader and the title window share: a yellow face, and the
// game's name in large red Arial across the top.

class QLabel;
class QString;
class QWidget;

namespace zorikan::ui {

// Gives `window` its yellow face with black text.
void PaintYellow(QWidget* window);

// The banner `TitleLabel`: `text` centred, in red Arial of `pixelSize` pixels.
QLabel* NewBanner(const QString& text, int pixelSize, QWidget* parent);

}  // namespace zorikan::ui
