#pragma once
// A full recording for the analyser benchmarks: 80640 records of 200 messages over one day
// (marker pair, initial block, alternating levels, final block), loaded into a recording buffer,
// and the rows showing all 200 messages.
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "evaluation/analyser_rows.h"
#include "project/recording.h"
#include "project/recording_time.h"
#include "records/typed_file.h"

namespace ovis::bench {

inline constexpr int kShownMessages = 200;

class FullAnalyserRecording {
public:
    FullAnalyserRecording() {
        namespace fs = std::filesystem;
        const fs::path dir = fs::temp_directory_path() / ("ovis-analyser-bench-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir);
        std::vector<TRecordingEvent> events(kRecordingCapacity, TRecordingEvent{});
        const double dayStart = 59 * 86400.0;  // 1 March
        const std::size_t events0 = 2 + kShownMessages, eventsEnd = events.size() - kShownMessages;
        for (std::size_t i = 1; i < events.size(); ++i) {
            TRecordingEvent& e = events[i];
            e.Jahr = 108;
            int number = 0;
            double seconds = dayStart;
            if (i >= 2 && i < events0) {
                number = int(i - 1);
            } else if (i >= events0 && i < eventsEnd) {
                number = int((i - events0) % kShownMessages) + 1;
                seconds += 1.0 + double(i - events0) * (86000.0 / double(eventsEnd - events0));
                if (((i - events0) / kShownMessages) % 2 == 0) number |= kLevelHighBit;
            } else if (i >= eventsEnd) {
                number = int(i - eventsEnd) + 1;
                seconds += 86399.0;
            }
            e.Meldung = std::uint16_t(number);
            SetEventSeconds(e, seconds);
        }
        WriteRecords(dir / "Voll.ofa", events.data(), events.size());
        recording->Load(dir, "Voll");
        fs::remove_all(dir);
    }

    const TRecording& Recording() const { return *recording; }

    static AnalyserRows Rows() {
        std::vector<int> messages;
        for (int m = 1; m <= kShownMessages; ++m) messages.push_back(m);
        TAuswahlRecord all{};
        std::fill(std::begin(all.Shown), std::end(all.Shown), std::uint8_t{1});
        return AnalyserRows::Build(messages, all, [](int number) { return "Meldung " + std::to_string(number); });
    }

private:
    std::unique_ptr<TRecording> recording = std::make_unique<TRecording>();
};

}  // namespace ovis::bench
