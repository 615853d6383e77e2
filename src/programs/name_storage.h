#pragma once
// The "Ablage" list of the program editor: every name that was the first name of a copy, sorted,
// with the entry chosen last.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovis {

class NameStorage {
public:
    // Adds a name when not yet listed (compared exactly) and makes it the chosen entry.
    void Add(std::string_view name);
    void Clear();

    const std::vector<std::string>& Entries() const { return entries_; }
    std::optional<std::size_t> Chosen() const { return chosen_; }
    void Choose(std::size_t index);

private:
    std::vector<std::string> entries_;  // sorted by bytes
    std::optional<std::size_t> chosen_;
};

}  // namespace ovis
