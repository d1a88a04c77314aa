// Quendrel's own entry point, with the start-up stopwatch added: the real chain from
// the toolkit's application to the splash window, which ends the process once shown.
#include "app/Startup.h"
#include "bench/FirstExposeProbe.h"
#include "framework/Application.h"

int main(int argc, char** argv) {
    fw::RuntimeInit(argc, argv);
    ExitOnFirstExpose();
    return Main();
}
