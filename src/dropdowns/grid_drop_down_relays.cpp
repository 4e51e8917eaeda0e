// The grid drop-down's relays of its list grid's events: the relays, their binding at
// each drop-down, and the table that names them.

#include "dropdowns/grid_drop_down.h"

#include "dropdowns/drop_down_form.h"

#include <tuple>

using grid_drop_down::TExColGrid;

template <TRelayBehaviour B>
struct TRelayTag {};

// The relays' own behaviour around firing the published event.
struct TCustomExGridDropDown::TRelayBodies {
    template <class F, class... A>
    static void Run(TCustomExGridDropDown&, TRelayTag<obNone>, F&& Fire, A&&...) {
        Fire();
    }
    template <class F, class... A>
    static void Run(TCustomExGridDropDown& D, TRelayTag<obKeepOpen>, F&& Fire, A&&...) {
        D.KeepingPopUpOpen(Fire);
    }
    template <class F>
    static void Run(TCustomExGridDropDown& D, TRelayTag<obAlignment>, F&& Fire, TObject*, int, int ACol,
                    TAlignment& HAlign, TVAlignment&) {
        if (ACol >= 0 && ACol < D.FColumns.Count()) HAlign = D.FColumns.Items(ACol)->Alignment();
        Fire();
    }
    template <class F>
    static void Run(TCustomExGridDropDown& D, TRelayTag<obCellColor>, F&& Fire, TObject*, int, int ACol,
                    TGridDrawState, TBrush* ABrush, TFont*) {
        if (ABrush && ACol >= 0 && ACol < D.FColumns.Count()) ABrush->Color = D.FColumns.Items(ACol)->Color();
        Fire();
    }
    template <class F>
    static void Run(TCustomExGridDropDown&, TRelayTag<obFloatFormat>, F&& Fire, TObject*, int, int, bool&,
                    QString& FloatFormat) {
        FloatFormat.clear();
        Fire();
    }
    template <class F, class... A>
    static void Run(TCustomExGridDropDown& D, TRelayTag<obBalloonSetUp>, F&& Fire, A&&...) {
        if (!D.FBalloonInit && D.FExColGrid && D.FExColGrid->Balloon()->Enable) {
            D.FExColGrid->Balloon()->Enable = false;
            D.FExColGrid->Balloon()->Enable = true;
        }
        D.FBalloonInit = true;
        Fire();
    }
};

#define GRID_DROP_DOWN_DEFINE_RELAY(Name, Event, Type, Params, Args, GridEvent, Binding, Behaviour)             \
    void TCustomExGridDropDown::DoGrid##Name Params {                                                          \
        TRelayBodies::Run(*this, TRelayTag<Behaviour>{}, [&] { if (Event) Event Args; }, EX_GRID_UNPARENTHESIZE Args); \
    }
GRID_DROP_DOWN_RELAYS(GRID_DROP_DOWN_DEFINE_RELAY)
#undef GRID_DROP_DOWN_DEFINE_RELAY

void TCustomExGridDropDown::DoGridCheckBoxClick(TObject* Sender, int ACol, int ARow, bool State) {
    if (OnGridCheckBoxClick) OnGridCheckBoxClick(Sender, ACol, ARow, State);
}

void TCustomExGridDropDown::KeepingPopUpOpen(const std::function<void()>& Handler) {
    TDropDownForm* form = DropDownForm();
    if (form) form->SetBlockActivate(true);
    try {
        Handler();
    } catch (...) {
        if (form) form->SetBlockActivate(false);
        throw;
    }
    if (form) form->SetBlockActivate(false);
}

