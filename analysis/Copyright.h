#pragma once
#include <string>

// The application's one copyright line: the main window, the report's footer, the
// splash window and the version data all show it.
extern const std::string CopyrightLine;
