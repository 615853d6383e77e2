#include "shell/gui/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace ovis::gui {
namespace {

using Drawing = std::function<void(QPainter&)>;

// Every picture is drawn on a 32 x 32 grid and rendered at the sizes tool bars ask for.
QIcon RenderIcon(const Drawing& draw) {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(size / 32.0, size / 32.0);
        draw(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPen Pen(const QColor& colour, qreal width = 1.2) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void Text(QPainter& p, const QRectF& box, const QString& text, const QColor& colour, int pixelSize) {
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(pixelSize);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

void Monitor(QPainter& p) {
    p.setPen(Pen(QColor(0x55, 0x55, 0x55)));
    p.setBrush(QColor(0x66, 0x66, 0x66));
    p.drawRect(QRectF(13, 24, 6, 3));
    p.drawRoundedRect(QRectF(8, 27, 16, 2.5), 1, 1);
    p.setBrush(QColor(0x10, 0x20, 0x14));
    p.drawRoundedRect(QRectF(2, 4, 28, 20), 2, 2);
}

void LiveDot(QPainter& p) {
    p.setPen(Pen(Qt::white, 1));
    p.setBrush(QColor(0xFF, 0x3B, 0x30));
    p.drawEllipse(QPointF(26, 6.5), 3.5, 3.5);
}

void SquareWave(QPainter& p, qreal low, qreal high, const QColor& colour, qreal width) {
    QPainterPath wave;
    wave.moveTo(5, low);
    for (auto [x, y] : {std::pair{9.0, low}, {9.0, high}, {15.0, high}, {15.0, low}, {20.0, low}, {20.0, high},
                        {27.0, high}})
        wave.lineTo(x, y);
    p.setPen(Pen(colour, width));
    p.setBrush(Qt::NoBrush);
    p.drawPath(wave);
}

void DrawOpenFolder(QPainter& p) {
    QPainterPath back;
    back.moveTo(3, 7);
    back.lineTo(12, 7);
    back.lineTo(14.5, 10);
    back.lineTo(27, 10);
    back.lineTo(27, 26);
    back.lineTo(3, 26);
    back.closeSubpath();
    p.setPen(Pen(QColor(0x8A, 0x65, 0x10)));
    p.setBrush(QColor(0xD9, 0xA4, 0x31));
    p.drawPath(back);
    QPolygonF front({QPointF(8, 14), QPointF(31, 14), QPointF(26.5, 27), QPointF(3, 27)});
    QLinearGradient shade(0, 14, 0, 27);
    shade.setColorAt(0, QColor(0xFF, 0xDD, 0x7A));
    shade.setColorAt(1, QColor(0xEE, 0xB8, 0x3C));
    p.setBrush(shade);
    p.drawPolygon(front);
}

void DrawSaveAs(QPainter& p) {
    p.setPen(Pen(QColor(0x1B, 0x3A, 0x66)));
    p.setBrush(QColor(0x2F, 0x5F, 0x9E));
    p.drawRoundedRect(QRectF(3, 3, 24, 24), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC8, 0xCD, 0xD3));
    p.drawRect(QRectF(9, 3.5, 12, 8));
    p.setBrush(QColor(0x2F, 0x5F, 0x9E));
    p.drawRect(QRectF(16, 4.5, 3, 6));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 15, 16, 11));
    p.setPen(Pen(QColor(0x9A, 0xA7, 0xB5), 1));
    p.drawLine(QPointF(9, 18.5), QPointF(21, 18.5));
    p.drawLine(QPointF(9, 22), QPointF(18, 22));
    // a pencil: under a new name
    p.setPen(Pen(QColor(0x7A, 0x3E, 0x00), 1));
    p.setBrush(QColor(0xF0, 0x9A, 0x28));
    p.drawPolygon(QPolygonF({QPointF(29.5, 17), QPointF(31.5, 19), QPointF(22, 28.5), QPointF(19, 29.5),
                             QPointF(20, 26.5)}));
}

void DrawGear(QPainter& p) {
    const QColor steel(0x60, 0x70, 0x82);
    p.save();
    p.translate(16, 16);
    p.setPen(Qt::NoPen);
    p.setBrush(steel);
    for (int i = 0; i < 8; ++i) {
        p.drawRoundedRect(QRectF(-3, -15, 6, 7), 1, 1);
        p.rotate(45);
    }
    p.setPen(Pen(steel.darker(140)));
    p.drawEllipse(QPointF(0, 0), 10.5, 10.5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0, 0), 4, 4);
    p.restore();
}

