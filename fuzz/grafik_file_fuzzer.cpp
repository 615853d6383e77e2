// Fuzz target: "Grafik.ofd" as the visualisation loads it. The input is the file.
// Properties: only a file of exactly one record loads, and it saves back byte for byte; placing
// the elements keeps every kind within its table, and binding hands out only visible elements
// that exist.
#include <cstdint>
#include <cstring>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "project/grafik_file.h"
#include "records/typed_file.h"
#include "support/temp_dir.h"
#include "visualisation/visu_binding.h"
#include "visualisation/visu_scene.h"

namespace ovis::fuzz {
namespace {

std::vector<TIoRecord> RowsOfEveryRole() {
    std::vector<TIoRecord> rows(40);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        std::memset(&rows[k], 0, sizeof rows[k]);
        rows[k].VisuRolle = std::int32_t(k % 10);
    }
    return rows;
}

void CheckLoaded(const test::TempDir& dir, TGrafikRecord record, const Bytes& input) {
    SaveGrafik(dir / "Kopie.ofd", record);
    FUZZ_CHECK(ReadFileOrThrow(dir / "Kopie.ofd") == input, "the save differs from the loaded file");

    const VisuScene scene(record);
    for (int kind = 1; kind <= kVisuElementKinds; ++kind) {
        FUZZ_CHECK(scene.Count(kind) <= kVisuElementsPerKind, "more elements than the table holds");
        FUZZ_CHECK(record.Anzahl[kind - 1] == scene.Count(kind), "count not stored");
    }
    FUZZ_CHECK(scene.Layout().W >= 0 && scene.Layout().H > 0, "no room for the stops");

    static const std::vector<TIoRecord> rows = RowsOfEveryRole();
    const VisuBinding binding = BindVisuMessages(record, rows);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const int kind = binding.kinds[row];
        const int element = binding.elements[row];
        if (element == 0) continue;
        FUZZ_CHECK(kind >= 1 && kind <= kVisuElementKinds && element <= record.Anzahl[kind - 1], "bound to nothing");
        FUZZ_CHECK(record.Elemente[kind - 1][element - 1].X.get() >= 0, "bound to a hidden element");
    }
}

}  // namespace
}  // namespace ovis::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ovis::test::TempDir dir;
    const ovis::Bytes input(data, data + size);
    ovis::WriteFileAtomically(dir / "Grafik.ofd", input);
    ovis::GrafikLoad load;
    try {
        load = ovis::LoadGrafik(dir / "Grafik.ofd");
    } catch (const ovis::IoError&) {
        FUZZ_CHECK(size != sizeof(ovis::TGrafikRecord), "a whole record was refused");
        return 0;
    }
    FUZZ_CHECK(load.fromFile && size == sizeof(ovis::TGrafikRecord), "a file of another length was loaded");
    ovis::fuzz::CheckLoaded(dir, load.record, input);
    return 0;
}
