#include "framework/detail/KeyText.h"

#include "framework/Control.h"
#include "framework/Dispatch.h"

#include <QKeyEvent>

namespace fw::detail {
namespace {

struct KeyCode {
    int first, last;  // a range of toolkit keys, both included
    char code;
};

// The codes desktop frameworks traditionally give keys that type no text, and those
// that type a control character; every other key is its typed text.
constexpr KeyCode kKeyCodes[] = {
    {Qt::Key_Home, Qt::Key_Home, 1},         {Qt::Key_Enter, Qt::Key_Enter, 3},  // the keypad's Enter
    {Qt::Key_End, Qt::Key_End, 4},           {Qt::Key_Help, Qt::Key_Help, 5},
    {Qt::Key_Insert, Qt::Key_Insert, 5},     {Qt::Key_Backspace, Qt::Key_Backspace, 8},
    {Qt::Key_Tab, Qt::Key_Tab, 9},           {Qt::Key_Backtab, Qt::Key_Backtab, 9},
    {Qt::Key_PageUp, Qt::Key_PageUp, 11},    {Qt::Key_PageDown, Qt::Key_PageDown, 12},
    {Qt::Key_Return, Qt::Key_Return, 13},    {Qt::Key_F1, Qt::Key_F35, 16},
    {Qt::Key_Escape, Qt::Key_Escape, 27},    {Qt::Key_Left, Qt::Key_Left, 28},
    {Qt::Key_Right, Qt::Key_Right, 29},      {Qt::Key_Up, Qt::Key_Up, 30},
    {Qt::Key_Down, Qt::Key_Down, 31},        {Qt::Key_Delete, Qt::Key_Delete, 127},
};

std::optional<char> CodeOf(int key) {
    for (const KeyCode& entry : kKeyCodes)
        if (key >= entry.first && key <= entry.last) return entry.code;
    return std::nullopt;
}

bool IsModifierKey(int key) {
    switch (key) {
        case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Meta: case Qt::Key_Alt:
        case Qt::Key_AltGr: case Qt::Key_CapsLock: case Qt::Key_NumLock: case Qt::Key_ScrollLock:
        case Qt::Key_Super_L: case Qt::Key_Super_R: case Qt::Key_Hyper_L: case Qt::Key_Hyper_R:
            return true;
        default:
            return false;
    }
}

}  // namespace

std::optional<std::string> KeyText(const QKeyEvent& event) {
    if (IsModifierKey(event.key())) return std::nullopt;
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return std::nullopt;
    if (auto code = CodeOf(event.key())) return std::string(1, *code);
    if (event.text().isEmpty()) return std::nullopt;
    return event.text().toStdString();
}

bool OfferKeyPress(QEvent& event, const Control& control, const std::function<bool(const std::string&)>& keyDown) {
    if (event.type() != QEvent::KeyPress) return false;
    auto key = KeyText(static_cast<const QKeyEvent&>(event));
    if (!key) return false;
    bool swallowed = DispatchOr(control.Owner(), false, [&] { return keyDown(*key); });
    if (swallowed) event.accept();
    return swallowed;
}

}  // namespace fw::detail
