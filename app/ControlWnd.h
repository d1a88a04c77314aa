#pragma once
// The main window, in which the user types the number of predictors and the
// R-squared, loads a data file and reads the Pratt report.
#include "analysis/PrattAnalysis.h"
#include "app/MenuBar1Items.h"
#include "framework/Canvas.h"
#include "framework/Label.h"
#include "framework/PushButton.h"
#include "framework/Rectangle.h"
#include "framework/TextArea.h"
#include "framework/TextField.h"
#include "framework/Window.h"

#include <cstdint>
#include <string>

class ControlWnd : public fw::Window, public MenuBar1Items<ControlWnd> {
public:
    ControlWnd();

    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers() override;
    void Event_Close() override;
    bool IsEventImplemented(const std::string& eventName) const override;

    // Control accessors: each looks its control up by name on every call.
    fw::Handle<fw::Rectangle> Rectangle1() const;
    fw::Handle<fw::Canvas> ImageWell1() const;
    fw::Handle<fw::TextField> pFld() const;
    fw::Handle<fw::PushButton> clearBtn() const;
    fw::Handle<fw::PushButton> helpBtn() const;
    fw::Handle<fw::PushButton> calcBtn() const;
    fw::Handle<fw::Label> RyText() const;
    fw::Handle<fw::TextField> RyFld() const;
    fw::Handle<fw::TextArea> ResultsFld() const;
    fw::Handle<fw::Canvas> Canvas1() const;
    fw::Handle<fw::Label> Label1() const;
    fw::Handle<fw::TextField> TextField1() const;

    // Control handlers.
    bool pFld_KeyDown(fw::TextField& field, const std::string& key);
    void pFld_Open(fw::TextField& field);
    bool clearBtn_MouseDown(fw::PushButton& button, int64_t x, int64_t y);
    bool helpBtn_MouseDown(fw::PushButton& button, int64_t x, int64_t y);
    bool calcBtn_MouseDown(fw::PushButton& button, int64_t x, int64_t y);  // Load Data
    void RyText_Open(fw::Label& label);
    bool RyFld_KeyDown(fw::TextField& field, const std::string& key);
    void RyFld_Open(fw::TextField& field);
    bool ResultsFld_KeyDown(fw::TextArea& area, const std::string& key);
    void ResultsFld_Open(fw::TextArea& area);
    void Label1_Open(fw::Label& label);
    void TextField1_Open(fw::TextField& field);

    // Menu handlers, bound by item name.
    bool FileQuit_Action();
    bool InfoItem_Action();
    bool AboutItem_Action();

private:
    void CreateControls0();
    void AppendReport(const std::string& fileName, const PrattResults& results);
};

// The one main window: the open one, or a new one built now. It does not show it.
class ControlWnd& ControlWnd();
