#include "framework/Label.h"

#include "framework/detail/Styling.h"
#include "framework/detail/WidgetHost.h"

#include <QLabel>

namespace fw {
namespace {

// Keeps the text as set; the label shows each CR as a line break.
class LabelWidget : public QLabel {
public:
    LabelWidget(Label&, QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }
    void SetRaw(const std::string& text) {
        raw = text;
        QString shown = QString::fromStdString(text);
        setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n')));
    }
    std::string raw;
    int textAlignment = 0;
};

Qt::Alignment LabelAlignment(const LabelProperties& p) {
    Qt::Alignment horizontal = detail::ToAlignment(p.TextAlignment) & Qt::AlignHorizontal_Mask;
    return horizontal | (p.Multiline ? Qt::AlignTop : Qt::AlignVCenter);
}

}  // namespace

Label::Label(Window& owner, std::string name)
    : TextControl(owner, std::move(name), detail::MakeHost<LabelWidget>(owner, *this, false)) {
    SetProperties(LabelProperties{});
}

Label::~Label() = default;

void Label::SetProperties(const LabelProperties& p) {
    ApplyCommon(p.bounds, p.common);
    detail::ApplyFont(Host(), p.font);
    auto& label = Host().As<LabelWidget>();
    label.SetRaw(p.Value);
    label.setWordWrap(p.Multiline);
    label.setTextInteractionFlags(p.Selectable ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
    label.setAutoFillBackground(!p.Transparent);
    label.textAlignment = p.TextAlignment;
    label.setAlignment(LabelAlignment(p));
}

std::string Label::Text() const { return Host().As<LabelWidget>().raw; }
void Label::SetText(const std::string& text) { Host().As<LabelWidget>().SetRaw(text); }

Color Label::TextColor() const { return Host().font.TextColor; }
int Label::TextAlignment() const { return Host().As<LabelWidget>().textAlignment; }

}  // namespace fw
