// The analyser's printed picture: which rows, how names are cut, the 110 columns' states and the
// three date/time labels.
#include <gtest/gtest.h>

#include <memory>

#include "evaluation/analyser_fixture.h"
#include "evaluation/analyser_model.h"
#include "evaluation/analyser_print_picture.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

using test::At;
using test::MakeEvent;

class AnalyserPrintPictureTest : public testing::Test {
protected:
    test::TempDir dir;
    std::unique_ptr<TRecording> recording = std::make_unique<TRecording>();

    // Messages 1..count, all Low at 06:00; message 1 High from 06:30 to 20:00 on 2 March.
    void Load(int count) {
        auto records = test::MarkerPair();
        for (int m = 1; m <= count; ++m) records.push_back(MakeEvent(m, false, At(6)));
        records.push_back(MakeEvent(1, true, At(6, 30)));
        records.push_back(MakeEvent(1, false, At(20, 0, 0, 0, 0, 2)));
        test::WriteRecordingFile(dir / "Probe.ofa", records);
        recording->Load(dir.path(), "Probe");
    }
    static AnalyserRows LongNames(int count) {
        std::vector<int> messages;
        for (int m = 1; m <= count; ++m) messages.push_back(m);
        TAuswahlRecord all{};
        std::fill(std::begin(all.Shown), std::end(all.Shown), std::uint8_t{1});
        return AnalyserRows::Build(messages, all, [](int m) { return "N" + std::to_string(m) + " mit langem Namen"; });
    }
    static AnalyserView HoursFromFirstOfMarch() {
        AnalyserView view;
        view.division = 2;
        SetLeftEdge(view, StampOf(MakeEvent(1, false, At(0))));
        return view;
    }
};

TEST_F(AnalyserPrintPictureTest, AtMost33RowsFromTheTopRowWithNamesCutTo16Characters) {
    Load(40);
    const AnalyserRows rows = LongNames(40);
    struct Case {
        int firstRow;
        std::size_t count;
        const char* firstName;
        const char* lastName;
    } const cases[] = {
        {1, 33, "N1 mit langem Na", "N33 mit langem N"},
        {5, 33, "N5 mit langem Na", "N37 mit langem N"},
        {30, 11, "N30 mit langem N", "N40 mit langem N"},
        {41, 0, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firstRow);
        const auto picture = BuildAnalyserPrintPicture(recording->Events(), rows, c.firstRow, HoursFromFirstOfMarch());
        ASSERT_EQ(picture.rows.size(), c.count);
        if (c.count == 0) continue;
        EXPECT_EQ(picture.rows.front().name, c.firstName);
        EXPECT_EQ(picture.rows.back().name, c.lastName);
    }
    // Short names stay whole.
    const auto shortNames = BuildAnalyserPrintPicture(recording->Events(), test::RowsOf({2, 1}), 1, HoursFromFirstOfMarch());
    ASSERT_EQ(shortNames.rows.size(), 2u);
    EXPECT_EQ(shortNames.rows[0].name, "M2");
    EXPECT_EQ(shortNames.rows[1].name, "M1");
}

TEST_F(AnalyserPrintPictureTest, RowsStartAtTheTopRowAndCarryTheStatesOf110Columns) {
    Load(3);
    const auto picture = BuildAnalyserPrintPicture(recording->Events(), test::RowsOf({3, 1}), 2, HoursFromFirstOfMarch());
    ASSERT_EQ(picture.rows.size(), 1u);
    const AnalyserPrintRow& row = picture.rows[0];
    EXPECT_EQ(row.name, "M1");
    EXPECT_EQ(row.cells[6], 4) << "06:00-07:00: Low at 06:00, High at 06:30";
    EXPECT_EQ(row.cells[7], kHighThroughout);
    EXPECT_EQ(row.cells[24 + 19], kHighThroughout);
    EXPECT_EQ(row.cells[24 + 20], 7) << "2 March 20:00-21:00: the falling edge at 20:00";
    EXPECT_EQ(row.cells[kPrintColumns - 1], kLowThroughout) << "column 110 is computed too";
}

TEST_F(AnalyserPrintPictureTest, LabelsUnderTheLeftEdgeTheMiddleAndTheRightEdge) {
    Load(1);
    const auto picture = BuildAnalyserPrintPicture(recording->Events(), test::RowsOf({1}), 1, HoursFromFirstOfMarch());
    const std::pair<const char*, const char*> expected[] = {{"01.03.2008", "00:00:00,00000"},
                                                            {"03.03.2008", "07:00:00,00000"},
                                                            {"05.03.2008", "14:00:00,00000"}};
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(picture.labels[k].date, expected[k].first) << k;
        EXPECT_EQ(picture.labels[k].time, expected[k].second) << k;
    }
}

}  // namespace
}  // namespace ovis
