// String grid life cycle: construction with the initial values, destruction, loading,
// window creation, copying from another grid, repaint requests and resizing, the owner
// form's resize chain, versions, updates and change notifiers.

#include "grid/core/string_grid.h"
#include "grid/edit/edit_link.h"
#include "grid/view/cell_scroll_bar.h"
#include "grid/data/search_panel.h"
#include "grid/data/ex_string_grid_check.h"
#include "grid/edit/grid_combo.h"
#include "grid/view/grid_focus_windows.h"

#include "controls/office_theme.h"
#include "grid/core/grid_pack_startup.h"
#include "platform/form.h"

#include <QBuffer>
#include <QScrollBar>
#include <QComboBox>
#include <QEvent>
#include <QTimerEvent>
#include <algorithm>

namespace {


// A child window or editor that waits invisible and disabled until it is used.
template <class W>
W* HiddenChild(QWidget* parent, const char* name) {
    auto* child = new W(parent);
    child->setObjectName(QString::fromLatin1(name));
    child->hide();
    child->setEnabled(false);
    return child;
}

}  // namespace

TExStringGrid::TExStringGrid(TComponent* AOwner, QWidget* AParent) : TBaseGrid(AOwner, AParent) {
    GridPackStartup();

    FSearchFooter = std::make_unique<TSearchFooter>(false);
    FFloatingFooter = std::make_unique<TFloatingFooter>(this);
    FSortSettings = std::make_unique<TSortSettings>(this);
    FDragDropSettings = std::make_unique<TDragDropSettings>();
    FControlLook = std::make_unique<TControlLook>(this);
    FNavigation = std::make_unique<TNavigation>();
    FColumnSize = std::make_unique<TColumnSize>(this);
    FCellNode = std::make_unique<TCellNode>(this);
    FBands = std::make_unique<TBands>();
    FSizeWhileTyping = std::make_unique<TSizeWhileTyping>();
    FMouseActions = std::make_unique<TMouseActions>();
    FGrouping = std::make_unique<TGrouping>();
    FColumnHeaders = std::make_unique<TStringList>();
    FFixedFont = std::make_unique<TFont>();
    FFixedFont->Name = QStringLiteral("Tahoma");
    FFixedFont->Style = TFontStyles{fsBold};
    FActiveCellFont = std::make_unique<TFont>();
    FActiveCellFont->Style = TFontStyles{fsBold};
    FRowHeaders = std::make_unique<TStringList>();
    FLookupItems = std::make_unique<TStringList>();
    FSortIndexes = std::make_unique<TSortIndexList>();
    FSortRowXRef = std::make_unique<TIntList>(0, 0);
    FUnSortRowXRef = std::make_unique<TIntList>(0, 0);
    FMergedColumns = std::make_unique<TIntList>(0, 0);
    FMergedColumns->OnChange = [this](TObject*, int, int) { MergedColumnsChanged(); };
    FSelectedRows = std::make_unique<TIntList>(0, 0);
    FModifiedRows = std::make_unique<TIntList>(0, 0);
    FEnabledRows = std::make_unique<TIntList>(0, 0);
    FOrigColSizes = std::make_unique<TIntList>(0, 0);
    FBackGround = std::make_unique<TBackGround>(this);
    FProgressAppearance->OnChange = [this](TObject*) { InvalidateGrid(); };
    FFilterDropDown->OnChange = [this](TObject*) { InvalidateGrid(); };
    FControlList = std::make_unique<TControlList>();
    FSyncGrid = std::make_unique<TSyncGrid>(this);
    FFocusHelper = std::make_unique<TFocusHelper>();

    SetRowCountRaw(10);
    FNormalRowCount = 10;
    resize(400, 250);
    FBalloonSettings = std::make_unique<TBalloonSettings>();
    FShowModified = std::make_unique<TShowModified>();
    CreateRichContentParts();

    ChainOwnerFormResize();

    TStringGrid::SetDefaultRowHeight(22);
    FFixedRowHeight = 22;

    FIsWinXP = IsWinXPOrLater();
    FIsWin7 = IsVistaOrLater();
    FIsWinVista = IsVistaOrLater();
    FIsComCtl6 = (GetFileVersion(QStringLiteral("COMCTL32.DLL")) >> 16) > 5;
    FBorderColor = FIsWinXP ? TColor(0xB99D7F) : TColor(0x808080);
    FZRTGradientTo = ColorToRGB(clBtnFace);

    FColumnOrder = std::make_unique<TIntList>(0, 0);
    FCellGraphic = std::make_unique<TCellGraphic>();
    FIgnoreColumns = std::make_unique<TIntList>(0, 0);
    FFilterList = std::make_unique<TStringList>();
    FFilterList->SetSorted(true);
    FFilterList->SetDuplicates(dupIgnore);

    if (!ComponentState().Contains(csDesigning)) CreateRunTimeChildren();
    FSearchPanel = new TSearchPanel(this);
    FSearchFooter->OnChange = [this](TObject* Sender) { SearchFooterChange(Sender); };
    ApplyBorderMargins();
}

