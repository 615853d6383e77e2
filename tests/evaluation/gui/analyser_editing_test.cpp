// The analyser's editing (offscreen): the edit commands through the menus with their enabling,
// undo, saving and the file read back; the condition column with its list and the search texts;
// the time range dialog in both modes.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QTimeEdit>
#include <QtTest>
#include <cstring>
#include <memory>

#include "evaluation/gui/Zel_Analyser.h"
#include "evaluation/gui/Zel_Zeitintervall.h"
#include "evaluation/gui/analyser_conditions.h"
#include "evaluation/gui/analyser_diagram.h"
#include "evaluation/gui/analyser_names.h"
#include "evaluation/gui/analyser_opener.h"
#include "evaluation/recording_events.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

using namespace ovis;

namespace {

test::EventTime At(int std, int min = 0, int sekMSek = 0, int misek = 0) { return {3, 1, std, min, sekMSek, misek}; }

TRecordingEvent Ev(int message, bool high, test::EventTime t) { return test::MakeEvent(message, high, t); }

const QColor kBlue(0, 0, 0xFF);

// Messages 1 and 2 of a day file; message 1 High from 10:00 to 13:00.
std::vector<TRecordingEvent> DayFile() {
    auto events = test::CreatedDayFile(2);
    events.insert(events.begin() + 4, {Ev(1, true, At(10)), Ev(1, false, At(13))});
    return events;
}

}  // namespace

class AnalyserEditingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempDir> dir;
    std::unique_ptr<ProjectTables> tables;
    std::unique_ptr<TRecording> recording;
    std::unique_ptr<test::ScriptedDialogs> dialogs;
    std::unique_ptr<gui::AnalyserOpener> opener;
    std::filesystem::path file;

    gui::TFormAnalyser* Form() const { return opener->Current(); }
    QAction* Action(const char* name) const { return Form()->Action(name); }
    QString Text(const char* label) const { return Form()->Label(label)->text(); }
    // A click on the diagram cell of `row` in `column`: marks the row, moves the cursor there.
    void ClickCell(int row, int column) {
        QTest::mouseClick(Form()->Diagram(), Qt::LeftButton, {}, QPoint((column - 1) * 8 + 2, (row - 1) * 19 + 5));
    }
    QColor Lower(int row, int column) const {
        return Form()->Diagram()->grab().toImage().pixelColor((column - 1) * 8 + 3, (row - 1) * 19 + 13);
    }
    std::string LastBox() const { return dialogs->boxes.empty() ? std::string() : dialogs->boxes.back().text; }
    static bool SameRecords(const std::vector<TRecordingEvent>& a, const std::vector<TRecordingEvent>& b) {
        return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(TRecordingEvent)) == 0;
    }
    void ClickCondition(int row, Qt::MouseButton button) {
        QTest::mouseClick(Form()->ConditionCells(), button, {}, QPoint(10, (row - 1) * 19 + 5));
    }