namespace {

// Binds a list grid event to its relay where the binding says so; a template, so that
// only the bindings taken are compiled against the grid event's type.
template <TRelayBinding B, class G, class R>
void Bind(G& GridEvent, R&& Relay, bool Assigned) {
    if constexpr (B == rbBound) GridEvent = std::forward<R>(Relay);
    if constexpr (B == rbWhenAssigned)
        if (Assigned) GridEvent = std::forward<R>(Relay);
}

// Calls F with the sender and a default value for every other argument.
template <class... A, class F>
void CallWithDefaults(F&& Call, TObject* Sender) {
    std::tuple<std::decay_t<A>...> values{};
    std::apply([&](auto&... v) { Call(Sender, v...); }, values);
}

template <class... A>
void FireDefault(const std::function<void(TObject*, A...)>& Event, TObject* Sender) {
    if (Event) CallWithDefaults<A...>(Event, Sender);
}

}  // namespace

void TCustomExGridDropDown::BindRelays() {
    TExColGrid& grid = *FExColGrid;
#define GRID_DROP_DOWN_BIND(Name, Event, Type, Params, Args, GridEvent, Binding, Behaviour) \
    Bind<Binding>(grid.GridEvent, [this](auto&&... a) { DoGrid##Name(std::forward<decltype(a)>(a)...); }, bool(Event));
    GRID_DROP_DOWN_RELAYS(GRID_DROP_DOWN_BIND)
#undef GRID_DROP_DOWN_BIND
    grid.OnGetEditorProp = [this](TObject* Sender, int ACol, int ARow, TEditLink*) { DoGridGetEditorProp(Sender, ARow, ACol); };
    grid.OnTopLeftChanged = [this](TObject*) { DoGridTopLeftChanged(this); };
    grid.OnCheckBoxClick = [this](TObject* Sender, int ACol, int ARow, bool State) {
        DoGridCheckBoxClick(Sender, ACol, ARow, State);
    };
}

const std::vector<TGridRelayEntry>& TCustomExGridDropDown::RelayTable() {
    static const std::vector<TGridRelayEntry> table = [] {
        std::vector<TGridRelayEntry> entries;
#define GRID_DROP_DOWN_ENTRY(Name, Event, Type, Params, Args, GridEvent, Binding, Behaviour)                    \
    entries.push_back(TGridRelayEntry{                                                                         \
        #Event, #Type, "DoGrid" #Name, #GridEvent, Binding, Behaviour,                                         \
        [](TCustomExGridDropDown& D, std::function<void(TObject*)> Seen) {                                    \
            D.Event = [Seen](TObject* Sender, auto&&...) { Seen(Sender); };                                    \
        },                                                                                                     \
        [](TExColGrid& G) { FireDefault(G.GridEvent, &G); },                                                   \
        [](const TExColGrid& G) { return bool(G.GridEvent); },                                                 \
        [](TCustomExGridDropDown& D, TObject* Sender) {                                                        \
            [&]<class... A>(void (TCustomExGridDropDown::*)(TObject*, A...)) {                                 \
                CallWithDefaults<A...>([&](TObject* S, auto&... v) { D.DoGrid##Name(S, v...); }, Sender);     \
            }(&TCustomExGridDropDown::DoGrid##Name);                                                           \
        }});
        GRID_DROP_DOWN_RELAYS(GRID_DROP_DOWN_ENTRY)
#undef GRID_DROP_DOWN_ENTRY
        entries.push_back(TGridRelayEntry{
            "OnGridCheckBoxClick", "TCheckBoxClickEvent", "DoGridCheckBoxClick", "OnCheckBoxClick", rbBound, obNone,
            [](TCustomExGridDropDown& D, std::function<void(TObject*)> Seen) {
                D.OnGridCheckBoxClick = [Seen](TObject* Sender, int, int, bool) { Seen(Sender); };
            },
            [](TExColGrid& G) { FireDefault(G.OnCheckBoxClick, &G); },
            [](const TExColGrid& G) { return bool(G.OnCheckBoxClick); },
            [](TCustomExGridDropDown& D, TObject* Sender) { D.DoGridCheckBoxClick(Sender, 0, 0, false); }});
        return entries;
    }();
    return table;
}
