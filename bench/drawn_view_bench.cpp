// Drawn-view benchmark: the view over the 100,000-row test renderer with a
// 1920x1080 viewport.  One paint at a random scroll position (the cached
// pixmap built by the renderer, copied and overlaid; target: 2 ms), the same
// paint by the renderer alone at 100% and 200%, the paint after a wheel notch
// (the pixmap moved, a strip painted), the mouse moving over items (only
// their marks drawn again), the layout of all rows, and one hit test at a random point
// (target: 1 us).  Runs on the offscreen platform; has no data sets.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <random>
#include <vector>

#include "bench_figures.h"
#include "drawn_test_renderer.h"
#include "plumbing/drawn/drawn_view.h"

namespace {

constexpr double kPaintTargetMs = 2.0;
constexpr double kHitTargetUs = 1.0;
constexpr int kHitsPerBatch = 1000;
const QSize kViewport(1920, 1080);

using Clock = std::chrono::steady_clock;

CDrawnTestRenderer* g_renderer = nullptr;
CDrawnView* g_view = nullptr;
std::vector<double> g_paintMs;
std::vector<double> g_paintCpuMs;
std::vector<double> g_scrollMs;
std::vector<double> g_scrollCpuMs;
std::vector<double> g_hitUs;

double Seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The processor time of this thread, in milliseconds: on a machine busy with
// other work the wall clock also counts the time others had the processor.
double ThreadMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

int RandomTop(std::mt19937& random) {
    const int maximum = g_renderer->ContentSize().height() - kViewport.height();
    return std::uniform_int_distribution<int>(0, maximum)(random);
}

void BM_ViewPaint1080(benchmark::State& state) {
    std::mt19937 random(1);
    for (auto _ : state) {
        g_view->ScrollTo(QPoint(0, RandomTop(random)));
        const double cpu = ThreadMs();
        const Clock::time_point start = Clock::now();
        g_view->viewport()->repaint();
        const double seconds = Seconds(start);
        state.SetIterationTime(seconds);
        g_paintMs.push_back(seconds * 1000);
        g_paintCpuMs.push_back(ThreadMs() - cpu);
    }
}
BENCHMARK(BM_ViewPaint1080)->UseManualTime()->Iterations(500)->Unit(benchmark::kMillisecond);

// A wheel notch (three lines of 20 pixels) down from a random position: the
// pixmap moves and the renderer paints the 60 pixels that came into view.
void BM_ViewWheelNotch1080(benchmark::State& state) {
    std::mt19937 random(5);
    for (auto _ : state) {
        state.PauseTiming();
        g_view->ScrollTo(QPoint(0, RandomTop(random) - 60));
        g_view->viewport()->repaint();
        state.ResumeTiming();
        g_view->ScrollTo(g_view->ScrollPosition() + QPoint(0, 60));
        const double cpu = ThreadMs();
        const Clock::time_point start = Clock::now();
        g_view->viewport()->repaint();
        const double seconds = Seconds(start);
        state.SetIterationTime(seconds);
        g_scrollMs.push_back(seconds * 1000);
        g_scrollCpuMs.push_back(ThreadMs() - cpu);
    }
}
BENCHMARK(BM_ViewWheelNotch1080)->UseManualTime()->Iterations(300)->Unit(benchmark::kMillisecond);

// The mouse moving from one item to the next: only their marks are drawn
// again over the cached painting.
void BM_ViewHoverMove(benchmark::State& state) {
    std::mt19937 random(2);
    g_view->ScrollTo(QPoint(0, RandomTop(random)));
    g_view->viewport()->repaint();
    int row = 0;
    for (auto _ : state) {
        const QPointF at(CDrawnTestRenderer::kRemedyLeft + 10, 5 + (row++ % 40) * 24);
        QMouseEvent move(QEvent::MouseMove, at, g_view->viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(g_view->viewport(), &move);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ViewHoverMove)->Unit(benchmark::kMicrosecond);

void RendererPaint(benchmark::State& state, qreal ratio) {
    QPixmap pixmap(kViewport * ratio);
    pixmap.setDevicePixelRatio(ratio);
    std::mt19937 random(3);
    for (auto _ : state) {
        const QRect area(QPoint(0, RandomTop(random)), kViewport);
        QPainter painter(&pixmap);
        painter.translate(-area.topLeft());
        painter.setClipRect(area);
        g_renderer->Paint(painter, area);
    }
}
void BM_RendererPaint1080(benchmark::State& state) { RendererPaint(state, 1.0); }
void BM_RendererPaint1080At200(benchmark::State& state) { RendererPaint(state, 2.0); }
BENCHMARK(BM_RendererPaint1080)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RendererPaint1080At200)->Unit(benchmark::kMillisecond);

void BM_Layout100000Rows(benchmark::State& state) {
    CDrawnTestRenderer renderer;
    for (auto _ : state) renderer.Layout(kViewport.width());
}
BENCHMARK(BM_Layout100000Rows)->Unit(benchmark::kMillisecond);

void BM_HitTest(benchmark::State& state) {
    std::mt19937 random(4);
    std::uniform_int_distribution<int> x(0, kViewport.width() - 1);
    std::uniform_int_distribution<int> y(0, kViewport.height() - 1);
    std::vector<QPoint> points(kHitsPerBatch);
    for (auto _ : state) {
        state.PauseTiming();
        g_view->ScrollTo(QPoint(0, RandomTop(random)));
        for (QPoint& point : points) point = QPoint(x(random), y(random));
        state.ResumeTiming();
        const Clock::time_point start = Clock::now();
        DrawnItemId found = 0;
        for (const QPoint& point : points) found += g_view->ItemAt(point);
        benchmark::DoNotOptimize(found);
        const double seconds = Seconds(start);
        state.SetIterationTime(seconds / kHitsPerBatch);
        g_hitUs.push_back(seconds * 1e6 / kHitsPerBatch);
    }
}
BENCHMARK(BM_HitTest)->UseManualTime()->Iterations(2000)->Unit(benchmark::kNanosecond);


const char* Verdict(double value, double target) {
    return value >= 0 && value <= target ? "" : "  MISSED";
}

void PrintSummary() {
    const double paint = Percentile(g_paintMs, 0.5);
    const double hit = Percentile(g_hitUs, 0.5);
    std::printf("\nSummary\n");
    std::printf("  paint of a 1920x1080 viewport: median %.2f ms, 95%% %.2f ms over %zu scroll positions "
                "(target <= %.0f ms)%s\n",
                paint, Percentile(g_paintMs, 0.95), g_paintMs.size(), kPaintTargetMs, Verdict(paint, kPaintTargetMs));
    std::printf("    of which this thread's processor time: median %.2f ms\n", Percentile(g_paintCpuMs, 0.5));
    std::printf("  paint after a wheel notch: median %.2f ms (processor %.2f ms)\n", Percentile(g_scrollMs, 0.5),
                Percentile(g_scrollCpuMs, 0.5));
    std::printf("  hit test: median %.3f us, 95%% %.3f us (target <= %.0f us)%s\n", hit, Percentile(g_hitUs, 0.95),
                kHitTargetUs, Verdict(hit, kHitTargetUs));
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--datasets") == 0) return 0;  // none: one run
        args.push_back(argv[i]);
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());

    CDrawnTestRenderer renderer;
    CDrawnView view;
    view.SetHintsEnabled(false);
    view.SetRenderer(&renderer);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.resize(kViewport);
    view.show();
    QApplication::processEvents();
    view.EnsureLayout();
    g_renderer = &renderer;
    g_view = &view;

    benchmark::AddCustomContext("viewport", "1920x1080");
    benchmark::AddCustomContext("rows", "100000");
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintSummary();
    return 0;
}
