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

QFont QFontOf(const FontSpec& spec) {
    QFont font(FromRecord(spec.name));
    font.setPointSize(std::max(spec.pointSize, 1));
    font.setBold(spec.style & kFontBold);
    font.setItalic(spec.style & kFontItalic);
    font.setUnderline(spec.style & kFontUnderline);
    font.setStrikeOut(spec.style & kFontStrikeOut);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

}  // namespace

MonoRaster QtFontRasterizer::Draw(std::string_view text, const FontSpec& spec, int x, int y, int width) {
    const QFont font = QFontOf(spec);
    const QString shown = FromRecord(text);

    QImage probe(1, 1, QImage::Format_RGB32);
    probe.setDotsPerMeterX(kDotsPerMeterAt96Dpi);
    probe.setDotsPerMeterY(kDotsPerMeterAt96Dpi);
    const QFontMetrics metrics(font, &probe);
    const int imageWidth = std::max(width, x + metrics.horizontalAdvance(shown) + 1);
    const int imageHeight = std::max(kMinimumHeight, y + metrics.height() + 1);

    QImage image(imageWidth, imageHeight, QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMeterAt96Dpi);
    image.setDotsPerMeterY(kDotsPerMeterAt96Dpi);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(x, y + QFontMetrics(font, &image).ascent(), shown);
    }

    MonoRaster raster;
    raster.width = image.width();
    raster.height = image.height();
    raster.dark.resize(std::size_t(raster.width) * std::size_t(raster.height));
    for (int py = 0; py < raster.height; ++py) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(py));
        for (int px = 0; px < raster.width; ++px)
            raster.dark[std::size_t(py) * std::size_t(raster.width) + std::size_t(px)] = qGray(line[px]) < 128;
    }
    return raster;
}

bool DesktopFontInstalled(const std::string& family) {
    const QString wanted = QString::fromUtf8(family);
    const QStringList families = QFontDatabase::families();
    return std::any_of(families.begin(), families.end(),
                       [&](const QString& f) { return f.compare(wanted, Qt::CaseInsensitive) == 0; });
}

}  // namespace ovis::gui
