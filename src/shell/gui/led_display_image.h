#pragma once
// The 1275 x 25 pixel image of the LED display on the main window's display panel: display
// columns as dots on a 3-pixel pitch, lit in the module colour, dark ones in its dark colour.
#include <QWidget>
#include <memory>

#include "led/led_sim_compose.h"
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
    // A frame of the simulation: a lit LED in the preview colour of its colour code, a lit LED
    // without a palette colour and every unlit LED in the dark shade of `colours`.
    void SetComposedDisplay(const ComposedDisplay& display, LedShades colours);
    const DisplayColumns& Columns() const { return columns_; }
    LedShades Colours() const { return colours_; }
    // The simulation frame shown; nullptr while a picture is shown.
    const ComposedDisplay* Composed() const { return composed_.get(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DisplayColumns columns_{};
    LedShades colours_ = ModuleColourPair(0);
    std::unique_ptr<ComposedDisplay> composed_;
};

}  // namespace ovis::gui
