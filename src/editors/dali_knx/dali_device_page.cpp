// The "Select Device" page of the DALI access editor: the device and group grids, their
// header menus, Select/Clear All, loading the page and the DALI maps export.

#include "editors/dali_knx/dali_access_editor.h"

#include "config/rule_cell_rules.h"
#include "core/program_state.h"
#include "core/text_table.h"
#include "grid/core/column_grid.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/popup_menu.h"

#include <QFileInfo>
#include <QSplitter>
#include <QVBoxLayout>
#include <array>

namespace {

// Real columns of the two grids; the device grid's Address column stays hidden.
constexpr int Device_Title_Col = 0;
constexpr int Device_Address_Col = Dev_Address + 1;
constexpr int Group_First_Option_Col = 1;
constexpr int Device_First_Option_Col = Dev_Dimming_Mode + 1;
constexpr int Min_Group_Panel_Height = 30;
constexpr int Device_Panel_Height = 260;

enum class Kind { Title, Check, Hidden, Dimming, Recall };

struct DeviceColumn {
    int header;  // text number
    int width;
    Kind kind;
};

constexpr std::array<DeviceColumn, 6> kDeviceColumns = {{
    {758, 200, Kind::Title},
    {759, 90, Kind::Check},
    {760, 190, Kind::Hidden},
    {761, 190, Kind::Dimming},
    {762, 90, Kind::Check},
    {763, 190, Kind::Recall},
}};

constexpr std::array<DeviceColumn, 4> kGroupColumns = {{
    {764, 290, Kind::Title},
    {765, 190, Kind::Dimming},
    {766, 90, Kind::Check},
    {767, 190, Kind::Recall},
}};

const QStringList& Dimming_Modes() {
    static const QStringList modes = {QStringLiteral("Normal"), QStringLiteral("Start Break")};
    return modes;
}

const QStringList& Recall_Levels() {
    static const QStringList levels = {QStringLiteral("None"), QStringLiteral("Recall Min-Max Level for Switch"),
                                       QStringLiteral("Recall Old Value Level for Switch")};
    return levels;
}

template <std::size_t N>
void Build_Option_Grid(TExColumnGrid& grid, const std::array<DeviceColumn, N>& columns, int data_rows) {
    grid.BeginUpdate();
    grid.SetAlign(alClient);
    grid.SetColCount(int(N));
    grid.SetRowCount(data_rows + 1);
    grid.SetFixedCols(0);
    grid.SetLeftCol(0);  // the row titles are a scrolling column here
    grid.SetOptions(grid.Options().Include(goEditing).Include(goColSizing));
    grid.ControlLook()->DropDownAlwaysVisible = true;
    for (std::size_t c = 0; c < N; ++c) {
        TGridColumnItem* item = grid.Columns()->Items(int(c));
        item->SetWidth(columns[c].width);
        item->SetReadOnly(columns[c].kind == Kind::Title || columns[c].kind == Kind::Hidden);
        switch (columns[c].kind) {
        case Kind::Check:
            item->SetEditor(edDataCheckBox);
            item->SetAlignment(taCenter);
            break;
        case Kind::Dimming:
            item->SetEditor(edComboList);
            for (const QString& mode : Dimming_Modes()) item->ComboItems()->Add(mode);
            break;
        case Kind::Recall:
            item->SetEditor(edComboList);
            for (const QString& level : Recall_Levels()) item->ComboItems()->Add(level);
            break;
        default: break;
        }
    }
    grid.EndUpdate();
}

template <std::size_t N>
void Set_Option_Grid_Texts(TExColumnGrid& grid, const std::array<DeviceColumn, N>& columns, int first_row_text) {
    grid.BeginUpdate();
    for (std::size_t c = 0; c < N; ++c) grid.Columns()->Items(int(c))->SetHeader(LangText(columns[c].header));
    for (int r = 1; r < grid.RowCount(); ++r) grid.SetCells(Device_Title_Col, r, LangText(first_row_text + r));
    grid.EndUpdate();
}

void Fill_Column(TExColumnGrid& grid, int column, const QString& value) {
    grid.BeginUpdate();
    for (int r = 1; r < grid.RowCount(); ++r) grid.SetCells(column, r, value);
    grid.EndUpdate();
    grid.Repaint();
}

}  // namespace

