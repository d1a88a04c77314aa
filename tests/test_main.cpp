// Every test executable starts the runtime once, on the offscreen platform unless the
// environment says otherwise, then runs its tests.
#include "framework/Application.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    fw::RuntimeInit(argc, argv);
    return RUN_ALL_TESTS();
}
