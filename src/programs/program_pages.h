#pragma once
// The pages of the program editor window: their captions, help contexts and the module line of
// the "I / O" page.
#include <string>
#include <string_view>

#include "programs/program_menu_state.h"

namespace ovis {

class TerminalPanel;

inline constexpr int kProgramPageCount = 8;

inline constexpr const char* kIoPageModuleUndefinedText = "Modul nicht definiert!";

// "Programm", "Auswahl", "I / O", "Gruppen", "LED", "Counter", "Timer", "Datenausgabe".
std::string_view ProgramPageCaption(ProgramPage page);
// 7002 on "Auswahl", 7001 on every other page.
int ProgramPageHelpContext(ProgramPage page);

// The type line of the "I / O" page for the module the panel shows.
std::string IoPageTypeText(const TerminalPanel& panel);

}  // namespace ovis
