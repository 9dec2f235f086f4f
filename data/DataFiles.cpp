#include "data/DataFiles.h"

#include "data/TaskStore.h"
#include "data/Utility.h"
#include "data/gridfile.h"

namespace orvella {

void installEmptyDataFiles(const std::string& folder) {
    saveGrid(newStoreTable(), joinPath(folder, kStoreFile));
    saveGrid(newTodoTable(), joinPath(folder, kTodoFile));
}

} // namespace orvella
