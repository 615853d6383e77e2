// The colour dialog "Farbverteilung und Helligkeit" in a real window (offscreen).
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMenuBar>
#include <QSlider>
#include <QTimer>
#include <QtTest>

#include "led/gui/Zel_Color.h"
#include "led/gui/colour_circle.h"
#include "led/led_rows.h"
#include "support/menu_actions.h"

using namespace ovis;

namespace {

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center()); }

TLedRecord TwoColourRow() {
    TLedRecord row = NewLedRow(nullptr);
    row.AnzahlFarben = 2;
    row.Farbe[1] = 96;
    return row;
}

}  // namespace

class FarbverteilungTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheRowsParts() {
        gui::TFormColor form(TwoColourRow());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowTitle(), QStringLiteral("Farbverteilung und Helligkeit"));
        QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(form.ColourPartCountList()->currentText(), QStringLiteral("2"));
        QCOMPARE(form.ColourPartCircle(1)->Colour(), QColor(0x00, 0xFF, 0x00));
        QCOMPARE(form.ColourPartCircle(2)->Colour(), QColor(0xFF, 0x00, 0x00));
        const QColor button = form.palette().color(QPalette::Button);
        for (int part = 3; part <= kMaxColourParts; ++part) QCOMPARE(form.ColourPartCircle(part)->Colour(), button);
        QCOMPARE(form.BrightnessPartCircle(1)->Colour(), QColor(Qt::white));
        QCOMPARE(form.BrightnessPartCircle(2)->Colour(), button);
        QCOMPARE(form.CurrentColourCircle()->Colour(), QColor(0x00, 0xFF, 0x00));
        QCOMPARE(form.TrackBar()->value(), 0);
        form.grab().save(QDir::temp().filePath("ovis-farbverteilung.png"));
    }

    void clicksPaintTheParts() {
        gui::TFormColor form(TwoColourRow());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        Click(form.PaletteCircle(13));  // blue
        QCOMPARE(form.CurrentColourCircle()->Colour(), QColor(0x00, 0x00, 0xFF));
        form.ColourPartCountList()->setFocus();
        QTest::keyClick(form.ColourPartCountList(), Qt::Key_Down);  // three parts: the third is blue
        QCOMPARE(form.ColourPartCircle(3)->Colour(), QColor(0x00, 0x00, 0xFF));
        Click(form.ColourPartCircle(5));  // beyond the number: nothing
        QCOMPARE(form.ColourPartCircle(5)->Colour(), form.palette().color(QPalette::Button));

        Click(form.LevelCircle(6));
        QCOMPARE(form.TrackBar()->value(), 5);
        QCOMPARE(form.CurrentLevelCircle()->Colour(), QColor(0xAE, 0xAE, 0xAE));
        form.TrackBar()->setFocus();
        QTest::keyClick(form.TrackBar(), Qt::Key_Right);
        QCOMPARE(form.Model().CurrentLevel(), 7);
        QCOMPARE(form.CurrentLevelCircle()->Colour(), QColor(0x9D, 0x9D, 0x9D));
        form.BrightnessPartCountList()->setFocus();
        QTest::keyClick(form.BrightnessPartCountList(), Qt::Key_Down);
        QCOMPARE(form.BrightnessPartCircle(2)->Colour(), QColor(0x9D, 0x9D, 0x9D));
        form.grab().save(QDir::temp().filePath("ovis-farbverteilung-parts.png"));

        test::MenuItemAction(&form, QStringLiteral("Übernehmen"))->trigger();
        QVERIFY(form.Accepted());
        QCOMPARE(int(form.Accepted()->anzahlFarben), 3);
        QCOMPARE(int(form.Accepted()->farbe[2]), 0);
        QCOMPARE(int(form.Accepted()->anzahlHelligkeiten), 2);
        QCOMPARE(int(form.Accepted()->helligkeit[1]), 7);
    }

    void applyingChangesTheSelectedRowsWithOneUndoLevel() {
        LedTable table;
        const TLedRecord rows[] = {TwoColourRow(), NewLedRow(nullptr), TwoColourRow()};
        table.Assign(rows);
        QTimer::singleShot(0, [] {
            auto* form = qobject_cast<gui::TFormColor*>(QApplication::activeModalWidget());
            QVERIFY(form);
            Click(form->PaletteCircle(7));  // red
            Click(form->ColourPartCircle(1));
            test::MenuItemAction(form, QStringLiteral("Übernehmen"))->trigger();
        });
        int snapshots = 0;
        const std::vector<std::size_t> selected{0, 1};
        QVERIFY(gui::ShowColourDistribution(nullptr, table, 0, selected, [&] { ++snapshots; }));
        QCOMPARE(snapshots, 1);
        for (std::size_t r : selected) {
            QCOMPARE(int(table.Row(r).AnzahlFarben), 1);  // red and red collapse to one part
            QCOMPARE(int(table.Row(r).Farbe[0]), 96);
            QCOMPARE(int(table.Row(r).Farbe[1]), 255);
        }
        QCOMPARE(int(table.Row(2).AnzahlFarben), 2);
    }

    void cancellingChangesNothing() {
        LedTable table;
        const TLedRecord rows[] = {TwoColourRow()};
        table.Assign(rows);
        QTimer::singleShot(0, [] {
            auto* form = qobject_cast<gui::TFormColor*>(QApplication::activeModalWidget());
            QVERIFY(form);
            Click(form->PaletteCircle(7));
            Click(form->ColourPartCircle(1));
            test::MenuItemAction(form, QStringLiteral("Abbrechen"))->trigger();
        });
        int snapshots = 0;
        const std::vector<std::size_t> selected{0};
        QVERIFY(!gui::ShowColourDistribution(nullptr, table, 0, selected, [&] { ++snapshots; }));
        QCOMPARE(snapshots, 0);
        QCOMPARE(int(table.Row(0).Farbe[0]), 6);
    }
};

QTEST_MAIN(FarbverteilungTest)
#include "farbverteilung_test.moc"
