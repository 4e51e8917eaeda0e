#pragma once
// The layout the program's dialogs share: a title panel with the software code and
// a description at the top, a button panel with OK and Cancel at the bottom.

#include "controls/lb_button.h"
#include "platform/form.h"
#include "platform/standard_controls.h"

#include <map>

class TSmallDialog : public TForm {
public:
    explicit TSmallDialog(TComponent* AOwner, const QString& name);

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPanel* P_Buttons;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;

protected:
    // Sets the inside size and keeps OK and Cancel at the right of the button panel.
    void Set_Client_Size(int width, int height);
    // A window narrowed to fit a small screen moves the buttons that would stand beyond
    // the panel's right edge back onto it.
    void resizeEvent(QResizeEvent* event) override;
    // The same for the buttons now visible: a window that shows other buttons calls it.
    void Reflow_Buttons();

private:
    std::map<TLbButton*, int> FLaidOutLeft;
    std::map<TLbButton*, int> FReflowedLeft;
};
