// The tables of the grid's event types and events, expanded from the same lists as the
// declarations so the two cannot disagree.

#include "grid/core/string_grid_events.h"

const std::vector<TGridEventTypeEntry>& ExStringGridEventTypeTable() {
#define EX_GRID_TYPE_ENTRY(Type, Arguments, Order) {#Type, Order},
    static const std::vector<TGridEventTypeEntry> table{
        {"TNotifyEvent", ""},
        EX_GRID_EVENT_TYPES(EX_GRID_TYPE_ENTRY)};
#undef EX_GRID_TYPE_ENTRY
    return table;
}

const std::vector<TGridEventEntry>& ExStringGridEventTable() {
#define EX_GRID_EVENT_ENTRY(Event, Type) {#Event, #Type},
    static const std::vector<TGridEventEntry> table{EX_GRID_EVENTS(EX_GRID_EVENT_ENTRY)};
#undef EX_GRID_EVENT_ENTRY
    return table;
}
