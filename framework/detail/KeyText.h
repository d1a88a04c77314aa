#pragma once
// The one translation from a toolkit key event to the key text program code sees.
#include <functional>
#include <optional>
#include <string>

class QEvent;
class QKeyEvent;

namespace fw::detail {

// The key's text (Chr 8 Backspace, 9 Tab and Shift+Tab, 13 Return and Enter, 28-31 the
// arrows, 127 forward delete, 27 Escape, else the typed text), or nothing for modifier
// keys, shortcut chords and keys that type nothing.
std::optional<std::string> KeyText(const QKeyEvent& event);

// Offers a key press to a KeyDown handler through the dispatch boundary; true when the
// handler swallowed it (the event is then accepted). Other events are not offered.
bool OfferKeyPress(QEvent& event, const std::function<bool(const std::string&)>& keyDown);

}  // namespace fw::detail
