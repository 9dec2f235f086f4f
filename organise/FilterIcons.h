#pragma once

#include <QIcon>
#include <QString>

class QAction;

namespace orvella {

// The two pictures of the filter button: an empty funnel while no filtering is in effect,
// a full one with a mark while it is.
QIcon filtersOffIcon();
QIcon filtersOnIcon();

// The menu item reads "FILTERS ON" and the button shows the full funnel while the filter
// is active; otherwise "Filters" and the empty funnel.
QString filterMenuCaption(bool active);
void showFilterState(QAction& menuItem, QAction& button, bool active);

} // namespace orvella
