#include "app/software_options_dialog.h"

#include "core/english_language_file.h"
#include "core/language_list.h"
#include "app/main_window.h"
#include "core/maker_links.h"
#include "core/program_state.h"
#include "core/text_table.h"
#include "core/version_check.h"
#include "controls/button_look.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/http_client.h"
#include "platform/url_opener.h"

#include <algorithm>

// The resources live in a static library, whose initializer the linker may drop.
static void Load_Resources() { Q_INIT_RESOURCE(resources); }

namespace {

constexpr int kSlotsPerPage = 6;
// The manual check's answer when the maker's server could not be asked; the text table
// has no entry for it.
const QString Update_Check_Failed_Text = QStringLiteral("The update check could not be made");
const QString kLanguageExtension = QStringLiteral(".lng");

// Flag and name positions of the six slots: three rows in two columns.
struct SlotPlace {
    int imageLeft, imageTop, labelLeft, labelTop;
};
constexpr SlotPlace kSlots[kSlotsPerPage] = {{24, 40, 80, 56},   {26, 94, 80, 110},  {24, 148, 80, 164},
                                             {254, 40, 310, 56}, {254, 94, 310, 110}, {254, 148, 310, 164}};

// The flag of a language that has no picture of its own, when the language folder has
// no default flag either.
QPixmap Built_In_Default_Flag() {
    Load_Resources();
    return QPixmap(QStringLiteral(":/flags/DefaultFlag.bmp"));
}

}  // namespace

TFSoftOptions::TFSoftOptions(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FSoftOptions")) {
    Create_Controls();
    Set_Client_Size(470, 374);
    // This dialog keeps OK and Cancel at the left of the button panel.
    Btn_OK->SetLeft(16);
    Btn_Cancel->SetLeft(134);
    Btn_OK->OnClick = [this](TObject* sender) { Btn_OKClick(sender); };
    Btn_Cancel->OnClick = [this](TObject*) { Restore_Language(); };
    Set_Lang();
}

void TFSoftOptions::Create_Controls() {
    PC_Options = new TPageControl(this);
    PC_Options->SetName(QStringLiteral("PC_Options"));
    PC_Options->SetAlign(alClient);
    TS_Language = PC_Options->AddPage(this, QString());
    TS_Language->SetName(QStringLiteral("TS_Language"));
    TS_Con_Options = PC_Options->AddPage(this, QString());
    TS_Con_Options->SetName(QStringLiteral("TS_Con_Options"));
    TS_Soft_Settings = PC_Options->AddPage(this, QString());
    TS_Soft_Settings->SetName(QStringLiteral("TS_Soft_Settings"));

    L_Sel_Lang = new TLabel(this, TS_Language);
    L_Sel_Lang->SetName(QStringLiteral("L_Sel_Lang"));
    L_Sel_Lang->SetBounds(12, 11, 0, 0);
    for (int k = 0; k < kSlotsPerPage; ++k) {
        const SlotPlace& place = kSlots[k];
        TImage* image = new TImage(this, TS_Language);
        image->SetName(QStringLiteral("I_L%1").arg(k + 1));
        image->SetBounds(place.imageLeft, place.imageTop, 48, 48);
        image->SetStretch(true);
        image->SetCursor(crHandPoint);
        image->OnClick = [this](TObject* sender) { LangClick(sender); };
        I_L[std::size_t(k)] = image;
        TLabel* label = new TLabel(this, TS_Language);
        label->SetName(QStringLiteral("L_L%1").arg(k + 1));
        label->SetBounds(place.labelLeft, place.labelTop, 0, 0);
        label->SetCursor(crHandPoint);
        label->OnClick = [this](TObject* sender) { LangClick(sender); };
        L_L[std::size_t(k)] = label;
    }
    Btn_Prev = new TLbButton(this, TS_Language);
    Btn_Prev->SetName(QStringLiteral("Btn_Prev"));
    Btn_Prev->SetBounds(12, 204, 75, 25);
    Btn_Prev->OnClick = [this](TObject* sender) { Btn_NextClick(sender); };
    L_Page_Lang = new TLabel(this, TS_Language);
    L_Page_Lang->SetName(QStringLiteral("L_Page_Lang"));
    L_Page_Lang->SetBounds(220, 212, 0, 0);
    Btn_Next = new TLbButton(this, TS_Language);
    Btn_Next->SetName(QStringLiteral("Btn_Next"));
    Btn_Next->SetBounds(379, 205, 75, 25);
    Btn_Next->OnClick = [this](TObject* sender) { Btn_NextClick(sender); };

    auto checkBox = [this](TTabSheet* page, const QString& name, int left, int top) {
        auto* box = new TCheckBox(this, page);
        box->SetName(name);
        box->SetBounds(left, top, 430 - left, 17);
        box->OnClick = [this](TObject* sender) { CB_En_ConClick(sender); };
        return box;
    };
    CB_En_Con = checkBox(TS_Con_Options, QStringLiteral("CB_En_Con"), 12, 16);
    CB_Update = checkBox(TS_Con_Options, QStringLiteral("CB_Update"), 36, 47);
    Btn_Check_Update = new TLbButton(this, TS_Con_Options);
    Btn_Check_Update->SetName(QStringLiteral("Btn_Check_Update"));
    Btn_Check_Update->SetBounds(36, 78, 200, 28);
    Btn_Check_Update->OnClick = [this](TObject* sender) { Btn_Check_UpdateClick(sender); };
    // The page buttons are too small for a glyph beside their caption.
    SetStandardButtonLook(Btn_Prev, QString());
    SetStandardButtonLook(Btn_Next, QString());
    SetStandardButtonLook(Btn_Check_Update, QStringLiteral("update"));
    for (TLbButton* button : {Btn_Prev, Btn_Next, Btn_Check_Update}) button->SetStyle(bsNormal);
    LL_Check_Update = new TLinkLabel(this, TS_Con_Options);
    LL_Check_Update->SetName(QStringLiteral("LL_Check_Update"));
    LL_Check_Update->SetBounds(40, 120, 400, 17);
    LL_Check_Update->OnLinkClick = [this](TObject* sender, const QString& link, TSysLinkType type) {
        LL_Check_UpdateLinkClick(sender, link, type);
    };

    CB_Soft_Set_Jump_Table = checkBox(TS_Soft_Settings, QStringLiteral("CB_Soft_Set_Jump_Table"), 12, 16);
    CB_DoubleClick_Auto_Size = checkBox(TS_Soft_Settings, QStringLiteral("CB_DoubleClick_Auto_Size"), 12, 39);
}

