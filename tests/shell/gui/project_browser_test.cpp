// The project browser on a temporary file tree: its start, the report columns, recognising
// projects by double click, going back, typing, the path box and the view style.
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QStandardItemModel>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>
#include <fstream>

#include "shell/gui/Zel_Open.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

using namespace ovis;
using namespace ovis::gui;
namespace fs = std::filesystem;

namespace {

// base/Projekte/{Anlage, Demo (with Daten/), Entwurf (no parameters)}, and elsewhere/Projekte/Fremd
// and elsewhere/projekte/Klein.
struct Tree {
    test::TempDir root;
    fs::path base = root / "Ovis";
    fs::path elsewhere = root / "Stick";

    Tree() {
        for (const char* project : {"Anlage", "Demo"}) MakeProject(base / "Projekte" / project);
        fs::create_directories(base / "Projekte" / "Demo" / "Daten");
        std::ofstream(base / "Projekte" / "Demo" / "Daten" / "Parameter.ofp") << "x";
        fs::create_directories(base / "Projekte" / "Entwurf");
        MakeProject(elsewhere / "Projekte" / "Fremd");
        MakeProject(elsewhere / "projekte" / "Klein");
    }
    static void MakeProject(const fs::path& dir) {
        fs::create_directories(dir);
        std::ofstream(dir / "Parameter.ofp") << std::string(17592, '\0');
    }
    fs::path BaseWithSeparator() const { return base / ""; }
};

int RowOf(const TFormOpen& browser, const std::string& name) {
    for (std::size_t i = 0; i < browser.Items().size(); ++i)
        if (browser.Items()[i].name == name) return static_cast<int>(i);
    return -1;
}

void DoubleClick(TFormOpen& browser, const std::string& name) {
    const int row = RowOf(browser, name);
    QVERIFY2(row >= 0, name.c_str());
    QAbstractItemView* view = browser.ItemView();
    const QRect rect = view->visualRect(view->model()->index(row, 0));
    // The first click of a double click, then the double click itself.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}

int CurrentRow(const TFormOpen& browser) { return browser.ReportView()->selectionModel()->currentIndex().row(); }

}  // namespace

class ProjectBrowserTest : public QObject {
    Q_OBJECT

private:
    Tree tree;
    test::ScriptedDialogs dialogs;

    // A shown and active browser over the tree's base directory.
    std::unique_ptr<TFormOpen> Open() {
        auto browser = std::make_unique<TFormOpen>(tree.BaseWithSeparator(), dialogs);
        browser->show();
        browser->activateWindow();
        if (!QTest::qWaitForWindowActive(browser.get())) qWarning("browser not active");
        return browser;
    }

private slots:
    void init() { dialogs = {}; }

    void startsInTheProjectRootInReportView() {
        auto browser = Open();
        QCOMPARE(browser->windowTitle(), QStringLiteral("Projekt öffnen"));
        QVERIFY(browser->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(browser->CurrentFolder(), tree.base / "Projekte");
        QCOMPARE(browser->PathBox()->currentText(), QString::fromStdString((tree.base / "Projekte").string()));
        QVERIFY(browser->PathBox()->hasFocus() || browser->PathBox()->lineEdit()->hasFocus());
        QCOMPARE(browser->PathBox()->lineEdit()->selectedText(), browser->PathBox()->currentText());
        QCOMPARE(browser->ViewStyle(), BrowserViewStyle::Report);

        QTreeView* report = browser->ReportView();
        QCOMPARE(report->isVisible(), true);
        const QStringList headers = {"Projektname", "Größe", "Typ", "Geändert am"};
        const int widths[] = {180, 60, 100, 120};
        for (int column = 0; column < 4; ++column) {
            QCOMPARE(report->model()->headerData(column, Qt::Horizontal).toString(), headers[column]);
            QVERIFY2(report->columnWidth(column) >= widths[column], qPrintable(headers[column]));
        }
        QCOMPARE(report->model()->headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).toInt() & Qt::AlignRight,
                 int(Qt::AlignRight));
        QCOMPARE(RowOf(*browser, "Anlage"), 0);
        QCOMPARE(CurrentRow(*browser), 0);  // the first item is selected
        QVERIFY(!browser->Result().chosen);
    }

