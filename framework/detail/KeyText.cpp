#include "framework/detail/KeyText.h"

#include "framework/Dispatch.h"

#include <QKeyEvent>

#include <map>

namespace fw::detail {
namespace {

const std::map<int, char>& NamedKeys() {
    static const std::map<int, char> keys = {
        {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},   {Qt::Key_Backtab, 9}, {Qt::Key_Return, 13},
        {Qt::Key_Enter, 13},    {Qt::Key_Left, 28}, {Qt::Key_Right, 29},  {Qt::Key_Up, 30},
        {Qt::Key_Down, 31},     {Qt::Key_Delete, 127}, {Qt::Key_Escape, 27},
    };
    return keys;
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
    auto named = NamedKeys().find(event.key());
    if (named != NamedKeys().end()) return std::string(1, named->second);
    if (event.text().isEmpty()) return std::nullopt;
    return event.text().toStdString();
}

bool OfferKeyPress(QEvent& event, const std::function<bool(const std::string&)>& keyDown) {
    if (event.type() != QEvent::KeyPress) return false;
    auto key = KeyText(static_cast<const QKeyEvent&>(event));
    if (!key) return false;
    bool swallowed = DispatchOr(false, [&] { return keyDown(*key); });
    if (swallowed) event.accept();
    return swallowed;
}

}  // namespace fw::detail
