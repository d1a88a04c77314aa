#include "framework/detail/DialogOwner.h"

#include "framework/WindowRegistry.h"

#include <algorithm>
#include <vector>

namespace fw::detail {
namespace {

std::vector<Window*>& Marked() {
    static std::vector<Window*> windows;  // innermost last
    return windows;
}

// Looked up among the open windows first: a window may have closed while a dialog of its
// event was up.
bool OpenAndShown(Window* window) {
    const std::vector<Window*> open = OpenWindows();
    return std::find(open.begin(), open.end(), window) != open.end() && window->Visible();
}

}  // namespace

EventWindowMark::EventWindowMark(Window& window) { Marked().push_back(&window); }

EventWindowMark::~EventWindowMark() { Marked().pop_back(); }

Window* DialogOwner() {
    const std::vector<Window*>& marked = Marked();
    auto shown = std::find_if(marked.rbegin(), marked.rend(), OpenAndShown);
    return shown != marked.rend() ? *shown : FrontWindow();
}

}  // namespace fw::detail
