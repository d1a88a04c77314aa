#include "framework/Application.h"

int main(int argc, char** argv) {
    fw::RuntimeInit(argc, argv);
    return fw::RuntimeRun();
}