void DrawIo(QPainter& p) {
    p.setPen(Pen(QColor(0x1B, 0x4D, 0x1F)));
    p.setBrush(QColor(0x2E, 0x7D, 0x32));
    p.drawRoundedRect(QRectF(2.5, 4, 27, 24), 2, 2);
    p.setBrush(QColor(0xD8, 0xD8, 0xD8));
    p.setPen(Pen(QColor(0x55, 0x55, 0x55), 0.8));
    for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(7.5 + 6 * i, 8.5), 2, 2);
    Text(p, QRectF(2.5, 11, 27, 16), QStringLiteral("I/O"), Qt::white, 11);
}

void DrawGroups(QPainter& p) {
    p.setPen(Pen(QColor(0x55, 0x55, 0x55), 1.6));
    p.drawLine(QPointF(16, 11), QPointF(16, 16));
    p.drawLine(QPointF(8, 16), QPointF(24, 16));
    p.drawLine(QPointF(8, 16), QPointF(8, 21));
    p.drawLine(QPointF(24, 16), QPointF(24, 21));
    p.setPen(Pen(QColor(0x8A, 0x55, 0x00)));
    p.setBrush(QColor(0xF0, 0xA0, 0x30));
    p.drawRoundedRect(QRectF(10, 3, 12, 8), 1.5, 1.5);
    p.setPen(Pen(QColor(0x1F, 0x4F, 0x8A)));
    p.setBrush(QColor(0x4A, 0x90, 0xD9));
    p.drawRoundedRect(QRectF(2, 21, 12, 8), 1.5, 1.5);
    p.drawRoundedRect(QRectF(18, 21, 12, 8), 1.5, 1.5);
}

void DrawLed(QPainter& p) {
    p.setPen(Pen(QColor(0x44, 0x44, 0x44)));
    p.setBrush(QColor(0x1A, 0x1A, 0x1A));
    p.drawRoundedRect(QRectF(2, 3, 28, 26), 2.5, 2.5);
    // a small arrow of lit LEDs
    const bool lit[4][4] = {{0, 1, 0, 0}, {1, 1, 1, 1}, {1, 1, 1, 1}, {0, 1, 0, 0}};
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) {
            p.setBrush(lit[row][column] ? QColor(0xFF, 0x30, 0x30) : QColor(0x5A, 0x00, 0x00));
            p.drawEllipse(QPointF(7 + 6 * column, 8 + 5.4 * row), 2.3, 2.3);
        }
}

void DrawCounter(QPainter& p) {
    p.setPen(Pen(QColor(0x55, 0x55, 0x55)));
    p.setBrush(QColor(0x1E, 0x1E, 0x1E));
    p.drawRoundedRect(QRectF(1.5, 7, 29, 18), 3, 3);
    Text(p, QRectF(1.5, 7, 29, 18), QStringLiteral("123"), QColor(0x39, 0xD3, 0x53), 12);
}

void DrawTimer(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x44, 0x44, 0x44));
    p.drawRoundedRect(QRectF(13.5, 1.5, 5, 4), 1, 1);
    p.setPen(Pen(QColor(0x44, 0x44, 0x44), 2));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 18), 11.5, 11.5);
    p.setPen(Pen(QColor(0x77, 0x77, 0x77), 1.2));
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(16, 18);
        p.rotate(90 * i);
        p.drawLine(QPointF(0, -9.5), QPointF(0, -7.5));
        p.restore();
    }
    p.setPen(Pen(QColor(0x33, 0x33, 0x33), 2));
    p.drawLine(QPointF(16, 18), QPointF(21, 21));
    p.setPen(Pen(QColor(0xC6, 0x28, 0x28), 2));
    p.drawLine(QPointF(16, 18), QPointF(16, 9));
}

