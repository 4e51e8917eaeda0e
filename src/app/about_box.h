#pragma once
// The About box: the software's identity and a link to the maker's home page. Its
// texts are fixed; a language change does not touch it.

#include "controls/lb_button.h"
#include "platform/form.h"
#include "platform/standard_controls.h"

class TFAbout : public TForm {
public:
    explicit TFAbout(TComponent* AOwner);

    TImage* Image2;
    TImage* I_Dravane;  // the partner brand's picture, hidden in this product
    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label6;
    TLabel* Label9;
    TLabel* Label3;
    TLabel* Label10;
    TLabel* Label8;
    TLabel* Label12;
    TLinkLabel* Label4;
    TLbButton* LbButton1;

    void Label4Click(TObject* Sender);

protected:
    void FormShow(TObject* Sender) override;
};

inline TFAbout* FAbout = nullptr;
