#include "framework/TextField.h"

#include "framework/detail/FieldWidget.h"
#include "framework/detail/Styling.h"
#include "framework/detail/WidgetHost.h"

#include <QRegularExpressionValidator>

namespace fw {
namespace {

using detail::FieldWidget;

// Each "#" is one optional digit place; anything else stands for itself.
QValidator* MaskValidator(const std::string& mask, QObject* parent) {
    if (mask.empty()) return nullptr;
    QString pattern;
    for (QChar c : QString::fromStdString(mask))
        pattern += c == '#' ? QStringLiteral("\\d?") : QRegularExpression::escape(QString(c));
    return new QRegularExpressionValidator(QRegularExpression(pattern), parent);
}

QPalette FieldPalette(const QPalette& base, const TextFieldProperties& p) {
    QPalette palette = base;
    bool seeThrough = p.Transparent && !p.HasBorder;
    palette.setColor(QPalette::Base, seeThrough ? QColor(Qt::transparent) : detail::ToQColor(p.BackgroundColor));
    return palette;
}

}  // namespace

TextField::TextField(Window& owner, std::string name)
    : TextControl(owner, std::move(name), detail::MakeHost<FieldWidget>(owner, *this, true)) {
    SetProperties(TextFieldProperties{});
}

TextField::~TextField() = default;

void TextField::SetProperties(const TextFieldProperties& p) {
    ApplyCommon(p.bounds, p.common);
    detail::ApplyFont(Host(), p.font);
    auto& field = Host().As<FieldWidget>();
    field.setPalette(FieldPalette(field.palette(), p));
    field.setText(QString::fromStdString(p.Value));
    field.setFrame(p.HasBorder);
    field.setReadOnly(p.ReadOnly);
    field.maxChars = p.MaximumCharactersAllowed;
    field.setMaxLength(p.MaximumCharactersAllowed > 0 ? p.MaximumCharactersAllowed : 32767);
    field.mask = p.ValidationMask;
    delete field.validator();
    field.setValidator(MaskValidator(p.ValidationMask, &field));
    field.textAlignment = p.TextAlignment;
    field.setAlignment(detail::ToAlignment(p.TextAlignment));
    field.setEchoMode(p.Password ? QLineEdit::Password : QLineEdit::Normal);
    field.setPlaceholderText(QString::fromStdString(p.Hint));
}

std::string TextField::Text() const { return Host().As<FieldWidget>().text().toStdString(); }
void TextField::SetText(const std::string& text) { Host().As<FieldWidget>().setText(QString::fromStdString(text)); }

bool TextField::ReadOnly() const { return Host().As<FieldWidget>().isReadOnly(); }
int TextField::MaximumCharactersAllowed() const { return Host().As<FieldWidget>().maxChars; }
std::string TextField::ValidationMask() const { return Host().As<FieldWidget>().mask; }
int TextField::TextAlignment() const { return Host().As<FieldWidget>().textAlignment; }
bool TextField::HasBorder() const { return Host().As<FieldWidget>().hasFrame(); }

}  // namespace fw
