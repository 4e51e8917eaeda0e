#include "app/open_configuration_dialog.h"

#include "core/configuration_folders.h"
#include "core/text_table.h"

TFOpenConf::TFOpenConf(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FOpenConf")) {
    constexpr int clientWidth = 377, clientHeight = 351;

    Label1 = new TLabel(this);
    Label1->SetName(QStringLiteral("Label1"));
    Label1->SetLeft(16);
    Label1->SetTop(70);

    // The list ends above the button panel, so that no name is hidden behind it.
    ListBox1 = new TListBox(this);
    ListBox1->SetName(QStringLiteral("ListBox1"));
    ListBox1->SetBounds(16, 94, 335, clientHeight - P_Buttons->Height() - 8 - 94);
    ListBox1->SetShowHint(true);
    ListBox1->OnClick = [this](TObject* sender) { ListBox1Click(sender); };
    // Choosing with the keyboard chooses as well as a click does.
    QObject::connect(ListBox1, &QListWidget::currentRowChanged, [this] { ListBox1Click(ListBox1); });
    // A double click or Enter on a name opens it, as choosing it and pressing OK does.
    ListBox1->OnDblClick = [this](TObject*) { Open_Chosen_Configuration(); };
    ListBox1->OnKeyPress = [this](TObject*, QChar& Key) {
        if (Key != QChar(13) || ListBox1->ItemIndex() < 0) return;
        Key = QChar();
        Open_Chosen_Configuration();
    };
    // The list has the focus when the dialog opens, so its current name shows as chosen.
    SetActiveControl(ListBox1);

    Btn_OK->SetModalResult(mrOk);

    Set_Client_Size(clientWidth, clientHeight);
    Set_Lang();
}

void TFOpenConf::Set_Lang() {
    SetCaption(LangText(200));
    L_SW_Desc->SetCaption(LangText(201));
    Label1->SetCaption(LangText(202));
    Btn_OK->SetCaption(LangText(203));
    Btn_OK->SetHint(LangText(206));
    Btn_Cancel->SetCaption(LangText(204));
    Btn_Cancel->SetHint(LangText(207));
    ListBox1->SetHint(LangText(205));
}

void TFOpenConf::ListBox1Click(TObject*) {
    const int index = ListBox1->ItemIndex();
    if (index >= 0) Name_Conf = ListBox1->Items().Strings(index);
}

void TFOpenConf::Open_Chosen_Configuration() {
    ListBox1Click(ListBox1);
    Btn_OK->Click();
}

void TFOpenConf::Load_Existing_Configuration() {
    for (const QString& name : List_Configurations()) SL.Add(name);
}

int TFOpenConf::Search_Open_Conf(const QString& snc) const {
    // Folder names are case-sensitive here, so "Plant" and "plant" can both exist: the
    // exact name wins, otherwise the first that differs only in case.
    for (const Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive})
        for (int i = 0; i < SL.Count(); ++i)
            if (SL.Strings(i).compare(snc, cs) == 0) return i;
    return -1;
}

void TFOpenConf::FormShow(TObject*) {
    SL.Clear();
    Load_Existing_Configuration();
    ListBox1->Items().Assign(SL.ToQStringList());

    const int current = Search_Open_Conf(Current_Configuration_Name());
    if (current >= 0 || SL.Count() > 0) {
        ListBox1->SetItemIndex(current >= 0 ? current : 0);
        Name_Conf = ListBox1->Items().Strings(ListBox1->ItemIndex());
    } else {
        // A name kept from an earlier showing may name a folder that is gone.
        Name_Conf.clear();
    }
}