void TFDALI_Access::Build_Device_Page() {
    // The page is split by a QSplitter: the devices above, the groups below.
    auto* layout = new QVBoxLayout(TS_Select_Device);
    layout->setContentsMargins(0, 0, 0, 0);
    Splitter_Device_Group = new QSplitter(Qt::Vertical, TS_Select_Device);
    Splitter_Device_Group->setChildrenCollapsible(false);
    layout->addWidget(Splitter_Device_Group);

    auto* device_panel = new TPanel(this, Splitter_Device_Group);
    device_panel->SetName(QStringLiteral("P_DALI_Device"));
    device_panel->SetBevelOuter(bvNone);
    ACG_DALI_Device = new TExColumnGrid(this, device_panel);
    ACG_DALI_Device->SetName(QStringLiteral("ACG_DALI_Device"));
    Build_Option_Grid(*ACG_DALI_Device, kDeviceColumns, DALI_Device_Rows);

    PDaliGroupBroad = new TPanel(this, Splitter_Device_Group);
    PDaliGroupBroad->SetName(QStringLiteral("PDaliGroupBroad"));
    PDaliGroupBroad->SetBevelOuter(bvNone);
    PDaliGroupBroad->setMinimumHeight(Min_Group_Panel_Height);
    ACG_DALI_GroupBroad = new TExColumnGrid(this, PDaliGroupBroad);
    ACG_DALI_GroupBroad->SetName(QStringLiteral("ACG_DALI_GroupBroad"));
    Build_Option_Grid(*ACG_DALI_GroupBroad, kGroupColumns, DALI_Group_Rows);

    Splitter_Device_Group->addWidget(device_panel);
    Splitter_Device_Group->addWidget(PDaliGroupBroad);
    Splitter_Device_Group->setSizes({Device_Panel_Height, Device_Panel_Height / 2});
}

void TFDALI_Access::Build_Header_Menus() {
    ACG_DALI_Device->HideColumn(Device_Address_Col);
    auto menu = [this](const char* name, TExColumnGrid* grid, void (TFDALI_Access::*click)(TExColumnGrid*, const QString&),
                       const QStringList& captions, const QStringList& values) {
        auto* result = new TPopupMenu(this);
        result->SetName(QString::fromLatin1(name));
        for (int i = 0; i < captions.size(); ++i)
            result->AddItem(captions[i], [this, grid, click, value = values[i]](TObject*) { (this->*click)(grid, value); });
        return result;
    };
    const QStringList dimming_captions = {QStringLiteral("Select All Normal"), QStringLiteral("Select All Start Break")};
    const QStringList flag_captions = {QStringLiteral("Select All"), QStringLiteral("Clear All")};
    const QStringList flag_values = {Flag_On_Text, QStringLiteral("N")};
    QStringList recall_captions;
    for (const QString& level : Recall_Levels()) recall_captions << QStringLiteral("Select All ") + level;
    TExColumnGrid* devices = ACG_DALI_Device;
    TExColumnGrid* groups = ACG_DALI_GroupBroad;
    PM_Dimming_Mode = menu("PM_Dimming_Mode", devices, &TFDALI_Access::DimmingModeClick, dimming_captions, Dimming_Modes());
    PM_MinMax_Value = menu("PM_MinMax_Value", devices, &TFDALI_Access::MinMaxValueClick, flag_captions, flag_values);
    PM_Recall_Level = menu("PM_Recall_Level", devices, &TFDALI_Access::RecallLevelClick, recall_captions, Recall_Levels());
    PM_DimMode_GB = menu("PM_DimMode_GB", groups, &TFDALI_Access::DimmingModeClick, dimming_captions, Dimming_Modes());
    PM_MinMax_GB = menu("PM_MinMax_GB", groups, &TFDALI_Access::MinMaxValueClick, flag_captions, flag_values);
    PM_Recall_GB = menu("PM_Recall_GB", groups, &TFDALI_Access::RecallLevelClick, recall_captions, Recall_Levels());
    // The column grid looks a header's menu up by displayed position: with Address hidden
    // the devices' Dimming Mode, Min-Max and Recall columns stand at positions 2 to 4.
    const std::array<TPopupMenu*, 3> device_menus = {PM_Dimming_Mode, PM_MinMax_Value, PM_Recall_Level};
    const std::array<TPopupMenu*, 3> group_menus = {PM_DimMode_GB, PM_MinMax_GB, PM_Recall_GB};
    for (int i = 0; i < 3; ++i) {
        devices->Columns()->Items(Device_First_Option_Col - 1 + i)->SetColumnPopup(device_menus[std::size_t(i)]);
        groups->Columns()->Items(Group_First_Option_Col + i)->SetColumnPopup(group_menus[std::size_t(i)]);
    }
    SD_DALI_Maps = new TSaveDialog(this);
    SD_DALI_Maps->Filter = QStringLiteral("Comma-separated value (CSV file)|*.csv");
}

