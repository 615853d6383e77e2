#pragma once
// LedEditor: the model of the LED table editor and of the picture on the main window's display
// panel: the shared table editor over the LED table, the picture state per row, the column
// selection and clipboard of the display, the character spacings, the text field, the picture
// commands and the checks before the simulation.
#include <functional>
#include <optional>
#include <string>

#include "led/led_colours.h"
#include "led/led_frame.h"
#include "led/led_picture.h"
#include "led/led_picture_commands.h"
#include "led/led_picture_state.h"
#include "led/led_table_plugin.h"
#include "led/module_assignment.h"
#include "led/module_pixels.h"
#include "platform/dialogs.h"
#include "platform/font_rasterizer.h"
#include "tables/table_editor.h"

namespace ovis {

class ProjectStore;

inline constexpr int kLedHelpContext = 5001;

enum class ClickKind { Plain, Shift, Ctrl };

class LedEditor {
public:
    using Editor = TableEditor<TLedRecord>;

    LedEditor(ProjectStore& store, Dialogs& dialogs, FontRasterizer& rasterizer);

    Editor& Table() { return editor_; }
    const Editor& Table() const { return editor_; }
    LedPictureState& Pictures() { return pictures_; }
    const LedColumnSelection& ColumnSelection() const { return columns_; }

    // Called after every change of the table or the picture (the display panel redraws).
    void SetRedrawCallback(std::function<void()> callback) { redraw_ = std::move(callback); }
    // Called after every successful save.
    void SetSavedCallback(std::function<void()> callback) { plugin_.SetSavedCallback(std::move(callback)); }

    // The cursor row when it lies inside the table.
    std::optional<std::size_t> CurrentRow() const;
    // The text field and "Text anzeigen": exactly one row inside the table is selected.
    bool TextFieldEnabled() const;
    // The current row's text (record bytes); empty without a current row.
    std::string CurrentText() const;

    // ---- the text field ----
    // Entering the field remembers its text for "No" in the picture question.
    void TextFieldEntered(const std::string& text);
    // "Text anzeigen" with the field's text (record bytes); returns the text the field shows
    // afterwards (the previous text after "No"). A text the built-in font cannot show is refused.
    std::string ShowText(const std::string& text);

    // ---- "&Ansicht" ----
    int HorizontalSpacing() const { return horizontalSpacing_; }
    int VerticalSpacing() const { return verticalSpacing_; }
    // "Zeichenabstand = n" under "horiz. Abstand" / "vertik. Abstand", with the field's text.
    void SetHorizontalSpacing(int spacing, const std::string& text);
    void SetVerticalSpacing(int spacing, const std::string& text);
    // "Standardschrift" is ticked (otherwise "Schriftart...").
    bool StandardFontTicked() const;
    // The font the dialog opens with: the current row's.
    FontChoice CurrentFont() const;
    // "Schriftart..." ended with OK: the row takes the font and, as "Text anzeigen" does, the
    // text field's `text`, and its picture is drawn anew.
    void FontChosen(const FontChoice& font, const std::string& text);
    // "Startansicht": true when the user wants the current project as the start view.
    bool AskStartView();

    // ---- the display ----
    int ScrollPosition() const;
    void ScrollTo(int position);
    // The picture of the current row as the display shows it (shifted by the scroll position).
    LedFrame Frame() const;
    // A click on column `x` (pixels) of the module picture at `modulePosition` (1-based).
    void ModuleClicked(int modulePosition, int x, ClickKind kind);
    PictureMenuState PictureMenu() const { return ComputePictureMenuState(columns_.Count()); }
    void CopyColumns();
    void PasteColumns();
    void EraseColumns();
    void InsertColumn();
    void DeleteColumn();
    void MirrorVertical();
    void MirrorHorizontal();
    void Invert();
    // The module position (1-based) of the selected column, for "Modul bearbeiten...".
    std::optional<int> SelectedModulePosition() const;
    // "Übernehmen" in "Modul bearbeiten": the module's columns into the current row's picture; the
    // row counts as hand-edited when anything changed.
    void ApplyModulePixels(const ModulePixels& pixels);
    // The rows of the grid selection inside the table, top to bottom.
    std::vector<std::size_t> SelectedRowIndices() const;
    // The lit and dark colour of the display (module 1's colour).
    LedShades DisplayShades() const;
    // A module picture (0-based) was dropped at `left`, `top`.
    void ModuleDropped(int module, int left, int top);

    // ---- the simulation ----
    // Clears the column selection and ends the mask editors; the first row with x1 below x0
    // selects its x0 cell and reports it. True when every row passes.
    bool CheckBeforeSimulation();

    // ---- "Modulzuordnung" ----
    std::optional<ModuleAssignment> BeginModuleAssignment() const;
    // "Übernehmen": the numbers into the current row, its `Modulzahl` into every selected row.
    void ApplyModuleAssignment(const ModuleAssignment& assignment);

    // The window closed: the scroll position returns to 0 and no column is selected.
    void Closed();

private:
    void RowShown(std::size_t row);
    LedPicture GeneratedPicture(const TLedRecord& row, bool ownLayout) const;
    void Regenerate(std::size_t row, bool ownLayout);
    bool AskPictureQuestion();
    // Runs a picture command on the current row: marks it hand-edited, recomputes its last lit
    // column and redraws.
    void PictureCommand(const std::function<void(PictureColumns, const std::vector<int>&)>& command);
    void Redraw();

    ProjectStore& store_;
    Dialogs& dialogs_;
    FontRasterizer& rasterizer_;
    LedPictureState pictures_;
    LedTablePlugin plugin_;
    Editor editor_;
    LedColumnSelection columns_;
    ColumnClipboard clipboard_;
    int horizontalSpacing_ = 0;
    int verticalSpacing_ = 0;
    std::string previousText_;
    std::function<void()> redraw_;
};

}  // namespace ovis
