#pragma once
// The model of the module settings dialog "Moduleinstellungen": it edits the working copy of the
// LED parameters (number of modules, origin, snapping grid, gaps) and, on "Übernehmen", copies it
// into the live record and lays the module pictures out anew. Closing in any way copies the live
// record back into the working copy, so unapplied edits are discarded.
#include <string>
#include <string_view>
#include <vector>

#include "project/led_parameters.h"

namespace ovis {

inline constexpr int kModulePictureWidth = 50;
inline constexpr int kModulePictureHeight = 70;
inline constexpr int kMaxModuleSetting = 100;

// The six three-digit fields, in the order the dialog shows them.
enum class ModuleSettingField { UrsprungX, UrsprungY, RasterX, RasterY, AbstandX, AbstandY };

// The value a three-digit field stores for the text typed into it: an empty field ("   " or
// "0  ") stores 1 in a grid field and 0 in the others; a grid of 0 is never stored (it would
// divide the snapping by 0); a value above 100 stores 100.
struct ModuleSettingEntry {
    int value = 0;
    bool clipped = false;           // above 100: the editor takes the focus again
    bool showsStoredValue = false;  // the field is empty: it shows the stored value at once
};
ModuleSettingEntry ParseModuleSettingEntry(ModuleSettingField field, std::string_view text);

// Positions of the modules 1 to `AnzahlModule` laid out anew: from (`UrsprungX`, `UrsprungY`),
// each next module `AbstandX` + 50 pixels further right; a picture that would start within 50
// pixels of the right edge (`areaWidth`) starts a new row at `UrsprungX`, `AbstandY` + 70 pixels
// lower. The first picture of a row stays in it however narrow the area is.
void LayOutModulePictures(TLedParameterRecord& record, int areaWidth);

class ModuleSettings {
public:
    explicit ModuleSettings(LedParameters& parameters) : parameters_(parameters) {}

    // On showing: the working copy starts from the live record.
    void Open();

    // "1" to "100" for the drop-down list, and the index of the working copy's number in it.
    static std::vector<std::string> CountChoices();
    int CountIndex() const;
    void ChooseCount(int count);

    int Value(ModuleSettingField field) const;
    // The stored value as the field shows it when it loses the focus.
    std::string FieldText(ModuleSettingField field) const;
    // Key-up in a field: stores the value of its text in the working copy.
    ModuleSettingEntry KeyUp(ModuleSettingField field, std::string_view text);

    // "Übernehmen": the working copy becomes the live record and the pictures are laid out
    // anew for an area `areaWidth` pixels wide.
    void Apply(int areaWidth);
    // Closing in any way: the working copy returns to the live record.
    void Close();

private:
    LedParameters& parameters_;
};

}  // namespace ovis
