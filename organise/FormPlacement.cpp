#include "organise/FormPlacement.h"

#include "settings/SettingsStore.h"

#include <QWidget>

namespace orvella {

std::optional<std::string> FormPlacement::property(const std::string& component,
                                                   const std::string& name) const {
    if (component != name_)
        return std::nullopt;
    if (name == "Top")
        return std::to_string(form_.y());
    if (name == "Left")
        return std::to_string(form_.x());
    if (name == "ClientWidth")
        return std::to_string(form_.width());
    if (name == "ClientHeight")
        return std::to_string(form_.height());
    if (name == "Width")
        return std::to_string(form_.frameGeometry().width());
    if (name == "Height")
        return std::to_string(form_.frameGeometry().height());
    return std::nullopt;
}

bool FormPlacement::setProperty(const std::string& component, const std::string& name,
                                const std::string& text) {
    const auto value = parseSettingsInteger(text);
    if (component != name_ || !value)
        return false;
    // The frame adds the same to the outer size before and after the change.
    const QSize frame = form_.frameGeometry().size() - form_.size();
    if (name == "Top")
        form_.move(form_.x(), *value);
    else if (name == "Left")
        form_.move(*value, form_.y());
    else if (name == "ClientWidth")
        form_.resize(*value, form_.height());
    else if (name == "ClientHeight")
        form_.resize(form_.width(), *value);
    else if (name == "Width")
        form_.resize(*value - frame.width(), form_.height());
    else if (name == "Height")
        form_.resize(form_.width(), *value - frame.height());
    else
        return false;
    return true;
}

} // namespace orvella
