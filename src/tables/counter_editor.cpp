#include "tables/counter_editor.h"

namespace ovis {

CounterEditor::CounterEditor(ProjectStore& store, Dialogs& dialogs) : plugin_(store), editor_(plugin_, dialogs) {}

}  // namespace ovis
