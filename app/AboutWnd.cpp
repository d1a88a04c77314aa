#include "app/AboutWnd.h"

#include "app/AboutWndLayout.h"
#include "app/ControlWnd.h"
#include "app/Pictures.h"
#include "framework/Event.h"
#include "framework/EventNames.h"
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

void AboutWnd::CreateControls0() {
    namespace layout = AboutWndLayout;
    New<fw::Rectangle>("Rectangle1");
    Rectangle1()->SetProperties(layout::Rectangle1);

    New<fw::Canvas>("ImageWell1");
    ImageWell1()->SetBackdrop(puzzle256());
    ImageWell1()->SetProperties(layout::ImageWell1);

    New<fw::Label>("StaticText2");
    StaticText2()->SetProperties(layout::StaticText2);
    fw::AddHandler(StaticText2()->Open, this, &AboutWnd::StaticText2_Open);

    New<fw::Canvas>("Canvas3");
    Canvas3()->SetBackdrop(Quendreltitle1());
    Canvas3()->SetProperties(layout::Canvas3);

    New<fw::Timer>("Timer1");
    Timer1()->SetProperties(layout::Timer1);
    fw::AddHandler(Timer1()->Action, this, &AboutWnd::Timer1_Action);
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