void TExStringGrid::CreateRunTimeChildren() {
    FFocusWindow = new TGridFocusWindow(this);
    FFocusWindow->setObjectName(QStringLiteral("FocusWindow"));
    static const char* const arrowNames[4] = {"ArwU", "ArwD", "ArwL", "ArwR"};
    for (int i = 0; i < 4; ++i) {
        FArrowWindows[i] = new TArrowWindow(this, TArrowDirection(i));
        FArrowWindows[i]->setObjectName(QString::fromLatin1(arrowNames[i]));
    }
    auto* combo = new TGridCombo(this);
    combo->setObjectName(QStringLiteral("EditCombo"));
    combo->hide();
    combo->setEnabled(false);
    FEditCombo = combo;
    ConnectInputNotices();
    CreateFixedCellEditors();
    for (const char* name : {"EditCheck", "EditBtn", "UnitEditBtn", "GridButton"})
        FEditors.push_back(HiddenChild<QWidget>(this, name));
    FScrollBar = new TCellScrollBar(Surface());
    QObject::connect(FScrollBar, &QScrollBar::valueChanged, this, [this](int position) { CellScrollBarMoved(position); });
}


TExStringGrid::~TExStringGrid() {
    if (FOwnerForm) FOwnerForm->OnResize = FOnResize;
    if (FColumnSize->Save()) SaveColSizes();
    FClearTextOnly = false;
    FSaveHiddenCells = false;
    // The held-out rows and everything beyond the counts are released by their owners
    // (the hidden-row store and the base grid); the cells' objects go with the base grid.
}

void TExStringGrid::ChainOwnerFormResize() {
    FOwnerForm = dynamic_cast<TForm*>(Owner());
    if (!FOwnerForm || ComponentState().Contains(csDesigning)) {
        FOwnerForm = nullptr;
        return;
    }
    FOnResize = FOwnerForm->OnResize;
    FOldFormWidth = FOwnerForm->Width();
    FOldFormHeight = FOwnerForm->Height();
    FOwnerForm->OnResize = [this](TObject* Sender) { OwnerFormResize(Sender); };
}

void TExStringGrid::Notification(TComponent* AComponent, TOperation Operation) {
    TBaseGrid::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FGridImages) FGridImages = nullptr;
    if (AComponent == FOwnerForm) FOwnerForm = nullptr;
    if (AComponent == FCellChecker) FCellChecker = nullptr;
    if (AComponent == FEditLink) FEditLink = nullptr;
    auto it = std::find(FNotifierList.begin(), FNotifierList.end(), AComponent);
    if (it != FNotifierList.end()) FNotifierList.erase(it);
}

void TExStringGrid::Loaded() {
    TBaseGrid::Loaded();
    FFixedRowsMin = TStringGrid::FixedRows();
    FFixedColsMin = TStringGrid::FixedCols();
    FMinRowHeight = DefaultRowHeight();
    FMinColWidth = 10;
    FMaxRowCount = RowCount();
    FLoaded = true;
    if (Options().Contains(goAlwaysShowEditor)) {
        TGridOptions options = Options();
        options.Exclude(goAlwaysShowEditor);
        SetOptions(options);
        FNavigation->SetAlwaysEdit(true);
    }
    if (FColumnSize->Save()) LoadColSizes();
    InitOrigColSizes();
    LoadedRichContent();
}

void TExStringGrid::showEvent(QShowEvent* event) {
    TBaseGrid::showEvent(event);
    if (FGridTimerID == 0) CreateWnd();
}

void TExStringGrid::changeEvent(QEvent* event) {
    TBaseGrid::changeEvent(event);
    // A new parent means a new window on the original platform.
    if (event->type() == QEvent::ParentChange && FGridTimerID != 0) CreateWnd();
    if (event->type() == QEvent::ParentChange) HideFocusWindow();
    if (event->type() == QEvent::EnabledChange) CMEnabledChanged();
    if (event->type() == QEvent::PaletteChange) CMColorChanged();
    if (event->type() == QEvent::ThemeChange && FAutoThemeAdapt) ThemeAdapt();
}

