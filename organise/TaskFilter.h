#pragma once

#include "data/TaskStore.h"
#include "settings/SettingsStore.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace orvella {

// One category of the filter's check list.
struct FilterEntry {
    std::string text;
    bool ticked = false;
    bool operator==(const FilterEntry&) const = default;
};

// The task filter: which categories are ticked, whether done and not-done tasks are shown,
// and the working copy of the selection file. Owned by the filter dialog, whose controls
// mirror it; every view asks it which tasks to show.
class TaskFilter final : public TaskVisibility {
public:
    bool visible(const std::string& done, const std::string& category) const override;
    bool active() const override;

    const std::vector<FilterEntry>& entries() const { return entries_; }
    void setTicked(int index, bool ticked);
    void tickAll(bool ticked);
    // Ticks both switches and every category.
    void filtersOff();

    bool showDone() const { return showDone_; }
    bool showNotDone() const { return showNotDone_; }
    void setShowDone(bool shown) { showDone_ = shown; }
    void setShowNotDone(bool shown) { showNotDone_ = shown; }

    // The working copy of the selection file.
    const std::vector<std::string>& selection() const { return selection_; }
    // Makes the working list the ticked entries, in list order.
    void rebuildSelection();
    // Ticks every entry the working list names (case ignored); the others keep their state.
    void tickSelection();

    // At creation: the list from the category file, all unticked, then the entries that the
    // selection file names (or, without it, every listed one) ticked.
    void loadCategories(const std::string& dataFolder);
    // At each showing: the working list from the selection file, or every entry without it,
    // ticked again.
    void reloadSelection(const std::string& dataFolder);
    // Rebuilds the working list and writes it to the selection file.
    void saveSelection(const std::string& dataFolder);
    // Merges the category editor's result: deleted entries go, new ones come ticked; then
    // both files are written.
    void UpdateFilterList(const std::vector<std::string>& edited, const std::vector<std::string>& deleted,
                          const std::string& dataFolder);

    // The two switches in the settings section "Filter".
    void readSwitches(const Settings& settings);
    void writeSwitches(Settings& settings) const;

private:
    void reindex();

    std::vector<FilterEntry> entries_;
    bool showDone_ = true;
    bool showNotDone_ = true;
    std::vector<std::string> selection_;
    // visible() runs for every row of the store: the first entry of each upper-cased text
    // and the number of ticked entries are kept ready.
    std::unordered_map<std::string, bool> firstTick_;
    std::size_t tickedCount_ = 0;
};

} // namespace orvella
