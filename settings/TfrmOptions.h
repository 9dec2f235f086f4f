#pragma once

#include "settings/AudioBackend.h"
#include "settings/OptionValues.h"
#include "settings/SettingsStore.h"

#include <QDialog>

#include <memory>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace orvella {

class AutostartEntry;
class ColourPanel;
class SoundPlayer;

// The options dialog. Created once at start-up and kept until the program ends, it holds the
// live values of the "Options" section: its controls and options() always agree, and every
// other part of the program reads options() (never the settings file). OK writes them all;
// Cancel writes nothing and keeps the changes for the run.
class TfrmOptions : public QDialog {
    Q_OBJECT

public:
    struct Environment {
        Settings& settings;
        std::string dataFolder;
        // The start-up entry; empty: ~/.config/autostart/orvella.desktop.
        std::string autostartPath = {};
        // The program the start-up entry starts; empty: this program's file.
        std::string programPath = {};
        // The sound service; null: Qt Multimedia.
        AudioBackend* audio = nullptr;
    };

    explicit TfrmOptions(const Environment& env, QWidget* parent = nullptr);
    ~TfrmOptions() override;

    const OptionValues& options() const { return values_; }

    // The sound player shared by alarms, chimes and the test buttons.
    void playAlarmSound(const std::string& file, bool play, bool loop);
    void playChime(bool hour);
    SoundPlayer& soundPlayer() { return *player_; }

    // The settings: read into the controls at creation, written by OK and by the pop-up
    // summary commands.
    void SaveSettings();
    bool checkAutostart() const;
    void writeAutostart(bool enabled);

    // Handlers, as the controls call them.
    void btOKClick();
    void btTestClick();
    void btAlarmBrowseClick();
    void btCalFontClick();
    void btGridFontClick();
    void btHeaderClick();
    void pnlHintClick();
    void pnlDoneClick();
    void pnlNotDoneClick();
    void pnlHolidayClick();
    void pnlMonthClick();
    void cbAlarmClick();
    void rbAlarmSoundClick();
    void ChangeCalFonts();
    void ChangeGridFonts();

signals:
    // The shadow box changed: the main window applies its settings with the new state.
    void shadowsChanged(bool shadows);
    // Done tasks are drawn struck out, or not: calendars and the day view are redrawn.
    void strikeOutChanged();
    // The calendars take the colours again; with `monthColouring` every calendar's
    // background is set afresh as if month colouring were on.
    void calendarColoursChanged(bool monthColouring);
    // Month colouring is off: the calendars take the button-face background.
    void currentMonthCleared();
    void hintColoursChanged();
    // The done and not-done colours changed: the filter dialog's panels follow them.
    void filterColoursChanged();
    void calendarFontChanged();
    // The grid font and the row height apply to the day grid, the to-do grid and the notes.
    void gridFontChanged();
    void rowHeightChanged(int rowHeight);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    QWidget* buildScreenPage();
    QWidget* buildAlarmPage();
    QWidget* buildMiscPage();
    void connectControls();
    void ReadSettings();
    void showValues();
    void takeControls();
    void applySoundFileRule();
    void applyAlarmRule();
    void fillCategories();
    void setTitleFont(const QFont& font);
    void recolourCalendars() { emit calendarColoursChanged(false); }

    Environment env_;
    std::unique_ptr<AutostartEntry> autostart_;
    std::unique_ptr<AudioBackend> ownAudio_;
    std::unique_ptr<SoundPlayer> player_;
    OptionValues values_;
    bool loading_ = false;

    QLabel* lblTitle = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QPushButton* btOK = nullptr;
    QPushButton* btCancel = nullptr;
    QLabel* lblProduct = nullptr;

    // Screen appearance.
    QCheckBox* cbShadow = nullptr;
    QCheckBox* cbStrikeout = nullptr;
    QLabel* lblStrikeSample = nullptr;
    QCheckBox* cbFlyBy = nullptr;
    ColourPanel* pnlHint = nullptr;
    QCheckBox* cbColorDone = nullptr;
    QCheckBox* cbColorNotDone = nullptr;
    QCheckBox* cbHoliday = nullptr;
    QCheckBox* cbCurrentMonth = nullptr;
    ColourPanel* pnlDone = nullptr;
    ColourPanel* pnlNotDone = nullptr;
    ColourPanel* pnlHoliday = nullptr;
    ColourPanel* pnlMonth = nullptr;
    QRadioButton* rbSun = nullptr;
    QRadioButton* rbMon = nullptr;
    QPushButton* btCalFont = nullptr;
    QPushButton* btGridFont = nullptr;
    QPushButton* btHeader = nullptr;
    QSpinBox* edRowHeight = nullptr;

    // Alarm settings.
    QCheckBox* cbAlarm = nullptr;
    QLabel* lblSoundAlarm = nullptr;
    QSpinBox* edMin = nullptr;
    QLabel* lblMinutesAhead = nullptr;
    QRadioButton* rbPlayAlarmSound = nullptr;
    QRadioButton* rbSystemSound = nullptr;
    QLabel* lblPath = nullptr;
    QLineEdit* edPath = nullptr;
    QPushButton* btAlarmBrowse = nullptr;
    QCheckBox* cbRepeat = nullptr;
    QPushButton* btTest = nullptr;
    QCheckBox* cbHourChime = nullptr;
    QPushButton* btTestHour = nullptr;
    QCheckBox* cbHalfChime = nullptr;
    QPushButton* btHalfTest = nullptr;

    // Miscellaneous.
    QComboBox* cbCategory = nullptr;
    QCheckBox* cbConfirm = nullptr;
    QCheckBox* cbDragConfirm = nullptr;
    QCheckBox* cbStartInTray = nullptr;
    QCheckBox* cbStartup = nullptr;
    QCheckBox* cbPopup = nullptr;
    QRadioButton* rbExit = nullptr;
    QRadioButton* rbMinimize = nullptr;
    QCheckBox* cbIconDay = nullptr;
};

// The message shown once when the settings cannot be saved.
inline constexpr const char* kSettingsNotSavedText =
    "Orvella is attempting to save your settings in the registry under the key "
    "HKEY_CURRENT_USER\\Software\\Quillmark\\Task.  Perhaps an anti-virus program is disallowing legitimate "
    "use "
    "of the windows registry?";

} // namespace orvella
