#pragma once
// Draws a report's layout with QPainter on a paged device: a printer, the print preview or a PDF
// writer. Needs only QtGui, so that ovisctl writes PDF files offscreen.
#include <QByteArray>
#include <optional>

#include "reports/report_model.h"

class QPagedPaintDevice;

namespace ovis::gui {

// Turns the device's paper to the report's orientation, lays the report out on it and draws
// every page. False when the device could not be painted on.
bool PaintReport(QPagedPaintDevice& device, const Report& report);

// The report as a PDF document on A4; nothing when it could not be drawn.
std::optional<QByteArray> ReportPdf(const Report& report);

}  // namespace ovis::gui