void TExStringGrid::CreateWnd() {
    if (ComponentState().Contains(csDestroying)) return;
    if (!parentWidget() && !isWindow()) return;
    if (FColumnSize->Save()) LoadColSizes();
    StartGridTimer();
    FIsWinXP = FIsWinXP && CurrentVisualStyle().Active;
    CreateRichContentWindows();
}

void TExStringGrid::Invalidate() {
    if (FEditChange) {
        FEditChange = false;
        return;
    }
    InvalidateGrid();
}

void TExStringGrid::resizeEvent(QResizeEvent* event) {
    TBaseGrid::resizeEvent(event);
    WMSize();
    Resize();
}

void TExStringGrid::Resize() {
    if (OnResize) OnResize(this);
    if (FBackGround->IsGradient() && FBackGround->ColorTo != clNone) InvalidateGrid();
}

void TExStringGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (FIntegralHeight && FUpdateCount == 0 && DefaultRowHeight() > 0) {
        const bool allColumnsFit = VisibleColCount() + TStringGrid::FixedCols() >= ColCount();
        const int scrollBar = allColumnsFit ? 0 : horizontalScrollBar()->sizeHint().height();
        const int border = frameWidth() > 0 ? 2 : 0;
        AHeight = AHeight - ((AHeight - scrollBar - border) % DefaultRowHeight()) + border;
    }
    TBaseGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
}

int TExStringGrid::GetVersionNr() const { return 0x06020103; }

QString TExStringGrid::GetVersionString() const {
    const unsigned nr = static_cast<unsigned>(GetVersionNr());
    return QStringLiteral("%1.%2.%3.%4 Sep, 2012")
        .arg((nr >> 24) & 0xFF)
        .arg((nr >> 16) & 0xFF)
        .arg((nr >> 8) & 0xFF)
        .arg(nr & 0xFF);
}

QString TExStringGrid::Version() const {
    const unsigned nr = static_cast<unsigned>(GetVersionNr());
    return QStringLiteral("%1.%2.%3.%4")
        .arg((nr >> 24) & 0xFF)
        .arg((nr >> 16) & 0xFF)
        .arg((nr >> 8) & 0xFF)
        .arg(nr & 0xFF);
}

void TExStringGrid::InitOrigColSizes() {
    FOrigColSizes->Clear();
    for (int c = 0; c < ColCount(); ++c) FOrigColSizes->Add(ColWidths(c));
    FOldWidth = width();
}

bool TExStringGrid::InDesignMode() const { return ComponentState().Contains(csDesigning); }

// ---- copying ----------------------------------------------------------------------

