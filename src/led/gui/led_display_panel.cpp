#include "led/gui/led_display_panel.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "led/module_pictures.h"
#include "platform/gui/text_conversion.h"

namespace ovis::gui {
namespace {

constexpr int kLedDiameter = 8;
constexpr int kDragDistance = 3;
const QColor kPictureBackground(0x10, 0x10, 0x10);
const QColor kSelectedBackground(0x2E, 0x4E, 0x9E);

QColor Rgb(std::uint32_t rgb) { return QColor::fromRgb(QRgb(0xFF000000u | rgb)); }

}  // namespace

LedDisplayPanel::LedDisplayPanel(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void LedDisplayPanel::SetModules(const TLedParameterRecord& parameters) {
    positions_.clear();
    for (int m = 0; m < ModulePictureCount(parameters); ++m)
        positions_.emplace_back(parameters.Position[m].X, parameters.Position[m].Y);
    setFixedHeight(sizeHint().height());
    updateGeometry();
    update();
}

void LedDisplayPanel::SetFrame(const LedFrame& frame) {
    frame_ = frame;
    update();
}

void LedDisplayPanel::SetEditing(bool editing) {
    editing_ = editing;
    dragging_ = false;
    pressedModule_ = -1;
}

void LedDisplayPanel::SetModuleNames(bool shown) {
    names_ = shown;
    update();
}

QRect LedDisplayPanel::ModuleRect(int module) const {
    return QRect(positions_.at(std::size_t(module)), QSize(kModulePictureWidth, kModulePictureHeight));
}

QPoint LedDisplayPanel::LedCentre(int module, int column, int row) const {
    const QPoint origin = ModuleRect(module).topLeft();
    return origin + QPoint(kLedPitch * column - 9 + kLedDiameter / 2, kLedPitch * row - 9 + kLedDiameter / 2);
}

QSize LedDisplayPanel::sizeHint() const {
    int right = 0, bottom = kModulePictureHeight;
    for (const QPoint& p : positions_) {
        right = std::max(right, p.x() + kModulePictureWidth);
        bottom = std::max(bottom, p.y() + kModulePictureHeight);
    }
    return {right, bottom + 5};
}

int LedDisplayPanel::ModuleAt(QPoint point) const {
    for (int m = ModuleCount() - 1; m >= 0; --m)
        if (ModuleRect(m).contains(point)) return m;
    return -1;
}

void LedDisplayPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor dark = Rgb(frame_.dark);
    for (int m = 0; m < ModuleCount(); ++m) {
        const QRect picture = ModuleRect(m);
        p.fillRect(picture, kPictureBackground);
        p.setRenderHint(QPainter::Antialiasing, true);
        for (int k = 1; k <= kGlyphColumns; ++k) {
            const std::size_t column = std::size_t(m * kGlyphColumns + k - 1);
            if (column >= frame_.columns.size()) continue;
            if (frame_.selected[column])
                p.fillRect(QRect(picture.left() + kLedPitch * (k - 1), picture.top(), kLedPitch, kModulePictureHeight),
                           kSelectedBackground);
            for (int r = 1; r <= kGlyphRows; ++r) {
                const bool lit = frame_.Lit(column, r - 1);
                p.setPen(Qt::NoPen);
                p.setBrush(lit ? Rgb(frame_.LitColour(column, r - 1)) : dark);
                p.drawEllipse(QRect(picture.left() + kLedPitch * k - 9, picture.top() + kLedPitch * r - 9, kLedDiameter,
                                    kLedDiameter));
            }
        }
        p.setRenderHint(QPainter::Antialiasing, false);
        if (names_) {
            p.setPen(Qt::white);
            p.drawText(picture, Qt::AlignCenter | Qt::TextWordWrap, FromCore(ModuleCaption(m + 1)));
        }
    }
}

void LedDisplayPanel::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button());
    if (!editing_ || event->button() != Qt::LeftButton) return;
    pressedModule_ = ModuleAt(event->position().toPoint());
    if (pressedModule_ < 0) return;
    pressAt_ = event->position().toPoint();
    pressOffset_ = pressAt_ - ModuleRect(pressedModule_).topLeft();
    dragging_ = false;
}

void LedDisplayPanel::mouseMoveEvent(QMouseEvent* event) {
    if (pressedModule_ < 0 || !(event->buttons() & Qt::LeftButton)) return;
    const QPoint at = event->position().toPoint();
    if (!dragging_ && (at - pressAt_).manhattanLength() < kDragDistance) return;
    dragging_ = true;
    positions_[std::size_t(pressedModule_)] = at - pressOffset_;
    update();
}

void LedDisplayPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (pressedModule_ < 0 || event->button() != Qt::LeftButton) return;
    const int module = pressedModule_;
    pressedModule_ = -1;
    if (dragging_) {
        dragging_ = false;
        emit moduleDropped(module, positions_[std::size_t(module)]);
        return;
    }
    emit moduleClicked(module + 1, pressAt_.x() - ModuleRect(module).left(), event->modifiers());
}

void LedDisplayPanel::contextMenuEvent(QContextMenuEvent* event) {
    if (!editing_ || ModuleAt(event->pos()) < 0) return;
    emit contextMenuRequested(event->globalPos());
}

}  // namespace ovis::gui
