#include "settings/TObjMgr.h"

#include <gtest/gtest.h>

#include <map>

namespace orvella {
namespace {

// A form with integer properties, as designed.
class FakeForm final : public PlacementTarget {
public:
    std::string formName() const override { return "frmFilter"; }
    bool hasComponent(const std::string& component) const override { return component == "pnlTop"; }
    std::optional<std::string> property(const std::string& component,
                                        const std::string& name) const override {
        const auto it = props.find(component + "." + name);
        if (it == props.end())
            return std::nullopt;
        return std::to_string(it->second);
    }
    bool setProperty(const std::string& component, const std::string& name,
                     const std::string& text) override {
        const auto it = props.find(component + "." + name);
        const auto value = parseSettingsInteger(text);
        if (it == props.end() || !value)
            return false;
        it->second = *value;
        return true;
    }
    std::map<std::string, int> props = {{"frmFilter.Top", 7},
                                        {"frmFilter.Left", 8},
                                        {"frmFilter.ClientWidth", 9},
                                        {"frmFilter.ClientHeight", 10},
                                        {"pnlTop.Height", 11}};
};

TEST(PlacementItem, SixFieldsWithBlanksRemoved) {
    const PlacementItem item =
        PlacementItem::parse(" frmFilter ; Top;Software\\Quillmark\\Task ;FilterTop; 100 ;1");
    EXPECT_EQ(item,
              (PlacementItem{"frmFilter", "Top", "Software\\Quillmark\\Task", "FilterTop", "100", "1"}));
    EXPECT_EQ(item.text(), "frmFilter;Top;Software\\Quillmark\\Task;FilterTop;100;1");
    EXPECT_EQ(PlacementItem::parse("a;b"), (PlacementItem{"a", "b", "", "", "", ""}));
    EXPECT_EQ(TObjMgr::forFilter().Items[0], "frmFilter;Top;Software\\Quillmark\\Task;FilterTop;100;1");
    EXPECT_EQ(TObjMgr::forAbbreviation().Items[2],
              "frmAbbreviation;Height;Software\\Quillmark\\Task;AbbrevHeight;400;1");
    EXPECT_EQ(TObjMgr::forYear().Items[0], "frmYear;ClientHeight;Software\\Quillmark\\Task;YearHeight;336;1");
}

TEST(PlacementItem, KeyPathsBelowTheSettingsKey) {
    EXPECT_EQ(sectionOfKeyPath("Software\\Quillmark\\Task"), "");
    EXPECT_EQ(sectionOfKeyPath("\\SOFTWARE\\quillmark\\task\\"), "");
    EXPECT_EQ(sectionOfKeyPath("Software\\Quillmark\\Task\\MemPass"), "MemPass");
    EXPECT_EQ(sectionOfKeyPath("Software\\Quillmark\\Tasks"), std::nullopt);
    EXPECT_EQ(sectionOfKeyPath("Software\\Other"), std::nullopt);
}

TEST(TObjMgr, RestoresStoredValuesDefaultsAndLeavesFailuresAsDesigned) {
    MemorySettingsBackend backend;
    Settings settings(backend);
    backend.setValue("", "FilterTop", "250");
    backend.setValue("", "FilterLeft", "abc");           // no number: stays as designed
    backend.setValue("", "FilterHeight", "99999999999"); // too big for an integer: the same
    FakeForm form;
    TObjMgr::forFilter().restorePlacements(settings, form);
    EXPECT_EQ(form.props["frmFilter.Top"], 250);
    EXPECT_EQ(form.props["frmFilter.Left"], 8);
    EXPECT_EQ(form.props["frmFilter.ClientWidth"], 400); // absent: the item's default
    EXPECT_EQ(form.props["frmFilter.ClientHeight"], 10);
}

TEST(TObjMgr, SkipsItemsItCannotPlaceAndStoresTheRest) {
    MemorySettingsBackend backend;
    Settings settings(backend);
    const TObjMgr mgr({
        "",                                                      // blank: skipped
        "frmOther;Top;Software\\Quillmark\\Task;OtherTop;5;1",   // no such component
        "pnlTop;Colour;Software\\Quillmark\\Task;TopColour;5;1", // no such property
        "pnlTop;Height;Software\\Quillmark\\Task;TopHeight;33;1",
        "frmFilter;Top;Software\\Elsewhere;FilterTop;44;1", // a key outside the settings key
        "frmFilter;Left;Software\\Quillmark\\Task\\Sub;Left;55;1",
    });
    FakeForm form;
    mgr.restorePlacements(settings, form);
    EXPECT_EQ(form.props["pnlTop.Height"], 33);
    EXPECT_EQ(form.props["frmFilter.Top"], 44);
    EXPECT_EQ(form.props["frmFilter.Left"], 55);

    form.props["pnlTop.Height"] = 60;
    mgr.storePlacements(settings, form);
    EXPECT_EQ(backend.value("", "TopHeight"), "60");
    EXPECT_EQ(backend.value("Sub", "Left"), "55");
    EXPECT_EQ(backend.value("", "OtherTop"), std::nullopt);
    EXPECT_EQ(backend.value("", "TopColour"), std::nullopt);
    EXPECT_EQ(backend.value("", "FilterTop"), std::nullopt);
}

} // namespace
} // namespace orvella
