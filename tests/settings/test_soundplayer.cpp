#include "data/Utility.h"
#include "organise/categories.h"
#include "settings/ChimeSynth.h"
#include "settings/SoundPlayer.h"
#include "tests/settings/FakeAudio.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>

namespace orvella {
namespace {

using test::FakeAudio;
using test::ScriptedPrompter;
using test::TempFolder;
using Calls = std::vector<std::string>;

class SoundPlayerTest : public ::testing::Test {
protected:
    SoundPlayerTest() : player(options, folder.path(), audio) {
        options.playAlarmSound = true;
        options.alarmPath = folder.file("alarm.wav");
        folder.write("alarm.wav", "RIFF");
        folder.write("song.mp3", "ID3");
        folder.write("song.wav.mp3", "RIFF");
    }

    TempFolder folder;
    OptionValues options;
    FakeAudio audio;
    ScriptedPrompter prompts;
    SoundPlayer player;
};

TEST_F(SoundPlayerTest, ChoosesTheFileAndHowItPlays) {
    struct Case {
        std::string file; // in the program folder; blank as it is
        bool loop;
        std::string expected;
        std::string played;
    } cases[] = {
        {"alarm.wav", false, "wave", "alarm.wav"},
        {"alarm.wav", true, "loop wave", "alarm.wav"},
        {"", false, "wave", "alarm.wav"}, // blank: the alarm sound file
        {" \r\n", false, "wave", "alarm.wav"},
        {"missing.mp3", true, "loop wave", "alarm.wav"}, // missing: the alarm sound file
        {"song.mp3", true, "loop media", "song.mp3"},
        {"song.wav.mp3", false, "wave", "song.wav.mp3"}, // ".wav" anywhere in the name
    };
    for (const Case& c : cases) {
        audio.calls.clear();
        player.playAlarmSound(isBlank(c.file) ? c.file : folder.file(c.file), true, c.loop);
        EXPECT_EQ(audio.calls, Calls{c.expected + " " + folder.file(c.played)}) << c.file;
    }
    EXPECT_TRUE(prompts.log().empty());
}

TEST_F(SoundPlayerTest, NothingPlaysWithoutAnyFile) {
    std::filesystem::remove(folder.file("alarm.wav"));
    player.playAlarmSound(folder.file("missing.wav"), true, false);
    options.alarmPath = "";
    player.playAlarmSound("", true, false);
    player.playAlarmSound(folder.file("missing.wav"), true, false);
    EXPECT_EQ(audio.calls, Calls{});
}

TEST_F(SoundPlayerTest, TheSystemSoundBeepsAndHasNothingToStop) {
    options.systemSound = true;
    options.playAlarmSound = false;
    player.playAlarmSound(folder.file("song.mp3"), true, true);
    player.playAlarmSound("", false, false);
    EXPECT_EQ(audio.calls, Calls{"beep"});
}

TEST_F(SoundPlayerTest, AnOutsidePlayerIsHandedTheSilentFileOnStop) {
    audio.mediaPlays = false;
    player.playAlarmSound(folder.file("song.mp3"), true, false);
    EXPECT_TRUE(player.externalPlayerStarted());
    player.playAlarmSound("", false, false); // no "blank.mp3": just stop
    folder.write("blank.mp3", "");
    player.playAlarmSound("", false, false);
    EXPECT_EQ(audio.calls, (Calls{"media " + folder.file("song.mp3"), "open " + folder.file("song.mp3"),
                                  "stop", "stop", "open " + folder.file("blank.mp3")}));
}

TEST_F(SoundPlayerTest, StoppingBeforeAnyOutsidePlayerOpensNothing) {
    folder.write("blank.mp3", "");
    player.playAlarmSound(folder.file("song.mp3"), true, false);
    player.playAlarmSound("", false, false);
    EXPECT_EQ(audio.calls, (Calls{"media " + folder.file("song.mp3"), "stop"}));
}

TEST_F(SoundPlayerTest, NoPlayerAtAllIsReported) {
    audio.mediaPlays = false;
    audio.opens = false;
    player.playAlarmSound(folder.file("song.mp3"), true, false);
    EXPECT_FALSE(player.externalPlayerStarted());
    EXPECT_EQ(prompts.texts(BoxKind::Error),
              std::vector<std::string>{"Couldn't launch player for music sound file \"" +
                                       folder.file("song.mp3") +
                                       "\"  Are you sure you have a valid music file player installed?"});
}

TEST_F(SoundPlayerTest, AFileTheMediaServiceFailsOnGoesToTheDefaultProgram) {
    player.playAlarmSound(folder.file("song.mp3"), true, false);
    audio.failMedia(folder.file("song.mp3"));
    EXPECT_EQ(audio.calls.back(), "open " + folder.file("song.mp3"));
    EXPECT_TRUE(player.externalPlayerStarted());
}

TEST_F(SoundPlayerTest, ChimesPreferTheFilesInTheProgramFolder) {
    options.systemSound = true; // chimes never follow the alarm sound choice
    player.playChime(true);
    player.playChime(false);
    folder.write("hour.wav", "RIFF");
    folder.write("halfhour.wav", "RIFF");
    player.playChime(true);
    player.playChime(false);
    EXPECT_EQ(audio.calls, (Calls{"built-in BIGBENWAV", "built-in CHIMES", "wave " + folder.file("hour.wav"),
                                  "wave " + folder.file("halfhour.wav")}));
}

std::uint32_t le(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return v;
}

TEST(ChimeSynth, BuildsCompletePcmWaves) {
    for (const BuiltInSound sound : {BuiltInSound::BigBen, BuiltInSound::Chimes}) {
        const std::string wav = synthesiseChime(sound);
        ASSERT_GT(wav.size(), 44u);
        EXPECT_EQ(wav.substr(0, 4), "RIFF");
        EXPECT_EQ(le(wav, 4, 4), wav.size() - 8);
        EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(le(wav, 20, 2), 1u); // PCM
        EXPECT_EQ(le(wav, 22, 2), 1u); // mono
        EXPECT_EQ(le(wav, 24, 4), static_cast<std::uint32_t>(kChimeSampleRate));
        EXPECT_EQ(le(wav, 34, 2), 16u);
        EXPECT_EQ(wav.substr(36, 4), "data");
        EXPECT_EQ(le(wav, 40, 4), wav.size() - 44);
        // Loud but never clipped.
        int peak = 0;
        for (std::size_t i = 44; i + 1 < wav.size(); i += 2)
            peak = std::max(peak, std::abs(static_cast<int>(static_cast<std::int16_t>(le(wav, i, 2)))));
        EXPECT_GT(peak, 20000);
        EXPECT_LT(peak, 32767);
    }
    // The hour rings four phrases and the hour bell, the half hour two phrases.
    EXPECT_GT(synthesiseChime(BuiltInSound::BigBen).size(), 2 * synthesiseChime(BuiltInSound::Chimes).size());
}

TEST(CategoryList, SortedWithoutRegardToCaseAndUntrimmed) {
    TempFolder dir;
    EXPECT_TRUE(readSortedCategories(dir.file("category.xxx")).empty());
    dir.write("category.xxx", "");
    EXPECT_TRUE(readSortedCategories(dir.file("category.xxx")).empty());
    dir.write("category.xxx", "work\r\nHome\r\n errands\r\nbirthday\r\n");
    EXPECT_EQ(readSortedCategories(dir.file("category.xxx")),
              (std::vector<std::string>{" errands", "birthday", "Home", "work"}));
    dir.write("category.xxx", "b\na");
    EXPECT_EQ(readSortedCategories(dir.file("category.xxx")), (std::vector<std::string>{"a", "b"}));
}

} // namespace
} // namespace orvella
