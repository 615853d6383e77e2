// ovisctl led-text: the LED picture generated from a text, as column bytes in hexadecimal;
// ovisctl led-sim: the project's LED display after N simulated milliseconds.
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "cli/arguments.h"
#include "cli/command_registry.h"
#include "cli/desktop_fonts.h"
#include "led/led_picture.h"
#include "led/led_sim_control.h"
#include "led/led_sim_listing.h"
#include "records/codepage.h"
#include "records/io_error.h"
#include "records/terminal_text.h"
#include "records/typed_file.h"

namespace ovis::cli {
namespace {

constexpr int kRefused = 2;

int IntegerOption(const Arguments& a, const std::string& name, int low, int high, int fallback) {
    const auto text = a.Option(name);
    if (!text) return fallback;
    std::size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(*text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text->size() || value < low || value > high)
        throw UsageError("--" + name + " erwartet eine Zahl von " + std::to_string(low) + " bis " + std::to_string(high) +
                         ", nicht \"" + *text + "\"");
    return value;
}

std::uint8_t FontStyle(const std::string& letters) {
    std::uint8_t style = 0;
    for (char c : letters) {
        switch (c) {
            case 'b': style |= kFontBold; break;
            case 'i': style |= kFontItalic; break;
            case 'u': style |= kFontUnderline; break;
            case 's': style |= kFontStrikeOut; break;
            default: throw UsageError("--style erwartet die Buchstaben b, i, u und s, nicht \"" + letters + "\"");
        }
    }
    return style;
}

std::string HexColumns(const LedPicture& picture) {
    std::string line;
    const int last = LastLitColumn(picture);
    for (int c = 0; c < last; ++c) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", picture[std::size_t(c)]);
        if (c) line += ' ';
        line += hex;
    }
    return line;
}

int LedTextCommand(const std::vector<std::string>& args) {
    Arguments a(args, {"hspacing", "vspacing", "wrap", "font", "size", "style"});
    const std::string& utf8 = a.Required(0, "TEXT");
    if (a.Positional().size() > 1) throw UsageError("nur ein TEXT erwartet (Text mit Leerzeichen in Anführungszeichen)");
    const auto text = FromUtf8(utf8);
    if (!text) {
        std::cerr << kTextNotRepresentable << '\n';
        return kRefused;
    }

    const auto font = a.Option("font");
    if (!font && (a.Option("size") || a.Option("style"))) throw UsageError("--size und --style gelten nur mit --font");
    if (font && (a.Option("hspacing") || a.Option("vspacing") || a.Option("wrap")))
        throw UsageError("--font schließt --hspacing, --vspacing und --wrap aus");

    LedPicture picture{};
    if (font) {
        const auto name = FromUtf8(*font);
        if (!name) {
            std::cerr << "Der Name der Schriftart enthält ein Zeichen, das die Codepage 1252 nicht darstellen kann.\n";
            return kRefused;
        }
        const FontChoice choice{*name, IntegerOption(a, "size", 1, 72, 7), FontStyle(a.Option("style").value_or(""))};
        auto fonts = OpenDesktopFonts();
        if (!fonts) {
            std::cerr << "Schriftarten des Desktops stehen in dieser Ausgabe von ovisctl nicht zur Verfügung "
                         "(ohne Qt gebaut).\n";
            return kRefused;
        }
        if (!fonts->Installed(*font)) {
            std::cerr << "Die Schriftart \"" << EscapeControlCharacters(*font) << "\" ist nicht installiert.\n";
            return kRefused;
        }
        picture = DesktopFontPicture(fonts->Rasterizer(), *text, choice);
    } else {
        const int hSpacing = IntegerOption(a, "hspacing", 0, kMaxCharacterSpacing, 0);
        if (a.Option("vspacing") || a.Option("wrap")) {
            picture = StandardFontVerticalPicture(*text, IntegerOption(a, "wrap", 0, kLedColumns, 0), hSpacing,
                                                  IntegerOption(a, "vspacing", 0, kMaxCharacterSpacing, 0));
        } else {
            picture = StandardFontPicture(*text, hSpacing);
        }
    }
    std::cout << HexColumns(picture) << '\n';
    return 0;
}

// The simulated clock starts at 00:00:00.000 (of 01.01.2000).
constexpr LocalDateTime kSimulationStart{2000, 1, 1, 0, 0, 0, 0};

int LedSimCommand(const std::vector<std::string>& args) {
    Arguments a(args, {"ms"}, {}, 1);
    const std::filesystem::path projectDir = a.Required(0, "PROJEKTVERZEICHNIS");
    const auto ms = a.IntegerOption("ms", 0, 86'400'000);
    if (!ms) throw UsageError("--ms fehlt: die Dauer der Simulation in Millisekunden");
    std::error_code ec;
    if (!std::filesystem::is_directory(projectDir, ec))
        throw IoError("Das Projektverzeichnis \"" + projectDir.string() + "\" gibt es nicht.");

    auto table = std::make_unique<LedTable>();
    table->LoadExisting(ResolveInDirectory(projectDir, kLedFileName));
    LedSimulationControl control(*table);
    const SimTime start = SimulationTime(kSimulationStart);
    if (auto failure = control.Start(start)) {
        std::cerr << TerminalLines(failure->message) << '\n';
        return 1;
    }
    for (SimTime t = 0; t <= *ms; ++t) control.Simulation().Pass(start + t);
    std::cout << DisplayListing(control.Simulation().Display());
    return 0;
}

CommandRegistration ledText{"led-text",
                            "led-text TEXT [--hspacing S] [--vspacing V --wrap U] [--font NAME --size PT --style bius]",
                            LedTextCommand};
CommandRegistration ledSim{"led-sim", "led-sim PROJEKTVERZEICHNIS --ms N", LedSimCommand};

}  // namespace
}  // namespace ovis::cli
