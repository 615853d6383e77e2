#include "reports/gui/analyser_picture_image.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <cstring>

#include "evaluation/analyser_cells.h"
#include "records/codepage.h"

namespace ovis::gui {
namespace {

constexpr int kNameWidth = 140;
constexpr int kDiagramWidth = kPrintColumns * kCellWidth;
constexpr int kLabelHeight = 40;
constexpr int kMargin = 4;

}  // namespace

ReportPicture AnalyserPictureImage(const AnalyserPrintPicture& picture) {
    const int diagramHeight = kPrintRows * kRowPitch;
    QImage image(kNameWidth + kDiagramWidth + 2 * kMargin + 60, diagramHeight + kLabelHeight, QImage::Format_ARGB32);
    if (image.isNull()) return {};
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QFont font(QStringLiteral("Sans Serif"));
        font.setPixelSize(14);
        painter.setFont(font);
        painter.setPen(Qt::black);
        const int left = kNameWidth;
        for (std::size_t r = 0; r < picture.rows.size(); ++r) {
            const AnalyserPrintRow& row = picture.rows[r];
            const int y = int(r) * kRowPitch;
            painter.drawText(QRect(kMargin, y, kNameWidth - 2 * kMargin, kCellHeight), Qt::AlignLeft | Qt::AlignVCenter,
                             QString::fromStdString(ToUtf8(row.name)));
            painter.fillRect(left, y + kCellHeight, kDiagramWidth, 1, Qt::lightGray);
            for (int column = 0; column < kPrintColumns; ++column)
                for (const MarkRange& mark : WhiteMarks(row.cells[std::size_t(column)]))
                    painter.fillRect(left + column * kCellWidth + mark.from, y + kMarkTop, mark.to - mark.from,
                                     kCellHeight - kMarkTop, Qt::black);
        }
        painter.drawRect(left - 1, 0, kDiagramWidth + 1, diagramHeight);
        const int xs[] = {left, left + (kPrintColumns / 2) * kCellWidth, left + kDiagramWidth};
        for (std::size_t k = 0; k < picture.labels.size(); ++k) {
            painter.fillRect(xs[k], diagramHeight, 1, 5, Qt::black);
            const QRect box(xs[k] - 60, diagramHeight + 5, 120, kLabelHeight - 5);
            painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop,
                             QString::fromStdString(picture.labels[k].date + '\n' + picture.labels[k].time));
        }
    }
    ReportPicture result;
    result.width = image.width();
    result.height = image.height();
    result.pixels.resize(std::size_t(result.width) * std::size_t(result.height));
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(result.pixels.data() + std::size_t(y) * std::size_t(result.width), image.constScanLine(y),
                    std::size_t(result.width) * 4);
    return result;
}

}  // namespace ovis::gui
