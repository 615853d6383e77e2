#pragma once
// The LED display on the main window's display panel: one 50 x 70 pixel picture per LED module at
// its stored position, its 5 x 7 LEDs as circles on a 10-pixel pitch, lit LEDs in their colour,
// dark ones in the display's dark colour, selected display columns underlaid. In the LED editing
// state a click selects columns and a module picture can be dragged; the decisions are the
// LED editor's, the panel only draws and forwards.
#include <QWidget>
#include <vector>

#include "led/led_frame.h"
#include "project/led_parameter_record.h"

namespace ovis::gui {

class LedDisplayPanel : public QWidget {
    Q_OBJECT
public:
    explicit LedDisplayPanel(QWidget* parent = nullptr);

    // The module pictures of the parameter record, in module order at their positions.
    void SetModules(const TLedParameterRecord& parameters);
    void SetFrame(const LedFrame& frame);
    const LedFrame& Frame() const { return frame_; }
    // The LED editing state: clicks select columns and pictures can be dragged.
    void SetEditing(bool editing);
    bool Editing() const { return editing_; }
    // "Modulname": the module's caption over its picture.
    void SetModuleNames(bool shown);

    int ModuleCount() const { return int(positions_.size()); }
    // The picture rectangle of a module (0-based), in panel coordinates.
    QRect ModuleRect(int module) const;
    // The centre of an LED (column 1 to 5, row 1 to 7) of a module (0-based).
    QPoint LedCentre(int module, int column, int row) const;

    QSize sizeHint() const override;

signals:
    // A click on a module picture (module position 1-based, x from the picture's left edge).
    void moduleClicked(int modulePosition, int x, Qt::KeyboardModifiers modifiers);
    // A dragged module picture (0-based) was released with its left and top at `at`.
    void moduleDropped(int module, QPoint at);
    // Any mouse press on the panel.
    void pressed(Qt::MouseButton button);
    void contextMenuRequested(QPoint globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    int ModuleAt(QPoint point) const;

    std::vector<QPoint> positions_;
    LedFrame frame_;
    bool editing_ = false;
    bool names_ = false;
    int pressedModule_ = -1;
    QPoint pressOffset_;
    QPoint pressAt_;
    bool dragging_ = false;
};

}  // namespace ovis::gui
