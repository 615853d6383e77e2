#pragma once
// TFormCounter: the counter editor (caption " Counter"): the counter table in the shared editor
// window.
#include <functional>
#include <memory>

#include "tables/counter_editor.h"
#include "tables/gui/table_editor_window.h"

namespace ovis {
class ProjectStore;
class Dialogs;
}

namespace ovis::gui {

// The window's layout: caption, help context, column widths and titles (also the columns of the
// program editor's read-only page of this table).
EditorWindowLayout CounterLayout();

struct CounterHooks {
    EditorHooks editor;           // window closed, help
    std::function<void()> saved;  // after every successful save (the program editor's lists)
};

class TFormCounter : public TableEditorWindow {
    Q_OBJECT
public:
    TFormCounter(ProjectStore& store, Dialogs& dialogs, CounterHooks hooks, QWidget* parent = nullptr);
    ~TFormCounter() override;

    CounterEditor& Model() { return *counters_; }

private:
    TFormCounter(std::unique_ptr<CounterEditor> counters, CounterHooks hooks, QWidget* parent);

    std::unique_ptr<CounterEditor> counters_;
};

}  // namespace ovis::gui
