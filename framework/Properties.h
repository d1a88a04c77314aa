#pragma once
// Design-time property sets, applied in one step with SetProperties. Each field has the
// framework's default, so a layout table names only what it changes. Fields are in
// the order the designated initialisers must follow. Some are kept as the layouts give
// them without changing anything on screen; docs/architecture.md lists them and why.
#include <cstdint>
#include <string>

namespace fw {

using Color = uint32_t;  // 0xRRGGBB, opaque

struct Bounds {
    int Left = 0, Top = 0, Width = 80, Height = 22;
};

struct ControlCommon {
    int TabIndex = 0;
    bool TabStop = true;
    // The edges whose distance the control keeps while its window is resized.
    bool LockLeft = true, LockTop = true, LockRight = false, LockBottom = false;
    bool Visible = true;
    bool Enabled = true;
    std::string Tooltip;
    std::string InitialParent;
};

struct FontStyle {
    std::string FontName = "System";
    double FontSize = 0;  // 0: the framework's default size
    bool Bold = false, Italic = false, Underline = false;
    Color TextColor = 0x000000;
};

enum TextAlignment { AlignDefault = 0, AlignLeft = 1, AlignCenter = 2, AlignRight = 3 };

struct TextFieldProperties {
    Bounds bounds;
    ControlCommon common;
    FontStyle font;
    std::string Value;
    bool HasBorder = true;
    bool ReadOnly = false;
    int MaximumCharactersAllowed = 0;  // 0: no limit
    std::string ValidationMask;        // "#" is one digit place
    int TextAlignment = AlignDefault;
    bool Password = false;
    bool Transparent = true;
    bool AllowFocusRing = true;
    Color BackgroundColor = 0xFFFFFF;
    std::string Hint;
};

struct TextAreaProperties {
    Bounds bounds;
    ControlCommon common;
    FontStyle font;
    std::string Value;  // lines end with CR
    bool HasBorder = true;
    bool ReadOnly = false;
    int MaximumCharactersAllowed = 0;  // 0: no limit; limits the user, not the program
    int TextAlignment = AlignDefault;
    bool Multiline = true;
    bool HasHorizontalScrollbar = false, HasVerticalScrollbar = true;
    bool AllowStyledText = true;
    bool HideSelection = true;  // shown only while the area has the focus
    double LineHeight = 0.0, LineSpacing = 1.0;
    bool AllowFocusRing = true;
    bool AllowSpellChecking = false;
    bool AllowTabs = false;
    Color BackgroundColor = 0xFFFFFF;
};

struct LabelProperties {
    Bounds bounds;
    ControlCommon common;
    FontStyle font;
    std::string Value;
    bool Multiline = false;
    bool Selectable = false;
    int TextAlignment = AlignDefault;
    bool Transparent = true;
};

struct PushButtonProperties {
    Bounds bounds;
    ControlCommon common;
    FontStyle font;
    std::string Caption;
    bool Default = false;
};

struct CanvasProperties {
    Bounds bounds;
    ControlCommon common;
    bool AllowFocus = false, AllowFocusRing = true, AllowTabs = false;
    bool DoubleBuffer = false;
    bool Transparent = true;
};

struct RectangleProperties {
    Bounds bounds;
    ControlCommon common;
    double BorderThickness = 1.0;
    Color TopLeftColor = 0x000000, BottomRightColor = 0x000000, FillColor = 0xFFFFFF;
    bool Transparent = true;
};

enum TimerRunMode { TimerOff = 0, TimerSingle = 1, TimerMultiple = 2 };

struct TimerProperties {
    int RunMode = TimerOff;
    int Period = 1000;  // milliseconds
};

enum WindowType { DocumentWindow = 0, PlainBox = 2 };

struct WindowProperties {
    int Width = 600, Height = 400;
    int MinimumWidth = 64, MinimumHeight = 64;
    int MaximumWidth = 32000, MaximumHeight = 32000;
    int Type = DocumentWindow;
    std::string Title;
    bool HasCloseButton = true, HasMaximizeButton = true, HasMinimizeButton = true, HasFullScreenButton = false;
    bool Resizeable = true;
    int DefaultLocation = 0;  // 0 centred on the main screen, 3 staggered
    bool Visible = true;
    bool HasBackgroundColor = false;
    Color BackgroundColor = 0xFFFFFF;
    bool MenuBarVisible = true;
    bool LiveResize = true;
};

}  // namespace fw
