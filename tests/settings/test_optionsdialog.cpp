#include "settings/AutostartEntry.h"
#include "settings/ColourCombo.h"
#include "settings/ColourPanel.h"
#include "settings/OptionConversions.h"
#include "settings/TfrmOptions.h"
#include "settings/TitleShadow.h"
#include "tests/settings/FakeAudio.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace orvella {
namespace {

using test::FakeAudio;
using test::ScriptedDialogs;
using test::ScriptedPrompter;
using test::TempFolder;
using Calls = std::vector<std::string>;

class OptionsDialogTest : public ::testing::Test {
protected:
    OptionsDialogTest() : settings(backend) {}

    std::unique_ptr<TfrmOptions> create() {
        return std::make_unique<TfrmOptions>(
            TfrmOptions::Environment{settings, data.path(), entryPath(), "/opt/orvella/orvella", &audio});
    }
    std::string entryPath() const { return data.file("autostart/orvella.desktop"); }

    template <typename T>
    static T* find(const QWidget& w, const char* name) {
        T* child = w.findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(child) << name;
        return child;
    }
    static QCheckBox* box(const QWidget& w, const char* name) { return find<QCheckBox>(w, name); }
    static QRadioButton* radio(const QWidget& w, const char* name) { return find<QRadioButton>(w, name); }
    static QPushButton* button(const QWidget& w, const char* name) { return find<QPushButton>(w, name); }

