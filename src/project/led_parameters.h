#pragma once
// The LED module parameters of the project: the live record, its saved image and the working
// copy of the module settings dialog. Loading sets all three.
#include <filesystem>

#include "project/led_parameter_record.h"

namespace ovis {

inline constexpr const char* kLedParameterFileName = "LEDParameter.ofp";

// One module at (5, 5), red, brightness 1, snapping grid and gaps of 5. Unused bytes are zero.
TLedParameterRecord DefaultLedParameterRecord();

// The fields a new project resets: no modules, first position (5, 5), origin, grid and gaps 5.
void ResetLedParametersForNewProject(TLedParameterRecord& record);

class LedParameters {
public:
    LedParameters();

    TLedParameterRecord& Record() { return live_; }
    const TLedParameterRecord& Record() const { return live_; }
    const TLedParameterRecord& SavedImage() const { return saved_; }
    TLedParameterRecord& WorkingCopy() { return working_; }

    // IoError (missing, unreadable, shorter than one record) leaves all three unchanged.
    void Load(const std::filesystem::path& projectDir);
    void Save(const std::filesystem::path& projectDir);

private:
    TLedParameterRecord live_;
    TLedParameterRecord saved_;
    TLedParameterRecord working_;
};

}  // namespace ovis
