#include "sim/command_line.h"

#include <cstdio>
#include <stdexcept>

namespace ovis::sim {
namespace {

double ParseNumber(const std::string& option, const std::string& text, double low, double high) {
    std::size_t used = 0;
    double value = 0;
    try {
        value = std::stod(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size() || !(value >= low && value <= high))
        throw std::invalid_argument("Ungültiger Wert für " + option + ": " + text);
    return value;
}

}  // namespace

SimCommandLine ParseSimCommandLine(const std::vector<std::string>& args) {
    SimCommandLine line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw std::invalid_argument("Option " + option + " erwartet einen Wert");
            return args[++i];
        };
        if (option == "--device") {
            line.device = value();
        } else if (option == "--address") {
            line.options.address = int(ParseNumber(option, value(), 1, 99));
        } else if (option == "--baud") {
            line.baud = int(ParseNumber(option, value(), 50, 4000000));
        } else if (option == "--silent") {
            line.options.silent = true;
        } else if (option == "--garble") {
            line.options.garbleProbability = ParseNumber(option, value(), 0, 1);
        } else if (option == "--seed") {
            line.options.seed = unsigned(ParseNumber(option, value(), 0, 4294967295.0));
        } else if (option == "--freeze-after") {
            line.options.freezeAfter = int(ParseNumber(option, value(), 0, 1000000));
        } else if (option == "--link") {
            line.link = value();
        } else if (option == "--dump-memory") {
            line.dumpPrefix = value();
            if (line.dumpPrefix->empty()) throw std::invalid_argument("Option --dump-memory erwartet ein Präfix");
        } else if (option == "--events") {
            line.events = value();
        } else if (option == "--plant-rate") {
            line.plantRate = ParseNumber(option, value(), 0, 100000);
        } else if (option == "--reply12-every") {
            line.reply12Every = int(ParseNumber(option, value(), 0, 1000000));
        } else if (option == "--no-card") {
            line.noCard = true;
        } else {
            throw std::invalid_argument("Unbekannte Option " + option);
        }
    }
    if (line.events && line.noCard)
        throw std::invalid_argument("--events und --no-card schließen sich aus");
    return line;
}

std::string TelegramLine(const ReceivedTelegram& received) {
    const SimTelegram& t = received.telegram;
    std::string line = "telegram address=" + std::to_string(t.address) + " command=" + std::to_string(t.command) +
                       " executed=" + (received.executed ? "1" : "0") + " data=";
    for (std::size_t i = 0; i < t.payload.size(); ++i) {
        char hex[4];
        std::snprintf(hex, sizeof hex, i ? " %02X" : "%02X", t.payload[i]);
        line += hex;
    }
    return line;
}

}  // namespace ovis::sim
