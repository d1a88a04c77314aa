#pragma once
// The splash window, which is also the About box. It gives way to the main window
// when its timer fires four seconds after it was built, or at a click or key in it.
#include "framework/Canvas.h"
#include "framework/Label.h"
#include "framework/Rectangle.h"
#include "framework/Timer.h"
#include "framework/Window.h"

#include <cstdint>
#include <string>

class AboutWnd : public fw::Window {
public:
    AboutWnd();

    void Layout() override;
    void CreateControls() override;
    bool Event_MouseDown(int64_t x, int64_t y) override;
    bool Event_KeyDown(const std::string& key) override;
    bool IsEventImplemented(const std::string& eventName) const override;

    fw::Handle<fw::Rectangle> Rectangle1() const;
    fw::Handle<fw::Canvas> ImageWell1() const;
    fw::Handle<fw::Label> StaticText2() const;
    fw::Handle<fw::Canvas> Canvas3() const;
    fw::Handle<fw::Timer> Timer1() const;

    void StaticText2_Open(fw::Label& label);
    void Timer1_Action(fw::Timer& timer);

private:
    void CreateControls0();
};

// The one splash window: the open one (shown or hidden), or a new one built now.
class AboutWnd& AboutWnd();
