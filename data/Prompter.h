#pragma once

#include <optional>
#include <string>

namespace orvella {

// The kinds of modal box the program shows.
enum class BoxKind { Error, Warning, Information, Message, Confirm };

// The seam through which core code asks the user something or tells them something. The UI
// installs the real modal boxes; tests install a recorder that answers from a script.
class Prompter {
public:
    virtual ~Prompter() = default;
    // An error, warning, information or plain message box with one "OK" button.
    virtual void showBox(BoxKind kind, const std::string& text) = 0;
    // The confirmation box (caption "Confirm", "&Yes" and "&No"); true only for yes.
    virtual bool confirm(const std::string& text) = 0;
    // The input box; nothing when the user cancels.
    virtual std::optional<std::string> inputBox(const std::string& caption, const std::string& prompt,
                                                const std::string& value) = 0;
};

// The prompter in use; until one is installed, boxes are not shown and questions answer no.
Prompter& prompter();
// Installs `p` (not owned) and returns the one it replaces; nullptr restores the silent one.
Prompter* installPrompter(Prompter* p);

void errorBox(const std::string& text);
void warningBox(const std::string& text);
void infoBox(const std::string& text);
void messageBox(const std::string& text);
bool confirmBox(const std::string& text);

} // namespace orvella
