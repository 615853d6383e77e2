// The system configuration dialog in a real window (offscreen).
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include "config/gui/Zel_Konfig.h"
#include "support/project_fixture.h"

using namespace ovis;

class KonfigTest : public QObject {
    Q_OBJECT

    struct Setup : test::ProjectFixture {
        ConfigurationHooks hooks;
        gui::TFormKonfig form{store, dialogs, hooks};
        Setup() {
            CreateProject("Anlage");
            store.SetCurrentProjectName("Anlage");
            store.OpenCurrentProject();
            tables->parameters.Record().Nachbarobjekt = "Anlage";
            tables->parameters.Save(store.ProjectDirectory());
        }
    };

private slots:
    void showsTheRecordOnItsPages() {
        Setup s;
        s.tables->parameters.Record().Ordner[1] = "Türen";
        s.tables->parameters.Record().Units[1] = 5;
        s.tables->parameters.Record().Modulanordnung[0] = 2;
        s.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s.form));
        QCOMPARE(s.form.windowTitle(), QStringLiteral(" Systemkonfiguration"));
        QCOMPARE(s.form.Pages()->count(), 4);
        QCOMPARE(s.form.Pages()->tabText(0), QStringLiteral("Ovis  Speicherverwaltung"));
        QCOMPARE(s.form.FolderGrid()->item(0, 0)->text(), QStringLiteral("01"));
        QCOMPARE(s.form.FolderGrid()->item(0, 2)->text(), QStringLiteral(" 5"));
        QCOMPARE(s.form.AllMessagesUnitsPanel()->text(), QStringLiteral(" 57"));
        QCOMPARE(s.form.TotalUnitsPanel()->text(), QStringLiteral(" 63"));
        QCOMPARE(s.form.ModuleGrid()->rowCount(), 8);
        QCOMPARE(s.form.ModuleGrid()->item(0, 1)->text(), QStringLiteral("OPTO-REL"));
        s.form.close();
    }

    void insertingModulesFillsTheGridAndWidensIt() {
        Setup s;
        s.form.show();
        const int narrow = s.form.ModuleGrid()->width();
        s.form.ModuleGrid()->setRangeSelected(QTableWidgetSelectionRange(0, 0, 7, 1), true);
        s.form.ModulEinfuegenClick(1);
        QCOMPARE(s.form.Model().ModuleCount(), 8);
        QCOMPARE(s.form.ModuleGrid()->width(), narrow);
        s.form.ModuleGrid()->clearSelection();
        s.form.ModuleGrid()->setRangeSelected(QTableWidgetSelectionRange(0, 0, 2, 1), true);
        s.form.ModulEinfuegenClick(3);
        QCOMPARE(s.form.Model().ModuleCount(), 11);
        QCOMPARE(s.form.ModuleGrid()->rowCount(), 11);
        QCOMPARE(s.form.ModuleGrid()->item(1, 1)->text(), QStringLiteral("RELAIS6"));
        QCOMPARE(s.form.ModuleGrid()->item(4, 1)->text(), QStringLiteral("OPTO16"));
        QCOMPARE(s.form.ModuleGrid()->item(10, 0)->text(), QStringLiteral("11"));
        QCOMPARE(s.form.ModuleGrid()->width(), narrow + 16);
        s.dialogs.answers = {Answer::No};
        s.form.close();
        QCOMPARE(s.dialogs.boxes.size(), std::size_t(1));
        QCOMPARE(s.form.Model().ModuleCount(), 0);
    }

    void memorySizeListUpdatesThePanels() {
        Setup s;
        s.form.show();
        auto* list = s.form.findChild<QListWidget*>();
        QVERIFY(list);
        list->setCurrentRow(1);
        QCOMPARE(s.form.TotalUnitsPanel()->text(), QStringLiteral(" 15"));
        QCOMPARE(s.form.AllMessagesUnitsPanel()->text(), QStringLiteral(" 14"));
        s.dialogs.answers = {Answer::Yes};
        s.form.close();
        SystemParameters file;
        file.Load(s.store.ProjectDirectory());
        QCOMPARE(file.MemorySizeCode(), 1);
    }

    void createsAFolderThroughTheMenu() {
        Setup s;
        s.form.show();
        s.dialogs.inputs = {"Antriebe"};
        s.form.OrdnerErstellenClick();
        QCOMPARE(s.form.FolderGrid()->item(0, 1)->text(), QStringLiteral("Antriebe"));
        QVERIFY(std::filesystem::is_directory(s.store.ProjectDirectory() / "Daten" / "Datenerfassung" / "Antriebe"));
        for (int page = 0; page < s.form.Pages()->count(); ++page) {
            s.form.Pages()->setCurrentIndex(page);
            s.form.grab().save(QStringLiteral("/tmp/ovis-konfig-%1.png").arg(page));
        }
        s.form.close();
    }
};

QTEST_MAIN(KonfigTest)
#include "konfig_test.moc"
