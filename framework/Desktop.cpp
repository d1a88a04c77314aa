#include "framework/Desktop.h"

#include "framework/core/FileType.h"
#include "framework/core/FolderItem.h"
#include "framework/Window.h"
#include "framework/detail/DialogOwner.h"
#include "framework/detail/HostFrame.h"
#include "framework/detail/WindowHost.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace fw {
namespace {

// A window manager keeps a dialog above its owner, and in reach with it.
QWidget* Owner() {
    Window* owner = detail::DialogOwner();
    return owner ? owner->Host().frame : nullptr;
}

class ToolkitDesktop : public Desktop {
public:
    // Plain text: a message may quote a data file, whose names must show as they are.
    // The box has no title of its own: the platform gives it the program's name.
    void MsgBox(const std::string& text) override {
        QMessageBox box(Owner());
        box.setTextFormat(Qt::PlainText);
        box.setText(QString::fromStdString(text));
        box.exec();
    }
    void Beep() override { QApplication::beep(); }
    std::optional<std::string> ChooseFileToOpen(const std::string& nameFilter) override {
        QString path = QFileDialog::getOpenFileName(Owner(), QString(), QString(),
                                                    QString::fromStdString(nameFilter));
        if (path.isEmpty()) return std::nullopt;
        return path.toStdString();
    }
    std::chrono::system_clock::time_point Now() override { return std::chrono::system_clock::now(); }
};

std::unique_ptr<Desktop>& Installed() {
    static std::unique_ptr<Desktop> desktop = std::make_unique<ToolkitDesktop>();
    return desktop;
}

}  // namespace

Desktop& CurrentDesktop() { return *Installed(); }

std::unique_ptr<Desktop> SetDesktop(std::unique_ptr<Desktop> desktop) {
    if (!desktop) desktop = std::make_unique<ToolkitDesktop>();
    std::swap(desktop, Installed());
    return desktop;
}

void MsgBox(const std::string& text) { CurrentDesktop().MsgBox(text); }
void Beep() { CurrentDesktop().Beep(); }

std::shared_ptr<FolderItem> GetOpenFolderItem(const std::string& fileTypeName) {
    const auto path = CurrentDesktop().ChooseFileToOpen(NameFilterFor(fileTypeName));
    if (!path) return nullptr;
    return std::make_shared<FolderItem>(*path);
}

}  // namespace fw
