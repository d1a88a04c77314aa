#include "app/ControlWnd.h"

#include "app/ControlWndLayout.h"
#include "app/MenuBar1.h"
#include "app/Pictures.h"
#include "framework/EventNames.h"
#include "framework/MakeControl.h"
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

// One row per control in the order of creation; each is complete (added, backdrop,
// properties, handlers) before the next is begun.
void ControlWnd::CreateControls0() {
    namespace layout = ControlWndLayout;
    using fw::MakeCanvas, fw::MakeControl, fw::OnKeyDown, fw::OnMouseDown, fw::OnOpen;
    using W = ControlWnd;
    MakeControl<fw::Rectangle>(*this, "Rectangle1", layout::Rectangle1);
    MakeCanvas(*this, "ImageWell1", puzzle128, layout::ImageWell1);
    MakeControl<fw::TextField>(*this, "pFld", layout::pFld, OnKeyDown{&W::pFld_KeyDown}, OnOpen{&W::pFld_Open});
    MakeControl<fw::PushButton>(*this, "clearBtn", layout::clearBtn, OnMouseDown{&W::clearBtn_MouseDown});
    MakeControl<fw::PushButton>(*this, "helpBtn", layout::helpBtn, OnMouseDown{&W::helpBtn_MouseDown});
    MakeControl<fw::PushButton>(*this, "calcBtn", layout::calcBtn, OnMouseDown{&W::calcBtn_MouseDown});
    MakeControl<fw::Label>(*this, "RyText", layout::RyText, OnOpen{&W::RyText_Open});
    MakeControl<fw::TextField>(*this, "RyFld", layout::RyFld, OnKeyDown{&W::RyFld_KeyDown}, OnOpen{&W::RyFld_Open});
    MakeControl<fw::TextArea>(*this, "ResultsFld", layout::ResultsFld,
                              OnKeyDown{&W::ResultsFld_KeyDown}, OnOpen{&W::ResultsFld_Open});
    MakeCanvas(*this, "Canvas1", Quendreltitle1, layout::Canvas1);
    MakeControl<fw::Label>(*this, "Label1", layout::Label1, OnOpen{&W::Label1_Open});
    MakeControl<fw::TextField>(*this, "TextField1", layout::TextField1, OnOpen{&W::TextField1_Open});
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
