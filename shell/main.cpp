#include "framework/Application.h"
#include "shell/Startup.h"

int main(int argc, char** argv) {
    fw::RuntimeInit(argc, argv);
    return Main();
}
