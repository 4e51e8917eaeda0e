#pragma once
// Lets the user choose an existing configuration; the main window opens it.

#include "controls/small_dialog.h"
#include "platform/string_list.h"

class TFOpenConf : public TSmallDialog {
public:
    explicit TFOpenConf(TComponent* AOwner);

    TLabel* Label1;
    TListBox* ListBox1;

    // The configuration folders found at the last showing.
    TStringList SL;
    // The chosen configuration; empty when there is none to choose.
    QString Name_Conf;

    void Set_Lang();
    void ListBox1Click(TObject* Sender);
    void Load_Existing_Configuration();
    // Index in SL of the name equal to snc, else of the first equal ignoring case; -1 when none.
    int Search_Open_Conf(const QString& snc) const;

protected:
    void FormShow(TObject* Sender) override;

private:
    void Open_Chosen_Configuration();
};

inline TFOpenConf* FOpenConf = nullptr;
