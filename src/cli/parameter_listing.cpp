#include "cli/parameter_listing.h"

#include <algorithm>
#include <sstream>

#include "config/module_types.h"
#include "led/led_colours.h"
#include "records/codepage.h"
#include "records/terminal_text.h"

namespace ovis::cli {

std::string Quoted(std::string_view recordBytes) {
    return "\"" + EscapeControlCharacters(ToUtf8(recordBytes)) + "\"";
}

std::string ParameterListing(const TParameterRecord& r) {
    std::ostringstream out;
    auto line = [&](const std::string& field, const auto& value) { out << field << " = " << value << '\n'; };
    line("Nummer", int(r.Nummer));
    line("Nachbarobjekt", Quoted(r.Nachbarobjekt.view()));
    line("BaudFaktor", int(r.BaudFaktor));
    line("BaudFaktor2", int(r.BaudFaktor2));
    line("Modem", int(r.Modem.value));
    line("AnzahlInterfaces", int(r.AnzahlInterfaces));
    line("Schnittstelle", int(r.Schnittstelle));
    line("BaudFaktorPC", int(r.BaudFaktorPC));
    line("ModemPC", int(r.ModemPC.value));
    line("Speichergroesse", int(r.Speichergroesse));
    for (int i = 0; i < kFolderCount; ++i) line("Ordner[" + std::to_string(i) + "]", Quoted(r.Ordner[i].view()));
    for (int i = 0; i < kFolderCount; ++i) line("Units[" + std::to_string(i) + "]", int(r.Units[i]));
    for (int i = 0; i < kModuleSlots && r.Modulanordnung[i] != 0; ++i) {
        int code = r.Modulanordnung[i];
        auto type = ModuleTypeOf(code);
        std::string name = type ? std::string(type->Name) : "unbekannt";
        line("Modulanordnung[" + std::to_string(i + 1) + "]", std::to_string(code) + " (" + name + ")");
    }
    line("RelayMode", r.RelayMode.get());
    line("ResetNachSpannungsverlust", r.ResetNachSpannungsverlust.get());
    line("ResetUmMitternacht", r.ResetUmMitternacht.get());
    line("ServerDirectory", Quoted(r.ServerDirectory.view()));
    line("Systemerweiterung", r.Systemerweiterung.get());
    return out.str();
}

std::string LedParameterListing(const TLedParameterRecord& r) {
    std::ostringstream out;
    auto line = [&](const std::string& field, const auto& value) { out << field << " = " << value << '\n'; };
    line("AnzahlModule", r.AnzahlModule.get());
    line("UrsprungX", r.UrsprungX.get());
    line("UrsprungY", r.UrsprungY.get());
    line("RasterX", r.RasterX.get());
    line("RasterY", r.RasterY.get());
    line("AbstandX", r.AbstandX.get());
    line("AbstandY", r.AbstandY.get());
    const int modules = std::clamp<int>(r.AnzahlModule, 0, kMaxLedModules);
    for (int m = 0; m < modules; ++m) {
        const std::string index = "[" + std::to_string(m + 1) + "]";
        line("Position" + index, std::to_string(r.Position[m].X) + " " + std::to_string(r.Position[m].Y));
        const int colour = r.ModuleFarbe[m];
        line("ModuleFarbe" + index, std::to_string(colour) + " (" + std::string(ModuleColourName(colour).value_or("unbekannt")) + ")");
        line("ModulHelligkeit" + index, r.ModulHelligkeit[m].get());
    }
    return out.str();
}

}  // namespace ovis::cli
