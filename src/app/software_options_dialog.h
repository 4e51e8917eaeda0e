#pragma once
// The software options: the user-interface language (picked from the language files,
// six flags to a page), the internet and update-check options with a manual check for
// a newer version, and the two table options. Nothing is stored before OK.

#include "controls/small_dialog.h"
#include "core/version_check.h"
#include "platform/string_list.h"

#include <array>

class TFSoftOptions : public TSmallDialog {
public:
    explicit TFSoftOptions(TComponent* AOwner);

    TPageControl* PC_Options;
    TTabSheet* TS_Language;
    TTabSheet* TS_Con_Options;
    TTabSheet* TS_Soft_Settings;

    TLabel* L_Sel_Lang;
    std::array<TImage*, 6> I_L{};  // I_L1 ... I_L6, the flags of the six slots
    std::array<TLabel*, 6> L_L{};  // L_L1 ... L_L6, the language names
    TLbButton* Btn_Prev;
    TLabel* L_Page_Lang;
    TLbButton* Btn_Next;

    TCheckBox* CB_En_Con;
    TCheckBox* CB_Update;
    TLbButton* Btn_Check_Update;
    TLinkLabel* LL_Check_Update;

    TCheckBox* CB_Soft_Set_Jump_Table;
    TCheckBox* CB_DoubleClick_Auto_Size;

    // The language file names found in the language folder, sorted.
    TStringList SL_Languages;
    int Show_Page = 1;
    // The language chosen in this showing; it becomes Language_Name on OK.
    QString Language_In_Use;

    void Set_Lang();
    void Create_Lang_List();
    void Update_Lang_Page(int Num_Page);
    void Update_CheckBox();
    // True when the maker publishes a newer version than this one; every failure is false.
    bool Check_Version();
    // Asks the maker's server; Unreadable when no answer came (no network, refused, time
    // limit, an error status) or the answer holds no version.
    TVersionAnswer Ask_Version();

    void Btn_NextClick(TObject* Sender);
    void LangClick(TObject* Sender);
    void CB_En_ConClick(TObject* Sender);
    void Btn_Check_UpdateClick(TObject* Sender);
    void LL_Check_UpdateLinkClick(TObject* Sender, const QString& Link, TSysLinkType LinkType);
    void Btn_OKClick(TObject* Sender);

protected:
    void FormShow(TObject* Sender) override;
    // Closing through the window manager is a Cancel.
    void FormClose(TObject* Sender, TCloseAction& Action) override;

private:
    void Create_Controls();
    // Cancel: the language in force when the dialog opened comes back on every window.
    void Restore_Language();
    int Page_Count() const;
    void Show_Flag(TImage* image, const QString& name);
};

inline TFSoftOptions* FSoftOptions = nullptr;
