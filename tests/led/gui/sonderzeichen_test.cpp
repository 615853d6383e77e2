// The pixel editor "Modul bearbeiten" in a real window (offscreen).
#include <QDir>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include <vector>

#include "led/gui/Zel_Sonderzeichen.h"
#include "led/gui/colour_circle.h"
#include "project/led_record.h"

using namespace ovis;

namespace {

constexpr LedShades kShades{0x00FF00, 0x505050};

QAction* BarAction(QWidget* form, const QString& text) {
    for (QAction* item : form->findChild<QMenuBar*>()->actions())
        if (item->text() == text) return item;
    return nullptr;
}

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center()); }

// A picture with an "A" in the second module (columns 6 to 10).
std::vector<std::uint8_t> PictureWithA() {
    std::vector<std::uint8_t> picture(kLedColumns, 0);
    const std::uint8_t a[] = {0x3F, 0x48, 0x48, 0x48, 0x3F};
    std::copy(std::begin(a), std::end(a), picture.begin() + 5);
    return picture;
}

struct Session {
    std::vector<std::uint8_t> picture = PictureWithA();
    int applied = 0;
    bool handEdited = false;
    int closed = 0;
    QPointer<gui::TFormSonderZchn> form;

    void Open(int column, int scroll) {
        form = gui::ShowModulePixelEditor(
            nullptr, picture, column, scroll, kShades,
            [this](const ModulePixels& pixels) {
                ++applied;
                handEdited = pixels.WriteTo(picture);
            },
            [this] { ++closed; });
    }
    void WaitForDeletion() {
        QTRY_VERIFY(form.isNull());
    }
};

}  // namespace

class SonderzeichenTest : public QObject {
    Q_OBJECT

private slots:
    void opensTheModuleOfTheSelectedColumn() {
        Session s;
        s.Open(8, 0);
        QVERIFY(QTest::qWaitForWindowExposed(s.form));
        QCOMPARE(s.form->windowTitle(), QStringLiteral("Modul bearbeiten"));
        QCOMPARE(s.form->Model().FirstColumn(), 6);
        QCOMPARE(s.form->Led(1)->Colour(), QColor(0x50, 0x50, 0x50));  // the A's column 1: 3F
        QCOMPARE(s.form->Led(2)->Colour(), QColor(0x00, 0xFF, 0x00));
        QCOMPARE(s.form->Led(8)->Colour(), QColor(0x00, 0xFF, 0x00));  // column 2: 48
        QCOMPARE(s.form->Led(9)->Colour(), QColor(0x50, 0x50, 0x50));
        s.form->grab().save(QDir::temp().filePath("ovis-modul-bearbeiten.png"));
        BarAction(s.form, QStringLiteral("Abbrechen"))->trigger();
        s.WaitForDeletion();
        QCOMPARE(s.closed, 1);
        QCOMPARE(s.applied, 0);
    }

    void drawingAndApplyingMarksTheRowHandEdited() {
        Session s;
        s.Open(10, 0);
        QVERIFY(QTest::qWaitForWindowExposed(s.form));
        Click(s.form->Led(1));  // lit now
        QCOMPARE(s.form->Led(1)->Colour(), QColor(0x00, 0xFF, 0x00));
        Click(s.form->AllOrNoneButton());  // circle 1 lit: all dark
        for (int circle = 1; circle <= kModuleLeds; ++circle) QVERIFY(!s.form->Model().Lit(circle));
        Click(s.form->AllOrNoneButton());
        for (int circle = 1; circle <= kModuleLeds; ++circle) QVERIFY(s.form->Model().Lit(circle));
        BarAction(s.form, QStringLiteral("Übernehmen"))->trigger();
        s.WaitForDeletion();
        QCOMPARE(s.applied, 1);
        QVERIFY(s.handEdited);
        QCOMPARE(s.closed, 1);
        for (int c = 5; c < 10; ++c) QCOMPARE(int(s.picture[std::size_t(c)]), 0x7F);
        QCOMPARE(int(s.picture[10]), 0);
    }

    void applyingWithoutAChangeIsNotAHandEdit() {
        Session s;
        s.Open(6, 0);
        QVERIFY(QTest::qWaitForWindowExposed(s.form));
        Click(s.form->Led(5));
        Click(s.form->Led(5));
        BarAction(s.form, QStringLiteral("Übernehmen"))->trigger();
        s.WaitForDeletion();
        QCOMPARE(s.applied, 1);
        QVERIFY(!s.handEdited);
        QCOMPARE(int(s.picture[5]), 0x3F);
    }

    void switchingToAnotherWindowDiscardsTheDrawing() {
        QWidget other;
        other.resize(200, 100);
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        Session s;
        s.Open(8, 0);
        QVERIFY(QTest::qWaitForWindowActive(s.form));
        Click(s.form->Led(1));
        other.activateWindow();
        s.WaitForDeletion();
        QCOMPARE(s.applied, 0);
        QCOMPARE(s.closed, 1);
        QCOMPARE(int(s.picture[5]), 0x3F);
    }
};

QTEST_MAIN(SonderzeichenTest)
#include "sonderzeichen_test.moc"
