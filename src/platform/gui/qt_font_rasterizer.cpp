#include "platform/gui/qt_font_rasterizer.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "platform/gui/text_conversion.h"

namespace ovis::gui {
namespace {

constexpr int kDotsPerMeterAt96Dpi = 3780;
constexpr int kMinimumHeight = 18;  // the top row is searched down to row 10, then 7 rows
constexpr int kRoomAbove = 16;

QFont QFontOf(const FontChoice& choice) {
    QFont font(FromRecord(choice.name));
    font.setPointSize(std::max(choice.pointSize, 1));
    font.setBold(choice.style & kFontBold);
    font.setItalic(choice.style & kFontItalic);
    font.setUnderline(choice.style & kFontUnderline);
    font.setStrikeOut(choice.style & kFontStrikeOut);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

}  // namespace

MonoRaster QtFontRasterizer::Draw(std::string_view text, const FontChoice& choice, int x, int y, int width) {
    const QFont font = QFontOf(choice);
    const QString shown = FromRecord(text);

    QImage image(1, 1, QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMeterAt96Dpi);
    image.setDotsPerMeterY(kDotsPerMeterAt96Dpi);
    const QFontMetrics metrics(font, &image);
    const int rasterWidth = std::max(width, x + metrics.horizontalAdvance(shown) + 1);
    const int rasterHeight = std::max(kMinimumHeight, y + metrics.height() + 1);

    // Drawn with room above the character cell: accents that rise above the font's ascent
    // (the cell of a desktop font on the original platform includes them) move the drawing down
    // instead of being cut off.
    image = QImage(rasterWidth, rasterHeight + kRoomAbove, QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMeterAt96Dpi);
    image.setDotsPerMeterY(kDotsPerMeterAt96Dpi);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(x, kRoomAbove + y + metrics.ascent(), shown);
    }
    auto dark = [&](int px, int py) { return qGray(reinterpret_cast<const QRgb*>(image.constScanLine(py))[px]) < 128; };

    int inkTop = image.height();
    for (int py = 0; py < image.height() && inkTop == image.height(); ++py)
        for (int px = 0; px < image.width(); ++px)
            if (dark(px, py)) {
                inkTop = py;
                break;
            }
    const int firstRow = std::clamp(inkTop - y, 0, kRoomAbove);

    MonoRaster raster;
    raster.width = rasterWidth;
    raster.height = rasterHeight;
    raster.dark.resize(std::size_t(raster.width) * std::size_t(raster.height));
    for (int py = 0; py < raster.height; ++py)
        for (int px = 0; px < raster.width; ++px)
            raster.dark[std::size_t(py) * std::size_t(raster.width) + std::size_t(px)] = dark(px, firstRow + py);
    return raster;
}

bool DesktopFontInstalled(const std::string& family) {
    const QString wanted = QString::fromUtf8(family);
    const QStringList families = QFontDatabase::families();
    return std::any_of(families.begin(), families.end(),
                       [&](const QString& f) { return f.compare(wanted, Qt::CaseInsensitive) == 0; });
}

}  // namespace ovis::gui
