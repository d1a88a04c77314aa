#include "framework/PushButton.h"

#include "framework/Dispatch.h"
#include "framework/detail/Styling.h"
#include "framework/detail/WidgetHost.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>

namespace fw {
namespace {

// Nothing is connected to clicked(): only a press of the mouse runs a command.
class ButtonWidget : public QPushButton {
public:
    ButtonWidget(PushButton& control, QWidget* parent) : QPushButton(parent), control_(control) {
        setAutoDefault(false);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return QPushButton::mousePressEvent(event);
        QPoint at = event->position().toPoint();
        Dispatch(control_.Owner(), [&] { control_.MouseDown.Raise(control_, at.x(), at.y()); });
        // A modal dialog opened by the handler took the release: then the button must not
        // stay drawn pressed.
        if (QGuiApplication::mouseButtons() & Qt::LeftButton)
            QPushButton::mousePressEvent(event);
        else
            event->accept();
    }

private:
    PushButton& control_;
};

}  // namespace

PushButton::PushButton(Window& owner, std::string name)
    : RectControl(owner, std::move(name), detail::MakeHost<ButtonWidget>(owner, *this, true)) {
    SetProperties(PushButtonProperties{});
}

PushButton::~PushButton() = default;

void PushButton::SetProperties(const PushButtonProperties& p) {
    ApplyCommon(p.bounds, p.common);
    detail::ApplyFont(Host(), p.font);
    auto& button = Host().As<ButtonWidget>();
    button.setText(QString::fromStdString(p.Caption));
    button.setDefault(p.Default);
}

std::string PushButton::Caption() const { return Host().As<ButtonWidget>().text().toStdString(); }
void PushButton::SetCaption(const std::string& caption) {
    Host().As<ButtonWidget>().setText(QString::fromStdString(caption));
}
bool PushButton::IsDown() const { return Host().As<ButtonWidget>().isDown(); }

}  // namespace fw
