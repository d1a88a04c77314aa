#pragma once
// The one translation from a toolkit key event to the key text program code sees.
#include <functional>
#include <optional>
#include <string>

class QEvent;
class QKeyEvent;

namespace fw {
class Control;
}

namespace fw::detail {

// The key's text: a control code for the keys in the table of KeyText.cpp (Chr 1 Home,
// 3 keypad Enter, 4 End, 5 Help and Insert, 8 Backspace, 9 Tab and Shift+Tab, 11 Page
// Up, 12 Page Down, 13 Return, 16 every function key, 27 Escape, 28-31 the arrows, 127
// forward delete), else the typed text; nothing for modifier keys, shortcut chords and
// other keys that type nothing.
std::optional<std::string> KeyText(const QKeyEvent& event);

// Offers a key press to the control's KeyDown handler through the dispatch boundary, as
// an event of the control's window; true when the handler swallowed it (the event is
// then accepted). Other events, which may come while the control is still being built,
// are not offered.
bool OfferKeyPress(QEvent& event, const Control& control, const std::function<bool(const std::string&)>& keyDown);

}  // namespace fw::detail
