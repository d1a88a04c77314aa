#pragma once
// A multi-line, scrollable text area. Its text uses CR as line end: the area shows
// each CR as a line break and hands typed line breaks back as CR. An append costs the
// appended text, not the whole text, and brings the end of the text into view. What the
// program writes (text set or appended, bold runs) is no undo step and ends the undo
// history: Undo and Redo reach only the user's own edits.
#include "framework/TextControl.h"
#include "framework/Event.h"

#include <cstdint>

namespace fw {

class TextArea;

// The styled view of an area's own text; positions count characters from 0.
class StyledText {
public:
    explicit StyledText(TextArea& area) : area_(area) {}
    void SetBold(int64_t start, int64_t length, bool bold);
    bool Bold(int64_t position) const;

private:
    TextArea& area_;
};

class TextArea : public TextControl {
public:
    TextArea(Window& owner, std::string name);
    ~TextArea() override;
    std::string ClassName() const override { return "TextArea"; }

    void SetProperties(const TextAreaProperties& properties);

    std::string Text() const;
    void SetText(const std::string& text);
    void AppendText(const std::string& text);
    int64_t Length() const;  // characters, without building the text
    fw::StyledText StyledText() { return fw::StyledText(*this); }

    bool ReadOnly() const;
    bool IsEndInView() const;
    // Moves the insertion point to that character position and brings it into view.
    void SetSelStart(int64_t position);
    int64_t SelStart() const;

    Event<bool(TextArea&, const std::string&)> KeyDown;
    Event<void(TextArea&)> Open;
    void RaiseOpen() override { Open.Raise(*this); }
};

}  // namespace fw
