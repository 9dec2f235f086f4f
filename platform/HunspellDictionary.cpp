#include "platform/HunspellDictionary.h"

#include "data/Utility.h"

#include <QString>

#include <filesystem>
#include <hunspell/hunspell.hxx>

namespace orvella {

namespace {

class HunspellDictionary final : public SpellDictionary {
public:
    HunspellDictionary(const std::string& aff, const std::string& dic)
        : hunspell_(aff.c_str(), dic.c_str()), utf8_(hunspell_.get_dict_encoding() == "UTF-8") {}

    bool known(const std::string& word) const override { return hunspell_.spell(toDictionary(word)); }

    std::vector<std::string> suggest(const std::string& word) const override {
        std::vector<std::string> out;
        for (const std::string& s : hunspell_.suggest(toDictionary(word)))
            out.push_back(fromDictionary(s));
        return out;
    }

private:
    // Dictionaries in a single-byte encoding (the usual ISO 8859-1) take their words in it.
    std::string toDictionary(const std::string& utf8) const {
        return utf8_ ? utf8
                     : QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))
                           .toLatin1()
                           .toStdString();
    }
    std::string fromDictionary(const std::string& text) const {
        return utf8_ ? text
                     : QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()))
                           .toUtf8()
                           .toStdString();
    }

    mutable Hunspell hunspell_;
    bool utf8_;
};

} // namespace

std::unique_ptr<SpellDictionary> openSpellDictionary(const std::string& dataFolder) {
    for (const std::string& folder : {dataFolder, std::string("/usr/share/hunspell")}) {
        const std::string aff = joinPath(folder, "en_US.aff");
        const std::string dic = joinPath(folder, "en_US.dic");
        std::error_code ec;
        if (std::filesystem::exists(aff, ec) && std::filesystem::exists(dic, ec))
            return std::make_unique<HunspellDictionary>(aff, dic);
    }
    return nullptr;
}

} // namespace orvella
