#pragma once

#include <optional>
#include <string>

namespace orvella {

// A form as the form-placement store sees it: the form and its owned components by name,
// and their properties as text.
class PlacementTarget {
public:
    virtual ~PlacementTarget() = default;
    virtual std::string formName() const = 0;
    virtual bool hasComponent(const std::string& component) const = 0;
    // Nothing when the component has no such property.
    virtual std::optional<std::string> property(const std::string& component,
                                                const std::string& property) const = 0;
    // False when there is no such property or the text does not convert to its type; the
    // property then keeps its value.
    virtual bool setProperty(const std::string& component, const std::string& property,
                             const std::string& text) = 0;
};

} // namespace orvella
