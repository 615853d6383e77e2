#include "project/led_parameters.h"

#include <cstring>

#include "records/typed_file.h"

namespace ovis {

TLedParameterRecord DefaultLedParameterRecord() {
    TLedParameterRecord r;
    std::memset(&r, 0, sizeof r);
    r.AnzahlModule = 1;
    r.Position[0].X = 5;
    r.Position[0].Y = 5;
    r.UrsprungX = 5;
    r.UrsprungY = 5;
    r.RasterX = 5;
    r.RasterY = 5;
    r.AbstandX = 5;
    r.AbstandY = 5;
    for (int i = 0; i < kMaxLedModules; ++i) {
        r.ModuleFarbe[i] = static_cast<int>(LedModuleColour::Rot);
        r.ModulHelligkeit[i] = 1;
    }
    return r;
}

void ResetLedParametersForNewProject(TLedParameterRecord& record) {
    record.AnzahlModule = 0;
    record.Position[0].X = 5;
    record.Position[0].Y = 5;
    record.UrsprungX = 5;
    record.UrsprungY = 5;
    record.RasterX = 5;
    record.RasterY = 5;
    record.AbstandX = 5;
    record.AbstandY = 5;
}

LedParameters::LedParameters() : live_(DefaultLedParameterRecord()), saved_(live_), working_(live_) {}

void LedParameters::Load(const std::filesystem::path& projectDir) {
    TLedParameterRecord loaded = live_;
    ReadSingleRecord(ResolveInDirectory(projectDir, kLedParameterFileName), loaded);
    live_ = saved_ = working_ = loaded;
}

void LedParameters::Save(const std::filesystem::path& projectDir) {
    WriteRecords(ResolveInDirectory(projectDir, kLedParameterFileName), &live_, 1);
    saved_ = live_;
}

}  // namespace ovis
