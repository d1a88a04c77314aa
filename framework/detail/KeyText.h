#pragma once
// The one translation from a toolkit key event to the key text program code sees.
#include <functional>
#include <optional>
#include <string>

class QEvent;
class QKeyEvent;

namespace fw::detail {

// The key's text: a control code for the keys in the table of KeyText.cpp (Chr 1 Home,
// 3 keypad Enter, 4 End, 5 Help and Insert, 8 Backspace, 9 Tab and Shift+Tab, 11 Page
// Up, 12 Page Down, 13 Return, 16 every function key, 27 Escape, 28-31 the arrows, 127
// forward delete), else the typed text; nothing for modifier keys, shortcut chords and
// other keys that type nothing.
std::optional<std::string> KeyText(const QKeyEvent& event);

// Offers a key press to a KeyDown handler through the dispatch boundary; true when the
// handler swallowed it (the event is then accepted). Other events are not offered.
bool OfferKeyPress(QEvent& event, const std::function<bool(const std::string&)>& keyDown);

}  // namespace fw::detail
