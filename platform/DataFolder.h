#pragma once

#include <QString>

namespace orvella {

// The folder that holds every data file: $ORVELLA_HOME when set; else the program's own
// folder when it holds "grid.grd" (a portable installation); else the per-user data folder.
class DataFolder {
public:
    static QString locate();
    // A folder that does not exist yet is created with an empty store and to-do list.
    // False when that fails.
    static bool prepare(const QString& folder);
};

} // namespace orvella
