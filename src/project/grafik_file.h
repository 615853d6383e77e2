#pragma once
// "Grafik.ofd": the visualisation's object in the base directory (beside "Projekte"), its
// defaults, loading and atomic saving, and the seven code page 437 letters of its texts.
#include <filesystem>
#include <string>
#include <string_view>

#include "project/grafik_record.h"

namespace ovis {

inline constexpr const char* kGrafikFileName = "Grafik.ofd";

// Titles of 80 blanks, stop designations of two blanks, texts of 16 blanks; every lift absent
// ("Halte" 0, "1.Halt" 1, "Gruppe" 1, "Seiten" 1, no status or fault texts); no elements.
TGrafikRecord DefaultGrafikRecord();

// "Grafik.ofd" of the base directory that holds the project directory (PROJECT/../../).
std::filesystem::path GrafikPathOfProject(const std::filesystem::path& projectDir);

struct GrafikLoad {
    TGrafikRecord record;
    bool fromFile = false;  // false: the file could not be opened, the record holds the defaults
};

// A file that cannot be opened gives the defaults; a file that is not exactly one record long or
// cannot be read is damaged: IoError with a German message.
GrafikLoad LoadGrafik(const std::filesystem::path& path);
// Writes the record atomically; IoError when it fails (the old file stays).
void SaveGrafik(const std::filesystem::path& path, const TGrafikRecord& record);

// Record text (code page 437) as code page 1252 bytes: 129, 132, 142, 148, 153, 154 and 225 become
// "ü", "ä", "Ä", "ö", "Ö", "Ü" and "ß"; every other byte stays.
std::string GrafikTextToWindows(std::string_view cp437);
// The reverse for saving: those seven letters of code page 1252 back to their code page 437 bytes.
std::string WindowsTextToGrafik(std::string_view cp1252);

}  // namespace ovis
