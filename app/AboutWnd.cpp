#include "app/AboutWnd.h"

#include "app/AboutWndLayout.h"
#include "app/ControlWnd.h"
#include "app/Pictures.h"
#include "framework/EventNames.h"
#include "framework/MakeControl.h"
#include "framework/WindowRegistry.h"

namespace {

const char* const kClassName = "AboutWnd.AboutWnd";

// What the timer, a click and a key all do; nothing stops or re-arms the timer, so it
// fires once, four seconds after the window was built, whatever happened before.
void GiveWayToMainWindow() {
    AboutWnd().Hide();
    ControlWnd().Show();
}

}  // namespace

AboutWnd::AboutWnd() : fw::Window(kClassName) {}

class AboutWnd& AboutWnd() { return fw::ImplicitWindow<class AboutWnd>(kClassName); }

// No menu bar of its own.
void AboutWnd::Layout() { SetProperties(AboutWndLayout::Window); }

void AboutWnd::CreateControls() { CreateControls0(); }

// One row per control in the order of creation.
void AboutWnd::CreateControls0() {
    namespace layout = AboutWndLayout;
    using fw::MakeCanvas, fw::MakeControl, fw::OnAction, fw::OnOpen;
    MakeControl<fw::Rectangle>(*this, "Rectangle1", layout::Rectangle1);
    MakeCanvas(*this, "ImageWell1", puzzle256, layout::ImageWell1);
    MakeControl<fw::Label>(*this, "StaticText2", layout::StaticText2, OnOpen{&AboutWnd::StaticText2_Open});
    MakeCanvas(*this, "Canvas3", Quendreltitle1, layout::Canvas3);
    MakeControl<fw::Timer>(*this, "Timer1", layout::Timer1, OnAction{&AboutWnd::Timer1_Action});
}

void AboutWnd::StaticText2_Open(fw::Label& /*label*/) {
    StaticText2()->SetTextFont("System");
    StaticText2()->SetBold(true);
    StaticText2()->SetTextSize(10);
}

void AboutWnd::Timer1_Action(fw::Timer& /*timer*/) { GiveWayToMainWindow(); }

bool AboutWnd::Event_MouseDown(int64_t /*x*/, int64_t /*y*/) {
    GiveWayToMainWindow();
    return false;
}

bool AboutWnd::Event_KeyDown(const std::string& /*key*/) {
    GiveWayToMainWindow();
    return false;
}

bool AboutWnd::IsEventImplemented(const std::string& eventName) const {
    return fw::IsAmong(eventName, {"Layout", "CreateControls", "MouseDown", "KeyDown"});
}

fw::Handle<fw::Rectangle> AboutWnd::Rectangle1() const { return ControlByName<fw::Rectangle>("Rectangle1"); }
fw::Handle<fw::Canvas> AboutWnd::ImageWell1() const { return ControlByName<fw::Canvas>("ImageWell1"); }
fw::Handle<fw::Label> AboutWnd::StaticText2() const { return ControlByName<fw::Label>("StaticText2"); }
fw::Handle<fw::Canvas> AboutWnd::Canvas3() const { return ControlByName<fw::Canvas>("Canvas3"); }
fw::Handle<fw::Timer> AboutWnd::Timer1() const { return ControlByName<fw::Timer>("Timer1"); }
