#pragma once
// Answers the toolkit's real modal dialogs as a user would, the way the toolkit's own
// widget tests do: while a dialog's own event loop runs, a timer finds the active modal
// widget, waits until the window system shows it, reads it and answers it with the next
// answer in the queue. A dialog that finds the queue empty is recorded and dismissed, so
// a test never hangs on it.
#include <memory>
#include <string>
#include <vector>

namespace fw::testing {

struct DialogSeen {
    std::string kind;  // "message box", "file dialog", else the widget's class name
    // A message box: its text as the user reads it (markup already rendered when the box
    // took the text as markup). A file dialog: its name filters.
    std::string text;
    // Its title as the X server holds it, the one a window manager shows; empty on other
    // window systems.
    std::string title;
    // The program's window that owns it in the toolkit (its transient parent), by class
    // name ("ControlWnd.ControlWnd"); empty when it has no owner.
    std::string owner;
    // The same as the X server holds it (WM_TRANSIENT_FOR), which a window manager keeps
    // it above; empty when it names no window, or on other window systems.
    std::string ownerOnScreen;
    bool answered = false;  // false: no answer was queued for it
};

class DialogAnswerer {
public:
    DialogAnswerer();
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // Queues a click on a message box's default button.
    void AcceptMessageBox();
    // Queues putting the path into a file dialog's name field, as a paste does, then
    // Return.
    void ChooseFile(const std::string& path);

    const std::vector<DialogSeen>& Seen() const;
    // The answers queued and not yet used.
    int Pending() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace fw::testing
