#pragma once
// The menu-item accessors of a window that installs MenuBar1: each looks its item up
// by name in the window's menu bar, anew on every call.
#include "framework/Menu.h"

template <class W>
class MenuBar1Items {
public:
    fw::Handle<fw::MenuItem> InfoMenu() const { return Item<fw::MenuItem>("InfoMenu"); }
    fw::Handle<fw::MenuItem> InfoItem() const { return Item<fw::MenuItem>("InfoItem"); }
    fw::Handle<fw::MenuItem> ControlItem() const { return Item<fw::MenuItem>("ControlItem"); }
    fw::Handle<fw::MenuItem> EditMenu() const { return Item<fw::MenuItem>("EditMenu"); }
    fw::Handle<fw::MenuItem> EditSelectAll() const { return Item<fw::MenuItem>("EditSelectAll"); }
    fw::Handle<fw::MenuItem> UntitledMenu0() const { return Item<fw::MenuItem>("UntitledMenu0"); }
    fw::Handle<fw::MenuItem> EditClear() const { return Item<fw::MenuItem>("EditClear"); }
    fw::Handle<fw::MenuItem> EditPaste() const { return Item<fw::MenuItem>("EditPaste"); }
    fw::Handle<fw::MenuItem> EditCopy() const { return Item<fw::MenuItem>("EditCopy"); }
    fw::Handle<fw::MenuItem> EditCut() const { return Item<fw::MenuItem>("EditCut"); }
    fw::Handle<fw::MenuItem> UntitledMenu1() const { return Item<fw::MenuItem>("UntitledMenu1"); }
    fw::Handle<fw::MenuItem> EditUndo() const { return Item<fw::MenuItem>("EditUndo"); }
    fw::Handle<fw::MenuItem> FileMenu() const { return Item<fw::MenuItem>("FileMenu"); }
    fw::Handle<fw::PrefsMenuItem> AboutItem() const { return Item<fw::PrefsMenuItem>("AboutItem"); }
    fw::Handle<fw::QuitMenuItem> FileQuit() const { return Item<fw::QuitMenuItem>("FileQuit"); }

private:
    template <class T>
    fw::Handle<T> Item(const char* name) const {
        return static_cast<const W*>(this)->MenuBar()->template Lookup<T>(name);
    }
};
