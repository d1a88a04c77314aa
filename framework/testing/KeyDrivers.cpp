// Real key events, sent through the toolkit to a control or a window.
#include "framework/testing/Interaction.h"

#include "framework/Control.h"
#include "framework/Window.h"
#include "framework/detail/HostFrame.h"
#include "framework/detail/WidgetHost.h"
#include "framework/detail/WindowHost.h"
#include "framework/testing/Activation.h"

#include <QTest>

#include <map>
#include <optional>
#include <string_view>
#include <utility>

namespace fw::testing {
namespace {

struct KeyStroke {
    Qt::Key key;
    QString text;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

// What a keyboard reports for each key: "Enter" is the keypad's.
const std::map<std::string, KeyStroke>& NamedKeys() {
    static const std::map<std::string, KeyStroke> keys = {
        {"Backspace", {Qt::Key_Backspace, "\b"}}, {"Tab", {Qt::Key_Tab, "\t"}},
        {"Backtab", {Qt::Key_Backtab, ""}},       {"Return", {Qt::Key_Return, "\r"}},
        {"Enter", {Qt::Key_Enter, "\r", Qt::KeypadModifier}},
        {"Left", {Qt::Key_Left, ""}},             {"Right", {Qt::Key_Right, ""}},
        {"Up", {Qt::Key_Up, ""}},                 {"Down", {Qt::Key_Down, ""}},
        {"Delete", {Qt::Key_Delete, "\x7f"}},     {"Escape", {Qt::Key_Escape, "\x1b"}},
        {"Home", {Qt::Key_Home, ""}},             {"End", {Qt::Key_End, ""}},
        {"PageUp", {Qt::Key_PageUp, ""}},         {"PageDown", {Qt::Key_PageDown, ""}},
        {"Insert", {Qt::Key_Insert, ""}},         {"Help", {Qt::Key_Help, ""}},
        {"Space", {Qt::Key_Space, " "}},          {"Pause", {Qt::Key_Pause, ""}},
        // Modifier keys alone, as X reports them: each with its own modifier held, the
        // Super key as Meta.
        {"Shift", {Qt::Key_Shift, "", Qt::ShiftModifier}},
        {"Alt", {Qt::Key_Alt, "", Qt::AltModifier}},
        {"Super", {Qt::Key_Meta, "", Qt::MetaModifier}},
    };
    return keys;
}

// "F1" to "F35".
std::optional<KeyStroke> FunctionKey(const std::string& key) {
    if (key.size() < 2 || key.size() > 3 || key[0] != 'F' || key.find_first_not_of("0123456789", 1) != std::string::npos)
        return std::nullopt;
    const int number = std::stoi(key.substr(1));
    if (number < 1 || number > 35) return std::nullopt;
    return KeyStroke{static_cast<Qt::Key>(Qt::Key_F1 + number - 1), ""};
}

// The key a keyboard would report for a typed character: its upper-case letter, the
// code of the character otherwise.
KeyStroke PlainStroke(const std::string& key) {
    auto named = NamedKeys().find(key);
    if (named != NamedKeys().end()) return named->second;
    if (auto function = FunctionKey(key)) return *function;
    QString text = QString::fromStdString(key);
    char32_t code = text.isEmpty() ? 0 : text.toUcs4().front();
    if (code >= 'a' && code <= 'z') code -= 'a' - 'A';
    return {static_cast<Qt::Key>(code), text};
}

// A prefix that holds a modifier down with the key; Meta is the Super key.
const std::pair<std::string_view, Qt::KeyboardModifier> kHeldModifiers[] = {
    {"Ctrl+", Qt::ControlModifier},
    {"Meta+", Qt::MetaModifier},
};

KeyStroke StrokeFor(const std::string& key) {
    for (const auto& [prefix, modifier] : kHeldModifiers) {
        if (key.size() <= prefix.size() || !key.starts_with(prefix)) continue;
        KeyStroke stroke = PlainStroke(key.substr(prefix.size()));
        stroke.modifiers |= modifier;
        return stroke;
    }
    return PlainStroke(key);
}

QWidget& FocusedWidget(RectControl& control) {
    QWidget& widget = *control.Host().widget;
    ActivateWindow(*widget.window());
    control.SetFocus();
    return widget;
}

void Click(QWidget& widget, const KeyStroke& stroke) {
    QTest::sendKeyEvent(QTest::Click, &widget, stroke.key, stroke.text, stroke.modifiers);
}

}  // namespace

void PressKey(RectControl& control, const std::string& key) {
    Click(FocusedWidget(control), StrokeFor(key));
}

void TypeText(RectControl& control, const std::string& text) {
    for (char32_t c : QString::fromStdString(text).toUcs4()) PressKey(control, QString::fromUcs4(&c, 1).toStdString());
}

void PressChord(RectControl& control, const std::string& key) {
    Click(FocusedWidget(control), StrokeFor("Ctrl+" + key));
}

void PressKeyInWindow(Window& window, const std::string& key) {
    QWidget& frame = *window.Host().frame;
    ActivateWindow(frame);
    Click(frame, StrokeFor(key));
}

}  // namespace fw::testing
