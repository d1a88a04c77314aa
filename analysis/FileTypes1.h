#pragma once
// The one document type the program declares: plain text, the filter of the open-file
// dialog in which Load Data asks for its data file.
#include "framework/core/FileType.h"
#include "framework/Handle.h"

#include <memory>
#include <vector>

namespace FileTypes1 {

extern std::shared_ptr<fw::FileType> pText;
extern std::vector<std::shared_ptr<fw::FileType>> pAllFileTypes;

// The Text type; nil until start-up has built it.
fw::Handle<fw::FileType> Text();
// Builds, lists and registers the Text type; start-up calls it once.
void Initialize();

}  // namespace FileTypes1
