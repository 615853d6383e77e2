#pragma once
// What the LED editor keeps per row beside the record, for as long as the program runs: whether
// the picture was edited by hand, whether x0 or x1 changed since the last save, and the display's
// last scroll position.
#include <array>
#include <cstddef>

#include "project/record_table.h"

namespace ovis {

class LedPictureState {
public:
    bool HandEdited(std::size_t row) const { return Get(handEdited_, row); }
    void SetHandEdited(std::size_t row, bool on) { Set(handEdited_, row, on); }

    bool WindowChanged(std::size_t row) const { return Get(windowChanged_, row); }
    void SetWindowChanged(std::size_t row, bool on) { Set(windowChanged_, row, on); }
    void ClearWindowChanged() { windowChanged_.fill(false); }

    int ScrollPosition(std::size_t row) const { return row < kMaxTableRows ? scroll_[row] : 0; }
    void SetScrollPosition(std::size_t row, int position) {
        if (row < kMaxTableRows) scroll_[row] = position;
    }

private:
    static bool Get(const std::array<bool, kMaxTableRows>& flags, std::size_t row) {
        return row < kMaxTableRows && flags[row];
    }
    static void Set(std::array<bool, kMaxTableRows>& flags, std::size_t row, bool on) {
        if (row < kMaxTableRows) flags[row] = on;
    }

    std::array<bool, kMaxTableRows> handEdited_{};
    std::array<bool, kMaxTableRows> windowChanged_{};
    std::array<int, kMaxTableRows> scroll_{};
};

}  // namespace ovis
