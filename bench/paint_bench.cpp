// One paint of the catalogue view with a million movies, at the top, the middle and the end of
// each display mode, into a 1280x800 image offscreen; and one printed page from the middle of
// each mode's print job, into a PDF file.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <memory>

#include "bench_support.h"
#include "generator.h"
#include "print_job.h"
#include "reelkeep_doc.h"
#include "reelkeep_view.h"
#include "silent_ui.h"
#include "widget_bench_main.h"

namespace reelkeep {
namespace {

constexpr std::uint32_t kMovies = 1'000'000;
const QSize kClient(1280, 800);

// Answers nothing and passes document updates on to the view, as the window's UI does.
class ViewOnlyUI : public CSilentUI {
public:
    CReelkeepView* view = nullptr;
    void UpdateAllViews() override {
        if (view) view->OnUpdate();
    }
};

enum Position { kTop, kMiddle, kEnd };

// The generated catalogue and its view, made once for all runs; the mode changes only when a
// run asks for another one.
struct Stage {
    ViewOnlyUI ui;
    CReelkeepDoc doc{ui};
    CReelkeepView view{doc};
    CommandId mode = CommandId::DisplayNormalView;

    Stage() {
        ui.view = &view;
        view.show();
        GenerateCatalogue(doc, bench::SmokeSize() != 0 ? bench::SmokeSize() : kMovies, 1);
        // Sized so that the client area, inside the scroll bars, is exactly the image.
        view.resize(kClient);
        QApplication::processEvents();
        view.resize(kClient * 2 - view.viewport()->size());
        QApplication::processEvents();
        view.OnUpdate();
    }

    void Show(CommandId wanted, Position position) {
        if (wanted != mode) {
            doc.Execute(wanted);
            mode = wanted;
            QApplication::processEvents();
        }
        QScrollBar* bar = view.verticalScrollBar();
        switch (position) {
            case kTop:
                bar->triggerAction(QAbstractSlider::SliderToMinimum);
                break;
            case kEnd:
                bar->triggerAction(QAbstractSlider::SliderToMaximum);
                break;
            case kMiddle:
                bar->setSliderPosition(bar->maximum() / 2);
                bar->triggerAction(QAbstractSlider::SliderMove);
                break;
        }
    }
};

// Made on first use; main destroys it while the QApplication still exists, since a widget
// destroyed after it crashes the program on exit.
std::unique_ptr<Stage> theStage;

Stage& TheStage() {
    if (!theStage) theStage = std::make_unique<Stage>();
    return *theStage;
}

void BM_Paint(benchmark::State& state, CommandId mode) {
    Stage& stage = TheStage();
    stage.Show(mode, static_cast<Position>(state.range(0)));
    if (stage.view.viewport()->size() != kClient) state.SkipWithError("client area not 1280x800");
    QImage image(kClient, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        stage.view.PaintClient(painter);
    }
    state.counters["rows"] = stage.view.Geometry().rowCount;
    state.counters["scrollY"] = stage.view.Scroll().scrollY;
}

// Page n of a job draws that page alone, however long the job.
void BM_PrintPage(benchmark::State& state, CommandId mode) {
    Stage& stage = TheStage();
    stage.Show(mode, kTop);
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
    const CReelkeepView& view = stage.view;
    const PrintedView shown{view.Look(), view.Metrics().dpiY,
                            stage.doc.Display().State().Mode() == DisplayMode::Labels,
                            view.IsChecked(CommandId::LargeLabels)};
    CNoLabelQuestions none;
    const std::unique_ptr<CPrintJob> job = BeginPrintJob(
        stage.doc.Display(), stage.doc.UI(),
        MakePrintRequest(shown, {}, {}, stage.doc.PrinterColorCount()), printer, none);
    const std::uint32_t page = (job->TotalPages() + 1) / 2;
    QPainter painter(&printer);
    for (auto _ : state) job->DrawPage(painter, page);
    painter.end();
    state.counters["pages"] = static_cast<double>(job->TotalPages());
}

#define REELKEEP_PRINT_BENCH(name, mode)        \
    BENCHMARK_CAPTURE(BM_PrintPage, name, mode) \
        ->Apply(bench::OnceWhenSmoke)           \
        ->Unit(benchmark::kMillisecond)

REELKEEP_PRINT_BENCH(print_normal, CommandId::DisplayNormalView);
REELKEEP_PRINT_BENCH(print_one_line, CommandId::OneLineSorts);
REELKEEP_PRINT_BENCH(print_actors, CommandId::SortByActors);
REELKEEP_PRINT_BENCH(print_labels, CommandId::DisplayLabelFormat);

#define REELKEEP_PAINT_BENCH(name, mode)    \
    BENCHMARK_CAPTURE(BM_Paint, name, mode) \
        ->ArgName("top0_mid1_end2")         \
        ->DenseRange(kTop, kEnd)            \
        ->Apply(bench::OnceWhenSmoke)       \
        ->Unit(benchmark::kMillisecond)

REELKEEP_PAINT_BENCH(normal, CommandId::DisplayNormalView);
REELKEEP_PAINT_BENCH(one_line, CommandId::OneLineSorts);
REELKEEP_PAINT_BENCH(actors, CommandId::SortByActors);
REELKEEP_PAINT_BENCH(labels, CommandId::DisplayLabelFormat);

}  // namespace
}  // namespace reelkeep

int main(int argc, char** argv) {
    return reelkeep::bench::RunWidgetBenchmarks(
        argc, argv, [] {}, [] { reelkeep::theStage.reset(); });
}
