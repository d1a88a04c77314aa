// The main window's commands other than Load Data: Clear, Information, About, Quit,
// and closing the window, which quits.
#include "app/AboutWnd.h"
#include "app/ControlWnd.h"
#include "app/helpWnd.h"
#include "framework/Application.h"

bool ControlWnd::clearBtn_MouseDown(fw::PushButton& /*button*/, int64_t /*x*/, int64_t /*y*/) {
    pFld()->SetText("");
    RyFld()->SetText("");
    ResultsFld()->SetText("");
    ResultsFld()->SetVisible(false);
    pFld()->SetFocus();
    return false;
}

bool ControlWnd::helpBtn_MouseDown(fw::PushButton& /*button*/, int64_t /*x*/, int64_t /*y*/) {
    helpWnd().Show();
    return false;
}

bool ControlWnd::InfoItem_Action() {
    helpWnd().Show();
    return true;
}

bool ControlWnd::AboutItem_Action() {
    AboutWnd().Show();
    return true;
}

bool ControlWnd::FileQuit_Action() {
    fw::Quit(0);
    return true;
}

void ControlWnd::Event_Close() { fw::Quit(0); }

void ControlWnd::AddMenuHandlers() {
    AddMenuHandler("FileQuit", [this] { return FileQuit_Action(); });
    AddMenuHandler("InfoItem", [this] { return InfoItem_Action(); });
    AddMenuHandler("AboutItem", [this] { return AboutItem_Action(); });
}
