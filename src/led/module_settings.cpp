#include "led/module_settings.h"

#include <algorithm>
#include <cctype>

namespace ovis {
namespace {

bool GridField(ModuleSettingField field) {
    return field == ModuleSettingField::RasterX || field == ModuleSettingField::RasterY;
}

LeInt32& FieldOf(TLedParameterRecord& record, ModuleSettingField field) {
    switch (field) {
        case ModuleSettingField::UrsprungX: return record.UrsprungX;
        case ModuleSettingField::UrsprungY: return record.UrsprungY;
        case ModuleSettingField::RasterX: return record.RasterX;
        case ModuleSettingField::RasterY: return record.RasterY;
        case ModuleSettingField::AbstandX: return record.AbstandX;
        case ModuleSettingField::AbstandY: return record.AbstandY;
    }
    return record.UrsprungX;
}

}  // namespace

ModuleSettingEntry ParseModuleSettingEntry(ModuleSettingField field, std::string_view text) {
    const int smallest = GridField(field) ? 1 : 0;
    int value = 0;
    bool anyDigit = false;
    for (char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0) continue;
        anyDigit = true;
        value = std::min(value * 10 + (c - '0'), 1000);
    }
    const std::string_view trimmed = text.substr(0, text.find_last_not_of(' ') + 1);
    ModuleSettingEntry entry;
    if (!anyDigit || trimmed == "0") {
        entry.value = smallest;
        entry.showsStoredValue = true;
    } else if (value > kMaxModuleSetting) {
        entry.value = kMaxModuleSetting;
        entry.clipped = true;
    } else if (value < smallest) {
        entry.value = smallest;
        entry.showsStoredValue = true;
    } else {
        entry.value = value;
    }
    return entry;
}

void LayOutModulePictures(TLedParameterRecord& record, int areaWidth) {
    const int count = std::clamp<int>(record.AnzahlModule, 0, kMaxLedModules);
    int x = record.UrsprungX;
    int y = record.UrsprungY;
    for (int m = 0; m < count; ++m) {
        if (x != record.UrsprungX && x > areaWidth - kModulePictureWidth) {
            x = record.UrsprungX;
            y += record.AbstandY + kModulePictureHeight;
        }
        record.Position[m].X = x;
        record.Position[m].Y = y;
        x += record.AbstandX + kModulePictureWidth;
    }
}

void ModuleSettings::Open() { parameters_.WorkingCopy() = parameters_.Record(); }

std::vector<std::string> ModuleSettings::CountChoices() {
    std::vector<std::string> choices;
    for (int n = 1; n <= kMaxLedModules; ++n) choices.push_back(std::to_string(n));
    return choices;
}

int ModuleSettings::CountIndex() const {
    return std::clamp<int>(parameters_.WorkingCopy().AnzahlModule, 1, kMaxLedModules) - 1;
}

void ModuleSettings::ChooseCount(int count) {
    parameters_.WorkingCopy().AnzahlModule = std::clamp(count, 1, kMaxLedModules);
}

int ModuleSettings::Value(ModuleSettingField field) const { return FieldOf(parameters_.WorkingCopy(), field); }

std::string ModuleSettings::FieldText(ModuleSettingField field) const { return std::to_string(Value(field)); }

ModuleSettingEntry ModuleSettings::KeyUp(ModuleSettingField field, std::string_view text) {
    const ModuleSettingEntry entry = ParseModuleSettingEntry(field, text);
    FieldOf(parameters_.WorkingCopy(), field) = entry.value;
    return entry;
}

void ModuleSettings::Apply(int areaWidth) {
    parameters_.Record() = parameters_.WorkingCopy();
    LayOutModulePictures(parameters_.Record(), areaWidth);
    Close();
}

void ModuleSettings::Close() { parameters_.WorkingCopy() = parameters_.Record(); }

}  // namespace ovis
