#include "app/helpWnd.h"

#include "app/ControlWnd.h"
#include "app/HelpText.h"
#include "app/MenuBar1.h"
#include "app/helpWndLayout.h"
#include "framework/EventNames.h"
#include "framework/MakeControl.h"
#include "framework/core/Text.h"
#include "framework/WindowRegistry.h"

namespace {
const char* const kClassName = "helpWnd.helpWnd";
const char* const kAppendedText = "Error message";
}  // namespace

helpWnd::helpWnd() : fw::Window(kClassName) {}

class helpWnd& helpWnd() { return fw::ImplicitWindow<class helpWnd>(kClassName); }

void helpWnd::Layout() {
    SetMenuBar(&MenuBar1());
    SetProperties(helpWndLayout::Window);
}

void helpWnd::CreateControls() { CreateControls0(); }

void helpWnd::CreateControls0() {
    fw::TextAreaProperties properties = helpWndLayout::EditField1;
    properties.Value = HelpText();
    fw::MakeControl<fw::TextArea>(*this, "EditField1", properties, fw::OnOpen{&helpWnd::EditField1_Open});
}

// Only the title line and the carriage return that ends it are bold.
void helpWnd::EditField1_Open(fw::TextArea& /*area*/) {
    EditField1()->SetTextFont("System");
    EditField1()->SetTextSize(0);
    fw::StyledText styled = EditField1()->StyledText();
    EditField1()->AppendText(kAppendedText);
    const std::string title = fw::NthField(HelpText(), fw::Chr(13), 1);
    styled.SetBold(0, fw::Len(title) + 1, true);
    EditField1()->SetSelStart(0);  // the append left the end in view; a reader starts at the title
}

void helpWnd::AddMenuHandlers() {
    AddMenuHandler("ControlItem", [this] { return ControlItem_Action(); });
}

bool helpWnd::ControlItem_Action() {
    ControlWnd().Show();
    return true;
}

bool helpWnd::IsEventImplemented(const std::string& eventName) const {
    return fw::IsAmong(eventName, {"Layout", "CreateControls", "AddMenuHandlers"});
}

fw::Handle<fw::TextArea> helpWnd::EditField1() const { return ControlByName<fw::TextArea>("EditField1"); }
