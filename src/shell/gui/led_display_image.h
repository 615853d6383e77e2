#pragma once
// The 1275 x 25 pixel image of the LED display on the main window's display panel: display
// columns as dots on a 3-pixel pitch, lit in the module colour, dark ones in its dark colour.
#include <QWidget>

#include "shell/start_view_display.h"

namespace ovis::gui {

class LedDisplayImage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 1275;
    static constexpr int kHeight = 25;
    static constexpr int kPitch = 3;  // pixels per LED
    static constexpr int kVisibleColumns = kWidth / kPitch;

    explicit LedDisplayImage(QWidget* parent = nullptr);

    void SetPicture(const DisplayColumns& columns, LedShades colours);
    const DisplayColumns& Columns() const { return columns_; }
    LedShades Colours() const { return colours_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DisplayColumns columns_{};
    LedShades colours_ = ModuleColourPair(0);
};

}  // namespace ovis::gui
