#pragma once

#include "data/TaskStore.h"

namespace orvella {

// The task filter before the filter dialog exists: every task is hidden and no filtering
// counts as active.
class NoFilterYet final : public TaskVisibility {
public:
    bool visible(const std::string&, const std::string&) const override { return false; }
    bool active() const override { return false; }
};

} // namespace orvella
