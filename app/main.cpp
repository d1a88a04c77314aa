#include "app/Startup.h"
#include "framework/Application.h"

int main(int argc, char** argv) {
    fw::RuntimeInit(argc, argv);
    return Main();
}
