#include "app/about_box.h"
#include "controls/button_look.h"

#include "core/maker_links.h"
#include "core/program_state.h"
#include "platform/url_opener.h"

TFAbout::TFAbout(TComponent* AOwner) : TForm(AOwner) {
    SetName(QStringLiteral("FAbout"));
    SetCaption(QStringLiteral("About..."));
    SetBorderStyle(bsSingle);
    SetPosition(poScreenCenter);
    SetClientSize(425, 148);

    auto picture = [this](const QString& name) {
        auto* image = new TImage(this);
        image->SetName(name);
        image->SetBounds(32, 24, 81, 81);
        image->SetCursor(crHandPoint);
        image->OnClick = [this](TObject* sender) { Label4Click(sender); };
        return image;
    };
    Image2 = picture(QStringLiteral("Image2"));
    // The product's lamp glyph, enlarged, stands for the logo.
    Image2->SetPicture(QPixmap(QStringLiteral(":/glyphs/dali.png"))
                           .scaled(72, 72, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    Image2->setAlignment(Qt::AlignCenter);
    I_Dravane = picture(QStringLiteral("I_Dravane"));

    auto label = [this](const QString& name, const QString& caption, int left, int top) {
        auto* l = new TLabel(this);
        l->SetName(name);
        l->SetCaption(caption);
        l->SetLeft(left);
        l->SetTop(top);
        return l;
    };
    Label1 = label(QStringLiteral("Label1"), QStringLiteral("Software Vastrelon "), 128, 24);
    Label2 = label(QStringLiteral("Label2"), QString(), 128, 39);
    Label6 = label(QStringLiteral("Label6"), QStringLiteral("Software Code : "), 128, 62);
    Label9 = label(QStringLiteral("Label9"), QString(), 240, 62);
    Label3 = label(QStringLiteral("Label3"), QStringLiteral("Version :"), 128, 77);
    Label10 = label(QStringLiteral("Label10"), QString(), 240, 77);
    Label8 = label(QStringLiteral("Label8"), QStringLiteral("Document Code :"), 128, 93);
    Label12 = label(QStringLiteral("Label12"), QString(), 240, 93);

    Label4 = new TLinkLabel(this);
    Label4->SetName(QStringLiteral("Label4"));
    Label4->SetCaption(QStringLiteral("<a href=\"%1\">Korvel</a>").arg(About_Home_Page_URL.toHtmlEscaped()));
    Label4->SetLeft(316);
    Label4->SetTop(131);
    Label4->adjustSize();
    Label4->SetCursor(crHandPoint);
    Label4->OnLinkClick = [this](TObject* sender, const QString&, TSysLinkType) { Label4Click(sender); };

    LbButton1 = new TLbButton(this);
    LbButton1->SetName(QStringLiteral("LbButton1"));
    LbButton1->SetCaption(QStringLiteral("OK"));
    LbButton1->SetBounds(32, 115, 81, 22);
    LbButton1->SetModalResult(mrOk);
    SetStandardButtonLook(LbButton1, QString());
}

void TFAbout::FormShow(TObject*) {
    I_Dravane->Hide();
    Image2->Show();
    Label4->Show();
    Label2->SetCaption(SW_Desc_Const);
    Label9->SetCaption(SW_Code_Const);
    Label10->SetCaption(SW_Version);
    Label12->SetCaption(QStringLiteral("DC30514"));
    SetClientSize(425, 148);
}

void TFAbout::Label4Click(TObject*) { OpenURL(About_Home_Page_URL); }
