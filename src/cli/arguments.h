#pragma once
// ovisctl's argument lists: options, flags, positional arguments and numbers, each refused with
// a German UsageError when it does not fit.
#include <cstddef>
#include <limits>
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
    static constexpr std::size_t kAnyCount = std::numeric_limits<std::size_t>::max();

    // UsageError for an unknown option, an option without its value and more than
    // `maxPositional` positional arguments.
    Arguments(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
              const std::vector<std::string>& flags = {}, std::size_t maxPositional = kAnyCount);

    std::optional<std::string> Option(const std::string& name) const;
    // Every value of an option that may be given more than once, in order.
    std::vector<std::string> Options(const std::string& name) const;
    // The option as a whole number from `low` to `high`; UsageError for any other text.
    std::optional<int> IntegerOption(const std::string& name, int low, int high) const;
    // The option as a decimal number from `low` to `high`; UsageError for any other text.
    std::optional<double> DecimalOption(const std::string& name, double low, double high) const;
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
