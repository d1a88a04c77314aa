#pragma once
// For its lifetime, installs a desktop that passes every call on to the desktop it
// replaces (on the real desktop: the toolkit's message box, file dialog and clock) and
// counts the beeps on the way.
namespace fw::testing {

class ScopedBeepCounter {
public:
    ScopedBeepCounter();
    ~ScopedBeepCounter();
    ScopedBeepCounter(const ScopedBeepCounter&) = delete;
    ScopedBeepCounter& operator=(const ScopedBeepCounter&) = delete;

    int Beeps() const;

private:
    class Counting;
    Counting* desktop_;  // owned by the desktop seam while installed
};

}  // namespace fw::testing
