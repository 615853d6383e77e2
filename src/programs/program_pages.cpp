#include "programs/program_pages.h"

#include <array>

#include "config/module_types.h"
#include "programs/program_editor.h"
#include "tables/terminal_panel.h"

namespace ovis {

std::string_view ProgramPageCaption(ProgramPage page) {
    static constexpr std::array<std::string_view, kProgramPageCount> kCaptions = {
        "Programm", "Auswahl", "I / O", "Gruppen", "LED", "Counter", "Timer", "Datenausgabe"};
    return kCaptions.at(std::size_t(page));
}

int ProgramPageHelpContext(ProgramPage page) {
    return page == ProgramPage::Selection ? kProgramSelectionHelpContext : kProgramHelpContext;
}

std::string IoPageTypeText(const TerminalPanel& panel) {
    const auto type = panel.ShownType();
    return type ? std::string(ModulTypen[int(*type)].Name) : kIoPageModuleUndefinedText;
}

}  // namespace ovis
