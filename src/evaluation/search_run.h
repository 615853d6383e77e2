#pragma once
// "Ereignis suchen" from the menu: searches, shows the found record at the cursor and reports it;
// OK on "Wollen Sie weitersuchen?" continues after the end of the found stretch.
#include <functional>

#include "evaluation/event_search.h"
#include "platform/dialogs.h"
#include "project/recording.h"

namespace ovis {

// `showAt` puts a found record's time at the cursor before its report is shown. Returns the
// continuation position after the last search (0 once the file end was reached or nothing found).
std::size_t RunSearch(const TRecording& recording, const SearchConditions& conditions, Dialogs& dialogs,
                      const std::function<void(const TTimeStamp&)>& showAt);

}  // namespace ovis
