#include "led/led_editor.h"

#include <algorithm>

#include "led/led_check.h"
#include "led/led_colours.h"
#include "led/led_columns.h"
#include "led/led_font.h"
#include "led/led_rows.h"
#include "led/module_pictures.h"
#include "project/project_store.h"
#include "records/codepage.h"

namespace ovis {
namespace {

constexpr const char* kPictureQuestion =
    "Soll die LED - Anzeige aktualisiert werden? Alle vorherigen Werte gehen dabei verloren!";
constexpr const char* kStartViewQuestion = "Sollen die aktuellen Angaben als Startansicht gespeichert werden?";
constexpr std::uint32_t kGreenPreview = 0x00FF00;

std::string UnshowableMessage(std::string_view text, std::size_t at) {
    return "Das Zeichen \"" + ToUtf8(text.substr(at, 1)) + "\" kann auf der LED - Anzeige nicht dargestellt werden.";
}

}  // namespace

LedEditor::LedEditor(ProjectStore& store, Dialogs& dialogs, FontRasterizer& rasterizer)
    : store_(store), dialogs_(dialogs), rasterizer_(rasterizer), plugin_(store, pictures_), editor_(plugin_, dialogs) {
    plugin_.SetRedrawCallback([this] { Redraw(); });
    plugin_.SetRowShownCallback([this](std::size_t row) { RowShown(row); });
}

std::optional<std::size_t> LedEditor::CurrentRow() const {
    const int row = editor_.CursorRow();
    if (row < 0 || std::size_t(row) >= editor_.RowCount()) return std::nullopt;
    return std::size_t(row);
}

bool LedEditor::TextFieldEnabled() const {
    const CellRect rect = editor_.Selection();
    return CurrentRow().has_value() && rect.Height() == 1;
}

std::string LedEditor::CurrentText() const {
    const auto row = CurrentRow();
    return row ? store_.Tables().led.Row(*row).Text.str() : std::string();
}

// ---- rows and pictures ----

void LedEditor::RowShown(std::size_t row) {
    const TLedRecord& record = store_.Tables().led.Row(row);
    const LedPicture generated = GeneratedPicture(record, true);
    pictures_.SetHandEdited(row, !std::equal(generated.begin(), generated.end(), record.Spalten));
    Redraw();
}

LedPicture LedEditor::GeneratedPicture(const TLedRecord& row, bool ownLayout) const {
    if (!UsesStandardFont(row)) return DesktopFontPicture(rasterizer_, row.Text.view(), FontOfRow(row));
    if (ownLayout) return StandardFontPictureOfRow(row, horizontalSpacing_, verticalSpacing_);
    return StandardFontPicture(row.Text.view(), horizontalSpacing_);
}

void LedEditor::Regenerate(std::size_t row, bool ownLayout) {
    TLedRecord& record = store_.Tables().led.Row(row);
    const LedPicture picture = GeneratedPicture(record, ownLayout);
    std::copy(picture.begin(), picture.end(), record.Spalten);
    pictures_.SetHandEdited(row, false);
}

bool LedEditor::AskPictureQuestion() {
    return dialogs_.Show(BoxKind::Question, kPictureQuestion, Buttons::YesNo) == Answer::Yes;
}

void LedEditor::TextFieldEntered(const std::string& text) { previousText_ = text; }

std::string LedEditor::ShowText(const std::string& text) {
    editor_.EndEditing();
    const auto row = CurrentRow();
    if (!row || !TextFieldEnabled()) return CurrentText();
    TLedRecord& record = store_.Tables().led.Row(*row);
    if (UsesStandardFont(record)) {
        if (const auto at = FirstUnshowableCharacter(text)) {
            dialogs_.Warning(UnshowableMessage(text, *at));
            return text;
        }
    }
    editor_.TakeSnapshot();
    if (pictures_.HandEdited(*row) && !AskPictureQuestion()) {
        NoExtra extra;
        editor_.History().Undo(store_.Tables().led, extra);
        record.Text = previousText_;
        Redraw();
        return previousText_;
    }
    record.Text = text;
    horizontalSpacing_ = verticalSpacing_ = 0;
    Regenerate(*row, false);
    previousText_ = record.Text.str();
    Redraw();
    return previousText_;
}

void LedEditor::SetHorizontalSpacing(int spacing, const std::string& text) {
    horizontalSpacing_ = std::clamp(spacing, 0, kMaxCharacterSpacing);
    SetVerticalSpacing(verticalSpacing_, text);
}

void LedEditor::SetVerticalSpacing(int spacing, const std::string& text) {
    verticalSpacing_ = std::clamp(spacing, 0, kMaxCharacterSpacing);
    editor_.EndEditing();
    const auto row = CurrentRow();
    if (!row) return;
    if (const auto at = FirstUnshowableCharacter(text)) {
        dialogs_.Warning(UnshowableMessage(text, *at));
        return;
    }
    editor_.TakeSnapshot();
    TLedRecord& record = store_.Tables().led.Row(*row);
    record.Text = text;
    record.Schriftart = kStandardFontName;
    Regenerate(*row, true);
    Redraw();
}

bool LedEditor::StandardFontTicked() const {
    const auto row = CurrentRow();
    return !row || UsesStandardFont(store_.Tables().led.Row(*row));
}

FontChoice LedEditor::CurrentFont() const {
    const auto row = CurrentRow();
    return row ? FontOfRow(store_.Tables().led.Row(*row)) : FontChoice{};
}

void LedEditor::FontChosen(const FontChoice& font, const std::string& text) {
    editor_.EndEditing();
    const auto row = CurrentRow();
    if (!row) return;
    if (pictures_.HandEdited(*row) && !AskPictureQuestion()) return;
    editor_.TakeSnapshot();
    TLedRecord& record = store_.Tables().led.Row(*row);
    record.Schriftart = font.name;
    record.Schriftgroesse = font.pointSize;
    record.Schriftstil = font.style;
    record.Text = text;
    previousText_ = record.Text.str();
    horizontalSpacing_ = verticalSpacing_ = 0;
    Regenerate(*row, false);
    Redraw();
}

bool LedEditor::AskStartView() {
    return dialogs_.Show(BoxKind::Question, kStartViewQuestion, Buttons::YesNo) == Answer::Yes;
}

// ---- the display ----

int LedEditor::ScrollPosition() const {
    const auto row = CurrentRow();
    return row ? pictures_.ScrollPosition(*row) : 0;
}

void LedEditor::ScrollTo(int position) {
    const auto row = CurrentRow();
    if (!row) return;
    pictures_.SetScrollPosition(*row, std::clamp(position, 0, kLedColumns));
    Redraw();
}

LedShades LedEditor::DisplayShades() const {
    const auto shades = ModuleShades(store_.Tables().ledParameters.Record().ModuleFarbe[0]);
    return shades ? *shades : *ModuleShades(int(LedModuleColour::Rot));
}

LedFrame LedEditor::Frame() const {
    LedFrame frame;  // dark LEDs in the editor's grey, whatever the module colour
    const auto row = CurrentRow();
    if (!row) return frame;
    const TLedRecord& record = store_.Tables().led.Row(*row);
    const PaletteColour* colour = PaletteColourOfCode(record.Farbe[0]);
    frame.SetLitColour(colour ? colour->preview : kGreenPreview);
    const int scroll = pictures_.ScrollPosition(*row);
    for (int c = 0; c + scroll < kLedColumns; ++c) {
        frame.columns[std::size_t(c)] = record.Spalten[c + scroll];
        frame.selected[std::size_t(c)] = columns_.Selected(c + scroll + 1);
    }
    return frame;
}

void LedEditor::ModuleClicked(int modulePosition, int x, ClickKind kind) {
    editor_.EndEditing();
    const int column = DisplayColumnOfClick(ScrollPosition(), modulePosition, ModuleColumnAtX(x));
    switch (kind) {
        case ClickKind::Plain: columns_.Click(column); break;
        case ClickKind::Shift: columns_.ShiftClick(column); break;
        case ClickKind::Ctrl: columns_.CtrlClick(column); break;
    }
    Redraw();
}

void LedEditor::PictureCommand(const std::function<void(PictureColumns, const std::vector<int>&)>& command) {
    editor_.EndEditing();
    const auto row = CurrentRow();
    const std::vector<int> selected = columns_.Columns();
    if (!row || selected.empty()) return;
    TLedRecord& record = store_.Tables().led.Row(*row);
    command(PictureColumns(record.Spalten), selected);
    pictures_.SetHandEdited(*row, true);
    record.LetzteSpalte = LastLitColumn(record.Spalten);
    Redraw();
}

void LedEditor::CopyColumns() {
    PictureCommand([this](PictureColumns picture, const std::vector<int>& selected) {
        clipboard_.Fill(ovis::CopyColumns(picture, selected));
    });
}

void LedEditor::PasteColumns() {
    if (columns_.Count() != 1) return;
    PictureCommand([this](PictureColumns picture, const std::vector<int>& selected) {
        ovis::PasteColumns(picture, selected.front(), clipboard_.Columns());
        clipboard_.Pasted();
    });
}

void LedEditor::EraseColumns() {
    PictureCommand([this](PictureColumns picture, const std::vector<int>& selected) {
        RemoveColumns(picture, selected);
        clipboard_.MarkErased();
    });
}

void LedEditor::InsertColumn() {
    if (columns_.Count() != 1) return;
    PictureCommand(InsertEmptyColumns);
}

void LedEditor::DeleteColumn() { PictureCommand(RemoveColumns); }
void LedEditor::MirrorVertical() { PictureCommand(ReverseColumns); }
void LedEditor::MirrorHorizontal() { PictureCommand(FlipColumns); }
void LedEditor::Invert() { PictureCommand(InvertColumns); }

std::optional<int> LedEditor::SelectedModulePosition() const {
    if (columns_.Count() != 1) return std::nullopt;
    return ModulePositionOfColumn(columns_.Columns().front());
}

void LedEditor::ApplyModulePixels(const ModulePixels& pixels) {
    const auto row = CurrentRow();
    if (!row) return;
    TLedRecord& record = store_.Tables().led.Row(*row);
    if (pixels.WriteTo(record.Spalten)) {
        pictures_.SetHandEdited(*row, true);
        record.LetzteSpalte = LastLitColumn(record.Spalten);
    }
    Redraw();
}

std::vector<std::size_t> LedEditor::SelectedRowIndices() const {
    std::vector<std::size_t> rows;
    const auto range = editor_.SelectedRows();
    for (std::size_t r = range.first; !range.empty() && r <= range.last; ++r) rows.push_back(r);
    return rows;
}

void LedEditor::ModuleDropped(int module, int left, int top) {
    StoreDroppedModule(store_.Tables().ledParameters.Record(), module, left, top);
    Redraw();
}

// ---- the simulation ----

bool LedEditor::CheckBeforeSimulation() {
    columns_.Clear();
    editor_.EndEditing();
    Redraw();
    const auto failure = CheckLedWindows(store_.Tables().led.Rows());
    if (!failure) return true;
    editor_.SelectCell(int(failure->row) - 1, failure->column);
    dialogs_.Warning(failure->message);
    return false;
}

// ---- "Modulzuordnung" ----

std::optional<ModuleAssignment> LedEditor::BeginModuleAssignment() const {
    const auto row = CurrentRow();
    if (!row) return std::nullopt;
    return ModuleAssignment(store_.Tables().led.Row(*row));
}

void LedEditor::ApplyModuleAssignment(const ModuleAssignment& assignment) {
    editor_.EndEditing();
    const auto row = CurrentRow();
    if (!row) return;
    editor_.TakeSnapshot();
    LedTable& table = store_.Tables().led;
    assignment.ApplyTo(table.Row(*row));
    const int count = table.Row(*row).Modulzahl;
    const auto rows = editor_.SelectedRows();
    for (std::size_t r = rows.first; !rows.empty() && r <= rows.last; ++r) table.Row(r).Modulzahl = count;
    editor_.AfterChange();
}

void LedEditor::Closed() {
    columns_.Clear();
    if (const auto row = CurrentRow()) pictures_.SetScrollPosition(*row, 0);
    Redraw();
}

void LedEditor::Redraw() {
    if (redraw_) redraw_();
}

}  // namespace ovis
