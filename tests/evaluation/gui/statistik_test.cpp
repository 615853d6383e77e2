// The statistics window (offscreen): each tab computed, the unit switch, entries added, edited
// and deleted, filter refusals, saving with a byte-for-byte reload, and the close question.
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimeEdit>
#include <QtTest>
#include <memory>

#include "evaluation/gui/Zel_Statistik.h"
#include "evaluation/gui/statistics_chart.h"
#include "evaluation/recording_events.h"
#include "project/project_store.h"
#include "support/file_bytes.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

using namespace ovis;

namespace {

test::EventTime At(int std, int min = 0, int sek = 0) { return {3, 1, std, min, sek * 1000}; }

}  // namespace

class StatistikTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempDir> dir;
    std::unique_ptr<ProjectTables> tables;
    std::unique_ptr<test::ScriptedDialogs> dialogs;
    std::unique_ptr<gui::TFormStatistik> form;
    std::filesystem::path file;

    QString CellText(int tab, int row, int column) const {
        const QTableWidgetItem* item = form->Table(tab)->item(row, column);
        return item ? item->text() : QString();
    }
    QString Total(int tab, int index) const { return form->TotalValue(tab, index)->text(); }
    std::vector<std::uint8_t> FileBytes() const { return test::ReadBytes(*dir / kStatisticsFileName); }

