#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

namespace reelkeep::bench {

// The main of a benchmark that needs widgets, offscreen: no display is needed or used. Whatever
// holds widgets is ended by endWidgets before the QApplication goes.
template <typename RegisterFn, typename EndFn>
int RunWidgetBenchmarks(int argc, char** argv, RegisterFn registerBenchmarks, EndFn endWidgets) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    registerBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    endWidgets();
    return 0;
}

}  // namespace reelkeep::bench
