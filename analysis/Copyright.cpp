#include "analysis/Copyright.h"

const std::string CopyrightLine = "Copyright \xC2\xA9 2026 The Quendrel authors. All rights reserved.";
