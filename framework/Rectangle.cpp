#include "framework/Rectangle.h"

#include "framework/detail/Styling.h"
#include "framework/detail/WidgetHost.h"

#include <QPainter>

#include <cmath>

namespace fw {
namespace {

class RectangleWidget : public QWidget {
public:
    RectangleWidget(Rectangle& control, QWidget* parent) : QWidget(parent), control_(control) {}

protected:
    // The fill, then the top and left edges in one colour, the bottom and right in the other.
    void paintEvent(QPaintEvent*) override {
        const RectangleProperties& p = control_.Properties();
        QPainter painter(this);
        painter.fillRect(rect(), detail::ToQColor(p.FillColor));
        int t = std::min<int>(std::lround(p.BorderThickness), std::min(width(), height()) / 2);
        if (t <= 0) return;
        QColor topLeft = detail::ToQColor(p.TopLeftColor), bottomRight = detail::ToQColor(p.BottomRightColor);
        painter.fillRect(0, 0, width(), t, topLeft);
        painter.fillRect(0, 0, t, height(), topLeft);
        painter.fillRect(0, height() - t, width(), t, bottomRight);
        painter.fillRect(width() - t, 0, t, height(), bottomRight);
    }

private:
    Rectangle& control_;
};

}  // namespace

Rectangle::Rectangle(Window& owner, std::string name)
    : RectControl(owner, std::move(name), detail::MakeHost<RectangleWidget>(owner, *this, false)) {
    SetProperties(RectangleProperties{});
}

Rectangle::~Rectangle() = default;

void Rectangle::SetProperties(const RectangleProperties& p) {
    properties_ = p;
    ApplyCommon(p.bounds, p.common);
    Host().widget->update();
}

}  // namespace fw
