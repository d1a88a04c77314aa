#include "app/ControlWnd.h"

#include "app/ControlWndLayout.h"
#include "app/MenuBar1.h"
#include "app/Pictures.h"
#include "framework/Event.h"
#include "framework/EventNames.h"
#include "framework/WindowRegistry.h"


namespace {
const char* const kClassName = "ControlWnd.ControlWnd";
}

ControlWnd::ControlWnd() : fw::Window(kClassName) {}

class ControlWnd& ControlWnd() { return fw::ImplicitWindow<class ControlWnd>(kClassName); }

void ControlWnd::Layout() {
    SetMenuBar(&MenuBar1());
    SetProperties(ControlWndLayout::Window);
}

void ControlWnd::CreateControls() { CreateControls0(); }

// Each control is made complete (added, backdrop, properties, handlers) before the next.
void ControlWnd::CreateControls0() {
    namespace layout = ControlWndLayout;
    New<fw::Rectangle>("Rectangle1");
    Rectangle1()->SetProperties(layout::Rectangle1);

    New<fw::Canvas>("ImageWell1");
    ImageWell1()->SetBackdrop(puzzle128());
    ImageWell1()->SetProperties(layout::ImageWell1);

    New<fw::TextField>("pFld");
    pFld()->SetProperties(layout::pFld);
    fw::AddHandler(pFld()->KeyDown, this, &ControlWnd::pFld_KeyDown);
    fw::AddHandler(pFld()->Open, this, &ControlWnd::pFld_Open);

    New<fw::PushButton>("clearBtn");
    clearBtn()->SetProperties(layout::clearBtn);
    fw::AddHandler(clearBtn()->MouseDown, this, &ControlWnd::clearBtn_MouseDown);

    New<fw::PushButton>("helpBtn");
    helpBtn()->SetProperties(layout::helpBtn);
    fw::AddHandler(helpBtn()->MouseDown, this, &ControlWnd::helpBtn_MouseDown);

    New<fw::PushButton>("calcBtn");
    calcBtn()->SetProperties(layout::calcBtn);
    fw::AddHandler(calcBtn()->MouseDown, this, &ControlWnd::calcBtn_MouseDown);

    New<fw::Label>("RyText");
    RyText()->SetProperties(layout::RyText);
    fw::AddHandler(RyText()->Open, this, &ControlWnd::RyText_Open);

    New<fw::TextField>("RyFld");
    RyFld()->SetProperties(layout::RyFld);
    fw::AddHandler(RyFld()->KeyDown, this, &ControlWnd::RyFld_KeyDown);
    fw::AddHandler(RyFld()->Open, this, &ControlWnd::RyFld_Open);

    New<fw::TextArea>("ResultsFld");
    ResultsFld()->SetProperties(layout::ResultsFld);
    fw::AddHandler(ResultsFld()->KeyDown, this, &ControlWnd::ResultsFld_KeyDown);
    fw::AddHandler(ResultsFld()->Open, this, &ControlWnd::ResultsFld_Open);

    New<fw::Canvas>("Canvas1");
    Canvas1()->SetBackdrop(Quendreltitle1());
    Canvas1()->SetProperties(layout::Canvas1);

    New<fw::Label>("Label1");
    Label1()->SetProperties(layout::Label1);
    fw::AddHandler(Label1()->Open, this, &ControlWnd::Label1_Open);

    New<fw::TextField>("TextField1");
    TextField1()->SetProperties(layout::TextField1);
    fw::AddHandler(TextField1()->Open, this, &ControlWnd::TextField1_Open);
}

bool ControlWnd::IsEventImplemented(const std::string& eventName) const {
    return fw::IsAmong(eventName, {"Layout", "CreateControls", "AddMenuHandlers", "Close"});
}

fw::Handle<fw::Rectangle> ControlWnd::Rectangle1() const { return ControlByName<fw::Rectangle>("Rectangle1"); }
fw::Handle<fw::Canvas> ControlWnd::ImageWell1() const { return ControlByName<fw::Canvas>("ImageWell1"); }
fw::Handle<fw::TextField> ControlWnd::pFld() const { return ControlByName<fw::TextField>("pFld"); }
fw::Handle<fw::PushButton> ControlWnd::clearBtn() const { return ControlByName<fw::PushButton>("clearBtn"); }
fw::Handle<fw::PushButton> ControlWnd::helpBtn() const { return ControlByName<fw::PushButton>("helpBtn"); }
fw::Handle<fw::PushButton> ControlWnd::calcBtn() const { return ControlByName<fw::PushButton>("calcBtn"); }
fw::Handle<fw::Label> ControlWnd::RyText() const { return ControlByName<fw::Label>("RyText"); }
fw::Handle<fw::TextField> ControlWnd::RyFld() const { return ControlByName<fw::TextField>("RyFld"); }
fw::Handle<fw::TextArea> ControlWnd::ResultsFld() const { return ControlByName<fw::TextArea>("ResultsFld"); }
fw::Handle<fw::Canvas> ControlWnd::Canvas1() const { return ControlByName<fw::Canvas>("Canvas1"); }
fw::Handle<fw::Label> ControlWnd::Label1() const { return ControlByName<fw::Label>("Label1"); }
fw::Handle<fw::TextField> ControlWnd::TextField1() const { return ControlByName<fw::TextField>("TextField1"); }
