#pragma once
#include "framework/Control.h"

#include <memory>
#include <vector>

namespace fw::detail {

// Chains the focus order of the controls that Tab reaches, by their TabIndex.
void ChainTabOrder(const std::vector<std::unique_ptr<Control>>& controls);

}  // namespace fw::detail
