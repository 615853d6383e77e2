#pragma once
// TFormColor: the colour dialog "Farbverteilung und Helligkeit".
#include <QDialog>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "led/colour_distribution.h"

class QComboBox;
class QSlider;

namespace ovis::gui {

class ColourCircle;

class TFormColor : public QDialog {
    Q_OBJECT
public:
    // The dialog over `row`, the LED editor's current row.
    explicit TFormColor(const TLedRecord& row, QWidget* parent = nullptr);

    void SetHelpHandler(std::function<void(int)> handler) { showHelp_ = std::move(handler); }

    const ColourDialog& Model() const { return model_; }
    // The result of "Übernehmen"; nothing after "Abbrechen" or closing.
    const std::optional<ColourDistribution>& Accepted() const { return accepted_; }

    ColourCircle* PaletteCircle(int number) const { return palette_[std::size_t(number - 1)]; }
    ColourCircle* LevelCircle(int level) const { return levels_[std::size_t(level - 1)]; }
    ColourCircle* ColourPartCircle(int part) const { return colourParts_[std::size_t(part - 1)]; }
    ColourCircle* BrightnessPartCircle(int part) const { return brightnessParts_[std::size_t(part - 1)]; }
    ColourCircle* CurrentColourCircle() const { return currentColour_; }
    ColourCircle* CurrentLevelCircle() const { return currentLevel_; }
    QComboBox* ColourPartCountList() const { return colourCount_; }
    QComboBox* BrightnessPartCountList() const { return brightnessCount_; }
    QSlider* TrackBar() const { return trackBar_; }

    void UebernehmenClick();
    void AbbrechenClick();
    void HilfeClick();

private:
    void Redisplay();

    ColourDialog model_;
    std::optional<ColourDistribution> accepted_;
    std::function<void(int)> showHelp_;
    std::vector<ColourCircle*> palette_;
    std::vector<ColourCircle*> levels_;
    std::vector<ColourCircle*> colourParts_;
    std::vector<ColourCircle*> brightnessParts_;
    ColourCircle* currentColour_ = nullptr;
    ColourCircle* currentLevel_ = nullptr;
    QComboBox* colourCount_ = nullptr;
    QComboBox* brightnessCount_ = nullptr;
    QSlider* trackBar_ = nullptr;
    bool filling_ = false;
};

// Shows "Farbverteilung und Helligkeit" modally for the current row `currentRow`. On
// "Übernehmen" every row of `selectedRows` gets the dialog's parts; when any of them differs,
// `takeSnapshot` is called once before the change (the editor's one undo level). Returns whether
// a row changed.
bool ShowColourDistribution(QWidget* parent, LedTable& table, std::size_t currentRow,
                            std::span<const std::size_t> selectedRows, const std::function<void()>& takeSnapshot,
                            std::function<void(int)> showHelp = {});

}  // namespace ovis::gui
