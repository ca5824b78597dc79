#pragma once
// What a list's change signal does not tell, for the lists whose handler
// runs on every change of the current row (mouse, keys, code):
//
// - A mouse click on the row that was already current changes nothing, so
//   no change handler runs; `onChosenRowClick` runs for it (the handler's
//   own rule for such a click, or only the focus cleared).
// - A handler may put the current row back while the mouse press or the key
//   that changed it is still being handled (a refusal, a stand that was not
//   opened); the list then selects the row it moved to after the handler
//   returned, so the highlight is put back on the current row. The one
//   selected row of such a list is always its current row.
//
// Both are watched by an object owned by the list.

#include <functional>

class QListWidget;

void WatchListClicks(QListWidget* list, std::function<void()> onChosenRowClick);
