#pragma once
// The picture commands of the display panel's context menu on the current row's picture, over a
// selection of display columns, and the column selection itself.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "project/led_record.h"

namespace ovis {

using PictureColumns = std::span<std::uint8_t, kLedColumns>;

// One flag per display column (1 to 1275) and the anchor column of the last plain click.
class LedColumnSelection {
public:
    // A plain click selects only `column` and makes it the anchor.
    void Click(int column);
    // Shift+click selects every column from the anchor to `column` (only `column` without an anchor).
    void ShiftClick(int column);
    // Ctrl+click adds or removes `column`.
    void CtrlClick(int column);
    void Clear();

    bool Selected(int column) const;
    // The selected columns in ascending order.
    std::vector<int> Columns() const;
    int Count() const;
    int Anchor() const { return anchor_; }

private:
    std::array<bool, kLedColumns> flags_{};
    int anchor_ = 0;  // 0: none
};

// Which items of the picture context menu are enabled: none without a selected column, all with
// one, and with more "Einfügen", "Modul bearbeiten..." and "Spalte einfügen" disabled.
struct PictureMenuState {
    bool copy = false, paste = false, erase = false, insertColumn = false, deleteColumn = false;
    bool effects = false, editModule = false;
};
PictureMenuState ComputePictureMenuState(int selectedColumns);

// The column clipboard of "Kopieren" / "Einfügen".
class ColumnClipboard {
public:
    void Fill(std::vector<std::uint8_t> columns) { columns_ = std::move(columns); }
    const std::vector<std::uint8_t>& Columns() const { return columns_; }
    // "Löschen" makes the next paste the last one of the clipboard's contents.
    void MarkErased() { emptyAfterPaste_ = true; }
    void Pasted() {
        if (emptyAfterPaste_) columns_.clear();
        emptyAfterPaste_ = false;
    }

private:
    std::vector<std::uint8_t> columns_;
    bool emptyAfterPaste_ = false;
};

// The bytes of `columns` (1-based, ascending), in order.
std::vector<std::uint8_t> CopyColumns(std::span<const std::uint8_t, kLedColumns> picture, const std::vector<int>& columns);
// Writes `clipboard` at column `at`: when it fits, the columns from `at` on move right by its
// length first (the last ones are lost); otherwise it overwrites up to column 1275 and its
// remaining columns are dropped.
void PasteColumns(PictureColumns picture, int at, std::span<const std::uint8_t> clipboard);
// Removes `columns`, closing the gap from the right and filling the end with empty columns.
void RemoveColumns(PictureColumns picture, const std::vector<int>& columns);
// Inserts one empty column at each of `columns`, moving the rest right; the last column is lost.
void InsertEmptyColumns(PictureColumns picture, const std::vector<int>& columns);
// "vert. spiegeln": reverses the order of the bytes of `columns`.
void ReverseColumns(PictureColumns picture, const std::vector<int>& columns);
// "horz. spiegeln": turns each column upside down (bit 6 <-> bit 0, 5 <-> 1, 4 <-> 2; bit 7 becomes 0).
std::uint8_t FlippedColumn(std::uint8_t column);
void FlipColumns(PictureColumns picture, const std::vector<int>& columns);
// "Invertieren": inverts all eight bits of each column.
void InvertColumns(PictureColumns picture, const std::vector<int>& columns);

}  // namespace ovis
