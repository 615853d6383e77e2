#pragma once
// The desktop's trash: files moved there can be restored by the user.
#include "platform/trash.h"

namespace ovis::gui {

class QtTrash final : public Trash {
public:
    bool MoveToTrash(const std::filesystem::path& file) override;
};

}  // namespace ovis::gui
