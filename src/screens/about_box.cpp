#include "screens/about_box.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "core/model/screens.h"
#include "painter/creature_images.h"
#include "screens/window_host.h"

namespace zorikan {

QString VersionText() {
    //: %1 is the build's word size in bits: 32 or 64.
    return TAboutBox::tr("Version 4.1 (%1-bit)").arg(static_cast<int>(sizeof(void*) * 8));
}

TAboutBox::TAboutBox(WindowHost& session)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      session_(session) {
    setObjectName("AboutBox");
    setWindowTitle(kGameTitle);
    setModal(true);

    icon_ = new QLabel(this);
    icon_->setObjectName("ProgramIcon");
    icon_->setFixedSize(64, 64);
    auto* product = new QLabel("ZORIKAN Simulator", this);
    product->setObjectName("ProductName");
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    product->setFont(big);
    auto* version = new QLabel(VersionText(), this);
    version->setObjectName("Version");
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setHorizontalSpacing(16);
    layout->addWidget(icon_, 0, 0, 2, 1);
    layout->addWidget(product, 0, 1);
    layout->addWidget(version, 1, 1);
    layout->addWidget(ok, 2, 0, 1, 2, Qt::AlignCenter);
    setFixedSize(sizeHint());
}

void TAboutBox::showEvent(QShowEvent* event) {
    // The program's picture is the first starter, once the data is there.
    if (icon_->pixmap().isNull()) icon_->setPixmap(session_.images().large(0));
    QDialog::showEvent(event);
}

}  // namespace zorikan
