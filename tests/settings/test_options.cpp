#include "settings/AutostartEntry.h"
#include "settings/OptionValues.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orvella {
namespace {

using test::TempFolder;

// Logs the names written, in order.
class RecordingBackend final : public SettingsBackend {
public:
    std::optional<std::string> value(const std::string& section, const std::string& name) const override {
        return store.value(section, name);
    }
    bool setValue(const std::string& section, const std::string& name, const std::string& text) override {
        written.push_back(name);
        return store.setValue(section, name, text);
    }
    MemorySettingsBackend store;
    std::vector<std::string> written;
};

TEST(OptionValues, NoSettingsAtAllGiveTheDefaults) {
    MemorySettingsBackend backend;
    const OptionValues o = OptionValues::read(Settings(backend), "/data", false);
    EXPECT_TRUE(o.startupEntry); // never saved: the box is offered ticked
    EXPECT_TRUE(o.shadows && o.strikeOut && o.flyBy && o.confirm && o.dragConfirm && o.popup && o.iconDay);
    EXPECT_FALSE(o.monthColor || o.autoStart || o.systemSound);
    EXPECT_TRUE(o.playAlarm && o.playAlarmSound && o.repeatAlarm && o.hourChime && o.halfChime);
    EXPECT_TRUE(o.weekStartsSunday && o.exitOnClose);
    EXPECT_EQ(o.alarmPath, "/data/alarm.wav");
    EXPECT_EQ(o.alarmMinutes, 0);
    EXPECT_EQ(o.rowHeight, 16);
    EXPECT_EQ(o.done, (ColourPair{0x000000, 0xFFFF00}));
    EXPECT_EQ(o.notDone, (ColourPair{0xFFFFFF, 0x0000FF}));
    EXPECT_EQ(o.holiday, (ColourPair{0x000000, 0x00FFFF}));
    EXPECT_EQ(o.hint, (ColourPair{0x000000, 0x00FFFF}));
    EXPECT_EQ(o.monthBackground, 0x00FF00u);
    EXPECT_EQ(o.gridFont, (FontSpec{"Ms Sans Serif", 8, false, false, false, false}));
    EXPECT_EQ(o.titleFont.face, "Times New Roman");
    EXPECT_EQ(o.category, "");
}

TEST(OptionValues, TheAlarmSoundChoiceIsOneRadioPair) {
    struct Case {
        const char* playSound;
        const char* sysSound;
        bool playChosen;
        bool systemChosen;
    } cases[] = {
        {"1", "1", false, true},
        {"0", "0", false, false},
        {"1", "0", true, false},
        {"0", "1", false, true},
    };
    for (const Case& c : cases) {
        MemorySettingsBackend backend;
        backend.setValue("Options", "PlayAlarmSound", c.playSound);
        backend.setValue("Options", "SysSound", c.sysSound);
        const OptionValues o = OptionValues::read(Settings(backend), "/data", false);
        EXPECT_EQ(o.playAlarmSound, c.playChosen) << c.playSound << c.sysSound;
        EXPECT_EQ(o.systemSound, c.systemChosen) << c.playSound << c.sysSound;
    }
}

TEST(OptionValues, TheStartupBoxFollowsTheEntryOnceTheOptionsWereSaved) {
    struct Case {
        const char* firstTime;
        bool entry;
        bool ticked;
    } cases[] = {{"000", false, true}, {"first", false, false}, {"first", true, true}, {"", false, false}};
    for (const Case& c : cases) {
        MemorySettingsBackend backend;
        backend.setValue("Options", "FirstTime", c.firstTime);
        EXPECT_EQ(OptionValues::read(Settings(backend), "/data", c.entry).startupEntry, c.ticked)
            << c.firstTime << c.entry;
    }
}

TEST(OptionValues, SavingWritesEveryValueInOrderAndReadsBackTheSame) {
    RecordingBackend backend;
    Settings settings(backend);
    OptionValues o = OptionValues::read(settings, "/data", false);
    o.shadows = false;
    o.category = "Work";
    o.done = {0x123456, 0x654321};
    o.hint.background = 0x8000000F;
    o.alarmMinutes = 15;
    o.alarmPath = "/music/song.mp3";
    o.playAlarmSound = false;
    o.systemSound = true;
    o.weekStartsSunday = false;
    o.exitOnClose = false;
    o.rowHeight = 30;
    o.gridFont = {"DejaVu Sans", 12, true, true, false, true};
    o.startupEntry = false;
    EXPECT_TRUE(o.save(settings));

    ASSERT_GE(backend.written.size(), 3u);
    EXPECT_EQ(backend.written[0], "FirstTime");
    EXPECT_EQ(backend.written[1], "Shadows");
    EXPECT_EQ(backend.written[2], "Confirm");
    EXPECT_EQ(backend.written.back(), "TitleFontStrike");
    EXPECT_EQ(backend.written.size(), 1u + 33u + 18u);
    EXPECT_EQ(backend.store.value("Options", "FirstTime"), "first");

    const OptionValues back = OptionValues::read(settings, "/elsewhere", false);
    EXPECT_EQ(back, o);
}

TEST(OptionValues, AStoreThatCannotBeWrittenReportsTheFirstWrite) {
    MemorySettingsBackend backend;
    Settings settings(backend);
    const OptionValues o = OptionValues::read(settings, "/data", false);
    backend.setWritable(false);
    EXPECT_FALSE(o.save(settings));
}

TEST(AutostartEntry, WrittenWithTheProgramPathAndRemoved) {
    TempFolder dir;
    const AutostartEntry entry(dir.file("config/autostart/orvella.desktop"));
    EXPECT_FALSE(entry.exists());
    for (const std::string program : {"/opt/orvella/bin/orvella", "/home/a b/My \"Apps\"/orvella$1"}) {
        ASSERT_TRUE(entry.write(true, program));
        EXPECT_TRUE(entry.exists());
        EXPECT_EQ(entry.program(), program);
    }
    EXPECT_NE(
        dir.read("config/autostart/orvella.desktop").find("Exec=\"/home/a b/My \\\"Apps\\\"/orvella\\$1\"\n"),
        std::string::npos);
    ASSERT_TRUE(entry.write(false, ""));
    EXPECT_FALSE(std::filesystem::exists(entry.path()));
    EXPECT_TRUE(entry.write(false, "")); // removing what is not there is no failure

    dir.write("empty.desktop", "[Desktop Entry]\nType=Application\nExec=\n");
    EXPECT_FALSE(AutostartEntry(dir.file("empty.desktop")).exists());
    dir.write("other.desktop", "[Other]\nExec=/bin/true\n");
    EXPECT_FALSE(AutostartEntry(dir.file("other.desktop")).exists());

    dir.write("blocked", "");
    EXPECT_FALSE(AutostartEntry(dir.file("blocked/orvella.desktop")).write(true, "/bin/orvella"));
}

} // namespace
} // namespace orvella