private slots:
    void init() {
        dir = std::make_unique<test::TempDir>();
        tables = std::make_unique<ProjectTables>();
        dialogs = std::make_unique<test::ScriptedDialogs>();
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
        records.push_back(test::MakeEvent(1, true, At(10)));
        records.push_back(test::MakeEvent(1, false, At(10, 0, 30)));
        records.push_back(test::MakeEvent(3, true, At(10, 59, 50)));
        records.push_back(test::MakeEvent(3, false, At(11, 0, 10)));
        records.push_back(test::MakeEvent(2, true, At(14)));
        records.push_back(test::MakeEvent(2, false, At(14, 0, 5)));
        file = *dir / "Tag 1.ofa";
        test::WriteRecordingFile(file, records);
        form = std::make_unique<gui::TFormStatistik>(*tables, *dialogs);
        QVERIFY(form->OpenFile(0, file, dir->path(), "01.03.2008"));
        form->show();
    }

    void cleanup() { form.reset(); }

    void opensOnTheMessageTabAndWritesTheDefaults() {
        QCOMPARE(form->windowTitle(), QString("Statistik     Datei : Tag 1"));
        QCOMPARE(form->Tabs()->currentIndex(), 0);
        QCOMPARE(form->Table(0)->rowCount(), 16);
        QCOMPARE(CellText(0, 0, 0), QString("001"));
        QCOMPARE(CellText(0, 0, 1), QString::fromUtf8(" Tür auf"));
        QCOMPARE(CellText(0, 3, 1), QString());
        QCOMPARE(FileBytes().size(), std::size_t(1672));
        QCOMPARE(form->DateField(2, EntryHalf::Bis)->date(), QDate(2008, 3, 1));
        QVERIFY(!form->Action("Drucken")->isEnabled());
        QVERIFY(form->Action("MeldungenAuswaehlen")->isVisible());
        QVERIFY(!form->Action("NeuerEintrag")->isVisible());
        QVERIFY(form->Action("Berechnen")->isEnabled());
    }

    void computesEachTab() {
        form->BerechnenClick();
        QCOMPARE(CellText(0, 0, 2), QString("1"));
        QCOMPARE(CellText(0, 1, 3), QString("33,3"));
        QCOMPARE(Total(0, 0), QString("3"));
        QCOMPARE(Total(0, 1), QString("01.03.08   10:00:00"));
        QCOMPARE(Total(0, 2), QString("01.03.08   14:00:00"));
        QCOMPARE(Total(0, 3), QString("5,00000"));
        QCOMPARE(Total(0, 4), QString("30,0000"));
        QCOMPARE(form->Chart(0)->Bars().size(), std::size_t(3));
        QCOMPARE(form->Chart(0)->AxisTitle(), QString("Nummer der Meldung"));

        const char* categories[] = {"", "01.03.2008  -- 01.03.2008", " 00:00:00   ---   23:59:59",
                                    "     0   ---   1000"};
        for (int tab = 1; tab < 4; ++tab) {
            form->Tabs()->setCurrentIndex(tab);
            QVERIFY(!form->Action("Berechnen")->isEnabled());
            QVERIFY(form->Action("NeuerEintrag")->isEnabled());
            form->NeuerEintragClick();
            QCOMPARE(CellText(tab, 0, 1), QString(categories[tab]));
            QVERIFY(form->Action("Berechnen")->isEnabled());
            form->BerechnenClick();
            QCOMPARE(CellText(tab, 0, 2), QString("3"));
            QCOMPARE(CellText(tab, 0, 3), QString("100"));
            QCOMPARE(Total(tab, 5), QString("18,3333"));
            QCOMPARE(form->Chart(tab)->Bars().front().percent, 100.0);
        }
        QCOMPARE(form->Action("NeuerEintrag")->text(), QString("Eintrag Dauer anlegen"));

        form->MillisekundenClick();
        QCOMPARE(form->Table(3)->horizontalHeaderItem(1)->text(), QString("Dauer (MSek)"));
        QCOMPARE(form->DurationCaption(0)->text(), QString("Dauer (MSek):"));
        form->Tabs()->setCurrentIndex(0);
        form->BerechnenClick();
        QCOMPARE(Total(0, 0), QString());  // no event of at most one second
        form->SekundenClick();
        QCOMPARE(form->Table(3)->horizontalHeaderItem(1)->text(), QString("Dauer (Sek)"));
    }

    void editsEntriesAndSavesThemByteForByte() {
        form->Tabs()->setCurrentIndex(2);
        form->OpenEntryEditor(0, 10);  // the row after the last entry: a new one
        auto* editor = qobject_cast<QTimeEdit*>(form->EntryEditor());
        QVERIFY(editor);
        editor->setTime(QTime(12, 0, 0));
        form->FinishEntryEditor();
        QCOMPARE(CellText(2, 0, 1), QString(" 12:00:00   ---   12:00:00"));
        form->OpenEntryEditor(0, 200);  // bis of entry 1
        qobject_cast<QTimeEdit*>(form->EntryEditor())->setTime(QTime(11, 0, 0));
        form->FinishEntryEditor();
        QCOMPARE(CellText(2, 0, 1), QString(" 12:00:00   ---   11:00:00"));
        form->BerechnenClick();
        QCOMPARE(dialogs->boxes.back().text, std::string("Die Tageszeit in Zeile 1 ist nicht korrekt angegeben!"));
        QCOMPARE(CellText(2, 0, 1), QString(" 12:00:00   ---   12:00:00"));
        QVERIFY(qobject_cast<QTimeEdit*>(form->EntryEditor()));
        form->NeuerEintragClick();
        form->Table(2)->setCurrentCell(0, 1);
        QVERIFY(form->Action("EintragLoeschen")->isEnabled());
        form->EintragLoeschenClick();
        QCOMPARE(CellText(2, 0, 1), QString(" 00:00:00   ---   23:59:59"));
        QCOMPARE(CellText(2, 1, 1), QString());
        form->Table(2)->setCurrentCell(1, 1);
        QVERIFY(!form->Action("EintragLoeschen")->isEnabled());

        form->SpeichernClick();
        const auto saved = FileBytes();
        QCOMPARE(saved.size(), std::size_t(1672));
        QCOMPARE(0, std::memcmp(saved.data(), &form->Settings().Record(), saved.size()));
        gui::TFormStatistik again(*tables, *dialogs);
        QVERIFY(again.OpenFile(0, file, dir->path(), "05.05.2009"));
        again.Tabs()->setCurrentIndex(2);
        QCOMPARE(again.Table(2)->item(0, 1)->text(), QString(" 00:00:00   ---   23:59:59"));
        again.SpeichernClick();
        QCOMPARE(FileBytes(), saved);
    }

    void refusesAFilterWithBisBeforeVon() {
        form->DateField(0, EntryHalf::Bis)->setDate(QDate(2008, 2, 1));
        form->FilterLeft(StatisticsFilter::Date);
        QCOMPARE(dialogs->boxes.back().text,
                 std::string("Tragen Sie im linken Feld das \"ältere Datum\" und im rechten Feld das \"jüngere Datum\" ein!!!"));
        QCOMPARE(form->DateField(0, EntryHalf::Bis)->date(), QDate(2008, 3, 1));
        form->Tabs()->setCurrentIndex(1);
        form->DurationField(1, EntryHalf::Bis)->setText("30");
        form->FilterLeft(StatisticsFilter::Duration);
        for (int tab = 0; tab < 4; ++tab) QCOMPARE(form->DurationField(tab, EntryHalf::Bis)->text(), QString("30"));
    }

    void asksBeforeClosingWithChanges() {
        form->Tabs()->setCurrentIndex(3);
        form->NeuerEintragClick();
        dialogs->answers = {Answer::Cancel};
        QVERIFY(!form->close());
        QCOMPARE(dialogs->boxes.back().text, std::string("Möchten Sie die Änderungen speichern?"));
        dialogs->answers = {Answer::No};
        QVERIFY(form->close());
        QVERIFY(!form->Settings().Changed());
        QCOMPARE(EntryCount(form->Settings().Record(), StatisticsTab::Ereignisdauer), 0);
        const std::size_t boxes = dialogs->boxes.size();
        QVERIFY(form->close());
        QCOMPARE(dialogs->boxes.size(), boxes);
    }

    void screenshot() {
        form->BerechnenClick();
        const QString path = qEnvironmentVariable("OVIS_SCREENSHOT_DIR");
        if (!path.isEmpty()) QVERIFY(form->grab().save(path + "/statistik.png"));
    }
};

QTEST_MAIN(StatistikTest)
#include "statistik_test.moc"
