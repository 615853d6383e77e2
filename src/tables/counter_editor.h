#pragma once
// CounterEditor: the model of the counter editor window: the shared table editor over the
// counter table.
#include <functional>

#include "platform/dialogs.h"
#include "tables/counter_table_plugin.h"
#include "tables/table_editor.h"

namespace ovis {

class ProjectStore;

inline constexpr int kCounterHelpContext = 12001;

class CounterEditor {
public:
    using Editor = TableEditor<TCounterRecord>;

    CounterEditor(ProjectStore& store, Dialogs& dialogs);

    Editor& Table() { return editor_; }
    const Editor& Table() const { return editor_; }

    // Called after every successful save.
    void SetSavedCallback(std::function<void()> callback) { plugin_.SetSavedCallback(std::move(callback)); }

private:
    CounterTablePlugin plugin_;
    Editor editor_;
};

}  // namespace ovis
