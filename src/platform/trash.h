#pragma once
// Moving a file to the desktop's trash, where the user can restore it. The GUI moves it with the
// desktop's trash; tests move it into a directory of their own.
#include <filesystem>

namespace ovis {

class Trash {
public:
    virtual ~Trash() = default;
    // False when the file could not be moved (it stays where it was).
    virtual bool MoveToTrash(const std::filesystem::path& file) = 0;
};

}  // namespace ovis
