#pragma once
// Real key and mouse events sent through the toolkit to a control or window, as a
// user's would arrive, and other drivers for tests.
#include <string>
#include <vector>

#include <cstdint>

namespace fw {
class RectControl;
class TextArea;
class Window;
}

namespace fw::testing {

// A named key ("Backspace", "Tab", "Backtab", "Return", "Enter" (the keypad's), "Left",
// "Right", "Up", "Down", "Delete", "Escape", "Home", "End", "PageUp", "PageDown",
// "Insert", "Help", "Space", "Pause", "F1" to "F35", and the modifier keys alone
// "Shift", "Alt", "Super") or else the key that types this text (one character, UTF-8).
// "Ctrl+" or "Meta+" (the Super key) before it holds that modifier down, as in "Meta+a".
// The control gets the focus first.
void PressKey(RectControl& control, const std::string& key);
// Types each character of a text as its own key.
void TypeText(RectControl& control, const std::string& text);
// A key with the Ctrl modifier, e.g. PressChord(field, "c").
void PressChord(RectControl& control, const std::string& key);
// Mouse press at the control's centre; release afterwards when release is true.
void MouseDown(RectControl& control, bool release = true);
// A click or a key at the window itself (not on a control).
void ClickWindow(Window& window);
void PressKeyInWindow(Window& window, const std::string& key);
// A close request from the window system (a title bar's close button, Alt+F4), as the
// platform hands it to the toolkit.
void RequestClose(Window& window);
// Fires every running timer of the window at once.
void FirePendingTimers(Window& window);
// Chooses the named item as the user would from the window's own menu bar.
bool ChooseMenu(Window& window, const std::string& itemName);
// Whether the window's menu shows that item enabled right now.
bool MenuEnabled(Window& window, const std::string& itemName);
// Cuts the area's text back to its first `length` characters, as a user's Delete would:
// a benchmark puts an area back this way between runs without writing its text anew.
void CutTextBack(TextArea& area, int64_t length);
// Lets the event loop run pending events (deferred deletes included).
void ProcessEvents();
// Closes and destroys every open window and clears the quit state, between tests.
void ResetRuntime();
// The exit status of the last Quit, or -1 when none was requested since ResetRuntime.
int QuitStatus();
// The toolkit's top-level windows that still exist once pending deletes have run, each
// as its class and title; a test should leave none.
std::vector<std::string> TopLevelWindowsLeft();

}  // namespace fw::testing
