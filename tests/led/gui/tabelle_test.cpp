// The LED table editor driving the main window's display panel, in the composed program on the
// demo project (offscreen).
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>

#include "led/gui/Zel_Tabelle.h"
#include "led/gui/led_display_panel.h"
#include "led/led_columns.h"
#include "led/led_font.h"
#include "project/project_store.h"
#include "records/typed_file.h"
#include "shell/demo_project.h"
#include "shell/start_view_display.h"
#include "shell/gui/Zel_Menuseite.h"
#include "shell/gui/application_windows.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

using namespace ovis;
using namespace ovis::gui;
namespace col = ovis::led_column;

namespace {

struct Program {
    test::TempDir base;
    std::unique_ptr<ProjectTables> tables = std::make_unique<ProjectTables>();
    test::ScriptedDialogs dialogs;
    std::unique_ptr<ProjectStore> store;
    std::unique_ptr<ApplicationWindows> windows;

    Program() {
        CreateDemoBase(base.path());
        store = std::make_unique<ProjectStore>(*tables, dialogs, base.path());
        windows = std::make_unique<ApplicationWindows>(*store, dialogs);
        windows->Show();
        windows->MainForm().Model().ChooseProject(base.path(), kDemoProjectName);
        if (!windows->MainForm().Model().OpenChosenProject()) qWarning("the demo project did not open");
        windows->MainForm().RefreshStates();
    }
    TMainForm& Main() { return windows->MainForm(); }
    TFormTabelle& Editor() { return windows->Tabelle(); }
    LedDisplayPanel* Panel() { return Main().LedPanel(); }

    void OpenEditor() {
        Main().Action(MenuCommand::Led)->trigger();
        QTRY_VERIFY(Editor().isVisible());
    }
    void ClickCell(int row, int column) {
        QTableView* view = Editor().Grid()->View();
        const QPoint at = Editor().Grid()->CellRect(row, column).center();
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
    }
    // A click on LED column 1..5 of a module picture (0-based module).
    void ClickModule(int module, int column, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(Panel(), Qt::LeftButton, modifiers, Panel()->LedCentre(module, column, 4));
    }
    TLedRecord& Row(std::size_t i) { return tables->led.Row(i); }
    // Answers the next message box of the editor with the button of that text; returns its text.
    QString AnswerNextBox(const QString& button, const std::function<void()>& action) {
        QString text;
        QTimer::singleShot(0, [&] { AnswerWhenShown(button, text); });
        action();
        return text;
    }

private:
    void AnswerWhenShown(const QString& button, QString& text) {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, [this, button, &text] { AnswerWhenShown(button, text); });
            return;
        }
        text = box->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == button) b->click();
    }
};

}  // namespace

class TabelleTest : public QObject {
    Q_OBJECT
private slots:
    void openingShowsTheEditingLineAndTheModulePictures() {
        Program p;
        QVERIFY(!p.Main().LedEditingLine()->isVisible());
        p.OpenEditor();
        QCOMPARE(p.Editor().windowTitle(), QStringLiteral(" LED"));
        QVERIFY(p.Main().LedEditingLine()->isVisible());
        QVERIFY(p.Panel()->Editing());
        QCOMPARE(p.Panel()->ModuleCount(), 12);
        QCOMPARE(p.Panel()->ModuleRect(1), QRect(60, 5, 50, 70));
        QCOMPARE(p.Editor().Grid()->View()->model()->columnCount(), 15);
        QCOMPARE(p.Main().LedText()->text(), QString::fromLatin1(p.Row(0).Text.str().c_str()));
        QVERIFY(p.Main().LedText()->isEnabled());
        QVERIFY(p.Main().Model().EditorOpen(EditorSlot::LedEditor));

        p.Editor().close();
        QVERIFY(!p.Editor().isVisible());
        QVERIFY(!p.Main().LedEditingLine()->isVisible());
        QVERIFY(!p.Panel()->Editing());
        QVERIFY(!p.Main().Model().EditorOpen(EditorSlot::LedEditor));
    }

