#pragma once
// The help window: the help text in one editable text area with a bold title. Closing
// it discards it; the next request builds a new one with the text as it first was.
#include "app/MenuBar1Items.h"
#include "framework/TextArea.h"
#include "framework/Window.h"

#include <string>

class helpWnd : public fw::Window, public MenuBar1Items<helpWnd> {
public:
    helpWnd();

    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers() override;
    bool IsEventImplemented(const std::string& eventName) const override;

    fw::Handle<fw::TextArea> EditField1() const;
    void EditField1_Open(fw::TextArea& area);
    bool ControlItem_Action();

private:
    void CreateControls0();
};

// The one help window: the open one, or a new one built now. It does not show it.
class helpWnd& helpWnd();