void TExStringGrid::Assign(const TObject* Source) {
    const auto* src = dynamic_cast<const TExStringGrid*>(Source);
    if (!src || src == this) return;
#define EX_GRID_ASSIGN_PLAIN(Type, Name, Initial) F##Name = src->F##Name;
    EX_GRID_PLAIN_PROPERTIES(EX_GRID_ASSIGN_PLAIN)
    FLook = src->FLook;
    FProgressAppearance->Assign(src->FProgressAppearance.get());
#undef EX_GRID_ASSIGN_PLAIN
    FHighlightColor = src->FHighlightColor;
    FHighlightTextColor = src->FHighlightTextColor;
    FActiveCellShow = src->FActiveCellShow;
    FActiveCellColor = src->FActiveCellColor;
    FActiveCellColorTo = src->FActiveCellColorTo;
    FSelectionColorMixerFactor = src->FSelectionColorMixerFactor;
    FShowSelection = src->FShowSelection;
    FShowSel = src->FShowSel;
    FZRTGradientFrom = src->FZRTGradientFrom;
    FZRTGradientTo = src->FZRTGradientTo;
    FXYOffset = src->FXYOffset;
    FBorderColor = src->FBorderColor;
    FVAlignment = src->FVAlignment;
    FVAlign = src->FVAlign;
    FAutoSize = src->FAutoSize;
    FAutoThemeAdapt = src->FAutoThemeAdapt;
    FFlat = src->FFlat;
    FHovering = src->FHovering;
    FIntegralHeight = src->FIntegralHeight;
    FMaxEditLength = src->FMaxEditLength;
    FSpreadSheet = src->FSpreadSheet;
    FURLColor = src->FURLColor;
    FURLShow = src->FURLShow;
    FURLShowInText = src->FURLShowInText;
    FURLFull = src->FURLFull;
    FFixedRowHeight = src->FFixedRowHeight;
    FScrollBars = src->FScrollBars;
    FScrollType = src->FScrollType;
    FScrollColor = src->FScrollColor;
    FScrollWidth = src->FScrollWidth;
    FScrollProportional = src->FScrollProportional;
    FScrollBarAlways = src->FScrollBarAlways;

    FSearchFooter->Assign(src->FSearchFooter.get());
    FFloatingFooter->Assign(src->FFloatingFooter.get());
    FSortSettings->Assign(src->FSortSettings.get());
    FDragDropSettings->Assign(src->FDragDropSettings.get());
    FDragScrollOptions->Assign(src->FDragScrollOptions.get());
    FControlLook->Assign(src->FControlLook.get());
    FNavigation->Assign(src->FNavigation.get());
    FMouseActions->Assign(src->FMouseActions.get());
    FColumnSize->Assign(src->FColumnSize.get());
    FCellNode->Assign(src->FCellNode.get());
    FBands->Assign(src->FBands.get());
    FGrouping->Assign(src->FGrouping.get());
    *FSizeWhileTyping = *src->FSizeWhileTyping;
    FBackGround->Assign(src->FBackGround.get());
    FBalloonSettings->Assign(src->FBalloonSettings.get());
    FShowModified->Assign(src->FShowModified.get());
    FSyncGrid->Assign(src->FSyncGrid.get());
    FFocusHelper->Assign(src->FFocusHelper.get());
    *FFixedFont = *src->FFixedFont;
    *FActiveCellFont = *src->FActiveCellFont;
    FColumnHeaders->Assign(*src->FColumnHeaders);
    FRowHeaders->Assign(*src->FRowHeaders);
    FLookupItems->Assign(*src->FLookupItems);

    // Dimensions, sizes, then the cells over every real column.
    FreeAllCellProps();
    SetColCountRaw(src->ColCount());
    SetRowCountRaw(src->RowCount());
    TStringGrid::SetFixedCols(src->TStringGrid::FixedCols());
    TStringGrid::SetFixedRows(src->TStringGrid::FixedRows());
    TStringGrid::SetDefaultRowHeight(src->DefaultRowHeight());
    for (int c = 0; c < src->ColCount(); ++c) SetColWidths(c, src->ColWidths(c));
    for (int r = 0; r < src->RowCount(); ++r) SetRowHeights(r, src->RowHeights(r));
    const int columns = src->TotalColCount();
    for (int r = 0; r < src->RowCount(); ++r) {
        for (int c = 0; c < columns; ++c) {
            SetGridCell(c, r, src->GetGridCell(c, r));
            const auto* props = dynamic_cast<const TCellProperties*>(src->GetGridObject(c, r));
            if (!props) continue;
            auto* copy = new TCellProperties(this, c, r);
            copy->Assign(*props);
            copy->SetCellObject(props->CellObject());
            if (const auto* graphic = dynamic_cast<const TCellGraphic*>(props->GraphicObject())) {
                auto* graphicCopy = new TCellGraphic();
                graphicCopy->Assign(graphic);
                copy->SetGraphicObject(graphicCopy);
            }
            SetCellProperties(c, r, copy);
        }
    }
    FMergeCount = src->FMergeCount;
    FHasCellProps = src->FHasCellProps;
    InvalidateGrid();
}

void TExStringGrid::AssignCells(const TObject* Source) {
    auto* src = const_cast<TExStringGrid*>(dynamic_cast<const TExStringGrid*>(Source));
    if (!src) return;
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadWrite);
    src->SaveToStream(buffer);
    buffer.seek(0);
    LoadFromStream(buffer);
}

// ---- updates and change notices ------------------------------------------------------

void TExStringGrid::RegisterNotifier(TGridChangeNotifier* ANotifier) {
    if (!ANotifier || std::find(FNotifierList.begin(), FNotifierList.end(), ANotifier) != FNotifierList.end())
        return;
    FNotifierList.push_back(ANotifier);
}

void TExStringGrid::UnRegisterNotifier(TGridChangeNotifier* ANotifier) {
    auto it = std::find(FNotifierList.begin(), FNotifierList.end(), ANotifier);
    if (it != FNotifierList.end()) FNotifierList.erase(it);
}

