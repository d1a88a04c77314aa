#include "app/AboutWndLayout.h"

#include "analysis/Copyright.h"

namespace AboutWndLayout {

const fw::WindowProperties Window{
    .Width = 545, .Height = 400,
    .Type = fw::PlainBox,
    .Title = "",
    .HasCloseButton = false, .HasMaximizeButton = false, .HasMinimizeButton = false, .HasFullScreenButton = false,
    .Resizeable = false,
    .DefaultLocation = 0,
    .Visible = true,  // shows the moment it is built
    .HasBackgroundColor = true, .BackgroundColor = 0xFFFFFF,
    .MenuBarVisible = true,
    .LiveResize = false};

const fw::RectangleProperties Rectangle1{
    .bounds = {144, 99, 260, 260},
    .common = {.TabIndex = 8},
    .BorderThickness = 2.0,
    .TopLeftColor = 0x000000, .BottomRightColor = 0x000000, .FillColor = 0xFFFFFF,
    .Transparent = true};

// 257 high: the picture sits 2 px inside the frame's left and top edges.
const fw::CanvasProperties ImageWell1{
    .bounds = {146, 101, 256, 257},
    .common = {.TabIndex = 0, .TabStop = true, .InitialParent = "Rectangle1"},
    .AllowFocus = false, .AllowFocusRing = true, .AllowTabs = false,
    .DoubleBuffer = false,
    .Transparent = false};

const fw::LabelProperties StaticText2{
    .bounds = {144, 360, 260, 15},
    .common = {.TabIndex = 3, .LockLeft = false, .LockTop = false},
    .font = {.FontSize = 9, .TextColor = 0x666666},
    .Value = CopyrightLine,
    .Multiline = true, .Selectable = false,
    .TextAlignment = fw::AlignCenter,
    .Transparent = false};

const fw::CanvasProperties Canvas3{
    .bounds = {20, 10, 515, 75},
    .common = {.TabIndex = 6, .TabStop = false},
    .AllowFocus = false, .AllowFocusRing = true, .AllowTabs = false,
    .DoubleBuffer = false,
    .Transparent = true};

const fw::TimerProperties Timer1{.RunMode = fw::TimerSingle, .Period = 4000};

}  // namespace AboutWndLayout
