#include "app/about_box.h"
#include "app/program_state.h"

TFAbout::TFAbout(TComponent* AOwner) : TForm(AOwner) {
    SetName(QStringLiteral("FAbout"));
    SetCaption(QStringLiteral("About..."));
    SetBorderStyle(bsSingle);
    SetPosition(poScreenCenter);
    SetClientSize(425, 148);

    Label1 = new TLabel(this);
    Label1->SetName(QStringLiteral("Label1"));
    Label1->SetCaption(QStringLiteral("Software Vastrelon "));
    Label1->SetLeft(128);
    Label1->SetTop(24);

    Label2 = new TLabel(this);
    Label2->SetName(QStringLiteral("Label2"));
    Label2->SetCaption(SW_Desc_Const);
    Label2->SetLeft(128);
    Label2->SetTop(39);

    LbButton1 = new TLbButton(this);
    LbButton1->SetName(QStringLiteral("LbButton1"));
    LbButton1->SetCaption(QStringLiteral("OK"));
    LbButton1->SetBounds(32, 115, 81, 22);
    LbButton1->SetModalResult(mrOk);
}
