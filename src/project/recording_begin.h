#pragma once
// The begin of a recording file as the file lists show it: the time of its first message.
#include <filesystem>
#include <string>

namespace ovis {

// The date and time of the file's first record whose `Meldung` is not 0: "dd.mm.yyyy   hh:mm";
// empty when the file cannot be read or holds no such record.
std::string FileBeginText(const std::filesystem::path& file);

}  // namespace ovis