    TempFolder data;
    MemorySettingsBackend backend;
    Settings settings;
    FakeAudio audio;
    ScriptedPrompter prompts;
    ScriptedDialogs dialogs;
};

TEST_F(OptionsDialogTest, TheControlsShowTheStoredValues) {
    backend.setValue("Options", "Shadows", "0");
    backend.setValue("Options", "Sunday", "0");
    backend.setValue("Options", "ExitF4", "0");
    backend.setValue("Options", "RowHeight", "99");
    backend.setValue("Options", "AlarmMin", "15");
    backend.setValue("Options", "Category", "Work");
    backend.setValue("Options", "DoneColorBG", "255");
    backend.setValue("Options", "GridFontName", "DejaVu Serif");
    backend.setValue("Options", "GridFontBold", "1");
    auto d = create();
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Program Options"));
    EXPECT_EQ(find<QTabWidget>(*d, "PageControl1")->currentIndex(), 0);
    EXPECT_FALSE(box(*d, "cbShadow")->isChecked());
    EXPECT_EQ(titleShadowDepth(*find<QLabel>(*d, "lblTitle")), 1);
    EXPECT_FALSE(radio(*d, "rbSun")->isChecked());
    EXPECT_TRUE(radio(*d, "rbMon")->isChecked());
    EXPECT_TRUE(radio(*d, "rbMinimize")->isChecked());
    EXPECT_EQ(find<QSpinBox>(*d, "edRowHeight")->value(), 50);
    EXPECT_EQ(find<QSpinBox>(*d, "edMin")->value(), 15);
    EXPECT_EQ(find<QComboBox>(*d, "cbCategory")->currentText(), QStringLiteral("Work"));
    EXPECT_EQ(find<QLineEdit>(*d, "edPath")->text(), QString::fromStdString(data.file("alarm.wav")));
    EXPECT_EQ(find<ColourPanel>(*d, "pnlDone")->colours(), (ColourPair{0, 255}));
    const QFont grid = button(*d, "btGridFont")->font();
    EXPECT_EQ(grid.family(), QStringLiteral("DejaVu Serif"));
    EXPECT_TRUE(grid.bold());
    EXPECT_EQ(find<QLabel>(*d, "lblTitle")->font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(find<QLabel>(*d, "lblTitle")->font().pointSize(), 20);
    EXPECT_EQ(d->options().gridFont.face, "DejaVu Serif");
    EXPECT_FALSE(d->options().exitOnClose);
}

TEST_F(OptionsDialogTest, BothAlarmSoundValuesOffChooseNeitherButton) {
    backend.setValue("Options", "PlayAlarmSound", "0");
    backend.setValue("Options", "SysSound", "0");
    auto d = create();
    EXPECT_FALSE(radio(*d, "rbPlayAlarmSound")->isChecked());
    EXPECT_FALSE(radio(*d, "rbSystemSound")->isChecked());
    // Still one radio pair for the user.
    radio(*d, "rbSystemSound")->click();
    radio(*d, "rbPlayAlarmSound")->click();
    EXPECT_FALSE(radio(*d, "rbSystemSound")->isChecked());
    EXPECT_TRUE(d->options().playAlarmSound);
}

TEST_F(OptionsDialogTest, TheStartupEntryIsOfferedUntilTheOptionsAreSavedAndFollowsTheBox) {
    {
        auto d = create();
        d->show();
        EXPECT_TRUE(box(*d, "cbStartup")->isChecked()); // "FirstTime" still "000"
        d->btOKClick();
    }
    EXPECT_EQ(backend.value("Options", "FirstTime"), "first");
    EXPECT_EQ(AutostartEntry(entryPath()).program(), "/opt/orvella/orvella");
    {
        auto d = create();
        EXPECT_TRUE(box(*d, "cbStartup")->isChecked()); // now because the entry exists
        box(*d, "cbStartup")->click();
        d->btOKClick();
    }
    EXPECT_FALSE(std::filesystem::exists(entryPath()));
    auto d = create();
    EXPECT_FALSE(box(*d, "cbStartup")->isChecked());
    EXPECT_TRUE(prompts.log().empty());
}

TEST_F(OptionsDialogTest, OkWritesEveryChangeAndCancelNone) {
    auto d = create();
    d->show();
    box(*d, "cbStrikeout")->click();
    radio(*d, "rbMon")->click();
    find<QSpinBox>(*d, "edRowHeight")->setValue(30);
    find<QLineEdit>(*d, "edPath")->setText(QStringLiteral("/music/song.mp3"));
    find<QComboBox>(*d, "cbCategory")->setEditText(QStringLiteral("Home"));
    EXPECT_FALSE(d->options().strikeOut); // the live values follow the controls at once
    EXPECT_FALSE(d->options().weekStartsSunday);
    EXPECT_EQ(d->options().category, "Home");

    button(*d, "btCancel")->click();
    EXPECT_EQ(backend.value("Options", "StrikeOut"), std::nullopt);
    EXPECT_EQ(backend.value("Options", "FirstTime"), std::nullopt);
    EXPECT_FALSE(d->options().strikeOut); // kept for the run

    d->show();
    button(*d, "btOK")->click();
    const OptionValues saved = d->options();
    auto again = create();
    EXPECT_EQ(again->options(), saved);
    EXPECT_EQ(again->options().rowHeight, 30);
    EXPECT_EQ(again->options().alarmPath, "/music/song.mp3");
}

TEST_F(OptionsDialogTest, AStoreThatCannotBeWrittenIsReportedOnceAndTheDialogCloses) {
    auto d = create();
    d->show();
    backend.setWritable(false);
    button(*d, "btOK")->click();
    EXPECT_EQ(prompts.texts(BoxKind::Error), std::vector<std::string>{kSettingsNotSavedText});
    EXPECT_FALSE(d->isVisible());
}

TEST_F(OptionsDialogTest, TheEnableRulesOnShowingLetTheAlarmRuleDecide) {
    struct Case {
        const char* playAlarm;
        const char* playSound;
        const char* sysSound;
        bool alarmControls;
        bool soundFileControls;
    } cases[] = {
        {"0", "1", "0", false, false}, // alarms off: everything greyed, whatever the choice
        {"0", "0", "1", false, false},
        {"1", "0", "1", true, true}, // system sound chosen, yet the alarm rule enables them
        {"1", "1", "0", true, true},
    };
    for (const Case& c : cases) {
        backend.setValue("Options", "PlayAlarm", c.playAlarm);
        backend.setValue("Options", "PlayAlarmSound", c.playSound);
        backend.setValue("Options", "SysSound", c.sysSound);
        auto d = create();
        d->show();
        const std::string label = std::string(c.playAlarm) + c.playSound + c.sysSound;
        for (const char* name : {"edMin", "rbPlayAlarmSound", "rbSystemSound", "btTest", "lblProduct"})
            EXPECT_EQ(find<QWidget>(*d, name)->isEnabled(), c.alarmControls) << name << " " << label;
        for (const char* name : {"edPath", "btAlarmBrowse", "cbRepeat"})
            EXPECT_EQ(find<QWidget>(*d, name)->isEnabled(), c.soundFileControls) << name << " " << label;
    }
}

TEST_F(OptionsDialogTest, ClicksApplyTheirRules) {
    backend.setValue("Options", "SysSound", "1");
    auto d = create();
    d->show();
    ASSERT_TRUE(find<QLineEdit>(*d, "edPath")->isEnabled());
    radio(*d, "rbSystemSound")->click(); // the sound-file rule greys the sound-file controls
    EXPECT_FALSE(find<QLineEdit>(*d, "edPath")->isEnabled());
    EXPECT_FALSE(button(*d, "btAlarmBrowse")->isEnabled());
    EXPECT_TRUE(button(*d, "btTest")->isEnabled());
    radio(*d, "rbPlayAlarmSound")->click();
    EXPECT_TRUE(find<QLineEdit>(*d, "edPath")->isEnabled());
    box(*d, "cbAlarm")->click();
    EXPECT_FALSE(find<QSpinBox>(*d, "edMin")->isEnabled());
    EXPECT_FALSE(find<QLineEdit>(*d, "edPath")->isEnabled());
    EXPECT_FALSE(d->options().playAlarm);
    box(*d, "cbAlarm")->click();
    EXPECT_TRUE(find<QSpinBox>(*d, "edMin")->isEnabled());
}

TEST_F(OptionsDialogTest, TheTestButtonLoopsUntilStopped) {
    data.write("alarm.wav", "RIFF");
    auto d = create();
    d->show();
    QPushButton* test = button(*d, "btTest");
    ASSERT_TRUE(box(*d, "cbRepeat")->isChecked());
    test->click();
    EXPECT_EQ(test->text(), QStringLiteral("&Stop"));
    test->click();
    EXPECT_EQ(test->text(), QStringLiteral("&Test"));
    box(*d, "cbRepeat")->click();
    test->click();
    EXPECT_EQ(test->text(), QStringLiteral("&Test")); // once only: nothing to stop
    radio(*d, "rbSystemSound")->click();
    test->click();
    button(*d, "btTestHour")->click();
    button(*d, "btHalfTest")->click();
    const std::string wav = data.file("alarm.wav");
    EXPECT_EQ(audio.calls, (Calls{"loop wave " + wav, "stop", "wave " + wav, "beep", "built-in BIGBENWAV",
                                  "built-in CHIMES"}));
}

TEST_F(OptionsDialogTest, BrowseFillsTheSoundFileOnlyOnOk) {
    data.write("song.mp3", "ID3");
    auto d = create();
    d->show();
    QString noteShown;
    dialogs.answerModal([&](QDialog& form) {
        noteShown = form.findChild<QLabel*>(QStringLiteral("lblNote"))->text();
        form.findChild<QLineEdit*>(QStringLiteral("edSound"))
            ->setText(QString::fromStdString(data.file("song.mp3")));
        return int(QDialog::Accepted);
    });
    dialogs.answerModal([](QDialog& form) {
        form.findChild<QLineEdit*>(QStringLiteral("edSound"))->setText(QStringLiteral("/elsewhere.mp3"));
        return int(QDialog::Rejected);
    });
    button(*d, "btAlarmBrowse")->click();
    button(*d, "btAlarmBrowse")->click();
    EXPECT_EQ(dialogs.modalForms(), (QStringList{QStringLiteral("frmGetMp3"), QStringLiteral("frmGetMp3")}));
    EXPECT_EQ(noteShown,
              QStringLiteral("The alarm can play a WAV file or sound file such as an MP3 or WMA song."));
    EXPECT_EQ(d->options().alarmPath, data.file("song.mp3"));
}

// Picks the colours in the colour dialog and closes it with `result`.
ScriptedDialogs::ModalStep pickColours(QColor text, QColor background, int result, QString* title = nullptr) {
    return [=](QDialog& form) {
        if (title)
            *title = form.windowTitle();
        form.findChild<ColourCombo*>(QStringLiteral("cbFG"))->setColour(text);
        form.findChild<ColourCombo*>(QStringLiteral("cbBG"))->setColour(background);
        return result;
    };
}

TEST_F(OptionsDialogTest, ColourPanelsTakeTheColoursOnOkAndTheCalendarsFollowInEveryCase) {
    auto d = create();
    QSignalSpy recoloured(d.get(), &TfrmOptions::calendarColoursChanged);
    QSignalSpy filterPanels(d.get(), &TfrmOptions::filterColoursChanged);
    QSignalSpy hint(d.get(), &TfrmOptions::hintColoursChanged);
    QString title;
    dialogs.answerModal(pickColours(Qt::white, Qt::darkBlue, QDialog::Accepted, &title));
    dialogs.answerModal(pickColours(Qt::red, Qt::red, QDialog::Rejected));
    d->pnlDoneClick();
    EXPECT_EQ(title, QStringLiteral("Set color for DONE tasks"));
    d->pnlNotDoneClick();
    EXPECT_EQ(d->options().done, (ColourPair{fromQColor(Qt::white), fromQColor(Qt::darkBlue)}));
    EXPECT_EQ(d->options().notDone, (ColourPair{0xFFFFFF, 0x0000FF}));
    EXPECT_EQ(recoloured.count(), 2);
    EXPECT_EQ(filterPanels.count(), 1);

    dialogs.answerModal(pickColours(Qt::red, Qt::red, QDialog::Rejected, &title));
    d->pnlHintClick();
    EXPECT_EQ(title, QStringLiteral("Set color for Hints"));
    EXPECT_EQ(hint.count(), 1); // after Cancel too

    // The month colour keeps its text colour; unticked month colouring clears the calendars.
    QSignalSpy cleared(d.get(), &TfrmOptions::currentMonthCleared);
    dialogs.answerModal(pickColours(Qt::red, Qt::magenta, QDialog::Accepted, &title));
    d->pnlMonthClick();
    EXPECT_EQ(title, QStringLiteral("Set color for Current Month"));
    EXPECT_EQ(d->options().monthBackground, fromQColor(Qt::magenta));
    EXPECT_EQ(cleared.count(), 1);
    box(*d, "cbCurrentMonth")->click();
    EXPECT_EQ(recoloured.takeLast().at(0).toBool(), true);
    EXPECT_EQ(cleared.count(), 1); // ticked now
    box(*d, "cbCurrentMonth")->click();
    EXPECT_EQ(cleared.count(), 2);
    EXPECT_EQ(dialogs.unanswered(), 0);
}

TEST_F(OptionsDialogTest, FontsAndShadowsTakeEffectWhileTheDialogIsOpen) {
    auto d = create();
    QSignalSpy gridFont(d.get(), &TfrmOptions::gridFontChanged);
    QSignalSpy calFont(d.get(), &TfrmOptions::calendarFontChanged);
    QSignalSpy shadows(d.get(), &TfrmOptions::shadowsChanged);
    QSignalSpy rowHeight(d.get(), &TfrmOptions::rowHeightChanged);
    QFont chosen(QStringLiteral("DejaVu Sans"), 14);
    chosen.setItalic(true);
    dialogs.answerFont(chosen);
    dialogs.answerFont(std::nullopt); // a cancelled font dialog changes nothing
    dialogs.answerFont(QFont(QStringLiteral("DejaVu Serif"), 30));
    d->btGridFontClick();
    d->btCalFontClick();
    d->btHeaderClick();
    EXPECT_EQ(d->options().gridFont, (FontSpec{"DejaVu Sans", 14, false, true, false, false}));
    EXPECT_EQ(gridFont.count(), 1);
    EXPECT_EQ(calFont.count(), 0);
    EXPECT_EQ(d->options().titleFont.face, "DejaVu Serif");
    EXPECT_EQ(button(*d, "btHeader")->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_LT(button(*d, "btHeader")->font().pointSize(), 30); // face and style only

    box(*d, "cbShadow")->click();
    ASSERT_EQ(shadows.count(), 1);
    EXPECT_FALSE(shadows.at(0).at(0).toBool());
    EXPECT_EQ(titleShadowDepth(*find<QLabel>(*d, "lblTitle")), 1);
    find<QSpinBox>(*d, "edRowHeight")->setValue(24);
    ASSERT_EQ(rowHeight.count(), 1);
    EXPECT_EQ(rowHeight.at(0).at(0).toInt(), 24);
    EXPECT_EQ(backend.value("Options", "GridFontName"), std::nullopt);
}

TEST_F(OptionsDialogTest, ShowingRefillsTheCategoriesAndKeepsTheText) {
    backend.setValue("Options", "Category", "Errands");
    auto d = create();
    auto* combo = find<QComboBox>(*d, "cbCategory");
    d->show();
    EXPECT_EQ(combo->count(), 0);
    d->hide();
    data.write("category.xxx", "work\r\nHome\r\n");
    d->show();
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), QStringLiteral("Home"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("Errands"));
    EXPECT_EQ(d->options().category, "Errands");
}

} // namespace
} // namespace orvella
