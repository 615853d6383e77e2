#pragma once
// Paints the visualisation's 640 x 480 picture: header bands, shafts with their stop lines and
// numbers, status and fault texts, the footer band and every element in its state.
#include <QString>

#include "project/grafik_record.h"
#include "visualisation/visu_scene.h"
#include "visualisation/visu_states.h"

class QPainter;
class QImage;

namespace ovis::gui {

struct VisuPictureInput {
    const TGrafikRecord& record;
    const VisuScene& scene;
    const VisuStates& states;
    bool showHidden = false;  // parameter mode: hidden elements drawn as dotted outlines
    QString footer;           // the text of the footer band (the replay's time and state)
};

// Paints in picture coordinates (0..639, 0..479).
void PaintVisuPicture(QPainter& painter, const VisuPictureInput& input);
// The picture as an image of 640 x 480 pixels.
QImage RenderVisuPicture(const VisuPictureInput& input);

}  // namespace ovis::gui
