#include "visualisation/gui/visu_picture.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPolygon>

#include "platform/gui/text_conversion.h"
#include "project/grafik_file.h"
#include "visualisation/visu_layout.h"

namespace ovis::gui {
namespace {

const QColor kPanel(0xD4, 0xD0, 0xC8);
const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kBrightGreen(0x00, 0xFF, 0x00);
const QColor kGreen(0x00, 0x80, 0x00);
const QColor kNavy(0x00, 0x00, 0x80);

QFont FixedFont(int pixelSize, bool bold = false) {
    QFont font(QStringLiteral("Monospace"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

template <std::size_t N>
QString Text(const PString<N>& text) {
    return FromRecord(GrafikTextToWindows(text.view()));
}

void PaintHeader(QPainter& p, const TGrafikRecord& record) {
    p.setPen(Qt::black);
    p.setFont(FixedFont(13, true));
    p.drawText(QRect(272, 3, 368, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Aufzugsvisualisierung"));
    p.fillRect(QRect(0, 24, 640, 4), Qt::red);
    p.fillRect(QRect(0, 30, 640, 2), Qt::red);
    p.fillRect(QRect(0, 35, 640, 17), Qt::blue);
    p.fillRect(QRect(0, 52, 640, 17), Qt::yellow);
    p.setFont(FixedFont(11));
    p.setPen(Qt::white);
    p.drawText(QRect(0, 35, 640, 17), Qt::AlignCenter, Text(record.Objektbezeichnung).trimmed());
    p.setPen(Qt::black);
    p.drawText(QRect(0, 52, 640, 17), Qt::AlignCenter, Text(record.Gruppeneinteilung).trimmed());
    p.drawLine(0, 70, 639, 70);
}

void PaintShafts(QPainter& p, const TGrafikRecord& record, const VisuScene& scene) {
    const VisuLayout& v = scene.Layout();
    p.setPen(Qt::black);
    p.drawLine(v.AreaLeft(), kVisuAreaTop, v.AreaLeft(), kVisuAreaBottom - 1);
    p.drawLine(v.AreaRight(), kVisuAreaTop, v.AreaRight(), kVisuAreaBottom - 1);
    const auto& lifts = scene.Lifts();
    for (std::size_t i = 1; i < lifts.size(); ++i) {
        if (record.Aufzug[lifts[i]][kGruppe] == record.Aufzug[lifts[i - 1]][kGruppe]) continue;
        const int x = scene.CallColumnX(int(i));
        p.drawLine(x, kVisuAreaTop, x, kVisuAreaBottom - 1);
    }
    p.setFont(FixedFont(std::clamp(v.H - 2, 7, 12)));
    p.drawLine(v.AreaLeft(), v.StopTop(v.h), v.AreaRight(), v.StopTop(v.h));
    for (int stop = 1; stop <= v.h; ++stop) {
        const int y = v.StopTop(stop);
        p.drawLine(v.AreaLeft(), y + v.H, v.AreaRight(), y + v.H);
        QString label = QString::number(stop);
        if (stop <= kVisuStops) {
            const QString designation = Text(record.HaltBezeichnung[stop - 1]).trimmed();
            if (!designation.isEmpty()) label = designation;
        }
        p.drawText(QRect(v.AreaLeft() + 1, y, v.W - 2, v.H), Qt::AlignCenter, label);
        p.drawText(QRect(v.AreaRight() - v.W + 1, y, v.W - 2, v.H), Qt::AlignCenter, label);
    }
}

void PaintTexts(QPainter& p, const TGrafikRecord& record, const VisuScene& scene) {
    p.setFont(FixedFont(10));
    p.setPen(Qt::black);
    for (int line = 0; line < kVisuTextLines; ++line) {
        const int y = kVisuAreaTop + line * kVisuTextLineHeight;
        p.drawText(QRect(1, y, kVisuTextWidth, kVisuTextLineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   Text(record.Statusmeldung[line]));
        p.setPen(Qt::darkRed);
        p.drawText(QRect(scene.Layout().AreaRight() + 2, y, kVisuTextWidth, kVisuTextLineHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, Text(record.Stoermeldung[line]));
        p.setPen(Qt::black);
    }
}

void PaintFooter(QPainter& p, const QString& footer) {
    p.fillRect(QRect(0, 460, 640, 18), Qt::blue);
    p.fillRect(QRect(0, 476, 640, 2), Qt::white);
    p.setPen(Qt::white);
    p.setFont(FixedFont(12, true));
    p.drawText(QRect(4, 460, 632, 16), Qt::AlignCenter, footer);
}

QPolygon Triangle(int x, int y, int width, int height, bool up) {
    QPolygon t;
    if (up)
        t << QPoint(x + width / 2, y) << QPoint(x + width, y + height) << QPoint(x, y + height);
    else
        t << QPoint(x, y) << QPoint(x + width, y) << QPoint(x + width / 2, y + height);
    return t;
}

void Box(QPainter& p, const QRect& r, const QColor& fill, const QColor& frame) {
    p.setPen(frame);
    p.setBrush(fill);
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

struct ElementPainter {
    QPainter& p;
    const VisuPictureInput& in;
    const VisuLayout& v = in.scene.Layout();

    bool Hidden(int kind, int index) const { return in.record.Elemente[kind - 1][index - 1].X.get() < 0; }

    // A hidden element in parameter mode; red under the cursor.
    void HiddenOutline(const QRect& r, bool marked) {
        p.setPen(QPen(marked ? Qt::red : Qt::darkGray, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }

    void Square(int kind, int index, const VisuElement& e) {
        const int size = v.groessen[kind == 4 ? 4 : 0];
        const QRect r(e.x, e.y, size, size);
        if (Hidden(kind, index)) return in.showHidden ? HiddenOutline(r, in.states.Get(kind, index) == kVisuMarked) : void();
        const int state = in.states.Get(kind, index);
        if (kind == 4) {
            if (state == kVisuMarked) return Box(p, r, Qt::red, Qt::red);
            return state == kVisuOn ? Box(p, r, Qt::yellow, Qt::gray) : Box(p, r, Qt::gray, Qt::yellow);
        }
        if (state == kVisuMarked) {
            Box(p, r, Qt::white, Qt::red);
            p.drawRect(r.adjusted(1, 1, -2, -2));
            return;
        }
        Box(p, r, state == kVisuOn ? kBrightGreen : QColor(Qt::white), Qt::black);
    }

    void CallTriangle(int index, const VisuElement& e) {
        const int width = v.triangle;
        const int height = std::max(2, v.groessen[3]);
        if (Hidden(3, index))
            return in.showHidden ? HiddenOutline(QRect(e.x, e.y, width, height), in.states.Get(3, index) == kVisuMarked) : void();
        const int state = in.states.Get(3, index);
        const bool up = index % 2 == 1;
        const QColor on = up ? QColor(Qt::red) : kBrightGreen;
        p.setPen(state == kVisuMarked ? QPen(Qt::blue, 2) : QPen(Qt::black));
        p.setBrush(state == kVisuOn ? on : QColor(Qt::white));
        p.drawPolygon(Triangle(e.x, e.y, width, height, up));
    }

    QRect FieldRect(const VisuElement& e) const { return QRect(e.x, e.y, std::max(2, v.W - 4), std::max(2, v.H - 1)); }

    void Shaft(int index, const VisuElement& e) {
        const auto& all = in.scene.Elements(6);
        const int state = in.states.Get(6, index);
        const int tw = v.groessen[6], th = v.groessen[7];
        switch (e.part) {
            case ShaftPart::Field: {
                const QRect r = FieldRect(e);
                if (Hidden(6, index)) return in.showHidden ? HiddenOutline(r, state == kVisuMarked) : void();
                Box(p, r, state == kVisuOff ? kSilver : QColor(Qt::yellow), state == kVisuMarked ? Qt::red : Qt::gray);
                return;
            }
            case ShaftPart::DownTriangle:
            case ShaftPart::UpTriangle: {
                if (Hidden(6, index)) return;
                const bool up = e.part == ShaftPart::UpTriangle;
                p.setPen(Qt::black);
                p.setBrush(state == kVisuOn ? (up ? kGreen : QColor(Qt::red)) : kSilver);
                p.drawPolygon(Triangle(e.x + 1, e.y + (v.H - th) / 2, tw - 2, th, up));
                return;
            }
            default: break;
        }
        if (Hidden(6, index)) return;
        // Indicators and the marker act on the lift's fields that are not silver.
        for (std::size_t k = 0; k < all.size(); ++k) {
            const VisuElement& field = all[k];
            if (field.lift != e.lift || field.part != ShaftPart::Field) continue;
            if (in.states.Get(6, int(k) + 1) == kVisuOff) continue;
            const QRect r = FieldRect(field);
            const int w = std::max(2, r.width() / 5);
            if (e.part == ShaftPart::Indicator1)
                Box(p, QRect(r.left() + 1, r.top() + 1, w, r.height() - 2), state == kVisuOn ? kNavy : QColor(Qt::yellow), Qt::black);
            else if (e.part == ShaftPart::Indicator2)
                Box(p, QRect(r.right() - w, r.top() + 1, w, r.height() - 2), state == kVisuOn ? kNavy : QColor(Qt::yellow), Qt::black);
            else if (state == kVisuOn)
                p.fillRect(QRect(r.center().x() - w / 2, r.top() + 2, w, std::max(1, r.height() - 4)), Qt::red);
        }
        if (e.part == ShaftPart::Marker) Box(p, QRect(e.x, e.y + 2, std::max(3, v.W / 3), std::max(3, v.H / 3)), state == kVisuOn ? QColor(Qt::red) : QColor(Qt::yellow), Qt::black);
    }
};

}  // namespace

void PaintVisuPicture(QPainter& p, const VisuPictureInput& in) {
    p.fillRect(QRect(0, 0, kVisuPictureWidth, kVisuPictureHeight), kPanel);
    PaintHeader(p, in.record);
    PaintShafts(p, in.record, in.scene);
    PaintTexts(p, in.record, in.scene);
    ElementPainter elements{p, in};
    for (int kind : {6, 3, 1, 2, 4}) {
        const auto& list = in.scene.Elements(kind);
        for (std::size_t k = 0; k < list.size(); ++k) {
            const int index = int(k) + 1;
            if (kind == 6)
                elements.Shaft(index, list[k]);
            else if (kind == 3)
                elements.CallTriangle(index, list[k]);
            else
                elements.Square(kind, index, list[k]);
        }
    }
    PaintFooter(p, in.footer);
}

QImage RenderVisuPicture(const VisuPictureInput& input) {
    QImage image(kVisuPictureWidth, kVisuPictureHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintVisuPicture(painter, input);
    return image;
}

}  // namespace ovis::gui
