// The analyser in file mode (offscreen): opening a recording, zoom, scrolling, the cursor, the
// drawn cells, the message selection reopening it in place, and the question on closing.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QtTest>
#include <fstream>
#include <memory>

#include "evaluation/gui/Zel_Analyser.h"
#include "evaluation/gui/Zel_Auswahl.h"
#include "evaluation/gui/analyser_diagram.h"
#include "evaluation/gui/analyser_opener.h"
#include "evaluation/recording_events.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

using namespace ovis;

namespace {

test::EventTime At(int std, int min = 0) { return {3, 1, std, min}; }

const QColor kBlue(0, 0, 0xFF);
const QColor kMagenta(0xFF, 0, 0xFF);

}  // namespace

class AnalyserTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempDir> dir;
    std::unique_ptr<ProjectTables> tables;
    std::unique_ptr<TRecording> recording;
    std::unique_ptr<test::ScriptedDialogs> dialogs;
    std::unique_ptr<gui::AnalyserOpener> opener;
    std::vector<bool> openChanges;
    std::vector<std::filesystem::path> printed;  // the files "Drucken..." asked to print
    std::filesystem::path file;

    gui::TFormAnalyser* Form() const { return opener->Current(); }
    QString Text(const char* label) const { return Form()->Label(label)->text(); }
    // The colour on screen at (x, y) of the diagram.
    QColor Pixel(int x, int y) const { return Form()->Diagram()->grab().toImage().pixelColor(x, y); }
    // Lower and upper half of cell (row, column).
    QColor Lower(int row, int column) const { return Pixel((column - 1) * 8 + 3, (row - 1) * 19 + 13); }
    QColor Upper(int row, int column) const { return Pixel((column - 1) * 8 + 3, (row - 1) * 19 + 3); }

