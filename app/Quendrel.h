#pragma once
// The application object. It has no behaviour of its own: it handles no application
// event and no menu command; it carries the version data and the menu bar.
#include "framework/Application.h"

#include <string>

class Quendrel : public fw::Application {
public:
    void Constructor() override {}
    bool IsEventImplemented(const std::string& /*eventName*/) const override { return false; }
};

// The version data handed to the application object at start-up.
struct VersionData {
    int64_t major, minor, bug, nonRelease, stage;
    const char* longVersion;
    const char* shortVersion;
    const char* packageInfo;
};
extern const VersionData kVersionData;
