#include "cli/arguments.h"

#include <algorithm>
#include <charconv>

namespace ovis::cli {
namespace {

UsageError BadValue(const std::string& name, const std::string& text) {
    return UsageError("Ungültiger Wert für --" + name + ": \"" + text + "\"");
}

}  // namespace

Arguments::Arguments(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
                     const std::vector<std::string>& flags, std::size_t maxPositional) {
    auto contains = [](const std::vector<std::string>& list, const std::string& s) {
        return std::find(list.begin(), list.end(), s) != list.end();
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) == 0) {
            std::string name = a.substr(2);
            if (contains(valueOptions, name)) {
                if (i + 1 >= args.size()) throw UsageError("Option " + a + " erwartet einen Wert");
                options_.emplace_back(name, args[++i]);
            } else if (contains(flags, name)) {
                flags_.push_back(name);
            } else {
                throw UsageError("Unbekannte Option " + a);
            }
        } else {
            if (positional_.size() >= maxPositional) throw UsageError("Überzähliges Argument \"" + a + "\"");
            positional_.push_back(a);
        }
    }
}

std::optional<std::string> Arguments::Option(const std::string& name) const {
    for (auto it = options_.rbegin(); it != options_.rend(); ++it)
        if (it->first == name) return it->second;
    return std::nullopt;
}

std::vector<std::string> Arguments::Options(const std::string& name) const {
    std::vector<std::string> values;
    for (const auto& [option, value] : options_)
        if (option == name) values.push_back(value);
    return values;
}

std::optional<int> Arguments::IntegerOption(const std::string& name, int low, int high) const {
    auto text = Option(name);
    if (!text) return std::nullopt;
    int value = 0;
    const char* end = text->data() + text->size();
    auto [stop, error] = std::from_chars(text->data(), end, value);
    if (text->empty() || error != std::errc() || stop != end || value < low || value > high)
        throw BadValue(name, *text);
    return value;
}

std::optional<double> Arguments::DecimalOption(const std::string& name, double low, double high) const {
    auto text = Option(name);
    if (!text) return std::nullopt;
    double value = 0;
    const char* end = text->data() + text->size();
    auto [stop, error] = std::from_chars(text->data(), end, value);
    // Written out in digits only: no "nan", "inf" or hexadecimal forms.
    const bool digits =
        std::all_of(text->begin(), text->end(), [](char c) { return (c >= '0' && c <= '9') || c == '.' || c == '-'; });
    if (text->empty() || !digits || error != std::errc() || stop != end || !(value >= low && value <= high))
        throw BadValue(name, *text);
    return value;
}

bool Arguments::Flag(const std::string& name) const {
    return std::find(flags_.begin(), flags_.end(), name) != flags_.end();
}

const std::string& Arguments::Required(std::size_t index, const std::string& what) const {
    if (index >= positional_.size()) throw UsageError(what + " fehlt");
    return positional_[index];
}

}  // namespace ovis::cli