void TExStringGrid::DoCellsChanged(TRect R) {
    if (OnCellsChanged) OnCellsChanged(this, R);
    // A copy: a notifier may unregister itself while it is told.
    const std::vector<TGridChangeNotifier*> notifiers = FNotifierList;
    for (TGridChangeNotifier* notifier : notifiers) notifier->CellsChanged(R);
    CalcFooter(-1);
}

// ---- initial values ------------------------------------------------------------------

namespace {
template <class T>
QVariant AsVariant(const T& value) {
    if constexpr (std::is_enum_v<T>) return QVariant(static_cast<int>(value));
    else return QVariant::fromValue(value);
}
}  // namespace

const std::vector<TGridInitialValue>& TExStringGrid::InitialValues() {
#define EX_GRID_READ(expression) [](const TExStringGrid& g) { return AsVariant(g.expression); }
#define EX_GRID_INITIAL_PLAIN(Type, Name, Initial) {#Name, EX_GRID_READ(Name()), AsVariant(Type(Initial))},
    static const std::vector<TGridInitialValue> table{
        EX_GRID_PLAIN_PROPERTIES(EX_GRID_INITIAL_PLAIN)
        {"Look", EX_GRID_READ(Look()), AsVariant(glXP)},
        {"ColCount", EX_GRID_READ(ColCount()), 5},
        {"RowCount", EX_GRID_READ(RowCount()), 10},
        {"FixedCols", EX_GRID_READ(TStringGrid::FixedCols()), 1},
        {"FixedRows", EX_GRID_READ(TStringGrid::FixedRows()), 1},
        {"Width", EX_GRID_READ(width()), 400},
        {"Height", EX_GRID_READ(height()), 250},
        {"DefaultRowHeight", EX_GRID_READ(DefaultRowHeight()), 22},
        {"FixedRowHeight", EX_GRID_READ(FixedRowHeight()), 22},
        {"FixedFont.Name", EX_GRID_READ(FixedFont()->Name), QStringLiteral("Tahoma")},
        {"FixedFont.Bold", EX_GRID_READ(FixedFont()->Style.Contains(fsBold)), true},
        {"ActiveCellFont.Bold", EX_GRID_READ(ActiveCellFont()->Style.Contains(fsBold)), true},
        {"ActiveCellShow", EX_GRID_READ(ActiveCellShow()), false},
        {"ActiveCellColor", EX_GRID_READ(ActiveCellColor()), AsVariant(TColor(0x808080))},
        {"ActiveCellColorTo", EX_GRID_READ(ActiveCellColorTo()), AsVariant(clNone)},
        {"HighlightColor", EX_GRID_READ(HighlightColor()), AsVariant(clHighlight)},
        {"HighlightTextColor", EX_GRID_READ(HighlightTextColor()), AsVariant(clHighlightText)},
        {"SelectionColorMixerFactor", EX_GRID_READ(SelectionColorMixerFactor()), 50},
        {"ShowSelection", EX_GRID_READ(ShowSelection()), true},
        {"WordWrap", EX_GRID_READ(WordWrap()), true},
        {"URLColor", EX_GRID_READ(URLColor()), AsVariant(TColor(0xFF0000))},
        {"BorderColor", EX_GRID_READ(BorderColor()), AsVariant(TColor(0xB99D7F))},
        {"ScrollBars", EX_GRID_READ(ScrollBars()), AsVariant(ssBoth)},
        {"ScrollType", EX_GRID_READ(ScrollType()), AsVariant(ssNormal)},
        {"ScrollColor", EX_GRID_READ(ScrollColor()), AsVariant(clNone)},
        {"VAlignment", EX_GRID_READ(VAlignment()), AsVariant(vtaTop)},
        {"ZRTGradientFrom", EX_GRID_READ(ZRTGradientFrom()), AsVariant(TColor(0xFFFFFF))},
        {"ZRTGradientTo", EX_GRID_READ(ZRTGradientTo()), AsVariant(ColorToRGB(clBtnFace))},
        {"XYOffset.X", EX_GRID_READ(XYOffset().X), 2},
        {"XYOffset.Y", EX_GRID_READ(XYOffset().Y), 2},
        {"AutoSize", EX_GRID_READ(AutoSize()), false},
        {"Version", EX_GRID_READ(Version()), QStringLiteral("6.2.1.3")},
    };
#undef EX_GRID_INITIAL_PLAIN
#undef EX_GRID_READ
    return table;
}
