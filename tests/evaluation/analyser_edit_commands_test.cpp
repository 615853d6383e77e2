// The edit commands as the analyser's menus run them: the context taken when the menu opens, the
// undo step per command, the shift input box, the condition column and the search with its
// continuation, and the model after the records changed.
#include "evaluation/analyser_edit_commands.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "evaluation/analyser_fixture.h"
#include "evaluation/analyser_time_labels.h"
#include "evaluation/condition_column.h"
#include "evaluation/search_run.h"
#include "support/scripted_dialogs.h"

namespace ovis {
namespace {

using test::At;
using test::MakeEvent;

class AnalyserEditCommandsTest : public testing::Test {
protected:
    std::unique_ptr<TRecording> rec = std::make_unique<TRecording>();
    std::unique_ptr<RecordingUndo> undo = std::make_unique<RecordingUndo>();
    AnalyserModel model;
    test::ScriptedDialogs dialogs;
    std::vector<TRecordingEvent> original;

    // Messages 1 and 2 in a day file of 1 March; message 1 High from 10:00 to 13:00; rows show
    // messages 1, 2 and 3 (3 has no record). "Stunden": column c is hour c - 1.
    AnalyserEditCommandsTest() {
        original = test::CreatedDayFile(2);
        original.insert(original.begin() + 4, {MakeEvent(1, true, At(10)), MakeEvent(1, false, At(13))});
        rec->Assign(original);
        model.Open(*rec, test::RowsOf({1, 2, 3}), 60);
    }
    // A click on the cell of `row` in `column`.
    void Click(int row, int column) { model.ClickDiagram((column - 1) * 8 + 1, (row - 1) * 19 + 1); }
    bool Unchanged() const {
        return rec->Count() == original.size() &&
               std::memcmp(rec->Events().data(), original.data(), original.size() * sizeof(TRecordingEvent)) == 0;
    }
    EditContext Context() const { return EditContextAt(model, *rec, true); }
    bool Run(EditCommand command) { return RunEditCommand(command, *rec, *undo, Context(), model.Division(), dialogs); }
};

TEST_F(AnalyserEditCommandsTest, TheContextTakesTheMarkedRowsLevelsAndTheEnabling) {
    Click(1, 12);
    EditContext c = Context();
    ASSERT_EQ(c.target.rows.size(), 1u);
    EXPECT_EQ(c.target.rows[0].message, 1);
    EXPECT_TRUE(c.target.rows[0].highAtCursor);
    EXPECT_EQ(TimeLabel(c.target.cursor), "11:00:00,00000");
    EXPECT_TRUE(c.menu.loeschen && c.menu.info && c.menu.entfernen && !c.menu.hinzufuegen);

    model.Marks().CtrlClick(2);
    c = Context();
    ASSERT_EQ(c.rows, (std::vector<int>{1, 2}));
    EXPECT_FALSE(c.target.rows[1].highAtCursor);
    EXPECT_TRUE(c.menu.erzeugen && !c.menu.entfernen && !c.menu.info);

    Click(3, 12);
    c = Context();
    EXPECT_TRUE(c.menu.hinzufuegen) << "message 3 has no record";
    EXPECT_FALSE(c.menu.erzeugen || c.menu.entfernen);

    Click(7, 12);  // an empty row
    c = Context();
    EXPECT_TRUE(c.target.rows.empty());
    EXPECT_TRUE(c.menu.verschieben);
    EXPECT_FALSE(c.menu.erzeugen || c.menu.grenzen || c.menu.hinzufuegen);

    Click(1, 12);
    c = EditContextAt(model, *rec, false);
    EXPECT_EQ(c.menu, (AnalyserEditMenu{.info = true})) << "outside the output folder only the duration";
}

TEST_F(AnalyserEditCommandsTest, AnEditIsOneUndoStepAndADisabledCommandDoesNothing) {
    Click(1, 11);  // code 2: the rising edge
    EXPECT_FALSE(Run(EditCommand::Delete));
    EXPECT_EQ(undo->Depth(), 0);
    EXPECT_TRUE(Unchanged());

    Click(1, 12);
    ASSERT_TRUE(Run(EditCommand::Delete));
    EXPECT_EQ(rec->Count(), original.size() - 2);
    EXPECT_EQ(undo->Depth(), 1);
    ASSERT_TRUE(undo->Undo(*rec));
    EXPECT_TRUE(Unchanged());
}

TEST_F(AnalyserEditCommandsTest, TheShiftAsksForAValueAndLeavesNoStepWhenNothingChanged) {
    Click(1, 10);  // 09:00, Low
    struct Case {
        std::optional<std::string> input;
        std::string message;
    } const cases[] = {
        {std::nullopt, ""},
        {"zwei", ShiftNotANumberText("zwei")},
        {"0", ""},
        {"-2", ShiftBelowCursorText()},
    };
    for (const Case& c : cases) {
        dialogs.boxes.clear();
        dialogs.inputs.clear();
        if (c.input) dialogs.inputs.push_back(*c.input);
        EXPECT_FALSE(Run(EditCommand::Shift));
        EXPECT_EQ(undo->Depth(), 0);
        EXPECT_TRUE(Unchanged());
        if (c.message.empty()) {
            EXPECT_TRUE(dialogs.boxes.empty());
        } else {
            ASSERT_EQ(dialogs.boxes.size(), 1u);
            EXPECT_EQ(dialogs.boxes[0].text, c.message);
        }
    }
    ASSERT_FALSE(dialogs.prompts.empty());
    EXPECT_EQ(dialogs.prompts[0].caption, "Alle Ereignisse verschieben um");
    EXPECT_EQ(dialogs.prompts[0].prompt, "Bitte geben Sie einen Wert ein (+ oder -) !");
    EXPECT_EQ(dialogs.prompts[0].initial, "0");

    dialogs.inputs = {"1"};
    ASSERT_TRUE(Run(EditCommand::Shift));
    EXPECT_EQ(undo->Depth(), 1);
    EXPECT_EQ(TimeLabel(StampOf(rec->Event(5))), "11:00:00,00000");
    EXPECT_EQ(TimeLabel(StampOf(rec->Event(6))), "14:00:00,00000");
}

TEST_F(AnalyserEditCommandsTest, AddingAMessageTakesNoSnapshotAndTheDurationIsShown) {
    Click(3, 12);
    ASSERT_TRUE(Run(EditCommand::Add));
    EXPECT_EQ(undo->Depth(), 0);
    EXPECT_EQ(rec->Count(), original.size() + 2);

    Click(1, 12);
    ASSERT_TRUE(ShowPeriodDuration(*rec, Context(), dialogs));
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, PeriodDurationText(*rec, 1, Context().target.cursor));
    Click(1, 11);
    EXPECT_FALSE(ShowPeriodDuration(*rec, Context(), dialogs));
}

TEST_F(AnalyserEditCommandsTest, TheModelFollowsTheRecordsAndShowsAFoundRecordAtColumn11) {
    const int maximum = model.ScrollBarRange().maximum;
    Click(1, 12);
    Run(EditCommand::Remove);
    model.RecordsChanged();
    EXPECT_EQ(model.ScrollBarRange().maximum, maximum - 4);
    EXPECT_EQ(int(model.State(1, 12)), 1);
    EXPECT_EQ(model.Cursor(), 12);

    model.ZoomIn();  // minutes
    model.ShowAtCursor(StampOf(MakeEvent(1, true, At(10, 5, 30))));
    EXPECT_EQ(TimeLabel(model.View().left), "09:55:00,00000");
    EXPECT_EQ(model.Cursor(), 11);
    EXPECT_EQ(TimeLabel(model.CursorTime()), "10:05:00,00000");
}

TEST(ConditionColumn, CellsFromTheListGiveTheConditions) {
    ConditionColumn column;
    EXPECT_FALSE(column.Shown());
    column.Show(3);
    EXPECT_EQ(column.Cell(2), "x");
    column.Choose(1, kConditionListEntries[0]);
    column.Choose(2, kConditionListEntries[1]);
    column.Choose(3, kConditionListEntries[0]);
    column.Choose(3, kConditionListEntries[2]);
    column.Choose(9, kConditionListEntries[0]);
    EXPECT_EQ(column.Cell(1), "High");
    EXPECT_EQ(column.Cell(2), "Low");
    EXPECT_EQ(column.Cell(3), "x");
    EXPECT_EQ(column.Cell(9), "");
    const SearchConditions c = column.Conditions(test::RowsOf({7, 4, 2}));
    EXPECT_EQ(c.At(7), SearchCondition::High);
    EXPECT_EQ(c.At(4), SearchCondition::Low);
    EXPECT_EQ(c.At(2), SearchCondition::DontCare);
    column.Hide();
    EXPECT_EQ(column.Conditions(test::RowsOf({7})).At(7), SearchCondition::DontCare);
}

TEST(SearchRun, OkContinuesAfterTheFoundStretchUntilNothingIsFound) {
    auto events = test::CreatedDayFile(1);
    events.insert(events.begin() + 3, {MakeEvent(1, true, At(8)), MakeEvent(1, false, At(9)), MakeEvent(1, true, At(12)),
                                       MakeEvent(1, false, At(13))});
    auto rec = std::make_unique<TRecording>();
    rec->Assign(events);
    SearchConditions high;
    high.Set(1, SearchCondition::High);
    test::ScriptedDialogs dialogs;
    std::vector<std::string> shown;
    const auto showAt = [&](const TTimeStamp& t) { shown.push_back(TimeLabel(t)); };

    dialogs.answers = {Answer::Ok, Answer::Ok};
    EXPECT_EQ(RunSearch(*rec, high, dialogs, showAt), 0u);
    EXPECT_EQ(shown, (std::vector<std::string>{"08:00:00,00000", "12:00:00,00000"}));
    ASSERT_EQ(dialogs.boxes.size(), 3u);
    EXPECT_EQ(dialogs.boxes[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(dialogs.boxes[0].text, SearchFoundText(StampOf(events[3]), StampOf(events[4]), false));
    EXPECT_EQ(dialogs.boxes[2].text, SearchNothingFoundText());

    dialogs.boxes.clear();
    dialogs.answers = {Answer::Cancel};
    EXPECT_EQ(RunSearch(*rec, high, dialogs, showAt), 5u) << "Cancel keeps the continuation at s";
    EXPECT_EQ(dialogs.boxes.size(), 1u);

    rec->Event(rec->Count()) = MakeEvent(1, true, At(23, 59, 59));  // High up to the last record
    rec->Event(7) = MakeEvent(1, true, At(13));
    dialogs.boxes.clear();
    dialogs.answers = {Answer::Ok};
    EXPECT_EQ(RunSearch(*rec, high, dialogs, showAt), 0u);
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[1].buttons, Buttons::Ok) << "the file end was reached";
    EXPECT_NE(dialogs.boxes[1].text.find("Dateiende erreicht"), std::string::npos);
}

}  // namespace
}  // namespace ovis
