#include "framework/testing/desktop/BeepCounter.h"

#include "framework/Desktop.h"

#include <memory>

namespace fw::testing {

class ScopedBeepCounter::Counting : public Desktop {
public:
    void MsgBox(const std::string& text) override { inner->MsgBox(text); }
    void Beep() override {
        ++beeps;
        inner->Beep();
    }
    std::optional<std::string> ChooseFileToOpen(const std::string& nameFilter) override {
        return inner->ChooseFileToOpen(nameFilter);
    }
    std::chrono::system_clock::time_point Now() override { return inner->Now(); }

    std::unique_ptr<Desktop> inner;  // the desktop it replaced
    int beeps = 0;
};

ScopedBeepCounter::ScopedBeepCounter() {
    auto counting = std::make_unique<Counting>();
    desktop_ = counting.get();
    desktop_->inner = SetDesktop(std::move(counting));
}

ScopedBeepCounter::~ScopedBeepCounter() { SetDesktop(std::move(desktop_->inner)); }

int ScopedBeepCounter::Beeps() const { return desktop_->beeps; }

}  // namespace fw::testing
