#pragma once
// Small helpers for ovisctl's argument lists.
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace ovis::cli {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Options "--name VALUE" and flags "--name"; everything else is positional.
class Arguments {
public:
    Arguments(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
              const std::vector<std::string>& flags = {});

    std::optional<std::string> Option(const std::string& name) const;
    bool Flag(const std::string& name) const;
    const std::vector<std::string>& Positional() const { return positional_; }
    // The positional argument at `index`; UsageError when missing.
    const std::string& Required(std::size_t index, const std::string& what) const;

private:
    std::vector<std::pair<std::string, std::string>> options_;
    std::vector<std::string> flags_;
    std::vector<std::string> positional_;
};

}  // namespace ovis::cli