    void doubleClickingAProjectChoosesItAndKeepsTheBaseDirectory() {
        auto browser = Open();
        DoubleClick(*browser, "Demo");
        QVERIFY(browser->Result().chosen);
        QCOMPARE(browser->Result().projectName, std::string("Demo"));
        QCOMPARE(browser->Result().baseDirectory, tree.BaseWithSeparator());
        QCOMPARE(browser->result(), int(QDialog::Accepted));
        QVERIFY(!browser->isVisible());
    }

    void enterOnAProjectChoosesItToo() {
        auto browser = Open();
        browser->ItemView()->setFocus();
        QTest::keyClick(browser->ItemView(), Qt::Key_Return);
        QVERIFY(browser->Result().chosen);
        QCOMPARE(browser->Result().projectName, std::string("Anlage"));
    }

    void foldersThatAreNoProjectStayOpenWithoutChoosing() {
        struct Case {
            fs::path start;
            const char* folder;
            fs::path expectedFolder;
        };
        const Case cases[] = {
            {tree.base / "Projekte", "Entwurf", tree.base / "Projekte" / "Entwurf"},
            {tree.base / "Projekte" / "Demo", "Daten", tree.base / "Projekte" / "Demo" / "Daten"},
            {tree.elsewhere / "projekte", "Klein", tree.elsewhere / "projekte" / "Klein"},
        };
        for (const auto& c : cases) {
            auto browser = Open();
            QVERIFY(browser->OpenFolder(c.start));
            DoubleClick(*browser, c.folder);
            QVERIFY2(!browser->Result().chosen, c.folder);
            QVERIFY(browser->isVisible());
            QCOMPARE(browser->CurrentFolder(), c.expectedFolder);
            QCOMPARE(browser->Result().baseDirectory, tree.BaseWithSeparator());
        }
    }

    void aProjectInAnotherProjectRootMovesTheBaseDirectory() {
        auto browser = Open();
        QVERIFY(browser->OpenFolder(tree.elsewhere / "Projekte"));
        DoubleClick(*browser, "Fremd");
        QVERIFY(browser->Result().chosen);
        QCOMPARE(browser->Result().baseDirectory, tree.elsewhere / "");
        QCOMPARE(browser->Result().projectName, std::string("Fremd"));
    }

    void doubleClickingAFileDoesNothing() {
        auto browser = Open();
        QVERIFY(browser->OpenFolder(tree.base / "Projekte" / "Anlage"));
        DoubleClick(*browser, "Parameter.ofp");
        QVERIFY(browser->isVisible());
        QCOMPARE(browser->CurrentFolder(), tree.base / "Projekte" / "Anlage");
    }

    void backspaceAndTheBackButtonGoUpUntilTheTop() {
        auto browser = Open();
        browser->ItemView()->setFocus();
        QTest::keyClick(browser->ItemView(), Qt::Key_Backspace);
        QCOMPARE(browser->CurrentFolder(), tree.base);
        browser->BackButton()->click();
        QCOMPARE(browser->CurrentFolder(), tree.root.path());
        QVERIFY(browser->OpenFolder("/"));
        browser->BackButton()->click();  // beeps
        QCOMPARE(browser->CurrentFolder(), fs::path("/"));
    }

    void typingJumpsToTheNextMatchingItem() {
        auto browser = Open();
        browser->ItemView()->setFocus();
        QTest::keyClicks(browser->ItemView(), "d");
        QCOMPARE(browser->Items()[CurrentRow(*browser)].name, std::string("Demo"));
        QTest::keyClicks(browser->ItemView(), "e");  // "de": stays
        QCOMPARE(browser->Items()[CurrentRow(*browser)].name, std::string("Demo"));
        QTest::qWait(QApplication::keyboardInputInterval() + 50);
        QTest::keyClicks(browser->ItemView(), "E");
        QCOMPARE(browser->Items()[CurrentRow(*browser)].name, std::string("Entwurf"));
    }

