#include "led/led_picture_commands.h"

#include <algorithm>
#include <functional>

namespace ovis {
namespace {

bool InPicture(int column) { return column >= 1 && column <= kLedColumns; }

}  // namespace

void LedColumnSelection::Click(int column) {
    Clear();
    if (!InPicture(column)) return;
    flags_[std::size_t(column - 1)] = true;
    anchor_ = column;
}

void LedColumnSelection::ShiftClick(int column) {
    if (!InPicture(column)) return;
    if (anchor_ == 0) {
        Click(column);
        return;
    }
    flags_.fill(false);
    for (int c = std::min(anchor_, column); c <= std::max(anchor_, column); ++c) flags_[std::size_t(c - 1)] = true;
}

void LedColumnSelection::CtrlClick(int column) {
    if (!InPicture(column)) return;
    flags_[std::size_t(column - 1)] = !flags_[std::size_t(column - 1)];
}

void LedColumnSelection::Clear() {
    flags_.fill(false);
    anchor_ = 0;
}

bool LedColumnSelection::Selected(int column) const { return InPicture(column) && flags_[std::size_t(column - 1)]; }

std::vector<int> LedColumnSelection::Columns() const {
    std::vector<int> columns;
    for (int c = 1; c <= kLedColumns; ++c)
        if (flags_[std::size_t(c - 1)]) columns.push_back(c);
    return columns;
}

int LedColumnSelection::Count() const { return int(std::count(flags_.begin(), flags_.end(), true)); }

PictureMenuState ComputePictureMenuState(int selectedColumns) {
    PictureMenuState state;
    if (selectedColumns == 0) return state;
    const bool one = selectedColumns == 1;
    state.copy = state.erase = state.deleteColumn = state.effects = true;
    state.paste = state.insertColumn = state.editModule = one;
    return state;
}

std::vector<std::uint8_t> CopyColumns(std::span<const std::uint8_t, kLedColumns> picture, const std::vector<int>& columns) {
    std::vector<std::uint8_t> bytes;
    for (int c : columns)
        if (InPicture(c)) bytes.push_back(picture[std::size_t(c - 1)]);
    return bytes;
}

void PasteColumns(PictureColumns picture, int at, std::span<const std::uint8_t> clipboard) {
    if (!InPicture(at) || clipboard.empty()) return;
    const std::size_t start = std::size_t(at - 1);
    const std::size_t n = clipboard.size();
    if (std::size_t(at) + n <= std::size_t(kLedColumns)) {
        std::copy_backward(picture.begin() + std::ptrdiff_t(start), picture.end() - std::ptrdiff_t(n), picture.end());
        std::copy(clipboard.begin(), clipboard.end(), picture.begin() + std::ptrdiff_t(start));
    } else {
        const std::size_t room = picture.size() - start;
        std::copy_n(clipboard.begin(), std::min(room, n), picture.begin() + std::ptrdiff_t(start));
    }
}

void RemoveColumns(PictureColumns picture, const std::vector<int>& columns) {
    std::array<bool, kLedColumns> removed{};
    for (int c : columns)
        if (InPicture(c)) removed[std::size_t(c - 1)] = true;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < picture.size(); ++i)
        if (!removed[i]) picture[kept++] = picture[i];
    std::fill(picture.begin() + std::ptrdiff_t(kept), picture.end(), std::uint8_t{0});
}

void InsertEmptyColumns(PictureColumns picture, const std::vector<int>& columns) {
    std::vector<int> descending(columns);
    std::sort(descending.begin(), descending.end(), std::greater<>());
    for (int c : descending) {
        if (!InPicture(c)) continue;
        const auto at = picture.begin() + (c - 1);
        std::copy_backward(at, picture.end() - 1, picture.end());
        *at = 0;
    }
}

void ReverseColumns(PictureColumns picture, const std::vector<int>& columns) {
    std::vector<std::uint8_t> bytes = CopyColumns(picture, columns);
    std::reverse(bytes.begin(), bytes.end());
    std::size_t i = 0;
    for (int c : columns)
        if (InPicture(c)) picture[std::size_t(c - 1)] = bytes[i++];
}

std::uint8_t FlippedColumn(std::uint8_t column) {
    std::uint8_t flipped = 0;
    for (int bit = 0; bit <= 6; ++bit)
        if (column & (1u << bit)) flipped = std::uint8_t(flipped | (1u << (6 - bit)));
    return flipped;
}

void FlipColumns(PictureColumns picture, const std::vector<int>& columns) {
    for (int c : columns)
        if (InPicture(c)) picture[std::size_t(c - 1)] = FlippedColumn(picture[std::size_t(c - 1)]);
}

void InvertColumns(PictureColumns picture, const std::vector<int>& columns) {
    for (int c : columns)
        if (InPicture(c)) picture[std::size_t(c - 1)] = std::uint8_t(~picture[std::size_t(c - 1)]);
}

}  // namespace ovis