private slots:
    void init() {
        dir = std::make_unique<test::TempDir>();
        tables = std::make_unique<ProjectTables>();
        recording = std::make_unique<TRecording>();
        dialogs = std::make_unique<test::ScriptedDialogs>();
        for (const char* name : {"Pumpe", "Ventil", "Lampe"}) {
            TIoRecord row{};
            row.Typ = "Relais";
            row.Bezeichnung = name;
            tables->io.Append(row);
        }
        tables->parameters.Record().Ordner[kOutputFolder] = "Ausgabe";
        file = *dir / "Tag 1.ofa";
        test::WriteRecordingFile(file, DayFile());
        opener = std::make_unique<gui::AnalyserOpener>(
            gui::AnalyserServices{*tables, *recording, *dialogs, [this] { return dir->path(); }, {}, {}, {}, {}});
        QVERIFY(opener->OpenFile(kOutputFolder, file));
        QVERIFY(QTest::qWaitForWindowExposed(Form()));
    }

    void cleanup() {
        if (Form()) {
            recording->Load(dir->path(), "Tag 1");  // nothing to ask about
            opener->CloseAnalyser();
        }
        opener.reset();
        QTest::qWait(1);
    }

    void editsThroughTheMenusUndoesAndSavesTheFile() {
        QVERIFY(!Action("Rueckgaengig")->isEnabled());
        ClickCell(1, 12);  // 11:00, High throughout
        QVERIFY(Action("Pegelloeschen")->isEnabled());
        QVERIFY(!Action("Meldunghinzufuegen")->isEnabled());
        QVERIFY(Action("InfoMeldungsdauer")->isEnabled());
        ClickCell(1, 11);  // the rising edge
        QVERIFY(!Action("Pegelloeschen")->isEnabled());
        QVERIFY(!Action("Pegelerzeugen")->isEnabled());

        ClickCell(1, 12);
        Action("InfoMeldungsdauer")->trigger();
        QCOMPARE(LastBox(), std::string("  Ereignisdauer:\r\r  003   Stunden\r  000   Minuten\r  000   Sekunden\r  000   "
                                        "Millisekunden\r  000   Mikrosekunden"));
        Action("Pegelloeschen")->trigger();
        QCOMPARE(Lower(1, 13), kBlue);  // the fall at 13:00 is gone
        QVERIFY(Action("Rueckgaengig")->isEnabled());

        ClickCell(2, 10);  // 09:00
        Action("Pegelerzeugen")->trigger();
        ClickCell(2, 6);  // 05:00
        dialogs->inputs = {"+2"};
        Action("Pegelverschieben")->trigger();
        QCOMPARE(dialogs->prompts.back().caption, std::string("Alle Ereignisse verschieben um"));
        QCOMPARE(recording->Event(5).Std, std::uint8_t(11));
        QCOMPARE(Form()->Undo().Depth(), 3);

        Form()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form()));
        QTest::keyClick(Form(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Form()->Undo().Depth(), 2);
        QCOMPARE(recording->Event(5).Std, std::uint8_t(9));

        dialogs->answers = {Answer::Cancel};
        QVERIFY(!opener->CloseAnalyser());
        QCOMPARE(LastBox(), std::string("Möchten Sie die Änderungen in \"Tag 1\" speichern?"));

        Action("Speichern")->trigger();
        QCOMPARE(Form()->Undo().Depth(), 0);
        QVERIFY(!Action("Rueckgaengig")->isEnabled());
        auto expected = test::CreatedDayFile(2);
        expected.insert(expected.begin() + 4, {Ev(2, true, At(9)), Ev(2, false, At(9, 0, 0, 2))});
        QVERIFY(SameRecords(ReadRecordingFile(file), expected));
        const std::size_t boxes = dialogs->boxes.size();
        QVERIFY(opener->CloseAnalyser());
        QCOMPARE(dialogs->boxes.size(), boxes);  // saved: no question
    }

    void aMessageIsAddedAndRemoved() {
        ClickCell(3, 12);  // "Lampe" has no record
        QVERIFY(Action("Meldunghinzufuegen")->isEnabled());
        QVERIFY(!Action("MeldungEntfernen")->isEnabled());
        Action("Meldunghinzufuegen")->trigger();
        QCOMPARE(recording->Count(), std::size_t(10));
        QVERIFY(!Action("Rueckgaengig")->isEnabled());  // adding takes no snapshot
        QVERIFY(Action("MeldungEntfernen")->isEnabled());
        Action("MeldungEntfernen")->trigger();
        QCOMPARE(recording->Count(), std::size_t(8));
        QVERIFY(Action("Rueckgaengig")->isEnabled());
    }

    void theConditionListAndTheSearchTexts() {
        QVERIFY(!Action("Pegelsuchen")->isEnabled());
        QVERIFY(!Form()->ConditionCells()->isVisible());
        Action("Suchbedingung")->trigger();
        QVERIFY(Form()->ConditionCells()->isVisible());
        QVERIFY(Action("Pegelsuchen")->isEnabled());
        QCOMPARE(Form()->Conditions().Cell(2), std::string("x"));

        gui::ConditionList* list = Form()->ConditionCells()->List();
        ClickCondition(1, Qt::RightButton);
        QVERIFY(list->isVisible());
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(0)->text(), QStringLiteral("  High"));
        QCOMPARE(list->item(2)->text(), QStringLiteral("  x"));
        QCOMPARE(Form()->Model().Marks().MarkedRows(), std::vector<int>{1});
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        QVERIFY(!list->isVisible());
        QCOMPARE(Form()->Conditions().Cell(1), std::string("High"));
        if (qEnvironmentVariableIsSet("OVIS_SCREENSHOT_DIR"))
            Form()->grab().save(qEnvironmentVariable("OVIS_SCREENSHOT_DIR") + "/analyser_suchbedingung.png");

        ClickCondition(2, Qt::RightButton);
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!list->isVisible());
        ClickCondition(2, Qt::RightButton);
        emit Form()->findChild<QMenu*>("Ansicht")->aboutToShow();
        QVERIFY(!list->isVisible());
        ClickCondition(2, Qt::LeftButton);
        QVERIFY(!list->isVisible());
        QCOMPARE(Form()->Model().Marks().MarkedRows(), std::vector<int>{2});
        QCOMPARE(Form()->Conditions().Cell(2), std::string("x"));

        dialogs->answers = {Answer::Ok};
        Action("Pegelsuchen")->trigger();
        QCOMPARE(dialogs->boxes.size(), std::size_t(2));
        QCOMPARE(dialogs->boxes[0].text, std::string("Die Suchbedingung ist erfüllt...\r\rvom     01.03.2008      "
                                                     "10:00:00,00000\rbis       01.03.2008      13:00:00,00000\r\r"
                                                     "Wollen Sie weitersuchen?"));
        QCOMPARE(dialogs->boxes[0].buttons, Buttons::OkCancel);
        QCOMPARE(dialogs->boxes[1].text, std::string("Das Dateiende ist erreicht. Es konnte kein Eintrag gefunden werden."));
        QCOMPARE(Form()->Model().Cursor(), 11);
        QCOMPARE(Text("CursorZeit"), QStringLiteral("10:00:00,00000"));
        QCOMPARE(Text("LinksZeit"), QStringLiteral("00:00:00,00000"));

        ClickCondition(1, Qt::RightButton);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
        ClickCondition(2, Qt::RightButton);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        Action("Pegelsuchen")->trigger();
        QCOMPARE(dialogs->boxes.back().buttons, Buttons::Ok);
        QVERIFY(LastBox().find("Achtung!!!\rBei der Suche wurde das Dateiende erreicht.") != std::string::npos);

        Action("Suchbedingung")->trigger();
        QVERIFY(!Form()->ConditionCells()->isVisible());
        QVERIFY(!Action("Pegelsuchen")->isEnabled());
    }

    void theTimeRangeSetsALevelAndChecksTheRange() {
        ClickCell(1, 12);
        Action("Bereichfestlegen")->trigger();
        gui::TFormZeitintervall* dialog = Form()->TimeRangeDialog();
        QVERIFY(dialog);
        QCOMPARE(Form()->Undo().Depth(), 1);  // the snapshot at opening
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Zeitbereich von Meldung \"Pumpe\" festlegen"));
        QCOMPARE(dialog->height(), 238);
        QCOMPARE(dialog->Box("Beginn")->title(), QStringLiteral(" Beginn "));
        QCOMPARE(dialog->Box("Ende")->title(), QStringLiteral(" Ende "));
        QCOMPARE(dialog->Box("Dateibeginn")->title(), QStringLiteral(" Dateibeginn "));
        QCOMPARE(dialog->Box("Dateiende")->title(), QStringLiteral(" Dateiende "));
        QVERIFY(dialog->Action("Zeitbereichaktiviert")->isVisible());
        QVERIFY(dialog->Action("Zeitbereichaktiviert")->isChecked());
        QCOMPARE(dialog->BeginDate()->text(), QStringLiteral("01.03.2008"));
        QCOMPARE(dialog->BeginTime()->time(), QTime(0, 0, 0));
        QCOMPARE(dialog->EndTime()->time(), QTime(23, 59, 59));

        dialog->BeginTime()->setTime(QTime(15, 0, 0));
        dialog->EndTime()->setTime(QTime(14, 0, 0));
        dialog->UebernehmenClick();
        QCOMPARE(LastBox(), std::string("Der Zeitbereich wurde falsch eingetragen. Bitte korrigieren Sie diesen!"));
        QVERIFY(dialog->isVisible());
        QCOMPARE(recording->Count(), std::size_t(8));

        if (qEnvironmentVariableIsSet("OVIS_SCREENSHOT_DIR")) {
            QImage shot(Form()->size() + QSize(60, 40), QImage::Format_RGB32);
            shot.fill(Qt::darkGray);
            QPainter painter(&shot);
            painter.drawPixmap(0, 0, Form()->grab());
            painter.drawPixmap(150, 43, dialog->grab());
            painter.end();
            shot.save(qEnvironmentVariable("OVIS_SCREENSHOT_DIR") + "/analyser_zeitintervall.png");
        }

        dialog->EndTime()->setTime(QTime(16, 0, 0));
        QPointer<gui::TFormZeitintervall> open(dialog);
        dialog->UebernehmenClick();
        QTRY_VERIFY(open.isNull());
        auto expected = DayFile();
        expected.insert(expected.begin() + 6, {Ev(1, true, At(15)), Ev(1, false, At(16))});
        QVERIFY(SameRecords({recording->Events().begin(), recording->Events().end()}, expected));
        QCOMPARE(int(Form()->Model().State(1, 16)), 2);  // the rise at 15:00
        QCOMPARE(int(Form()->Model().State(1, 17)), 7);  // the fall at 16:00
        QCOMPARE(Lower(1, 18), kBlue);
        Action("Rueckgaengig")->trigger();
        QVERIFY(SameRecords({recording->Events().begin(), recording->Events().end()}, DayFile()));
    }

    void theDialogClosesWhenItLosesTheFocus() {
        ClickCell(1, 12);
        Action("Bereichfestlegen")->trigger();
        QPointer<gui::TFormZeitintervall> dialog(Form()->TimeRangeDialog());
        QVERIFY(dialog);
        QEvent deactivate(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(dialog, &deactivate);
        QTRY_VERIFY(dialog.isNull());
        QCOMPARE(recording->Count(), std::size_t(8));
        QCOMPARE(Form()->Undo().Depth(), 1);

        QTest::mouseClick(Form()->Names(), Qt::LeftButton, Qt::ControlModifier, QPoint(10, 5));
        QVERIFY(Form()->Model().Marks().MarkedRows().empty());
        Action("Bereichfestlegen")->trigger();
        QVERIFY(Form()->TimeRangeDialog());
        QCOMPARE(Form()->TimeRangeDialog()->windowTitle(), QStringLiteral("Zeitbereich markierter Meldungen festlegen"));
        QCOMPARE(Form()->Model().Marks().MarkedRows(), std::vector<int>{1});  // the first row becomes marked
    }

    void theFileLimitsMoveTheFile() {
        QVERIFY(!Action("Dateigrenzen")->isEnabled());  // no current row yet
        ClickCell(2, 12);
        Action("Dateigrenzen")->trigger();
        gui::TFormZeitintervall* dialog = Form()->TimeRangeDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Dateigrenzen festlegen"));
        QCOMPARE(dialog->height(), 162);
        QCOMPARE(dialog->Box("Beginn")->title(), QStringLiteral(" Dateibeginn "));
        QCOMPARE(dialog->Box("Ende")->title(), QStringLiteral(" Dateiende "));
        QVERIFY(!dialog->Box("Dateibeginn"));
        QVERIFY(!dialog->Action("Zeitbereichaktiviert")->isVisible());

        dialog->BeginTime()->setTime(QTime(1, 0, 0));
        dialog->EndTime()->setTime(QTime(0, 30, 0));
        QCOMPARE(dialog->EndDate()->text(), QStringLiteral("02.03.2008"));  // the end follows the begin
        dialog->UebernehmenClick();
        QCOMPARE(recording->Event(3).Std, std::uint8_t(1));
        QCOMPARE(recording->Event(5).Std, std::uint8_t(11));
        const TRecordingEvent& last = recording->Event(recording->Count());
        QCOMPARE(int(last.Tag), 2);
        QCOMPARE(int(last.Std), 0);
        QCOMPARE(int(last.Min), 30);
        QCOMPARE(recording->Count(), std::size_t(8));
    }
};

QTEST_MAIN(AnalyserEditingTest)
#include "analyser_editing_test.moc"