private slots:
    void init() {
        dir = std::make_unique<test::TempDir>();
        tables = std::make_unique<ProjectTables>();
        recording = std::make_unique<TRecording>();
        dialogs = std::make_unique<test::ScriptedDialogs>();
        openChanges.clear();
        printed.clear();
        const char* names[] = {"T\xFCr auf", "Motor", "Licht"};
        for (const char* name : names) {
            TIoRecord row{};
            row.Typ = "DC";
            row.Bezeichnung = name;
            tables->io.Append(row);
        }
        tables->parameters.Record().Ordner[0] = "Alle Meldungen";
        std::vector<TRecordingEvent> records{TRecordingEvent{}, test::MakeEvent(0, false, At(0))};
        for (int m = 1; m <= 3; ++m) records.push_back(test::MakeEvent(m, false, At(0)));
        records.push_back(test::MakeEvent(1, true, At(2, 30)));
        records.push_back(test::MakeEvent(3, true, At(9, 15)));
        records.push_back(test::MakeEvent(3, false, At(9, 40)));
        for (int m = 1; m <= 3; ++m) records.push_back(test::MakeEvent(m, false, At(23, 59)));
        file = *dir / "Tag 1.ofa";
        test::WriteRecordingFile(file, records);
        opener = std::make_unique<gui::AnalyserOpener>(gui::AnalyserServices{
            *tables, *recording, *dialogs, [this] { return dir->path(); }, {},
            [this](bool open) { openChanges.push_back(open); }, {},
            [this](gui::TFormAnalyser&, const std::filesystem::path& shown) { printed.push_back(shown); }});
    }

    void cleanup() {
        if (Form()) {
            recording->Load(dir->path(), "Tag 1");  // nothing to ask about
            opener->CloseAnalyser();
        }
        opener.reset();
        QTest::qWait(1);
    }

    void opensAFileZoomsScrollsAndMovesTheCursor() {
        QVERIFY(opener->OpenFile(0, file));
        QVERIFY(QTest::qWaitForWindowExposed(Form()));
        QCOMPARE(Form()->windowTitle(), QStringLiteral("Analyser     Datei : Tag 1"));
        QCOMPARE(Form()->size(), QSize(632, 425));
        QCOMPARE(openChanges, std::vector<bool>{true});
        QCOMPARE(Text("LinksDatum"), QStringLiteral("01.03.2008"));
        QCOMPARE(Text("LinksZeit"), QStringLiteral("00:00:00,00000"));
        QCOMPARE(Text("RechtsDatum"), QStringLiteral("03.03.2008"));
        QCOMPARE(Text("RechtsZeit"), QStringLiteral("12:00:00,00000"));
        QCOMPARE(Form()->DivisionList()->currentText(), QStringLiteral("          Stunden"));
        QVERIFY(!Form()->Action("Speichern")->isEnabled());  // not the output folder
        QVERIFY(Form()->Action("Drucken")->isEnabled());

        // Row 1 ("Tür auf") rises in column 3: white lower half from the cell's middle, then High.
        QCOMPARE(Upper(1, 4), kBlue);
        QCOMPARE(Lower(1, 4), QColor(Qt::white));
        QCOMPARE(Pixel(2 * 8 + 1, 13), kBlue);
        QCOMPARE(Pixel(2 * 8 + 5, 13), QColor(Qt::white));
        QCOMPARE(Upper(1, 1), kMagenta);  // the cursor starts on the first data column

        QTest::mouseClick(Form()->Diagram(), Qt::LeftButton, {}, QPoint(9 * 8 + 2, 2 * 19 + 5));
        QCOMPARE(Form()->Model().Cursor(), 10);
        QCOMPARE(Text("CursorZeit"), QStringLiteral("09:00:00,00000"));
        QCOMPARE(Upper(3, 10), kMagenta);
        QCOMPARE(Upper(3, 1), kBlue);
        QCOMPARE(Form()->Model().Marks().MarkedRows(), std::vector<int>{3});

        Form()->Action("ZoomIn")->trigger();
        QCOMPARE(Form()->DivisionList()->currentIndex(), 2);
        QCOMPARE(Text("LinksZeit"), QStringLiteral("09:00:00,00000"));
        QCOMPARE(Text("RechtsZeit"), QStringLiteral("10:00:00,00000"));
        QCOMPARE(Lower(3, 17), QColor(Qt::white));  // message 3 High from 09:15
        QCOMPARE(Upper(1, 1), kMagenta);  // the cursor on the first data column

        Form()->TimeScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(Text("LinksZeit"), QStringLiteral("09:01:00,00000"));
        QCOMPARE(Lower(3, 16), QColor(Qt::white));  // the rise moved one column left
        QCOMPARE(Lower(3, 40), QColor(Qt::white));  // the fall at 09:40, now in column 40
        QCOMPARE(Lower(3, 41), kBlue);              // repainted where the state changed
        QCOMPARE(Lower(3, 14), kBlue);

        Form()->DivisionList()->setCurrentIndex(5);
        emit Form()->DivisionList()->activated(5);
        QCOMPARE(Form()->DivisionList()->currentIndex(), 2);  // a finer division puts the current one back
        Form()->Action("ZoomOut")->trigger();
        QCOMPARE(Text("LinksZeit"), QStringLiteral("00:00:00,00000"));

        Form()->ApplyWindowState(true, 1024);
        QCOMPARE(Form()->Model().Columns(), 110);
        QCOMPARE(Text("RechtsDatum"), QStringLiteral("05.03.2008"));

        if (qEnvironmentVariableIsSet("OVIS_SCREENSHOT_DIR")) {
            Form()->ApplyWindowState(false, 1024);
            Form()->grab().save(qEnvironmentVariable("OVIS_SCREENSHOT_DIR") + "/analyser.png");
        }
    }

    void aSelectionChangeReopensTheAnalyserInPlace() {
        QVERIFY(opener->OpenFile(0, file));
        gui::TFormAnalyser* first = Form();
        first->Action("ZoomIn")->trigger();
        first->TimeScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        first->Action("AuswahlMeldung")->trigger();
        auto* selection = first->findChild<gui::TFormAuswahl*>();
        QVERIFY(selection);
        QCOMPARE(selection->List()->count(), 3);
        QCOMPARE(selection->List()->item(0)->text(), QStringLiteral("Tür auf"));
        QCOMPARE(selection->pos(), first->frameGeometry().topLeft() + QPoint(150, 43));
        selection->List()->item(1)->setCheckState(Qt::Unchecked);
        QPointer<gui::TFormAnalyser> former(first);
        selection->UebernehmenClick();
        QTRY_VERIFY(former.isNull());
        QTRY_VERIFY(Form() != nullptr);
        QCOMPARE(Form()->Model().Division(), 3);
        QCOMPARE(Text("LinksZeit"), QStringLiteral("00:01:00,00000"));
        QCOMPARE(Form()->Model().Rows().Count(), 2);
        QCOMPARE(Form()->Model().Rows().Message(2), 3);
        QCOMPARE(openChanges, (std::vector<bool>{true, false, true}));
        SelectionTable saved;
        saved.Load(dir->path());
        QCOMPARE(int(saved.Folder(0).Shown[1]), 0);
        QCOMPARE(int(saved.Folder(0).Shown[2]), 1);
    }

    void onlyOneSelectionDialogIsOpen() {
        QVERIFY(opener->OpenFile(0, file));
        Form()->Action("AuswahlMeldung")->trigger();
        QPointer<gui::TFormAuswahl> first(Form()->findChild<gui::TFormAuswahl*>());
        QVERIFY(first);
        Form()->Action("AuswahlMeldung")->trigger();
        QTRY_VERIFY(first.isNull());
        QCOMPARE(Form()->findChildren<gui::TFormAuswahl*>().size(), qsizetype(1));
        QTest::keyClick(Form()->findChild<gui::TFormAuswahl*>(), Qt::Key_Escape);
        QTRY_COMPARE(Form()->findChildren<gui::TFormAuswahl*>().size(), qsizetype(0));
        QCOMPARE(openChanges, std::vector<bool>{true});  // Escape takes nothing over
    }

    void closingAsksAboutAModifiedBuffer() {
        QVERIFY(opener->OpenFile(0, file));
        recording->Event(3).Meldung = std::uint16_t(1 | kLevelHighBit);
        dialogs->answers = {Answer::Cancel};
        QVERIFY(!opener->CloseAnalyser());
        QVERIFY(Form() != nullptr);
        QCOMPARE(QString::fromStdString(dialogs->boxes.back().text),
                 QStringLiteral("Möchten Sie die Änderungen in \"Tag 1\" speichern?"));
        dialogs->answers = {Answer::No};
        QVERIFY(opener->CloseAnalyser());
        QVERIFY(Form() == nullptr);
        QCOMPARE(openChanges, (std::vector<bool>{true, false}));
    }

    void druckenAsksForThePreviewOfTheShownFile() {
        QVERIFY(opener->OpenFile(0, file));
        QAction* drucken = Form()->Action("Drucken");
        QVERIFY(drucken->isEnabled());
        drucken->trigger();
        QCOMPARE(printed, std::vector<std::filesystem::path>{file});
        const AnalyserPrintPicture picture = Form()->PrintPicture();
        QCOMPARE(picture.rows.size(), std::size_t(3));
        QCOMPARE(picture.rows[0].name, std::string("T\xFCr auf"));
        QCOMPARE(picture.labels[0].time, std::string("00:00:00,00000"));
    }

    void exportierenWritesTheShownRowsOrSaysWhyNot() {
        QVERIFY(opener->OpenFile(0, file));
        QAction* exportieren = Form()->Action("Exportieren");
        QVERIFY(exportieren->isEnabled());
        const auto target = *dir / "Tag 1.csv";
        Form()->chooseExportFile = [&] { return ExportTarget{target, ExportFormat::Csv}; };
        exportieren->trigger();
        QVERIFY(dialogs->boxes.empty());
        std::ifstream in(target, std::ios::binary);
        const std::string csv((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        QVERIFY(csv.starts_with("\xEF\xBB\xBF" "Datum;Uhrzeit;Nummer;Meldung;Pegel\r\n"));
        QVERIFY(csv.find("01.03.2008;02:30:00,00000;1;T\xC3\xBCr auf;High\r\n") != std::string::npos);

        Form()->chooseExportFile = [&] { return ExportTarget{*dir / "fehlt" / "Tag.vcd", ExportFormat::Vcd}; };
        exportieren->trigger();
        QCOMPARE(dialogs->boxes.size(), std::size_t(1));
        QCOMPARE(dialogs->boxes[0].kind, BoxKind::Error);
        QVERIFY(!std::filesystem::exists(*dir / "fehlt"));

        Form()->chooseExportFile = [] { return std::optional<ExportTarget>(); };  // cancelled
        exportieren->trigger();
        QCOMPARE(dialogs->boxes.size(), std::size_t(1));
    }

    void aFileWithoutEventsIsNotOpened() {
        test::WriteRecordingFile(*dir / "Leer.ofa", {TRecordingEvent{}, test::MakeEvent(0, false, At(0))});
        QVERIFY(!opener->OpenFile(0, *dir / "Leer.ofa"));
        QVERIFY(Form() == nullptr);
        QCOMPARE(QString::fromStdString(dialogs->boxes.back().text),
                 QStringLiteral("Die Datei \"Leer\" enthält keine Ereignisse und kann nicht ausgewertet werden."));
        QVERIFY(!opener->OpenFile(0, *dir / "Fehlt.ofa"));
        QCOMPARE(dialogs->boxes.back().kind, BoxKind::Error);
    }
};

QTEST_MAIN(AnalyserTest)
#include "analyser_test.moc"
