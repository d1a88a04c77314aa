// A session for the peak-memory benchmark: the real start-up to the splash, the main
// window as the splash's timer brings it, then Load Data runs of 99 predictors (100
// unless the first argument says otherwise) with the dialog answered at once. The
// benchmark reads the process's peak memory when it ends.
#include "app/AboutWnd.h"
#include "app/ControlWnd.h"
#include "app/Startup.h"
#include "bench/PredictorFile.h"
#include "framework/Application.h"
#include "framework/testing/Interaction.h"
#include "framework/testing/ScriptedDesktop.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 100;
    fw::RuntimeInit(argc, argv);
    EarlyStartup();
    fw::RunFrameworkInitialization(LateStartup);
    fw::testing::ProcessEvents();
    fw::testing::FirePendingTimers(AboutWnd());

    fw::testing::ScopedScriptedDesktop desktop;
    const std::string path = WritePredictorFile();
    auto& w = ControlWnd();
    for (int run = 0; run < runs; ++run) {
        w.pFld()->SetText(std::to_string(kBenchPredictors));
        w.RyFld()->SetText(".35");
        desktop->fileAnswers.push_back(path);
        fw::testing::MouseDown(*w.calcBtn());
        fw::testing::ProcessEvents();
    }
    std::remove(path.c_str());
    if (!desktop->messages.empty()) {
        std::fprintf(stderr, "Load Data said: %s\n", desktop->messages.front().c_str());
        std::_Exit(1);
    }
    std::_Exit(0);
}