    void typeShowSelectMirrorSaveAndReload() {
        Program p;
        p.OpenEditor();
        p.Editor().NewMessageAction()->trigger();
        QCOMPARE(p.tables->led.Count(), std::size_t(2));
        p.ClickCell(1, col::kName);

        // Type a text and show it.
        QLineEdit* text = p.Main().LedText();
        text->setFocus();
        text->selectAll();
        QTest::keyClicks(text, QStringLiteral("HALLO"));
        QTest::mouseClick(p.Main().ShowTextButton(), Qt::LeftButton);
        QCOMPARE(p.Row(1).Text.str(), std::string("HALLO"));
        for (int i = 0; i < 5; ++i) QCOMPARE(p.Panel()->Frame().columns[std::size_t(i)], StandardGlyph('H')[std::size_t(i)]);
        QCOMPARE(p.Panel()->Frame().columns[5], StandardGlyph('A')[0]);
        QCOMPARE(p.Panel()->Frame().columns[25], std::uint8_t(0));

        // Column 3 of module 1, then Shift+click on column 2 of module 2: columns 3 to 7.
        p.ClickModule(0, 3);
        p.ClickModule(1, 2, Qt::ShiftModifier);
        QCOMPARE(p.Editor().Model().ColumnSelection().Columns(), (std::vector<int>{3, 4, 5, 6, 7}));
        QVERIFY(p.Panel()->Frame().selected[2]);
        QVERIFY(!p.Panel()->Frame().selected[7]);

        // The context menu: several columns disable the single-column commands.
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, p.Panel()->LedCentre(0, 3, 3),
                                    p.Panel()->mapToGlobal(p.Panel()->LedCentre(0, 3, 3)));
        QApplication::sendEvent(p.Panel(), &menuEvent);
        QTRY_VERIFY(p.Editor().PictureMenu()->isVisible());
        QVERIFY(p.Editor().CopyColumnsAction()->isEnabled());
        QVERIFY(!p.Editor().PasteColumnsAction()->isEnabled());
        QVERIFY(!p.Editor().InsertColumnAction()->isEnabled());
        p.Editor().PictureMenu()->hide();

        p.Editor().MirrorVerticalAction()->trigger();
        const Glyph h = StandardGlyph('H');
        const Glyph a = StandardGlyph('A');
        QCOMPARE(p.Row(1).Spalten[2], a[1]);
        QCOMPARE(p.Row(1).Spalten[3], a[0]);
        QCOMPARE(p.Row(1).Spalten[4], h[4]);
        QCOMPARE(p.Row(1).Spalten[5], h[3]);
        QCOMPARE(p.Row(1).Spalten[6], h[2]);
        QCOMPARE(p.Panel()->Frame().columns[3], a[0]);
        const std::vector<std::uint8_t> picture(p.Row(1).Spalten, p.Row(1).Spalten + kLedColumns);

        // Save and read the file back.
        p.Editor().SaveAction()->trigger();
        QVERIFY(!p.Editor().Model().Table().HasUnsavedChanges());
        QVERIFY(p.Main().Action(MenuCommand::Neukonfiguration)->isEnabled());
        p.Editor().close();
        QVERIFY(!p.Editor().isVisible());

        LedTable reread;
        reread.Load(ResolveInDirectory(p.store->ProjectDirectory(), kLedFileName));
        QCOMPARE(reread.Row(1).Text.str(), std::string("HALLO"));
        QVERIFY(std::equal(picture.begin(), picture.end(), reread.Row(1).Spalten));
        QCOMPARE(int(reread.Row(1).LetzteSpalte), 25);

