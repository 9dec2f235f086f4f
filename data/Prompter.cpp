#include "data/Prompter.h"

namespace orvella {

namespace {

class SilentPrompter final : public Prompter {
public:
    void showBox(BoxKind, const std::string&) override {}
    bool confirm(const std::string&) override { return false; }
    std::optional<std::string> inputBox(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

SilentPrompter silent;
Prompter* current = &silent;

} // namespace

Prompter& prompter() {
    return *current;
}

Prompter* installPrompter(Prompter* p) {
    Prompter* old = current == &silent ? nullptr : current;
    current = p ? p : &silent;
    return old;
}

void errorBox(const std::string& text) {
    prompter().showBox(BoxKind::Error, text);
}
void warningBox(const std::string& text) {
    prompter().showBox(BoxKind::Warning, text);
}
void infoBox(const std::string& text) {
    prompter().showBox(BoxKind::Information, text);
}
void messageBox(const std::string& text) {
    prompter().showBox(BoxKind::Message, text);
}
bool confirmBox(const std::string& text) {
    return prompter().confirm(text);
}

} // namespace orvella