void TFDALI_Access::Set_Lang_Device_Page() {
    Set_Option_Grid_Texts(*ACG_DALI_Device, kDeviceColumns, 609);
    Set_Option_Grid_Texts(*ACG_DALI_GroupBroad, kGroupColumns, 767);
}

void TFDALI_Access::DimmingModeClick(TExColumnGrid* Grid, const QString& Value) {
    Fill_Column(*Grid, Grid == ACG_DALI_Device ? Dev_Dimming_Mode + 1 : Group_Dimming_Mode + 1, Value);
}

void TFDALI_Access::MinMaxValueClick(TExColumnGrid* Grid, const QString& Value) {
    Fill_Column(*Grid, Grid == ACG_DALI_Device ? Dev_Min_Max_Value + 1 : Group_Min_Max_Value + 1, Value);
}

void TFDALI_Access::RecallLevelClick(TExColumnGrid* Grid, const QString& Value) {
    Fill_Column(*Grid, Grid == ACG_DALI_Device ? Dev_Recall_Level + 1 : Group_Recall_Level + 1, Value);
}

void TFDALI_Access::Btn_SelectAllClick(TObject*) { Fill_Column(*ACG_DALI_Device, Dev_Enable + 1, Flag_On_Text); }

void TFDALI_Access::Btn_ClearAllClick(TObject*) { Fill_Column(*ACG_DALI_Device, Dev_Enable + 1, QStringLiteral("N")); }

void TFDALI_Access::Load_Device_Page() {
    SD_DALI_Maps->InitialDir = Project_Folder;
    const TDALIOptionDefaults defaults = Read_DALI_Option_Defaults(File_ParGen);
    Device_Load_Problem = {};
    if (FileExists(File_DALI_Access)) {
        const TDALIAccessLoad load = Read_DALI_Access_File(File_DALI_Access, defaults);
        Device_Load_Problem = load.Problem;
        Show_Device_Tables(load.Tables);
    } else {
        Show_Device_Tables(Default_DALI_Device_Tables(defaults));
    }
}

void TFDALI_Access::Show_Device_Tables(const TDALIDeviceTables& tables) {
    const auto show = [](TExColumnGrid& grid, const TCellTable& table) {
        grid.BeginUpdate();
        for (std::size_t r = 0; r < table.size(); ++r)
            for (int c = 0; c < table[r].size(); ++c) grid.SetCells(c + 1, int(r) + 1, table[r][c]);
        grid.EndUpdate();
    };
    show(*ACG_DALI_Device, tables.Devices);
    show(*ACG_DALI_GroupBroad, tables.Groups);
}

TDALIDeviceTables TFDALI_Access::Device_Tables() const {
    const auto read = [](const TExColumnGrid& grid, int columns) {
        TCellTable table;
        table.reserve(std::size_t(grid.RowCount() - 1));
        for (int r = 1; r < grid.RowCount(); ++r) {
            QStringList row;
            row.reserve(columns);
            for (int c = 1; c <= columns; ++c) row << grid.Cells(c, r);
            table.push_back(std::move(row));
        }
        return table;
    };
    return {read(*ACG_DALI_Device, DALI_Device_Columns), read(*ACG_DALI_GroupBroad, DALI_Group_Columns)};
}

void TFDALI_Access::Btn_DALI_MapsClick(TObject*) {
    if (!SD_DALI_Maps->Execute()) return;
    QString file_name = SD_DALI_Maps->FileName;
    const QString suffix = QFileInfo(file_name).suffix();
    if (suffix.isEmpty() || QString(QLatin1Char('.') + suffix).trimmed().toUpper() != QLatin1String(".CSV"))
        file_name += QStringLiteral(".csv");
    if (FileExists(file_name) && MessageDlg(LangText(755), mtConfirmation, {mbYes, mbNo, mbCancel}) != mrYes) return;
    QString text = LangText(756) + QLatin1Char('\n');
    int enabled = 0;
    for (int r = 1; r < ACG_DALI_Device->RowCount(); ++r) {
        if (ACG_DALI_Device->Cells(Dev_Enable + 1, r) != Flag_On_Text) continue;
        const int first = 8 * enabled++;
        text += QString::number(r);
        for (int i = 0; i < 7; ++i) text += QStringLiteral("; ") + QString::number(first + i);
        text += QStringLiteral(", ") + QString::number(first + 7) + QStringLiteral(";\n");
    }
    if (!WriteFileAtomically(file_name, text.toUtf8()))
        MessageDlg(QStringLiteral("The file \"%1\" could not be written.").arg(file_name), mtError, {mbOK});
}
