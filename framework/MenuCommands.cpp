#include "framework/Menu.h"
#include "framework/Window.h"
#include "framework/detail/EditTarget.h"

namespace fw {

// The window's handler, then the item's own action, then the focused text control.
bool ChooseMenuItem(Window* front, MenuItem& item) {
    if (front && front->RunMenuHandler(item.Name())) return true;
    if (item.Action()) return true;
    if (!detail::EditTarget::IsEditItem(item.Name())) return false;
    auto target = detail::EditTarget::Focused(front);
    return target && target->Run(item.Name());
}

bool CanServeMenuItem(Window* front, const MenuItem& item) {
    if (front && front->HasMenuHandler(item.Name())) return true;
    if (item.HasAction()) return true;
    if (!detail::EditTarget::IsEditItem(item.Name())) return false;
    auto target = detail::EditTarget::Focused(front);
    return target && target->Applies(item.Name());
}

}  // namespace fw
