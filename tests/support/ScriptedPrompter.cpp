#include "tests/support/ScriptedPrompter.h"

namespace orvella::test {

ScriptedPrompter::ScriptedPrompter() : previous_(installPrompter(this)) {}

ScriptedPrompter::~ScriptedPrompter() {
    installPrompter(previous_);
}

std::vector<std::string> ScriptedPrompter::texts(BoxKind kind) const {
    std::vector<std::string> out;
    for (const Shown& s : log_)
        if (s.kind == kind)
            out.push_back(s.text);
    return out;
}

void ScriptedPrompter::showBox(BoxKind kind, const std::string& text) {
    log_.push_back({kind, text});
}

bool ScriptedPrompter::confirm(const std::string& text) {
    log_.push_back({BoxKind::Confirm, text});
    if (confirms_.empty()) {
        ++unanswered_;
        return false;
    }
    const bool yes = confirms_.front();
    confirms_.pop_front();
    return yes;
}

std::optional<std::string> ScriptedPrompter::inputBox(const std::string& caption, const std::string& prompt,
                                                      const std::string&) {
    log_.push_back({BoxKind::Message, caption + ": " + prompt});
    if (inputs_.empty()) {
        ++unanswered_;
        return std::nullopt;
    }
    auto value = inputs_.front();
    inputs_.pop_front();
    return value;
}

} // namespace orvella::test
