#include "led/gui/colour_circle.h"

#include <QMouseEvent>
#include <QPainter>

namespace ovis::gui {

ColourCircle::ColourCircle(int diameter, QWidget* parent) : QWidget(parent) {
    setFixedSize(diameter, diameter);
    setCursor(Qt::PointingHandCursor);
}

void ColourCircle::SetColour(std::optional<std::uint32_t> rgb) {
    if (rgb == rgb_) return;
    rgb_ = rgb;
    update();
}

QColor ColourCircle::Colour() const { return rgb_ ? QColor::fromRgb(QRgb(*rgb_)) : palette().color(QPalette::Button); }

void ColourCircle::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Dark), 1));
    painter.setBrush(Colour());
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

void ColourCircle::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace ovis::gui
