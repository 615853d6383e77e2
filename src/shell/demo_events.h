#pragma once
// The demo's memory card: an events file for the Interface simulator (`ovis-sim --events`) with
// three days of level changes of the demo's messages in two folders.
#include <string>

#include "platform/clock.h"

namespace ovis {

inline constexpr const char* kDemoEventsFileName = "Demo-Ereignisse.txt";

// The events of the three days up to `today`: folder 0 (all messages) and folder 1 ("Türen"),
// each message going High and back to Low a little later. The same day gives the same text.
std::string DemoEventsText(const LocalDateTime& today);

}  // namespace ovis