void TFSoftOptions::Set_Lang() {
    SetCaption(LangText(300));
    L_SW_Desc->SetCaption(LangText(301));
    TS_Language->SetCaption(LangText(302));
    TS_Con_Options->SetCaption(LangText(303));
    TS_Soft_Settings->SetCaption(LangText(319));
    L_Sel_Lang->SetCaption(LangText(304));
    L_Page_Lang->SetCaption(LangText(305) + QStringLiteral("1") + LangText(306) + QStringLiteral("1"));
    Btn_Prev->SetCaption(LangText(307));
    Btn_Next->SetCaption(LangText(308));
    CB_En_Con->SetCaption(LangText(309));
    CB_Update->SetCaption(LangText(310));
    Btn_Check_Update->SetCaption(LangText(311));
    Btn_OK->SetCaption(LangText(312));
    Btn_Cancel->SetCaption(LangText(313));
    CB_Soft_Set_Jump_Table->SetCaption(LangText(320));
    CB_DoubleClick_Auto_Size->SetCaption(LangText(321));
}

void TFSoftOptions::FormShow(TObject*) {
    Language_In_Use = Language_Name;
    Create_Lang_List();
    Update_CheckBox();
    LL_Check_Update->Hide();
    PC_Options->setCurrentWidget(TS_Language);
    // Each change runs the check box's click handler, so the enabling rule follows.
    CB_En_Con->SetChecked(Enable_Internet);
    CB_Update->SetChecked(Enable_Update);
    CB_Soft_Set_Jump_Table->SetChecked(Enable_Jump_Field);
    CB_DoubleClick_Auto_Size->SetChecked(Enable_Auto_Size);
}

void TFSoftOptions::Create_Lang_List() {
    // English stays on the pages even when its file was deleted since the start.
    Write_English_Language_File();
    SL_Languages.Clear();
    for (const QString& file : Find_Language_Files(Dir_Language)) SL_Languages.Add(file);
    Show_Page = 1;
    Update_Lang_Page(1);
}

int TFSoftOptions::Page_Count() const {
    // At least one page, so an empty language folder reads "Page 1 / 1" with no Next.
    return std::max(1, (SL_Languages.Count() + kSlotsPerPage - 1) / kSlotsPerPage);
}

void TFSoftOptions::Update_Lang_Page(int Num_Page) {
    const int pages = Page_Count();
    L_Sel_Lang->SetCaption(LangText(304) + Language_In_Use);
    L_Page_Lang->SetCaption(LangText(305) + QString::number(Num_Page) + LangText(306) + QString::number(pages));
    Btn_Prev->SetVisible(Num_Page != 1);
    Btn_Next->SetVisible(Num_Page != pages);

    const int first = kSlotsPerPage * (Num_Page - 1);
    const int used = std::clamp(SL_Languages.Count() - first, 0, kSlotsPerPage);
    for (int k = 0; k < kSlotsPerPage; ++k) {
        // The first slot stays in place even on an empty page.
        const bool shown = k < used || k == 0;
        I_L[std::size_t(k)]->SetVisible(shown);
        L_L[std::size_t(k)]->SetVisible(shown);
    }
    for (int k = 0; k < used; ++k) {
        const QString name = SL_Languages.Strings(first + k).chopped(kLanguageExtension.size());
        L_L[std::size_t(k)]->SetCaption(name);
        Show_Flag(I_L[std::size_t(k)], name);
    }
    if (used == 0) {
        // Nothing of an earlier listing may stay in the first slot.
        L_L[0]->SetCaption(QString());
        I_L[0]->SetPicture(QPixmap());
    }
}

