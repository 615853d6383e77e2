#include "evaluation/search_run.h"

#include "evaluation/analyser_navigation.h"

namespace ovis {

std::size_t RunSearch(const TRecording& rec, const SearchConditions& conditions, Dialogs& dialogs,
                      const std::function<void(const TTimeStamp&)>& showAt) {
    std::size_t from = 0;
    for (;;) {
        const SearchHit hit = SearchEvents(rec.Events(), conditions, from);
        if (hit.r == 0) {
            dialogs.Information(SearchNothingFoundText());
            return 0;
        }
        const TTimeStamp r = StampOf(rec.Event(hit.r));
        if (showAt) showAt(r);
        const Answer answer = dialogs.Show(BoxKind::Information, SearchFoundText(r, StampOf(rec.Event(hit.s)), hit.fileEnd),
                                           hit.fileEnd ? Buttons::Ok : Buttons::OkCancel);
        from = ContinuationAfter(hit);
        if (hit.fileEnd || answer != Answer::Ok) return from;
    }
}

}  // namespace ovis
