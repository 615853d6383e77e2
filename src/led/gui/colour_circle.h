#pragma once
// ColourCircle: a filled circle that reports clicks; the palette, part and LED circles of the LED
// dialogs. Without a colour it shows the window's button colour.
#include <QColor>
#include <QWidget>
#include <cstdint>
#include <optional>

namespace ovis::gui {

class ColourCircle : public QWidget {
    Q_OBJECT
public:
    explicit ColourCircle(int diameter, QWidget* parent = nullptr);

    // 0xRRGGBB, or nothing for the button colour.
    void SetColour(std::optional<std::uint32_t> rgb);
    QColor Colour() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::optional<std::uint32_t> rgb_;
};

}  // namespace ovis::gui
