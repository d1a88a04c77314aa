#pragma once
// The application's pictures, each loaded from its file in the resources on first use
// and kept for the rest of the run; a failed load is tried again on the next call.
#include "framework/Picture.h"

#include <memory>

std::shared_ptr<fw::Picture> puzzle128();
std::shared_ptr<fw::Picture> puzzle256();
std::shared_ptr<fw::Picture> Quendreltitle1();
