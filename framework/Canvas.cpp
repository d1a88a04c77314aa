#include "framework/Canvas.h"

#include "framework/detail/PictureImage.h"
#include "framework/detail/WidgetHost.h"

#include <QMouseEvent>
#include <QPainter>

namespace fw {
namespace {

// Presses pass through to the window beneath.
class CanvasWidget : public QWidget {
public:
    CanvasWidget(Canvas& control, QWidget* parent) : QWidget(parent), control_(control) {}

protected:
    void paintEvent(QPaintEvent*) override {
        if (!control_.Backdrop()) return;
        QPainter painter(this);
        painter.drawImage(0, 0, control_.Backdrop()->Pixels().image);
    }
    void mousePressEvent(QMouseEvent* event) override { event->ignore(); }

private:
    Canvas& control_;
};

}  // namespace

Canvas::Canvas(Window& owner, std::string name)
    : RectControl(owner, std::move(name), detail::MakeHost<CanvasWidget>(owner, *this, false)) {
    SetProperties(CanvasProperties{});
}

Canvas::~Canvas() = default;

void Canvas::SetProperties(const CanvasProperties& p) {
    Host().takesFocus = p.AllowFocus;
    ApplyCommon(p.bounds, p.common);
    Host().widget->setAutoFillBackground(!p.Transparent);
}

void Canvas::SetBackdrop(std::shared_ptr<Picture> picture) {
    backdrop_ = std::move(picture);
    Host().widget->update();
}

}  // namespace fw
