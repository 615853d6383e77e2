// ovisctl visu: the visualisation's layout from "Grafik.ofd" of the project's base directory and
// the I/O messages bound to its elements:
// LAYOUT<TAB>n<TAB>h<TAB>L<TAB>W<TAB>H<TAB>TOP
// GROESSEN<TAB> and the twelve sizes
// MESSAGE<TAB>NAME<TAB>KIND<TAB>INDEX, one line per bound message in I/O order.
#include <iostream>
#include <string>

#include "cli/arguments.h"
#include "cli/command_registry.h"
#include "project/grafik_file.h"
#include "project/io_tables.h"
#include "records/codepage.h"
#include "records/terminal_text.h"
#include "visualisation/visu_binding.h"
#include "visualisation/visu_scene.h"

namespace ovis::cli {
namespace {

int VisuCommand(const std::vector<std::string>& args) {
    Arguments a(args, {}, {}, 1);
    const std::filesystem::path dir = a.Required(0, "PROJEKTVERZEICHNIS");
    IoTable io;
    LoadIoTable(io, dir);
    GrafikLoad grafik = LoadGrafik(GrafikPathOfProject(dir));
    const VisuScene scene(grafik.record);
    const VisuLayout& v = scene.Layout();
    const VisuBinding binding = BindVisuMessages(grafik.record, io.Rows());

    std::string out = "LAYOUT\t" + std::to_string(v.n) + '\t' + std::to_string(v.h) + '\t' + std::to_string(v.L) +
                      '\t' + std::to_string(v.W) + '\t' + std::to_string(v.H) + '\t' + std::to_string(v.top) + '\n';
    out += "GROESSEN";
    for (int size : v.groessen) out += '\t' + std::to_string(size);
    out += '\n';
    for (std::size_t row = 0; row < binding.elements.size(); ++row) {
        if (binding.elements[row] == 0) continue;
        out += "MESSAGE\t" + EscapeControlCharacters(ToUtf8(io.Rows()[row].Bezeichnung.view())) + '\t' +
               std::to_string(binding.kinds[row]) + '\t' + std::to_string(binding.elements[row]) + '\n';
    }
    std::cout << out << std::flush;
    return std::cout ? 0 : 1;
}

const CommandRegistration kVisu{"visu", "visu PROJEKTVERZEICHNIS", VisuCommand};

}  // namespace
}  // namespace ovis::cli
