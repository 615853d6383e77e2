#pragma once
// Draws the analyser's printed picture in black on white into an image held in memory: the names
// at the left, the cells in the diagram's mark geometry, the date and time labels below.
#include "evaluation/analyser_print_picture.h"
#include "reports/report_model.h"

namespace ovis::gui {

// An empty picture (width 0) when the image could not be made.
ReportPicture AnalyserPictureImage(const AnalyserPrintPicture& picture);

}  // namespace ovis::gui
