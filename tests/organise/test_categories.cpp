#include "data/TaskStore.h"
#include "data/gridfile.h"
#include "organise/categories.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvella {
namespace {

using Lines = std::vector<std::string>;

Table storeWith(const Lines& categories) {
    Table store = newStoreTable();
    for (const std::string& category : categories) {
        const int r = store.appendRow();
        store.setCell(StoreCol::Key, r, makeStoreKey(45000 + r, 101));
        store.setCell(StoreCol::Category, r, category);
        store.setCell(StoreCol::Done, r, "No");
    }
    return store;
}

TEST(CategoryFile, LinesAreReadAsTheyAre) {
    struct Case {
        std::string bytes;
        Lines lines;
    } cases[] = {{"", {}},
                 {"Work\r\nHome\r\n", {"Work", "Home"}},
                 {"Work\r\n\r\nHome", {"Work", "", "Home"}},
                 {" Work \r\nWork\r\nWork\r\n", {" Work ", "Work", "Work"}},
                 {"a\nb\rc\r\n", {"a", "b", "c"}},
                 {"caf\xE9\r\n", {"caf\xE9"}}};
    test::TempFolder dir;
    for (const Case& c : cases) {
        dir.write(kCategoryFile, c.bytes);
        EXPECT_EQ(readCategoryFile(dir.file(kCategoryFile)), c.lines) << c.bytes;
    }
    EXPECT_EQ(readCategoryFile(dir.file(kCategorySelectionFile)), std::nullopt);
}

TEST(CategoryFile, EveryLineEndsInCrLf) {
    test::TempFolder dir;
    writeCategoryFile(dir.file(kCategoryFile), {"Work", "", " Home"});
    EXPECT_EQ(dir.read(kCategoryFile), "Work\r\n\r\n Home\r\n");
    writeCategoryFile(dir.file(kCategoryFile), {});
    EXPECT_EQ(dir.read(kCategoryFile), "");
    EXPECT_THROW(writeCategoryFile(dir.file("absent/category.xxx"), {"Work"}), GridFileError);
}

TEST(CategoryText, ListLookUpsIgnoreLetterCase) {
    struct Case {
        const char* a;
        const char* b;
        bool same;
    } cases[] = {{"Work", "wORK", true},
                 {"Work", "Works", false},
                 {"Work", " Work", false},
                 {"caf\xC3\xA9", "CAF\xC3\x89", true}, // UTF-8
                 {"caf\xE9", "CAF\xC9", true},         // Windows-1252
                 {"caf\xE9", "caf\xC3\xA9", true},     // the same text either way
                 {"\xD0\x94\xD0\xBE\xD0\xBC", "\xD0\xB4\xD0\x9E\xD0\x9C", true},
                 {"", "", true}};
    for (const Case& c : cases)
        EXPECT_EQ(sameCategoryText(c.a, c.b), c.same) << c.a << " / " << c.b;

    const Lines items = {"apple", "Banana", "cherry"};
    EXPECT_EQ(findCategory(items, "BANANA"), 1);
    EXPECT_EQ(findCategory(items, "date"), -1);
    EXPECT_EQ(sortedPosition(items, "Avocado"), 1);
    EXPECT_EQ(sortedPosition(items, "banana"), 2); // after its equal
    EXPECT_EQ(sortedPosition(items, "Zucchini"), 3);

    Lines mixed = {"work", "Home", "garden", "Work", "\xC3\x84pfel"};
    std::sort(mixed.begin(), mixed.end(), [](const auto& a, const auto& b) { return categoryLess(a, b); });
    EXPECT_EQ(mixed, (Lines{"garden", "Home", "Work", "work", "\xC3\x84pfel"}));
}

TEST(IsCategoryInUse, UpperCasesAToZOnly) {
    const Table store = storeWith({"Work", "home", "caf\xC3\xA9"});
    struct Case {
        const char* category;
        bool inUse;
    } cases[] = {{"work", true},   {"HOME", true},        {"Garden", false},     {"", false},
                 {"Work ", false}, {"CAF\xC3\xA9", true}, {"CAF\xC3\x89", false}};
    for (const Case& c : cases)
        EXPECT_EQ(IsCategoryInUse(store, c.category), c.inUse) << c.category;
    EXPECT_FALSE(IsCategoryInUse(newStoreTable(), "Work"));
}

TEST(DeleteCheck, TheMessageNamesWhatIsInUseAndWhatCouldGo) {
    const Table store = storeWith({"Work", "Home"});
    const DeleteCheck check = checkDeletable(store, {"Garden", "Home", "Shop", "Work"});
    EXPECT_EQ(check.inUse, (Lines{"Home", "Work"}));
    EXPECT_EQ(check.deletable, (Lines{"Garden", "Shop"}));

    struct Case {
        DeleteCheck check;
        std::string text;
    } cases[] = {
        {{{"Work"}, {}}, "The following category: \"Work\" is in use and cannot be deleted. "},
        {{{"Home", "Work"}, {}},
         "The following categories: \"Home, Work\" are in use and cannot be deleted. "},
        {{{"Work"}, {"Garden"}},
         "The following category: \"Work\" is in use and cannot be deleted. \r\r"
         "The following category may be deleted: \"Garden\". Try reselecting."},
        {{{"Home", "Work"}, {"Garden", "Shop"}},
         "The following categories: \"Home, Work\" are in use and cannot be deleted. \r\r"
         "The following categories may be deleted: \"Garden, Shop\". Try reselecting."},
        {{{}, {"Garden"}}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(inUseMessage(c.check), c.text);
}

TEST(Rebuild, AddsEachNewCategoryOfTheStoreOnceInStoreOrder) {
    const Table store = storeWith({"Work", "work", " \r\n", "", "Shop", "Garden", "shop", "Garden"});
    const Lines added = categoriesMissingFrom(store, {"WORK"});
    EXPECT_EQ(added, (Lines{"Shop", "Garden"}));
    EXPECT_EQ(rebuildReport(added), "The following categories were added: \" Shop, Garden\".");
    EXPECT_TRUE(categoriesMissingFrom(store, {"Work", "Shop", "garden"}).empty());
    EXPECT_EQ(rebuildReport({}), "No existing categories were added.");
}

} // namespace
} // namespace orvella
