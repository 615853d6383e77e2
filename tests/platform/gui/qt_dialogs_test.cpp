// Message and input boxes appear above the window the user works in.
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "platform/gui/qt_dialogs.h"

using namespace ovis;

namespace {

struct OpenedBox {
    QWidget* parent = nullptr;
    bool staysOnTop = false;
    QString title;
};

// Runs `show` and reports the modal box it opened, which it then closes.
template <typename Show>
OpenedBox WhileOpen(Show show) {
    OpenedBox opened;
    QTimer::singleShot(0, [&opened] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box) return;
        opened.parent = box->parentWidget();
        opened.staysOnTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        opened.title = box->windowTitle();
        if (auto* dialog = qobject_cast<QDialog*>(box)) dialog->reject();
    });
    show();
    return opened;
}

}  // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void aBoxStaysOnTopWhileAnAlwaysOnTopEditorIsShown() {
        QWidget main;
        main.show();
        QWidget editor(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));

        gui::QtDialogs dialogs(&main);
        OpenedBox opened = WhileOpen([&] {
            dialogs.Show(BoxKind::Question, "Ovis konfigurieren  o h n e  Datensicherung ?", Buttons::YesNoCancel,
                         "Frage");
        });
        QCOMPARE(opened.title, QStringLiteral("Frage"));
        QCOMPARE(opened.parent, &main);
        QVERIFY(opened.staysOnTop);

        opened = WhileOpen([&] { dialogs.Input("Programm speichern unter...", "Programmname eintragen:", "Main"); });
        QCOMPARE(opened.title, QStringLiteral("Programm speichern unter..."));
        QVERIFY(opened.staysOnTop);

        // Without such a window a box is an ordinary one.
        editor.hide();
        opened = WhileOpen([&] { dialogs.Show(BoxKind::Warning, "Text", Buttons::Ok, "Warnung"); });
        QCOMPARE(opened.title, QStringLiteral("Warnung"));
        QVERIFY(!opened.staysOnTop);
    }

    void aBoxBelongsToTheActiveWindow() {
        QWidget main;
        main.show();
        QWidget editor(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
        editor.show();
        editor.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor));

        gui::QtDialogs dialogs(&main);
        const OpenedBox opened =
            WhileOpen([&] { dialogs.Show(BoxKind::Warning, "Text", Buttons::Ok, "Warnung"); });
        QCOMPARE(opened.parent, &editor);
        QVERIFY(opened.staysOnTop);
    }
};

QTEST_MAIN(QtDialogsTest)
#include "qt_dialogs_test.moc"