void DrawProgram(QPainter& p) {
    p.setPen(Pen(QColor(0x55, 0x55, 0x55)));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(6, 2.5), QPointF(21, 2.5), QPointF(26.5, 8), QPointF(26.5, 29.5), QPointF(6, 29.5)}));
    p.drawPolyline(QPolygonF({QPointF(21, 2.5), QPointF(21, 8), QPointF(26.5, 8)}));
    const std::pair<QColor, QLineF> lines[] = {
        {QColor(0x1F, 0x5A, 0xB0), QLineF(9, 12, 22, 12)},
        {QColor(0xC6, 0x28, 0x28), QLineF(12, 16, 23, 16)},
        {QColor(0x2E, 0x7D, 0x32), QLineF(12, 20, 20, 20)},
        {QColor(0x1F, 0x5A, 0xB0), QLineF(9, 24.5, 21, 24.5)},
    };
    for (const auto& [colour, line] : lines) {
        p.setPen(Pen(colour, 2));
        p.drawLine(line);
    }
}

void DrawReconfigure(QPainter& p) {
    p.setPen(Pen(QColor(0x88, 0x88, 0x88), 1.6));
    for (int i = 0; i < 3; ++i) {
        const qreal y = 16.5 + 4.5 * i;
        p.drawLine(QPointF(5, y), QPointF(9, y));
        p.drawLine(QPointF(23, y), QPointF(27, y));
    }
    p.setPen(Pen(Qt::black));
    p.setBrush(QColor(0x33, 0x33, 0x33));
    p.drawRoundedRect(QRectF(9, 13, 14, 16), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2E, 0xA0, 0x43));
    p.drawPolygon(QPolygonF({QPointF(13, 1.5), QPointF(19, 1.5), QPointF(19, 7), QPointF(23, 7), QPointF(16, 13.5),
                             QPointF(9, 7), QPointF(13, 7)}));
}

void DrawReset(QPainter& p) {
    const QColor orange(0xD8, 0x43, 0x15);
    p.setPen(Pen(orange, 3.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(5, 5, 22, 22), 100 * 16, 290 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(orange);
    p.drawPolygon(QPolygonF({QPointF(10, 1.5), QPointF(18.5, 6), QPointF(10.5, 11.5)}));
}

void DrawAnalyserOnline(QPainter& p) {
    Monitor(p);
    SquareWave(p, 18, 10, QColor(0x39, 0xD3, 0x53), 1.6);
    LiveDot(p);
}

void CounterScreen(QPainter& p) {
    Monitor(p);
    Text(p, QRectF(2, 5, 24, 18), QStringLiteral("12"), QColor(0x39, 0xD3, 0x53), 11);
}

void DrawCounterOnline(QPainter& p) {
    CounterScreen(p);
    LiveDot(p);
}

// A lift shaft with its car between two stops, live.
void DrawVisualisationOnline(QPainter& p) {
    p.setPen(Pen(QColor(0x26, 0x32, 0x38), 1.4));
    p.setBrush(QColor(0xC0, 0xC0, 0xC0));
    p.drawRect(QRectF(7, 3, 14, 26));
    p.drawLine(QPointF(7, 12), QPointF(21, 12));
    p.drawLine(QPointF(7, 21), QPointF(21, 21));
    p.setBrush(QColor(0xFF, 0xD4, 0x00));
    p.drawRect(QRectF(9.5, 13.5, 9, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x00, 0xC0, 0x00));
    p.drawPolygon(QPolygonF({QPointF(2, 9), QPointF(5.5, 9), QPointF(3.75, 5.5)}));
    p.setBrush(Qt::red);
    p.drawPolygon(QPolygonF({QPointF(2, 24), QPointF(5.5, 24), QPointF(3.75, 27.5)}));
    LiveDot(p);
}

// The counter picture while the online counter window reads: the dot turns green.
void DrawCounterOnlineActive(QPainter& p) {
    CounterScreen(p);
    p.setPen(Pen(Qt::white, 1));
    p.setBrush(QColor(0x39, 0xD3, 0x53));
    p.drawEllipse(QPointF(26, 6.5), 3.5, 3.5);
}

void DrawAnalyser(QPainter& p) {
    p.setPen(Pen(QColor(0x55, 0x55, 0x55)));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3, 3, 26, 26));
    SquareWave(p, 13, 7, QColor(0x1F, 0x5A, 0xB0), 1.6);
    SquareWave(p, 24, 18, QColor(0x22, 0x22, 0x22), 1.6);
    QPen cursor = Pen(QColor(0xC6, 0x28, 0x28), 1.2);
    cursor.setDashPattern({2, 1.5});
    p.setPen(cursor);
    p.drawLine(QPointF(18, 4), QPointF(18, 28));
}

