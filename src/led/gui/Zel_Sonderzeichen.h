#pragma once
// TFormSonderZchn: the pixel editor "Modul bearbeiten" for the 5 × 7 LEDs of one module.
#include <QDialog>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "led/led_colours.h"
#include "led/module_pixels.h"

class QPushButton;

namespace ovis::gui {

class ColourCircle;

class TFormSonderZchn : public QDialog {
    Q_OBJECT
public:
    // `applied` is called on "Übernehmen" before the dialog closes.
    TFormSonderZchn(ModulePixels pixels, LedShades shades, std::function<void(const ModulePixels&)> applied,
                    QWidget* parent = nullptr);

    void SetHelpHandler(std::function<void(int)> handler) { showHelp_ = std::move(handler); }

    const ModulePixels& Model() const { return model_; }
    ColourCircle* Led(int circle) const { return leds_[std::size_t(circle - 1)]; }
    QPushButton* AllOrNoneButton() const { return allOrNone_; }

    void UebernehmenClick();
    void AbbrechenClick();
    void HilfeClick();

protected:
    void changeEvent(QEvent* event) override;

private:
    void Redisplay();

    ModulePixels model_;
    LedShades shades_;
    std::function<void(const ModulePixels&)> applied_;
    std::function<void(int)> showHelp_;
    std::vector<ColourCircle*> leds_;
    QPushButton* allOrNone_ = nullptr;
    bool closing_ = false;
};

// Opens "Modul bearbeiten" for the module that holds the selected display column `column` of
// `picture` (the current row's `Spalten`) with the display scrolled to `scrollPosition`. The
// dialog stays on top, returns at once and deletes itself when it closes. On "Übernehmen"
// `applied` gets the edited module: the caller writes it with `ModulePixels::WriteTo` into the
// current row's picture, marks the row hand-edited when that returns true, and redraws.
// "Abbrechen" and deactivating the dialog discard the drawing. `closed` is called whenever it
// closes (the caller re-enables "Modul bearbeiten..."). `shades` are the lit and dark LED colours.
TFormSonderZchn* ShowModulePixelEditor(QWidget* parent, std::span<const std::uint8_t> picture, int column,
                                       int scrollPosition, LedShades shades,
                                       std::function<void(const ModulePixels&)> applied,
                                       std::function<void()> closed, std::function<void(int)> showHelp = {});

}  // namespace ovis::gui
