// The module settings dialog "Moduleinstellungen" in a real window (offscreen).
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>
#include <QtTest>

#include "led/gui/Zel_Moduleinstellung.h"
#include "support/menu_actions.h"

using namespace ovis;
using F = ModuleSettingField;

namespace {

// Replaces the field's text by typing, as a user who selected it would.
void Type(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

}  // namespace

class ModuleinstellungTest : public QObject {
    Q_OBJECT

    struct Setup {
        LedParameters parameters;
        gui::TFormModule form{parameters, 350};
        Setup() {
            parameters.Record().AnzahlModule = 2;
            parameters.Record().RasterX = 8;
            parameters.Record().UrsprungX = 10;
            parameters.Record().UrsprungY = 10;
            parameters.Record().AbstandX = 0;
            parameters.Record().AbstandY = 0;
            parameters.Record().Position[0].X = 123;
        parameters.Record().Position[0].Y = 45;
            form.show();
        }
    };

private slots:
    void showsTheLiveValues() {
        Setup s;
        QVERIFY(QTest::qWaitForWindowExposed(&s.form));
        QCOMPARE(s.form.windowTitle(), QStringLiteral("Moduleinstellungen"));
        QCOMPARE(s.form.CountList()->count(), 100);
        QCOMPARE(s.form.CountList()->currentText(), QStringLiteral("2"));
        QCOMPARE(s.form.Field(F::RasterX)->text(), QStringLiteral("8"));
        QCOMPARE(s.form.Field(F::UrsprungY)->text(), QStringLiteral("10"));
        s.form.grab().save(QDir::temp().filePath("ovis-moduleinstellungen.png"));
    }

    void typedValuesAreClippedAndBackspaceIsIgnored() {
        Setup s;
        QVERIFY(QTest::qWaitForWindowExposed(&s.form));
        Type(s.form.Field(F::RasterX), QStringLiteral("0"));
        QCOMPARE(s.form.Field(F::RasterX)->text(), QStringLiteral("1"));
        QCOMPARE(int(s.parameters.WorkingCopy().RasterX), 1);

        QLineEdit* y = s.form.Field(F::UrsprungY);
        Type(y, QStringLiteral("250"));
        QCOMPARE(int(s.parameters.WorkingCopy().UrsprungY), 100);
        QCOMPARE(y->text(), QStringLiteral("250"));
        QTest::keyClick(y, Qt::Key_Backspace);
        QTest::keyClick(y, Qt::Key_Delete);
        QCOMPARE(y->text(), QStringLiteral("250"));
        s.form.Field(F::AbstandX)->setFocus();  // leaving shows the stored value
        QCOMPARE(y->text(), QStringLiteral("100"));

        QLineEdit* gap = s.form.Field(F::AbstandX);
        gap->setCursorPosition(0);
        QTest::keyClicks(gap, QStringLiteral("7"));  // a digit overwrites
        QCOMPARE(gap->text(), QStringLiteral("7"));
        QCOMPARE(int(s.parameters.WorkingCopy().AbstandX), 7);
        QCOMPARE(int(s.parameters.Record().AbstandX), 0);  // not applied yet
    }

    void applyingLaysThePicturesOutAnew() {
        Setup s;
        QVERIFY(QTest::qWaitForWindowExposed(&s.form));
        s.form.CountList()->setFocus();
        QTest::keyClick(s.form.CountList(), Qt::Key_Down);  // 3 modules
        Type(s.form.Field(F::AbstandX), QStringLiteral("100"));
        test::MenuItemAction(&s.form, QStringLiteral("Übernehmen"))->trigger();
        QCOMPARE(s.form.result(), int(QDialog::Accepted));
        QVERIFY(!s.form.isVisible());
        const TLedParameterRecord& live = s.parameters.Record();
        QCOMPARE(int(live.AnzahlModule), 3);
        QCOMPARE(int(live.AbstandX), 100);
        // 350 pixels wide: x 10 and 160 fit, 310 + 50 would pass the edge.
        QCOMPARE(int(live.Position[0].X), 10);
        QCOMPARE(int(live.Position[1].X), 160);
        QCOMPARE(int(live.Position[2].X), 10);
        QCOMPARE(int(live.Position[2].Y), 80);
    }

    void cancellingDiscardsTheEdits() {
        LedParameters parameters;
        parameters.Record().AnzahlModule = 2;
        const TLedParameterRecord before = parameters.Record();
        QTimer::singleShot(0, [] {
            auto* form = qobject_cast<gui::TFormModule*>(QApplication::activeModalWidget());
            QVERIFY(form);
            form->CountList()->setFocus();
            QTest::keyClick(form->CountList(), Qt::Key_Down);
            Type(form->Field(F::RasterY), QStringLiteral("55"));
            test::MenuItemAction(form, QStringLiteral("Abbrechen"))->trigger();
        });
        QVERIFY(!gui::ShowModuleSettings(nullptr, parameters, 400));
        QVERIFY(std::memcmp(&parameters.Record(), &before, sizeof before) == 0);
        QVERIFY(std::memcmp(&parameters.WorkingCopy(), &before, sizeof before) == 0);
    }
};

QTEST_MAIN(ModuleinstellungTest)
#include "moduleinstellung_test.moc"
