#include "organise/TaskFilter.h"

#include "data/Utility.h"
#include "organise/categories.h"
#include "settings/SettingsTable.h"

#include <algorithm>

namespace orvella {

bool TaskFilter::visible(const std::string& done, const std::string& category) const {
    if (!showDone_ && done == "Yes")
        return false;
    if (!showNotDone_ && done == "No")
        return false;
    // With every entry ticked (or none listed) a matching entry and a missing one both show.
    if (tickedCount_ == entries_.size())
        return true;
    const auto first = firstTick_.find(upperAZ(category));
    if (first != firstTick_.end())
        return first->second;
    return tickedCount_ == 0;
}

bool TaskFilter::active() const {
    return !showDone_ || !showNotDone_ || tickedCount_ < entries_.size();
}

void TaskFilter::setTicked(int index, bool ticked) {
    entries_.at(static_cast<std::size_t>(index)).ticked = ticked;
    reindex();
}

void TaskFilter::tickAll(bool ticked) {
    for (FilterEntry& entry : entries_)
        entry.ticked = ticked;
    reindex();
}

void TaskFilter::filtersOff() {
    showDone_ = true;
    showNotDone_ = true;
    tickAll(true);
}

void TaskFilter::rebuildSelection() {
    selection_.clear();
    for (const FilterEntry& entry : entries_)
        if (entry.ticked)
            selection_.push_back(entry.text);
}

void TaskFilter::tickSelection() {
    for (FilterEntry& entry : entries_)
        if (!entry.ticked && findCategory(selection_, entry.text) >= 0)
            entry.ticked = true;
    reindex();
}

void TaskFilter::loadCategories(const std::string& dataFolder) {
    entries_.clear();
    const auto listed = readCategoryFile(joinPath(dataFolder, kCategoryFile));
    if (listed)
        for (const std::string& text : *listed)
            entries_.push_back({text, false});
    if (auto chosen = readCategoryFile(joinPath(dataFolder, kCategorySelectionFile)))
        selection_ = std::move(*chosen);
    else
        selection_ = listed.value_or(std::vector<std::string>());
    tickSelection();
}

void TaskFilter::reloadSelection(const std::string& dataFolder) {
    if (auto chosen = readCategoryFile(joinPath(dataFolder, kCategorySelectionFile))) {
        selection_ = std::move(*chosen);
    } else {
        selection_.clear();
        for (const FilterEntry& entry : entries_)
            selection_.push_back(entry.text);
    }
    tickSelection();
}

void TaskFilter::saveSelection(const std::string& dataFolder) {
    rebuildSelection();
    writeCategoryFile(joinPath(dataFolder, kCategorySelectionFile), selection_);
}

void TaskFilter::UpdateFilterList(const std::vector<std::string>& edited,
                                  const std::vector<std::string>& deleted, const std::string& dataFolder) {
    for (const std::string& gone : deleted) {
        const auto at = std::find_if(entries_.begin(), entries_.end(),
                                     [&](const FilterEntry& e) { return sameCategoryText(e.text, gone); });
        if (at != entries_.end())
            entries_.erase(at);
    }
    for (const std::string& text : edited) {
        const bool known = std::any_of(entries_.begin(), entries_.end(),
                                       [&](const FilterEntry& e) { return sameCategoryText(e.text, text); });
        if (!known)
            entries_.push_back({text, true});
    }
    reindex();
    saveSelection(dataFolder);
    std::vector<std::string> all;
    for (const FilterEntry& entry : entries_)
        all.push_back(entry.text);
    writeCategoryFile(joinPath(dataFolder, kCategoryFile), all);
}

void TaskFilter::readSwitches(const Settings& settings) {
    showNotDone_ = settings.read(keys::FilterNotDone);
    showDone_ = settings.read(keys::FilterDone);
}

void TaskFilter::writeSwitches(Settings& settings) const {
    settings.write(keys::FilterNotDone, showNotDone_);
    settings.write(keys::FilterDone, showDone_);
}

void TaskFilter::reindex() {
    firstTick_.clear();
    tickedCount_ = 0;
    for (const FilterEntry& entry : entries_) {
        firstTick_.emplace(upperAZ(entry.text), entry.ticked);
        tickedCount_ += entry.ticked;
    }
}

} // namespace orvella
