#include "app/ProgramInfo.h"
#include "app/TfrmMain.h"
#include "data/DataFiles.h"
#include "platform/QtSettingsBackend.h"
#include "platform/TrayIcon.h"
#include "settings/HintSwitch.h"
#include "settings/TfrmOptions.h"
#include "settings/TitleShadow.h"
#include "tests/settings/FakeAudio.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempFolder.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace orvella {
namespace {

using test::FakeAudio;
using test::ScriptedDialogs;
using test::ScriptedPrompter;
using test::TempFolder;

// The main window with its options dialog, as the program builds them, over a settings file.
class MainOptionsTest : public ::testing::Test {
protected:
    MainOptionsTest() : clock(buildDate() + 10.5) { installEmptyDataFiles(data.path()); }

    void start() {
        settingsBackend = std::make_unique<QtSettingsBackend>(QString::fromStdString(settingsFile()));
        settings = std::make_unique<Settings>(*settingsBackend);
        main = std::make_unique<TfrmMain>(TfrmMain::Environment{data.path(), *settings, clock, formats});
        ASSERT_TRUE(main->created());
        options =
            new TfrmOptions(TfrmOptions::Environment{*settings, data.path(), data.file("orvella.desktop"),
                                                     "/bin/orvella", &audio},
                            main.get());
        main->attachOptionsDialog(options);
    }
    void stop() {
        main.reset();
        settings.reset();
        settingsBackend.reset();
    }
    std::string settingsFile() const { return data.file("config/Task.conf"); }

    template <typename T>
    T* find(const QWidget& w, const char* name) {
        T* child = w.findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(child) << name;
        return child;
    }

