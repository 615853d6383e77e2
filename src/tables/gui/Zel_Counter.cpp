#include "tables/gui/Zel_Counter.h"

#include "tables/counter_columns.h"

namespace ovis::gui {
EditorWindowLayout CounterLayout() {
    namespace col = counter_column;
    EditorWindowLayout layout;
    layout.caption = QStringLiteral(" Counter");
    layout.helpContext = kCounterHelpContext;
    layout.columnWidths = {24, 128, 128, 47, 56, 56, 49, 53, 126, 24};
    layout.titles = {{QStringLiteral("Nr"), col::kNumber, col::kNumber},
                     {QStringLiteral("Meldung"), col::kName, col::kName},
                     {QStringLiteral("Zählung"), col::kCounted, col::kCounted},
                     {QStringLiteral("Zählart"), col::kMode, col::kMode},
                     {QStringLiteral("Stand- Zähler -Ende"), col::kStart, col::kEnd},
                     {QStringLiteral("Auto. DIS."), col::kAutoDisable, col::kAutoDisable},
                     {QStringLiteral("Status"), col::kStatus, col::kStatus},
                     {QStringLiteral("Anzeige"), col::kDisplay, col::kDisplay},
                     {QStringLiteral("dx"), col::kDirection, col::kDirection}};
    return layout;
}

TFormCounter::TFormCounter(ProjectStore& store, Dialogs& dialogs, CounterHooks hooks, QWidget* parent)
    : TFormCounter(std::make_unique<CounterEditor>(store, dialogs), std::move(hooks), parent) {}

TFormCounter::TFormCounter(std::unique_ptr<CounterEditor> counters, CounterHooks hooks, QWidget* parent)
    : TableEditorWindow(counters->Table(), CounterLayout(), hooks.editor, parent), counters_(std::move(counters)) {
    counters_->SetSavedCallback(std::move(hooks.saved));
    Refresh();
}

TFormCounter::~TFormCounter() = default;

}  // namespace ovis::gui
