#pragma once

#include "settings/PlacementTarget.h"

#include <string>

class QWidget;

namespace orvella {

// A window as the form-placement store sees it: the position of its frame ("Left", "Top"),
// its inner size ("ClientWidth", "ClientHeight") and its outer size ("Width", "Height").
class FormPlacement final : public PlacementTarget {
public:
    FormPlacement(QWidget& form, std::string name) : form_(form), name_(std::move(name)) {}

    std::string formName() const override { return name_; }
    bool hasComponent(const std::string&) const override { return false; }
    std::optional<std::string> property(const std::string& component, const std::string& name) const override;
    bool setProperty(const std::string& component, const std::string& name, const std::string& text) override;

private:
    QWidget& form_;
    std::string name_;
};

} // namespace orvella
