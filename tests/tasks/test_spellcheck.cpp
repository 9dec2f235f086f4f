#include "platform/HunspellDictionary.h"
#include "tasks/SpellCheck.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/ScriptedPrompter.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace orvella {
namespace {

class SmallDictionary final : public SpellDictionary {
public:
    bool known(const std::string& word) const override {
        return word == "The" || word == "cat" || word == "sat" || word == "on";
    }
    std::vector<std::string> suggest(const std::string& word) const override {
        if (word == "Teh")
            return {"The", "Ten"};
        return {};
    }
};

TEST(SpellCheck, ChangesIgnoresAndCancels) {
    const SmallDictionary dictionary;
    test::ScriptedPrompter prompts;
    test::ScriptedDialogs dialogs;
    QPlainTextEdit memo;
    memo.setPlainText(QStringLiteral("Teh cat sat on teh mat, teh end"));

    QStringList asked;
    auto answer = [&asked](int how, const char* typed = nullptr) {
        return [&asked, how, typed](QDialog& d) {
            auto& spell = static_cast<TfrmSpell&>(d);
            asked << spell.lblWord->text();
            if (typed)
                spell.edChange->setText(QString::fromLatin1(typed));
            return how;
        };
    };
    dialogs.answerModal(answer(TfrmSpell::Change));        // Teh -> the first suggestion
    dialogs.answerModal(answer(TfrmSpell::IgnoreAll));     // teh, everywhere
    dialogs.answerModal(answer(TfrmSpell::Change, "rug")); // mat -> typed
    dialogs.answerModal(answer(TfrmSpell::Ignore));        // end
    EXPECT_TRUE(checkSpelling(memo, dictionary, nullptr));
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("The cat sat on teh rug, teh end"));
    EXPECT_EQ(asked, (QStringList{QStringLiteral("Teh"), QStringLiteral("teh"), QStringLiteral("mat"),
                                  QStringLiteral("end")}));
    EXPECT_EQ(prompts.texts(BoxKind::Information),
              std::vector<std::string>{"The spelling check is complete."});

    dialogs.answerModal(answer(TfrmSpell::Cancelled));
    EXPECT_FALSE(checkSpelling(memo, dictionary, nullptr));
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("The cat sat on teh rug, teh end"));
}

TEST(SpellCheck, TheSystemDictionaryKnowsAndSuggests) {
    const auto dictionary = openSpellDictionary("/nonexistent-folder");
    ASSERT_TRUE(dictionary) << "the en_US Hunspell dictionary is installed by scripts/install-deps.sh";
    EXPECT_TRUE(dictionary->known("house"));
    EXPECT_FALSE(dictionary->known("hosue"));
    const std::vector<std::string> s = dictionary->suggest("hosue");
    EXPECT_NE(std::find(s.begin(), s.end(), "house"), s.end());
}

} // namespace
} // namespace orvella