        // Reopened, the row shows its text and is known as edited by hand: showing the text
        // again asks first.
        p.OpenEditor();
        p.ClickCell(1, col::kName);
        QCOMPARE(text->text(), QStringLiteral("HALLO"));
        const QString question = p.AnswerNextBox(
            QStringLiteral("Nein"), [&] { QTest::mouseClick(p.Main().ShowTextButton(), Qt::LeftButton); });
        QCOMPARE(question, QStringLiteral("Soll die LED - Anzeige aktualisiert werden? Alle vorherigen Werte gehen dabei verloren!"));
        QVERIFY(std::equal(picture.begin(), picture.end(), p.Row(1).Spalten));
    }

    void afterClosingThePanelShowsTheStartView() {
        Program p;
        p.OpenEditor();
        p.ClickCell(0, col::kName);  // one display column selected in the editor
        p.ClickModule(0, 3);
        QVERIFY(p.Panel()->Frame().selected[2]);
        QCOMPARE(p.Panel()->Frame().dark, std::uint32_t(0x505050));
        p.Editor().close();
        QVERIFY(!p.Editor().isVisible());
        QApplication::processEvents();
        const LedFrame start =
            StartViewFrame(p.tables->led, p.tables->ledParameters.WorkingCopy().ModuleFarbe[0]);
        QVERIFY(p.Panel()->Frame().columns == start.columns);
        QCOMPARE(p.Panel()->Frame().dark, start.dark);
        QVERIFY(!p.Panel()->Frame().selected[2]);
    }

    void theColumnTitlesDoNotOverlap() {
        Program p;
        p.OpenEditor();
        QList<QLabel*> labels = p.Editor().Grid()->findChildren<QLabel*>();
        std::sort(labels.begin(), labels.end(), [](QLabel* a, QLabel* b) { return a->x() < b->x(); });
        QStringList texts;
        for (int i = 0; i < labels.size(); ++i) {
            texts << labels[i]->text();
            QVERIFY2(labels[i]->width() >= labels[i]->fontMetrics().horizontalAdvance(labels[i]->text()),
                     qPrintable(labels[i]->text()));
            if (i > 0)
                QVERIFY2(labels[i]->x() >= labels[i - 1]->x() + labels[i - 1]->width(),
                         qPrintable(labels[i - 1]->text() + " / " + labels[i]->text()));
        }
        QVERIFY(texts.contains(QStringLiteral("Farbe/Helligkeit")));
        QVERIFY(texts.contains(QStringLiteral("Verzögerung")));
    }

    void draggingAModuleSnapsItToTheGrid() {
        Program p;
        p.OpenEditor();
        p.tables->ledParameters.Record().RasterX = 10;
        p.tables->ledParameters.Record().RasterY = 10;
        const QPoint from = p.Panel()->ModuleRect(0).topLeft() + QPoint(20, 20);
        QTest::mousePress(p.Panel(), Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(from + QPoint(33, 27)), p.Panel()->mapToGlobal(QPointF(from + QPoint(33, 27))),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(p.Panel(), &move);
        QTest::mouseRelease(p.Panel(), Qt::LeftButton, {}, from + QPoint(33, 27));
        QCOMPARE(int(p.tables->ledParameters.Record().Position[0].X), 40);  // 5 + 33 = 38
        QCOMPARE(int(p.tables->ledParameters.Record().Position[0].Y), 30);  // 5 + 27 = 32
        QCOMPARE(p.Panel()->ModuleRect(0).topLeft(), QPoint(40, 30));
        QVERIFY(p.Editor().Model().ColumnSelection().Columns().empty());  // a drag selects nothing
        QVERIFY(p.Editor().Model().Table().HasUnsavedChanges());
    }

    // With OVIS_SCREENSHOT set to a .png path: the main window and the editor ("-led") as a user
    // sees them with a selection on the display.
    void screenshot() {
        const QString target = QString::fromLocal8Bit(qgetenv("OVIS_SCREENSHOT"));
        if (target.isEmpty()) QSKIP("OVIS_SCREENSHOT not set");
        Program p;
        p.Main().resize(1200, 700);
        p.OpenEditor();
        p.ClickCell(0, col::kName);
        p.ClickModule(1, 1);
        p.ClickModule(1, 5, Qt::ShiftModifier);
        p.Editor().ModuleNameAction()->setChecked(false);
        QVERIFY(p.Main().grab().save(target));
        QString editor = target;
        QVERIFY(p.Editor().grab().save(editor.insert(editor.lastIndexOf(QLatin1Char('.')), QLatin1String("-led"))));
    }
};

QTEST_MAIN(TabelleTest)
#include "tabelle_test.moc"
