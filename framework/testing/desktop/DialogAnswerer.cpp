#include "framework/testing/desktop/DialogAnswerer.h"

#include "framework/Window.h"
#include "framework/WindowRegistry.h"
#include "framework/detail/HostFrame.h"
#include "framework/detail/WindowHost.h"
#include "framework/testing/Activation.h"
#include "framework/testing/desktop/XConnection.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>

#include <deque>
#include <functional>

namespace fw::testing {
namespace {

constexpr int kPollMs = 10;

struct Answer {
    bool forFileDialog;
    std::string path;
};

// The label's text as is when it takes it as plain text; else the text its markup shows.
std::string ShownText(const QMessageBox& box) {
    auto* label = box.findChild<QLabel*>("qt_msgbox_label");
    if (!label) return box.text().toStdString();
    const QString text = label->text();
    const Qt::TextFormat format = label->textFormat();
    if (format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(text))) return text.toStdString();
    QTextDocument shown;
    shown.setHtml(text);
    return shown.toPlainText().toStdString();
}

void Accept(QMessageBox& box) {
    QAbstractButton* button = box.defaultButton();
    if (!button && !box.buttons().isEmpty()) button = box.buttons().front();
    if (button) QTest::mouseClick(button, Qt::LeftButton);
}

// The path goes into the name field whole, as a paste puts it. Typed key by key, it
// would select each folder on its way in the list, and a name field without the focus
// (the desktop gives the dialog the focus in its own time) keeps them selected, so
// Return would open a folder rather than choose the file.
void Choose(QFileDialog& dialog, const std::string& path) {
    auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
    if (!name) return dialog.reject();
    ActivateWindow(dialog);
    name->setFocus();
    name->setText(QString::fromStdString(path));
    QTest::keyClick(name, Qt::Key_Return);
}

bool OnX() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

// The class name of the program's window whose frame matches; empty when none does.
std::string ProgramWindow(const std::function<bool(const QWidget& frame)>& matches) {
    for (Window* window : OpenWindows())
        if (matches(*window->Host().frame)) return window->ClassName();
    return "";
}

std::string OwnerInToolkit(const QWidget& modal) {
    const QWindow* parent = modal.windowHandle()->transientParent();
    if (!parent) return "";
    const std::string name = ProgramWindow([&](const QWidget& frame) { return frame.windowHandle() == parent; });
    return name.empty() ? "a window not the program's" : name;
}

// Read over X, after the toolkit's own fallbacks: its title and owner.
void ReadOnScreen(QWidget& modal, DialogSeen& seen) {
    if (!OnX()) return;
    XConnection x;
    if (!x.Ok()) return;
    const auto id = static_cast<xcb_window_t>(modal.winId());
    seen.title = x.WindowTitle(id);
    const xcb_window_t owner = x.TransientFor(id);
    if (owner == XCB_WINDOW_NONE) return;
    seen.ownerOnScreen = ProgramWindow([&](const QWidget& frame) { return frame.internalWinId() == owner; });
    if (seen.ownerOnScreen.empty()) seen.ownerOnScreen = "X window " + std::to_string(owner) + ", not the program's";
}

// What the user and the window system see of it, but whether it is answered.
DialogSeen Describe(QWidget& modal) {
    DialogSeen seen{modal.metaObject()->className()};
    if (auto* box = qobject_cast<QMessageBox*>(&modal)) seen = {"message box", ShownText(*box)};
    if (auto* files = qobject_cast<QFileDialog*>(&modal))
        seen = {"file dialog", files->nameFilters().join(";;").toStdString()};
    seen.owner = OwnerInToolkit(modal);
    ReadOnScreen(modal, seen);
    return seen;
}

void Dismiss(QWidget& modal) {
    if (auto* dialog = qobject_cast<QDialog*>(&modal)) return dialog->reject();
    modal.close();
}

}  // namespace

struct DialogAnswerer::State {
    QTimer timer;
    std::deque<Answer> queue;
    std::vector<DialogSeen> seen;

    // A dialog is read once it is exposed: its title and owner are on the server by
    // then. The answer leaves the queue before it is given: answering may open another
    // dialog, whose event loop polls again.
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || !modal->windowHandle()->isExposed()) return;
        auto* box = qobject_cast<QMessageBox*>(modal);
        auto* files = qobject_cast<QFileDialog*>(modal);
        const bool fits = !queue.empty() && ((box && !queue.front().forFileDialog) || (files && queue.front().forFileDialog));
        seen.push_back(Describe(*modal));
        seen.back().answered = fits;
        if (!fits) return Dismiss(*modal);
        const Answer answer = queue.front();
        queue.pop_front();
        if (box) Accept(*box);
        else Choose(*files, answer.path);
    }
};

DialogAnswerer::DialogAnswerer() : state_(std::make_unique<State>()) {
    state_->timer.callOnTimeout([state = state_.get()] { state->Poll(); });
    state_->timer.start(kPollMs);
}

DialogAnswerer::~DialogAnswerer() = default;

void DialogAnswerer::AcceptMessageBox() { state_->queue.push_back({false, ""}); }

void DialogAnswerer::ChooseFile(const std::string& path) { state_->queue.push_back({true, path}); }

const std::vector<DialogSeen>& DialogAnswerer::Seen() const { return state_->seen; }

int DialogAnswerer::Pending() const { return static_cast<int>(state_->queue.size()); }

}  // namespace fw::testing
