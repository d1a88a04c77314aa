#pragma once
// The focused text control of a window as the target of the Edit menu's items:
// EditUndo, EditCut, EditCopy, EditPaste, EditClear (delete the selection) and
// EditSelectAll.
#include <optional>
#include <string>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace fw {
class Window;
}

namespace fw::detail {

class EditTarget {
public:
    // The focused line edit or plain-text editor of the window (of the application when
    // there is no window), or nothing. While the menu bar has the focus, the one it took
    // the focus from.
    static std::optional<EditTarget> Focused(const Window* front);

    static bool IsEditItem(const std::string& itemName);
    // Whether the item would do something now.
    bool Applies(const std::string& itemName) const;
    // Carries the item out when it applies; true when it did.
    bool Run(const std::string& itemName);

private:
    struct Command {
        const char* name;
        bool (EditTarget::*applies)() const;
        void (EditTarget::*run)();
    };
    static const Command* FindCommand(const std::string& itemName);

    explicit EditTarget(QWidget* widget);
    bool Editable() const;
    bool HasSelection() const;
    bool HasText() const;
    bool CanUndo() const;
    bool CanPaste() const;
    bool CanCopy() const;
    bool CanCut() const;
    bool CanDelete() const;
    void Undo();
    void Cut();
    void Copy();
    void Paste();
    void DeleteSelection();
    void SelectAll();

    QLineEdit* line_ = nullptr;
    QPlainTextEdit* area_ = nullptr;
};

}  // namespace fw::detail
