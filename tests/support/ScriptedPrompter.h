#pragma once

#include "data/Prompter.h"

#include <deque>
#include <string>
#include <vector>

namespace orvella::test {

// A prompter that answers from a script and logs every box shown. Install it for the
// lifetime of a test; it restores the previous prompter when destroyed.
class ScriptedPrompter : public Prompter {
public:
    struct Shown {
        BoxKind kind;
        std::string text;
        bool operator==(const Shown&) const = default;
    };

    ScriptedPrompter();
    ~ScriptedPrompter() override;
    ScriptedPrompter(const ScriptedPrompter&) = delete;
    ScriptedPrompter& operator=(const ScriptedPrompter&) = delete;

    void answerConfirm(bool yes) { confirms_.push_back(yes); }
    void answerInput(std::optional<std::string> value) { inputs_.push_back(std::move(value)); }

    const std::vector<Shown>& log() const { return log_; }
    // The texts of the boxes of one kind, in the order shown.
    std::vector<std::string> texts(BoxKind kind) const;
    // Questions asked with no scripted answer left; they were answered no.
    int unanswered() const { return unanswered_; }
    void clear() { log_.clear(); }

    void showBox(BoxKind kind, const std::string& text) override;
    bool confirm(const std::string& text) override;
    std::optional<std::string> inputBox(const std::string& caption, const std::string& prompt,
                                        const std::string& value) override;

private:
    Prompter* previous_;
    std::deque<bool> confirms_;
    std::deque<std::optional<std::string>> inputs_;
    std::vector<Shown> log_;
    int unanswered_ = 0;
};

} // namespace orvella::test
