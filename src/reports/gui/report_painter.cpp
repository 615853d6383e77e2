#include "reports/gui/report_painter.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "reports/report_layout.h"

namespace ovis::gui {
namespace {

constexpr double kRuleWidthMm = 0.25;
constexpr int kPdfResolution = 300;
constexpr double kFontToLine = 0.8;  // the font's pixel size at most this share of the line height

// Millimetres on the page to the painter's device pixels: the painter's origin is the corner of
// the device's paint rectangle.
class PageMapping {
public:
    explicit PageMapping(const QPagedPaintDevice& device) {
        const QRectF paint = device.pageLayout().paintRect(QPageLayout::Millimeter);
        origin_ = paint.topLeft();
        scale_ = paint.width() > 0 ? device.width() / paint.width() : 1.0;
    }
    QRectF Rect(double x, double y, double width, double height) const {
        return {(x - origin_.x()) * scale_, (y - origin_.y()) * scale_, width * scale_, height * scale_};
    }
    double Length(double mm) const { return mm * scale_; }

private:
    QPointF origin_;
    double scale_ = 1.0;
};

// A fixed-pitch font whose characters are `characterWidth` pixels wide.
QFont FixedFont(QPaintDevice& device, double characterWidth, double lineHeight, bool bold) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setBold(bold);
    font.setPixelSize(100);
    const double advance = QFontMetricsF(font, &device).horizontalAdvance(QLatin1Char('M'));
    const double size = advance > 0 ? 100.0 * characterWidth / advance : characterWidth;
    font.setPixelSize(std::max(1, int(std::min(size, lineHeight * kFontToLine))));
    return font;
}

void PaintPage(QPainter& painter, const PageMapping& map, const LayoutPage& page, const Report& report) {
    QPaintDevice& device = *painter.device();
    const double charWidth = map.Length(kReportCharWidthMm), line = map.Length(kReportLineHeightMm);
    const QFont normal = FixedFont(device, charWidth, line, false);
    const QFont bold = FixedFont(device, charWidth, line, true);
    const QFont title = FixedFont(device, charWidth * kReportTitleScale, line * kReportTitleScale, true);
    painter.setPen(QPen(Qt::black, map.Length(kRuleWidthMm)));
    for (const LayoutItem& item : page.items) {
        const QRectF rect = map.Rect(item.x, item.y, item.width, item.height);
        switch (item.kind) {
            case LayoutItemKind::Rule: painter.drawLine(rect.topLeft(), rect.topRight()); break;
            case LayoutItemKind::Picture: {
                const auto& picture = std::get<ReportPicture>(report.blocks.at(item.block));
                if (!PictureComplete(picture)) break;
                const QImage image(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                                   picture.height, picture.width * 4, QImage::Format_ARGB32);
                painter.drawImage(rect, image);
                break;
            }
            case LayoutItemKind::Text: {
                painter.setFont(item.style == LayoutTextStyle::Title ? title
                                : item.style == LayoutTextStyle::Bold ? bold
                                                                      : normal);
                const int align = item.align == ReportAlign::Right ? Qt::AlignRight : Qt::AlignLeft;
                painter.drawText(rect, align | Qt::AlignVCenter | Qt::TextSingleLine, QString::fromUtf8(item.text));
                break;
            }
        }
    }
}

}  // namespace

bool PaintReport(QPagedPaintDevice& device, const Report& report) {
    device.setPageOrientation(report.orientation == ReportOrientation::Landscape ? QPageLayout::Landscape
                                                                                 : QPageLayout::Portrait);
    const QSizeF paper = device.pageLayout().fullRect(QPageLayout::Millimeter).size();
    const ReportLayout layout = LayoutReport(report, PageSize{paper.width(), paper.height()});
    const PageMapping map(device);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (std::size_t p = 0; p < layout.pages.size(); ++p) {
        if (p > 0 && !device.newPage()) return false;
        PaintPage(painter, map, layout.pages[p], report);
    }
    return painter.end();
}

std::optional<QByteArray> ReportPdf(const Report& report) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        writer.setTitle(QString::fromUtf8(report.title));
        writer.setCreator(QStringLiteral("Ovis"));
        if (!PaintReport(writer, report)) return std::nullopt;
    }
    return bytes;
}

}  // namespace ovis::gui
