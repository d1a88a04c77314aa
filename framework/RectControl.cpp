#include "framework/Control.h"

#include "framework/detail/EdgeLocks.h"
#include "framework/detail/WidgetHost.h"

namespace fw {

RectControl::RectControl(Window& owner, std::string name, std::unique_ptr<detail::WidgetHost> host)
    : Control(owner, std::move(name)), host_(std::move(host)) {}

RectControl::~RectControl() = default;

void RectControl::ApplyCommon(const Bounds& bounds, const ControlCommon& common) {
    common_ = common;
    QWidget& widget = *host_->widget;
    widget.setGeometry(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
    widget.setVisible(common.Visible);
    widget.setEnabled(common.Enabled);
    widget.setToolTip(QString::fromStdString(common.Tooltip));
    if (!host_->takesFocus)
        widget.setFocusPolicy(Qt::NoFocus);
    else
        widget.setFocusPolicy(common.TabStop ? Qt::StrongFocus : Qt::ClickFocus);
    detail::FollowEdgeLocks(*this, bounds, common);
}

Bounds RectControl::GetBounds() const {
    QRect r = host_->widget->geometry();
    return Bounds{r.x(), r.y(), r.width(), r.height()};
}

bool RectControl::Visible() const { return common_.Visible; }

void RectControl::SetVisible(bool visible) {
    common_.Visible = visible;
    host_->widget->setVisible(visible);
}

bool RectControl::Enabled() const { return common_.Enabled; }

void RectControl::SetEnabled(bool enabled) {
    common_.Enabled = enabled;
    host_->widget->setEnabled(enabled);
}

void RectControl::SetFocus() { host_->widget->setFocus(Qt::OtherFocusReason); }

bool RectControl::HasFocus() const { return host_->widget->hasFocus(); }

}  // namespace fw
