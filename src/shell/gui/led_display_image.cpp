#include "shell/gui/led_display_image.h"

#include <QPainter>

namespace ovis::gui {

namespace {
QColor Rgb(std::uint32_t rgb) { return QColor::fromRgb(QRgb(0xFF000000u | rgb)); }
}  // namespace

LedDisplayImage::LedDisplayImage(QWidget* parent) : QWidget(parent) {
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LedDisplayImage::SetPicture(const DisplayColumns& columns, LedShades colours) {
    columns_ = columns;
    colours_ = colours;
    update();
}

void LedDisplayImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0x0C, 0x0C, 0x0C));
    const QColor lit = Rgb(colours_.lit);
    const QColor dark = Rgb(colours_.dark);
    const int top = (kHeight - 7 * kPitch) / 2;
    for (int column = 0; column < kVisibleColumns; ++column) {
        for (int row = 0; row < 7; ++row) {
            p.fillRect(column * kPitch, top + row * kPitch, kPitch - 1, kPitch - 1,
                       LedLit(columns_[column], row) ? lit : dark);
        }
    }
}

}  // namespace ovis::gui
