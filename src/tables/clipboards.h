#pragma once
// The two clipboards of a table editor: whole records ("Meldung kopieren") and message names
// ("Kopieren", "Ausschneiden"). Both hold up to 1000 entries, allocated once.
#include <algorithm>
#include <cstddef>
#include <span>
#include <vector>

#include "records/pascal_string.h"
#include "project/record_table.h"

namespace ovis {

template <FileRecord Record>
class MessageClipboard {
public:
    MessageClipboard() : records_(kMaxTableRows) {}

    bool Filled() const { return filled_; }
    std::span<const Record> Records() const { return {records_.data(), count_}; }

    void Fill(std::span<const Record> records) {
        count_ = std::min(records.size(), kMaxTableRows);
        std::copy_n(records.begin(), count_, records_.begin());
        filled_ = true;
    }

private:
    std::vector<Record> records_;
    std::size_t count_ = 0;
    bool filled_ = false;
};

class NameClipboard {
public:
    using Name = PString<255>;

    NameClipboard() : names_(kMaxTableRows) {}

    bool Filled() const { return filled_; }
    std::span<const Name> Names() const { return {names_.data(), count_}; }

    void Fill(std::span<const Name> names) {
        count_ = std::min(names.size(), kMaxTableRows);
        std::copy_n(names.begin(), count_, names_.begin());
        filled_ = true;
    }
    void Empty() {
        count_ = 0;
        filled_ = false;
    }

private:
    std::vector<Name> names_;
    std::size_t count_ = 0;
    bool filled_ = false;
};

}  // namespace ovis
