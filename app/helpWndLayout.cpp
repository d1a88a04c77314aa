#include "app/helpWndLayout.h"

namespace helpWndLayout {

const fw::WindowProperties Window{
    .Width = 550, .Height = 500,
    .Type = fw::DocumentWindow,
    .Title = "Info",
    .HasCloseButton = true, .HasMaximizeButton = false, .HasMinimizeButton = true, .HasFullScreenButton = false,
    .Resizeable = true,
    .DefaultLocation = 3,
    .Visible = true,
    .HasBackgroundColor = false, .BackgroundColor = 0xFFFFFF,
    .MenuBarVisible = true,
    .LiveResize = false};

// Overhangs the left and top edges by a pixel; no edge is locked, so resizing the
// window leaves the area as it is.
const fw::TextAreaProperties EditField1{
    .bounds = {-1, -1, 551, 498},
    .common = {.TabIndex = 0, .TabStop = true, .LockLeft = false, .LockTop = false},
    .font = {.FontSize = 12},
    .HasBorder = true,
    .ReadOnly = false,  // the user may edit; nothing keeps the edits
    .Multiline = true,
    .HasHorizontalScrollbar = false, .HasVerticalScrollbar = true,
    .AllowStyledText = true,
    .HideSelection = true,
    .AllowFocusRing = true,
    .AllowSpellChecking = false};

}  // namespace helpWndLayout
