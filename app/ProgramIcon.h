#pragma once

#include <QIcon>

namespace orvella {

// The program's icon: a calendar page, drawn by code at the sizes desktops ask for.
QIcon programIcon();

} // namespace orvella
