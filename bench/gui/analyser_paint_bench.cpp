// Painting the analyser's diagram (offscreen) over a full recording with 200 shown messages at
// N = 110: a full repaint with 33 visible rows, and a cursor step (the former and the new cursor
// column). Target: together under one 60 Hz frame (16.7 ms).
//
//   QT_QPA_PLATFORM=offscreen ./analyser_paint_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <memory>

#include "gui_bench.h"
#include "../analyser_bench_recording.h"
#include "evaluation/analyser_cells.h"
#include "evaluation/analyser_model.h"
#include "evaluation/gui/analyser_diagram.h"

namespace {

using namespace ovis;

constexpr int kColumns = 110;
constexpr int kVisibleRows = 33;

struct PaintRig {
    bench::FullAnalyserRecording file;
    std::unique_ptr<AnalyserModel> model = std::make_unique<AnalyserModel>();
    gui::AnalyserDiagram diagram;
    QPixmap screen{kColumns * kCellWidth, kVisibleRows * kRowPitch};
    DiagramLook look;

    PaintRig() {
        model->Open(file.Recording(), bench::FullAnalyserRecording::Rows(), kColumns);
        model->SetWindow(3, {108, 3, 1, 12});
        diagram.SetRows(model->Rows().DiagramRows());
    }
    // The visible rows as the scroll area shows them.
    void Blit(const QRect& area) { diagram.render(&screen, area.topLeft(), QRegion(area)); }
};

PaintRig& Rig() {
    static PaintRig rig;
    return rig;
}

void BM_FullRepaint(benchmark::State& state) {
    PaintRig& rig = Rig();
    for (auto _ : state) {
        rig.diagram.DrawCells(*rig.model, rig.model->TakeCellsToDraw(true), rig.look);
        rig.Blit(QRect(0, 0, kColumns * kCellWidth, kVisibleRows * kRowPitch));
    }
}

void BM_CursorStep(benchmark::State& state) {
    PaintRig& rig = Rig();
    int column = rig.model->Cursor();
    for (auto _ : state) {
        const int next = column % kColumns + 1;
        rig.diagram.DrawColumn(*rig.model, column, false, rig.look);
        rig.diagram.DrawColumn(*rig.model, next, true, rig.look);
        rig.Blit(QRect((column - 1) * kCellWidth, 0, kCellWidth, kVisibleRows * kRowPitch));
        rig.Blit(QRect((next - 1) * kCellWidth, 0, kCellWidth, kVisibleRows * kRowPitch));
        column = next;
    }
}

BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CursorStep)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return ovis::bench::RunGuiBenchmarks(argc, argv); }