    TempFolder data;
    FixedClock clock;
    FormatSettings formats = FormatSettings::enUS();
    FakeAudio audio;
    ScriptedPrompter prompts;
    ScriptedDialogs dialogs;
    std::unique_ptr<QtSettingsBackend> settingsBackend;
    std::unique_ptr<Settings> settings;
    std::unique_ptr<TfrmMain> main;
    TfrmOptions* options = nullptr;
};

TEST_F(MainOptionsTest, AFirstStartReadsDefaultsAndLeavesASettingsFile) {
    ASSERT_FALSE(std::filesystem::exists(settingsFile()));
    start();
    main->show();
    EXPECT_EQ(options->options().rowHeight, 16);
    auto* lblDate = find<QLabel>(*main, "lblDate");
    EXPECT_EQ(lblDate->font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(lblDate->height(), titleCaptionHeight(20, main->logicalDpiY(), true));
    EXPECT_EQ(titleShadowDepth(*lblDate), 4);
    EXPECT_EQ(find<QLabel>(*main, "EsLabel1")->font().pointSize(), 20);
    EXPECT_EQ(find<QTableView>(*main, "gridDay")->verticalHeader()->defaultSectionSize(), 16 + 4);
    main->close();
    stop();
    EXPECT_TRUE(std::filesystem::exists(settingsFile()));
    EXPECT_TRUE(prompts.log().empty());
}

TEST_F(MainOptionsTest, TheMenuAndToolbarOpenTheDialogAndCancelKeepsTheNewGridFontForTheRun) {
    start();
    main->show();
    auto* menuItem = find<QAction>(*main, "Options2");
    EXPECT_EQ(menuItem->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(find<QAction>(*main, "tbOptions")->toolTip(), QStringLiteral("Options"));

    dialogs.answerFont(QFont(QStringLiteral("DejaVu Sans Mono"), 13));
    dialogs.answerModal([](QDialog& form) {
        form.findChild<QPushButton*>(QStringLiteral("btGridFont"))->click();
        form.findChild<QCheckBox*>(QStringLiteral("cbShadow"))->click();
        return int(QDialog::Rejected);
    });
    menuItem->trigger();
    EXPECT_EQ(dialogs.modalForms(), QStringList{QStringLiteral("frmOptions")});
    EXPECT_EQ(find<QTableView>(*main, "gridDay")->font().family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(find<QPlainTextEdit>(*main, "memWhat")->font().pointSize(), 13);
    EXPECT_EQ(titleShadowDepth(*find<QLabel>(*main, "lblDate")), 1); // ReadSettings ran after Cancel

    dialogs.answerModal([](QDialog&) { return int(QDialog::Rejected); });
    find<QAction>(*main, "tbOptions")->trigger();
    EXPECT_EQ(dialogs.modalForms().size(), 2);
    main->close();
    stop();

    // The next run starts from what was last saved.
    start();
    EXPECT_EQ(options->options().gridFont.face, "Ms Sans Serif");
    EXPECT_TRUE(options->options().shadows);
}

TEST_F(MainOptionsTest, ChangesSurviveARestartAfterOk) {
    start();
    main->show();
    dialogs.answerModal([](QDialog& form) {
        form.findChild<QRadioButton*>(QStringLiteral("rbMon"))->click();
        form.findChild<QCheckBox*>(QStringLiteral("cbFlyBy"))->click();
        form.findChild<QPushButton*>(QStringLiteral("btOK"))->click();
        return form.result();
    });
    main->Options2Click();
    main->close();
    stop();
    start();
    EXPECT_FALSE(options->options().weekStartsSunday);
    EXPECT_FALSE(options->options().flyBy);
}

TEST_F(MainOptionsTest, TheCloseButtonFollowsTheLiveChoice) {
    start();
    main->show();
    find<QRadioButton>(*options, "rbMinimize")->click(); // not saved: live only
    EXPECT_FALSE(main->close());
    EXPECT_TRUE(main->trayIcon().programHidden());
    EXPECT_TRUE(main->WMQueryEndSession());
    EXPECT_TRUE(main->close());
}

TEST_F(MainOptionsTest, RowHeightAndFlyByHintsReachTheMainWindow) {
    start();
    main->show();
    find<QSpinBox>(*options, "edRowHeight")->setValue(9);
    EXPECT_EQ(find<QTableView>(*main, "gridNonday")->verticalHeader()->defaultSectionSize(), 9 + 4);

    // Tooltips of the window's controls are held back while fly-by hints are off.
    int tips = 0;
    class Tipped : public QWidget {
    public:
        Tipped(QWidget* parent, int& count) : QWidget(parent), count_(count) {}
        bool event(QEvent* e) override {
            if (e->type() == QEvent::ToolTip)
                ++count_;
            return QWidget::event(e);
        }
        int& count_;
    };
    auto* control = new Tipped(main.get(), tips);
    const auto hover = [&] {
        QHelpEvent e(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
        QCoreApplication::sendEvent(control, &e);
    };
    hover();
    find<QCheckBox>(*options, "cbFlyBy")->click();
    hover(); // applied only when the settings are read again
    main->ReadSettings(false);
    hover();
    EXPECT_EQ(tips, 2);
}

TEST_F(MainOptionsTest, ThePrintFontIsReadAtTheFirstShowingAndWrittenOnClosing) {
    start();
    main->show();
    EXPECT_EQ(main->printFont(), (FontSpec{"Arial", 10, false, false, false, false}));
    main->close();
    EXPECT_EQ(settings->readText("Options", "PrintFontName", ""), "Arial");
    EXPECT_EQ(settings->readText("Options", "PrintFontSize", ""), "10");
}

TEST_F(MainOptionsTest, ASettingsFileThatIsNoIniStartsWithDefaults) {
    std::filesystem::create_directories(data.file("config"));
    data.write("config/Task.conf",
               std::string("[Options\n\x01\x02RowHeight=7=8\n[[\n", 24) + std::string(200000, 'z'));
    start();
    main->show();
    EXPECT_EQ(options->options().rowHeight, 16);
    EXPECT_TRUE(options->options().shadows);
    main->close();
}

TEST_F(MainOptionsTest, ASettingsLocationThatCannotBeWrittenIsReportedOnceAndTheProgramGoesOn) {
    start();
    main->show();
    // Where the settings folder was, a file now stands: nothing can be written there.
    std::filesystem::remove_all(data.file("config"));
    data.write("config", "");
    dialogs.answerModal([](QDialog& form) {
        form.findChild<QPushButton*>(QStringLiteral("btOK"))->click();
        return form.result();
    });
    main->Options2Click();
    EXPECT_EQ(prompts.texts(BoxKind::Error), std::vector<std::string>{kSettingsNotSavedText});
    EXPECT_TRUE(main->isVisible());
    main->close();
}

} // namespace
} // namespace orvella
