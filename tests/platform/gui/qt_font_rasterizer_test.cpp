// Desktop fonts drawn with Qt: black on white without smoothing, at the asked position, in the
// asked style; the LED picture rule applies to the drawing.
#include <QtTest>

#include "led/led_picture.h"
#include "platform/gui/qt_font_rasterizer.h"

using ovis::FontChoice;
using ovis::MonoRaster;
using ovis::gui::QtFontRasterizer;

namespace {

int DarkPixels(const MonoRaster& raster) { return int(std::count(raster.dark.begin(), raster.dark.end(), true)); }

// The leftmost and topmost dark pixel.
QPoint FirstDark(const MonoRaster& raster) {
    QPoint first(raster.width, raster.height);
    for (int y = 0; y < raster.height; ++y)
        for (int x = 0; x < raster.width; ++x)
            if (raster.Dark(x, y)) first = QPoint(std::min(first.x(), x), std::min(first.y(), y));
    return first;
}

const FontChoice kDejaVu{"DejaVu Sans", 7, 0};

}  // namespace

class QtFontRasterizerTest : public QObject {
    Q_OBJECT

private slots:
    void drawsWithinTheRasterFromTheGivenPosition() {
        QtFontRasterizer rasterizer;
        const MonoRaster raster = rasterizer.Draw("HALLO", kDejaVu, 1, 1, 1276);
        QCOMPARE(raster.width, 1276);
        QVERIFY(raster.height >= 18);
        QVERIFY(DarkPixels(raster) > 20);
        const QPoint first = FirstDark(raster);
        QVERIFY(first.x() >= 1 && first.x() <= 3);
        QVERIFY(first.y() >= 1 && first.y() <= 10);
        // Moved one pixel right, the drawing moves with it.
        QCOMPARE(FirstDark(rasterizer.Draw("HALLO", kDejaVu, 2, 1, 1276)).x(), first.x() + 1);
    }

    void styleBitsChangeTheDrawing() {
        QtFontRasterizer rasterizer;
        const MonoRaster plain = rasterizer.Draw("HALLO", kDejaVu, 1, 1, 1276);
        const MonoRaster bold = rasterizer.Draw("HALLO", {kDejaVu.name, 7, ovis::kFontBold}, 1, 1, 1276);
        const MonoRaster underlined = rasterizer.Draw("HALLO", {kDejaVu.name, 7, ovis::kFontUnderline}, 1, 1, 1276);
        QVERIFY(DarkPixels(bold) > DarkPixels(plain));
        QVERIFY(DarkPixels(underlined) > DarkPixels(plain));
    }

    void accentsAreNeverCutOff() {
        QtFontRasterizer rasterizer;
        const MonoRaster umlaut = rasterizer.Draw("\xC4", kDejaVu, 1, 1, 40);  // Ä
        const MonoRaster plain = rasterizer.Draw("A", kDejaVu, 1, 1, 40);
        QVERIFY(FirstDark(umlaut).y() >= 1);
        QVERIFY(DarkPixels(umlaut) > DarkPixels(plain));
    }

    void codePageTextAndTheLedPicture() {
        QtFontRasterizer rasterizer;
        const ovis::LedPicture umlauts = ovis::DesktopFontPicture(rasterizer, "\xC4\xD6\xDC", kDejaVu);  // ÄÖÜ
        const ovis::LedPicture plain = ovis::DesktopFontPicture(rasterizer, "AOU", kDejaVu);
        QVERIFY(ovis::LastLitColumn(umlauts) > 10);
        QVERIFY(umlauts != plain);
        QCOMPARE(ovis::LastLitColumn(ovis::DesktopFontPicture(rasterizer, "   ", kDejaVu)), 0);
    }

    void installedFonts() {
        QVERIFY(ovis::gui::DesktopFontInstalled("dejavu sans"));
        QVERIFY(!ovis::gui::DesktopFontInstalled("Keine Solche Schrift"));
    }
};

QTEST_MAIN(QtFontRasterizerTest)
#include "qt_font_rasterizer_test.moc"
