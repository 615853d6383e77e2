#include "tables/table_editor_model.h"

namespace ovis {

std::string RowNumberText(int row) { return std::to_string(row + 1 + 1000).substr(1); }

}  // namespace ovis
