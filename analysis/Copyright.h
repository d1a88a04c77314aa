#pragma once

// The application's one copyright line: the main window, the report's footer, the
// splash window and the version data all show it.
inline constexpr const char CopyrightLine[] = "Copyright \xC2\xA9 2026 The Quendrel authors.";
