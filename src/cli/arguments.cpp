#include "cli/arguments.h"

#include <algorithm>

namespace ovis::cli {

Arguments::Arguments(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
                     const std::vector<std::string>& flags) {
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
            positional_.push_back(a);
        }
    }
}

std::optional<std::string> Arguments::Option(const std::string& name) const {
    for (auto it = options_.rbegin(); it != options_.rend(); ++it)
        if (it->first == name) return it->second;
    return std::nullopt;
}

bool Arguments::Flag(const std::string& name) const {
    return std::find(flags_.begin(), flags_.end(), name) != flags_.end();
}

const std::string& Arguments::Required(std::size_t index, const std::string& what) const {
    if (index >= positional_.size()) throw UsageError(what + " fehlt");
    return positional_[index];
}

}  // namespace ovis::cli
