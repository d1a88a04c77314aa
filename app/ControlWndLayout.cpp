#include "app/ControlWndLayout.h"

#include "analysis/Copyright.h"

namespace ControlWndLayout {
namespace {

constexpr fw::Color kBlack = 0x000000, kWhite = 0xFFFFFF, kGrey = 0x666666;

// The input fields: centred, 12 px, not locked to an edge.
fw::TextFieldProperties InputField(int left, int top, int width, int tabIndex, int maxChars, const char* mask) {
    return {.bounds = {left, top, width, 22},
            .common = {.TabIndex = tabIndex, .LockLeft = false, .LockTop = false},
            .font = {.FontSize = 12},
            .MaximumCharactersAllowed = maxChars,
            .ValidationMask = mask,
            .TextAlignment = fw::AlignCenter};
}

fw::PushButtonProperties Button(int left, int top, int width, int tabIndex, const char* caption) {
    return {.bounds = {left, top, width, 50},
            .common = {.TabIndex = tabIndex, .LockLeft = false, .LockTop = false},
            .font = {.FontSize = 12},
            .Caption = caption,
            .Default = true};
}

}  // namespace

const fw::WindowProperties Window{
    .Width = 700, .Height = 600,
    .Type = fw::DocumentWindow,
    .Title = "Quendrel",
    .HasCloseButton = true, .HasMaximizeButton = false, .HasMinimizeButton = true, .HasFullScreenButton = false,
    .Resizeable = false,
    .DefaultLocation = 0,
    .Visible = true,
    .HasBackgroundColor = true, .BackgroundColor = kWhite,
    .MenuBarVisible = true,
    .LiveResize = true};

const fw::RectangleProperties Rectangle1{
    .bounds = {7, 10, 132, 132},
    .common = {.TabIndex = 14},
    .BorderThickness = 2.0,
    .TopLeftColor = kBlack, .BottomRightColor = kBlack, .FillColor = kWhite};

const fw::CanvasProperties ImageWell1{
    .bounds = {9, 12, 128, 128},
    .common = {.TabIndex = 0, .TabStop = false, .InitialParent = "Rectangle1"},
    .AllowFocus = false, .AllowFocusRing = true,
    .DoubleBuffer = false};

const fw::TextFieldProperties pFld = InputField(190, 195, 50, 0, 2, "##");
const fw::PushButtonProperties clearBtn = Button(300, 538, 100, 4, "Clear");
const fw::PushButtonProperties helpBtn = Button(554, 538, 100, 5, "Information");
const fw::PushButtonProperties calcBtn = Button(46, 537, 125, 6, "Load Data");

const fw::LabelProperties RyText{
    .bounds = {496, 198, 70, 22},
    .common = {.TabIndex = 7, .TabStop = false, .LockLeft = false, .LockTop = false},
    .font = {.FontSize = 12, .Bold = true},
    .Value = "R-square:",
    .Multiline = false, .Selectable = false,
    .TextAlignment = fw::AlignDefault,
    .Transparent = false};

const fw::TextFieldProperties RyFld = InputField(568, 194, 80, 8, 6, "");

const fw::TextAreaProperties ResultsFld{
    .bounds = {50, 234, 600, 290},
    .common = {.TabIndex = 9, .Visible = false},
    .font = {.FontSize = 0},
    .HasBorder = true,
    .ReadOnly = false,  // the user may edit the report
    .MaximumCharactersAllowed = 0,
    .Multiline = true,
    .HasHorizontalScrollbar = false, .HasVerticalScrollbar = true,
    .AllowStyledText = true,
    .HideSelection = true,
    .LineHeight = 0.0, .LineSpacing = 1.0,
    .AllowFocusRing = false,
    .AllowSpellChecking = true};

const fw::CanvasProperties Canvas1{
    .bounds = {155, 20, 515, 75},
    .common = {.TabIndex = 11, .TabStop = false},
    .AllowFocus = false, .AllowFocusRing = false,
    .DoubleBuffer = false};

// Lies across the lowest rows of the title image.
const fw::LabelProperties Label1{
    .bounds = {155, 76, 515, 20},
    .common = {.TabIndex = 0, .TabStop = false, .InitialParent = "Canvas1"},
    .font = {.FontSize = 12, .TextColor = kGrey},
    .Value = CopyrightLine,
    .Multiline = false, .Selectable = false,
    .TextAlignment = fw::AlignCenter};

// A borderless, read-only field serving as the two-line label of pFld.
const fw::TextFieldProperties TextField1{
    .bounds = {50, 185, 139, 36},
    .common = {.TabIndex = 13, .TabStop = false},
    .font = {.FontSize = 12, .Bold = true},
    .Value = "Number of\rPredictor Variables:",
    .HasBorder = false,
    .ReadOnly = true,
    .TextAlignment = fw::AlignLeft,
    .AllowFocusRing = false};

}  // namespace ControlWndLayout
