#include "framework/detail/EditTarget.h"

#include "framework/Window.h"
#include "framework/detail/HostFrame.h"
#include "framework/detail/MenuBarWidget.h"
#include "framework/detail/WindowHost.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace fw::detail {

EditTarget::EditTarget(QWidget* widget)
    : line_(qobject_cast<QLineEdit*>(widget)), area_(qobject_cast<QPlainTextEdit*>(widget)) {}

std::optional<EditTarget> EditTarget::Focused(const Window* front) {
    QWidget* focused = front ? front->Host().frame->focusWidget() : QApplication::focusWidget();
    EditTarget target(FocusBehindMenuBar(focused));
    if (!target.line_ && !target.area_) return std::nullopt;
    return target;
}

bool EditTarget::Editable() const { return line_ ? !line_->isReadOnly() : !area_->isReadOnly(); }
bool EditTarget::HasSelection() const { return line_ ? line_->hasSelectedText() : area_->textCursor().hasSelection(); }
bool EditTarget::HasText() const { return line_ ? !line_->text().isEmpty() : !area_->document()->isEmpty(); }

bool EditTarget::CanUndo() const {
    return Editable() && (line_ ? line_->isUndoAvailable() : area_->document()->isUndoAvailable());
}

// A password field gives nothing away.
bool EditTarget::CanCopy() const { return HasSelection() && !(line_ && line_->echoMode() != QLineEdit::Normal); }
bool EditTarget::CanCut() const { return Editable() && CanCopy(); }
bool EditTarget::CanDelete() const { return Editable() && HasSelection(); }
bool EditTarget::CanPaste() const { return Editable() && !QApplication::clipboard()->text().isEmpty(); }

void EditTarget::Undo() { line_ ? line_->undo() : area_->undo(); }
void EditTarget::Cut() { line_ ? line_->cut() : area_->cut(); }
void EditTarget::Copy() { line_ ? line_->copy() : area_->copy(); }
void EditTarget::Paste() { line_ ? line_->paste() : area_->paste(); }
void EditTarget::SelectAll() { line_ ? line_->selectAll() : area_->selectAll(); }

void EditTarget::DeleteSelection() {
    if (line_) return line_->del();
    QTextCursor cursor = area_->textCursor();
    cursor.removeSelectedText();
}

// One table, so the enable rule and the action cannot drift apart.
const EditTarget::Command* EditTarget::FindCommand(const std::string& itemName) {
    static const Command commands[] = {
        {"EditUndo", &EditTarget::CanUndo, &EditTarget::Undo},
        {"EditCut", &EditTarget::CanCut, &EditTarget::Cut},
        {"EditCopy", &EditTarget::CanCopy, &EditTarget::Copy},
        {"EditPaste", &EditTarget::CanPaste, &EditTarget::Paste},
        {"EditClear", &EditTarget::CanDelete, &EditTarget::DeleteSelection},
        {"EditSelectAll", &EditTarget::HasText, &EditTarget::SelectAll},
    };
    for (const auto& command : commands)
        if (itemName == command.name) return &command;
    return nullptr;
}

bool EditTarget::IsEditItem(const std::string& itemName) { return FindCommand(itemName) != nullptr; }

bool EditTarget::Applies(const std::string& itemName) const {
    const Command* command = FindCommand(itemName);
    return command && (this->*command->applies)();
}

bool EditTarget::Run(const std::string& itemName) {
    if (!Applies(itemName)) return false;
    (this->*FindCommand(itemName)->run)();
    return true;
}

}  // namespace fw::detail