    void thePathBoxOpensTypedFoldersAndKeepsVisitedOnes() {
        auto browser = Open();
        QLineEdit* edit = browser->PathBox()->lineEdit();
        QCOMPARE(QApplication::focusWidget(), browser->PathBox());  // keys reach the box first
        edit->setText(QString::fromStdString(tree.elsewhere.string()));
        QTest::keyClick(browser->PathBox(), Qt::Key_Return);
        QCOMPARE(browser->CurrentFolder(), tree.elsewhere);
        QCOMPARE(browser->PathBox()->count(), 2);
        QCOMPARE(browser->PathBox()->itemText(0), QString::fromStdString(tree.elsewhere.string()));

        edit->setText(QString::fromStdString((tree.root / "fehlt").string()));
        QTest::keyClick(browser->PathBox(), Qt::Key_Return);
        QCOMPARE(browser->CurrentFolder(), tree.elsewhere);
        QCOMPARE(dialogs.boxes.size(), std::size_t(1));
        QCOMPARE(dialogs.boxes[0].text, "Der Ordner " + (tree.root / "fehlt").string() + " wurde nicht gefunden.");

        emit browser->PathBox()->activated(1);  // the project root again
        QCOMPARE(browser->CurrentFolder(), tree.base / "Projekte");
        QCOMPARE(browser->PathBox()->count(), 2);
    }

    void closingWithAnotherVisitedFolderTypedInThePathBox() {
        auto browser = Open();
        QVERIFY(browser->OpenFolder(tree.elsewhere));
        browser->PathBox()->setFocus();
        browser->PathBox()->lineEdit()->setText(QString::fromStdString((tree.base / "Projekte").string()));
        browser.reset();  // hiding moves the focus out of the box while the dialog is destroyed
    }

    void hiddenItemsAreStruckThroughAndFoldersComeFirst() {
        std::ofstream(tree.base / "Projekte" / ".notiz") << "n";
        std::ofstream(tree.base / "Projekte" / "liesmich.txt") << "l";
        auto browser = Open();
        const auto* model = qobject_cast<const QStandardItemModel*>(browser->ReportView()->model());
        const int hidden = RowOf(*browser, ".notiz");
        QVERIFY(model->item(hidden, 0)->font().strikeOut());
        QVERIFY(!model->item(RowOf(*browser, "Anlage"), 0)->font().strikeOut());
        QVERIFY(RowOf(*browser, "Entwurf") < hidden);
        QCOMPARE(model->item(RowOf(*browser, "liesmich.txt"), 2)->text(), QStringLiteral("TXT-Datei"));
        QCOMPARE(model->item(RowOf(*browser, "liesmich.txt"), 1)->text(), QStringLiteral("1KB"));
        QCOMPARE(model->item(RowOf(*browser, "Anlage"), 1)->text(), QString());
        fs::remove(tree.base / "Projekte" / ".notiz");
        fs::remove(tree.base / "Projekte" / "liesmich.txt");
    }

    void theModificationTimeFitsItsColumnAtTheFontInUse() {
        const QFont original = QApplication::font();
        struct Restore {
            QFont font;
            ~Restore() { QApplication::setFont(font); }
        } restore{original};
        QFont large = original;
        if (original.pointSizeF() > 0)
            large.setPointSizeF(original.pointSizeF() * 2);
        else
            large.setPixelSize(original.pixelSize() * 2);
        QApplication::setFont(large);

        auto browser = Open();
        QTreeView* view = browser->ReportView();
        const QString text = view->model()->index(RowOf(*browser, "Anlage"), 3).data().toString();
        QVERIFY(!text.isEmpty());
        QVERIFY2(view->columnWidth(3) >= view->fontMetrics().horizontalAdvance(text) + 8,
                 qPrintable(QStringLiteral("%1 for %2").arg(view->columnWidth(3)).arg(text)));
        const QString title = view->model()->headerData(3, Qt::Horizontal).toString();
        QVERIFY(view->columnWidth(3) >= view->header()->fontMetrics().horizontalAdvance(title));
    }

    void theViewStyleIsRememberedForTheNextOpening() {
        {
            auto browser = Open();
            browser->ListButton()->click();
            QCOMPARE(browser->ViewStyle(), BrowserViewStyle::List);
            QVERIFY(browser->ListView()->isVisible());
            QVERIFY(!browser->ReportView()->isVisible());
        }
        auto again = Open();
        QCOMPARE(again->ViewStyle(), BrowserViewStyle::List);
        DoubleClick(*again, "Anlage");
        QVERIFY(again->Result().chosen);
        again->ReportButton()->click();
        QCOMPARE(RememberedViewStyle(), BrowserViewStyle::Report);
    }
};

QTEST_MAIN(ProjectBrowserTest)
#include "project_browser_test.moc"
