// Fuzz target: the analyser's readings of untrusted input. The input is a left-edge text of 25
// characters ("dd.mm.yyyy hh:mm:ss,fffff", as ovisctl analyse --left takes it) followed by a
// recording file. Properties: a text that reads back formats to itself; the diagram over the file
// holds only the codes of TColumnState, its data columns lie within 0..N and its cursor within
// 1..N through zoom, division choices and scrolling.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "evaluation/analyser_model.h"
#include "evaluation/analyser_time_labels.h"
#include "fuzz/fuzz_check.h"
#include "records/typed_file.h"
#include "support/temp_dir.h"

namespace ovis::fuzz {
namespace {

constexpr std::size_t kStampTextSize = 25;

void CheckStampText(std::string_view text) {
    const auto stamp = ParseStampText(text);
    if (stamp) FUZZ_CHECK(DateLabel(*stamp) + " " + TimeLabel(*stamp) == text, "a read stamp formats differently");
}

void CheckDiagram(const AnalyserModel& model) {
    const int n = model.Columns();
    FUZZ_CHECK(model.FirstDataColumn() >= 0 && model.FirstDataColumn() <= n, "first data column outside 0..N");
    FUZZ_CHECK(model.LastDataColumn() >= 1 && model.LastDataColumn() <= n, "last data column outside 1..N");
    FUZZ_CHECK(model.Cursor() >= 1 && model.Cursor() <= n, "cursor outside 1..N");
    for (int r = 1; r <= model.Rows().Count(); ++r)
        for (int c = 0; c <= n; ++c) {
            const TColumnState code = model.State(r, c);
            FUZZ_CHECK(code >= 1 && code <= 9 && code != 5, "a state that is no TColumnState code");
        }
}

AnalyserRows EveryNumber() {
    std::vector<int> numbers;
    for (int m = 1; m <= kAnalyserRowCapacity; ++m) numbers.push_back(m);
    TAuswahlRecord all{};
    std::fill(std::begin(all.Shown), std::end(all.Shown), std::uint8_t{1});
    return AnalyserRows::Build(numbers, all, [](int) { return std::string(); });
}

void Navigate(AnalyserModel& model, const std::optional<TTimeStamp>& left) {
    CheckDiagram(model);
    if (left) model.SetWindow(5, *left), CheckDiagram(model);
    for (int i = 0; i < 9; ++i) model.ZoomIn(), CheckDiagram(model);
    model.Scroll(ScrollAction::LineDown, 0), CheckDiagram(model);
    model.Scroll(ScrollAction::Track, model.ScrollBarRange().maximum), CheckDiagram(model);
    for (int d = 8; d >= 1; --d) model.ChooseDivision(d), CheckDiagram(model);
    model.Scroll(ScrollAction::LineUp, 0), CheckDiagram(model);
}

}  // namespace
}  // namespace ovis::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ovis;
    static test::TempDir dir;
    static auto recording = std::make_unique<TRecording>();
    static auto model = std::make_unique<AnalyserModel>();
    const std::size_t textSize = std::min(size, fuzz::kStampTextSize);
    const std::string_view text(reinterpret_cast<const char*>(data), textSize);
    fuzz::CheckStampText(text);
    WriteFileAtomically(dir / "Fuzz.ofa", Bytes(data + textSize, data + size));
    try {
        recording->Load(dir.path(), "Fuzz");
    } catch (const IoError&) {
        return 0;
    }
    if (model->Open(*recording, fuzz::EveryNumber(), 110)) fuzz::Navigate(*model, ParseStampText(text));
    return 0;
}