void TFSoftOptions::Show_Flag(TImage* image, const QString& name) {
    // A picture that is missing or cannot be read gives way to the next one.
    for (const QString& file : {name + QStringLiteral(".bmp"), QStringLiteral("DefaultFlag.bmp")}) {
        const QString path = PathJoin(Dir_Language, file);
        if (FileExists(path) && image->LoadFromFile(path)) return;
    }
    image->SetPicture(Built_In_Default_Flag());
}

void TFSoftOptions::Btn_NextClick(TObject* Sender) {
    if (Sender == Btn_Next && Page_Count() >= Show_Page + 1) ++Show_Page;
    if (Sender == Btn_Prev && Show_Page - 1 > 0) --Show_Page;
    Update_Lang_Page(Show_Page);
}

void TFSoftOptions::LangClick(TObject* Sender) {
    int slot = -1;
    for (int k = 0; k < kSlotsPerPage; ++k)
        if (Sender == I_L[std::size_t(k)] || Sender == L_L[std::size_t(k)]) slot = k;
    const int index = kSlotsPerPage * (Show_Page - 1) + slot;
    if (slot < 0 || index >= SL_Languages.Count()) return;
    const QString name = SL_Languages.Strings(index).chopped(kLanguageExtension.size());
    if (!AskYesNo(LangText(316) + Language_In_Use + LangText(317) + name + LangText(318))) return;

    Language_In_Use = name;
    // The texts change now; Language_Name (what the settings store) only changes on OK.
    const QString savedLanguage = Language_Name;
    Language_Name = name;
    Init_Language();
    Language_Name = savedLanguage;
    FVastreloneFirmWare->Change_Language();
    // Set_Lang has put the page label back to "1 / 1"; redraw the page the user is on.
    Update_Lang_Page(Show_Page);
}

void TFSoftOptions::Update_CheckBox() {
    CB_Update->SetEnabled(CB_En_Con->Checked());
    Btn_Check_Update->SetEnabled(CB_Update->Enabled() && CB_Update->Checked());
}

void TFSoftOptions::CB_En_ConClick(TObject*) { Update_CheckBox(); }

TVersionAnswer TFSoftOptions::Ask_Version() {
    const THTTPResponse response = FVastreloneFirmWare->HTTP1->Get(Version_Request_URL());
    if (!response.Ok) return TVersionAnswer::Unreadable;
    return Read_Version_Answer(QString::fromUtf8(response.Body));
}

bool TFSoftOptions::Check_Version() { return Ask_Version() == TVersionAnswer::Newer; }

void TFSoftOptions::Btn_Check_UpdateClick(TObject*) {
    switch (Ask_Version()) {
    case TVersionAnswer::Newer:
        LL_Check_Update->SetCaption(Download_Link_Caption(LangText(314)));
        break;
    case TVersionAnswer::NotNewer:
        LL_Check_Update->SetCaption(LangText(315).toHtmlEscaped());
        break;
    case TVersionAnswer::Unreadable:
        // Saying "no update" here would tell the user something nobody knows.
        LL_Check_Update->SetCaption(Update_Check_Failed_Text.toHtmlEscaped());
        break;
    }
    LL_Check_Update->Show();
}

void TFSoftOptions::LL_Check_UpdateLinkClick(TObject*, const QString& Link, TSysLinkType) { OpenURL(Link); }

void TFSoftOptions::Restore_Language() {
    // Language_Name changes only on OK, so it still names the language the dialog opened with.
    if (Language_In_Use == Language_Name) return;
    Language_In_Use = Language_Name;
    Init_Language();
    FVastreloneFirmWare->Change_Language();
}

void TFSoftOptions::FormClose(TObject*, TCloseAction&) { Restore_Language(); }

void TFSoftOptions::Btn_OKClick(TObject*) {
    Language_Name = Language_In_Use;
    Enable_Internet = CB_En_Con->Checked();
    // Stored as ticked even while it is disabled, so it comes back with the internet option.
    Enable_Update = CB_Update->Checked();
    FVastreloneFirmWare->Apply_Timer_Rule();
    Enable_Jump_Field = CB_Soft_Set_Jump_Table->Checked();
    Enable_Auto_Size = CB_DoubleClick_Auto_Size->Checked();
    SetModalResult(mrOk);
}
