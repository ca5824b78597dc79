#pragma once
// The one way a list's or a page control's handler is connected, so that it
// runs for the user's own acts and never for the program's changes (which a
// change signal cannot tell apart):
//
// List (`WatchListClicks`):
// - The handler runs on a left mouse click on any row, the row already
//   chosen included (at the press), and on each move of the current row by
//   the keys. A row set by the program runs nothing; neither does a drag
//   across the rows, which moves nothing.
// - The list taking the focus (Tab, the window's activation, setFocus)
//   chooses no row: a list with no row keeps none.
// - A handler may put the current row back while the press or the key that
//   changed it is still being handled (a refusal, a stand that was not
//   opened); the list then selects the row it moved to after the handler
//   returned, so the highlight is put back on the current row. The one
//   selected row of such a list is always its current row.
//
// Any other item view (`WatchFocusChoice`): taking the focus chooses no
// item either.
//
// Page control (`WatchPageChanges`): the handler runs when the user changes
// the page with the mouse or the keys; a page set, hidden or shown by the
// program runs nothing.
//
// Each is watched by an object owned by the control, named for the tests
// (kListWatchName, kPageWatchName); its property kHandlerRunsProperty counts
// the handler's runs.

#include <functional>

class QAbstractItemView;
class QListWidget;
class QTabWidget;

inline constexpr char kListWatchName[] = "ListClickWatch";
inline constexpr char kPageWatchName[] = "PageChangeWatch";
inline constexpr char kHandlerRunsProperty[] = "handlerRuns";

void WatchListClicks(QListWidget* list, std::function<void()> onClick);
void WatchFocusChoice(QAbstractItemView* view);
void WatchPageChanges(QTabWidget* pages, std::function<void()> onChange);
