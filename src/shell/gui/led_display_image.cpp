#include "shell/gui/led_display_image.h"

#include <QPainter>
#include <array>

namespace ovis::gui {

namespace {
QColor Rgb(std::uint32_t rgb) { return QColor::fromRgb(QRgb(0xFF000000u | rgb)); }

// The preview colour of a colour code; the dark shade for a code without a palette colour.
QColor LitColour(std::uint8_t code, const QColor& dark) {
    static const std::array<QRgb, 256> previews = [] {
        std::array<QRgb, 256> table{};
        for (const PaletteColour& colour : Palette()) table[colour.code] = 0xFF000000u | colour.preview;
        return table;
    }();
    return previews[code] ? QColor::fromRgb(previews[code]) : dark;
}
}  // namespace

LedDisplayImage::LedDisplayImage(QWidget* parent) : QWidget(parent) {
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LedDisplayImage::SetPicture(const DisplayColumns& columns, LedShades colours) {
    columns_ = columns;
    colours_ = colours;
    composed_.reset();
    update();
}

void LedDisplayImage::SetComposedDisplay(const ComposedDisplay& display, LedShades colours) {
    if (!composed_) composed_ = std::make_unique<ComposedDisplay>();
    *composed_ = display;
    for (std::size_t c = 0; c < display.size(); ++c) columns_[c] = display[c].bits;
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
            const bool on = LedLit(columns_[column], row);
            const QColor colour =
                !on ? dark : composed_ ? LitColour((*composed_)[std::size_t(column)].colours[std::size_t(6 - row)], dark) : lit;
            p.fillRect(column * kPitch, top + row * kPitch, kPitch - 1, kPitch - 1, colour);
        }
    }
}

}  // namespace ovis::gui