void DrawStatistics(QPainter& p) {
    p.setPen(Qt::NoPen);
    const std::pair<QColor, QRectF> bars[] = {
        {QColor(0x4A, 0x90, 0xD9), QRectF(8, 15, 5.5, 13)},
        {QColor(0xF0, 0xA0, 0x30), QRectF(15.5, 7, 5.5, 21)},
        {QColor(0x2E, 0x7D, 0x32), QRectF(23, 19, 5.5, 9)},
    };
    for (const auto& [colour, bar] : bars) {
        p.setBrush(colour);
        p.drawRect(bar);
    }
    p.setPen(Pen(QColor(0x44, 0x44, 0x44), 1.6));
    p.drawPolyline(QPolygonF({QPointF(5, 3), QPointF(5, 28.5), QPointF(30, 28.5)}));
}

void DrawHelp(QPainter& p) {
    QLinearGradient blue(0, 3, 0, 29);
    blue.setColorAt(0, QColor(0x4D, 0x8F, 0xE6));
    blue.setColorAt(1, QColor(0x1F, 0x5A, 0xB0));
    p.setPen(Pen(QColor(0x17, 0x4A, 0x91)));
    p.setBrush(blue);
    p.drawEllipse(QPointF(16, 16), 13, 13);
    Text(p, QRectF(3, 3, 26, 26), QStringLiteral("?"), Qt::white, 19);
}

void DrawApplication(QPainter& p) {
    p.setPen(Pen(QColor(0x10, 0x16, 0x1A)));
    p.setBrush(QColor(0x26, 0x32, 0x38));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
    // an "O" in the LED matrix
    const char* rows[] = {".###.", "#...#", "#...#", "#...#", ".###."};
    p.setPen(Qt::NoPen);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c) {
            p.setBrush(rows[r][c] == '#' ? QColor(0xFF, 0xB3, 0x00) : QColor(0x55, 0x3A, 0x00));
            p.drawEllipse(QPointF(6 + 5 * c, 6 + 5 * r), 2.1, 2.1);
        }
}

}  // namespace

QIcon CommandIcon(MenuCommand command) {
    switch (command) {
        case MenuCommand::ProjektOeffnen: return RenderIcon(DrawOpenFolder);
        case MenuCommand::ProjektSpeichernUnter: return RenderIcon(DrawSaveAs);
        case MenuCommand::Systemkonfiguration: return RenderIcon(DrawGear);
        case MenuCommand::Io: return RenderIcon(DrawIo);
        case MenuCommand::Gruppen: return RenderIcon(DrawGroups);
        case MenuCommand::Led: return RenderIcon(DrawLed);
        case MenuCommand::Counter: return RenderIcon(DrawCounter);
        case MenuCommand::Timer: return RenderIcon(DrawTimer);
        case MenuCommand::Programm: return RenderIcon(DrawProgram);
        case MenuCommand::Neukonfiguration: return RenderIcon(DrawReconfigure);
        case MenuCommand::Reset: return RenderIcon(DrawReset);
        case MenuCommand::AnalyserOnline: return RenderIcon(DrawAnalyserOnline);
        case MenuCommand::CounterOnline: return RenderIcon(DrawCounterOnline);
        case MenuCommand::Analyser: return RenderIcon(DrawAnalyser);
        case MenuCommand::Statistik: return RenderIcon(DrawStatistics);
        case MenuCommand::Inhalt: return RenderIcon(DrawHelp);
        default: return {};
    }
}

QIcon ApplicationIcon() { return RenderIcon(DrawApplication); }

QIcon VisualisationOnlineIcon() { return RenderIcon(DrawVisualisationOnline); }

QIcon CounterOnlineIcon(bool reading) { return RenderIcon(reading ? DrawCounterOnlineActive : DrawCounterOnline); }

}  // namespace ovis::gui
