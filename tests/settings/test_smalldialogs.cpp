#include "settings/ColourCombo.h"
#include "settings/ColourPreview.h"
#include "settings/SoundPlayer.h"
#include "settings/TfrmColor.h"
#include "settings/TfrmGetMp3.h"
#include "tests/settings/FakeAudio.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempFolder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace orvella {
namespace {

using test::FakeAudio;
using test::ScriptedDialogs;
using test::ScriptedPrompter;
using test::TempFolder;
using Calls = std::vector<std::string>;

class SoundFileDialogTest : public ::testing::Test {
protected:
    SoundFileDialogTest() : player(options, folder.path(), audio) { folder.write("song.mp3", "ID3"); }

    QString song() const { return QString::fromStdString(folder.file("song.mp3")); }
    static QLineEdit* field(TfrmGetMp3& d) { return d.findChild<QLineEdit*>(QStringLiteral("edSound")); }

    TempFolder folder;
    OptionValues options;
    FakeAudio audio;
    SoundPlayer player;
    ScriptedPrompter prompts;
    ScriptedDialogs dialogs;
};

TEST_F(SoundFileDialogTest, AnEmptyFieldOrAnExistingFileIsAccepted) {
    for (const QString& name : {QString(), QStringLiteral("   "), song()}) {
        TfrmGetMp3 d(player, name, QStringLiteral("note"), true);
        d.show();
        d.btOKClick();
        EXPECT_EQ(d.result(), QDialog::Accepted) << name.toStdString();
        EXPECT_EQ(d.fileName(), name);
    }
    EXPECT_TRUE(prompts.log().empty());
}

TEST_F(SoundFileDialogTest, AMissingFileIsRefusedWithItsMessage) {
    const std::string missing = folder.file("gone.mp3");
    TfrmGetMp3 d(player, QString::fromStdString(missing), QStringLiteral("note"), false);
    d.show();
    d.btOKClick();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(
        prompts.texts(BoxKind::Error),
        std::vector<std::string>{"The sound file - \"" + missing + "\" does not exist.  Correct the entry."});
    EXPECT_EQ(d.focusWidget(), field(d));
}

TEST_F(SoundFileDialogTest, SearchTestAndClear) {
    TfrmGetMp3 d(player, QString(), QStringLiteral("note"), true);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Get sound file"));
    EXPECT_EQ(field(d)->maxLength(), 120);
    d.btTestClick();                                                     // blank: nothing to play
    dialogs.answerFileName(QString::fromStdString(folder.file("song"))); // the ".mp3" is implied
    dialogs.answerFileName(QString());                                   // cancelled: the field stays
    d.btSearchClick();
    d.btSearchClick();
    EXPECT_EQ(d.fileName(), song());
    d.btTestClick();
    field(d)->setText(QString::fromStdString(folder.file("gone.mp3")));
    d.btTestClick();
    d.btClearClick();
    EXPECT_EQ(d.fileName(), QString());
    EXPECT_EQ(audio.calls, (Calls{"media " + folder.file("song.mp3")}));
}

TEST(ColourDialog, ThreeModes) {
    ScriptedDialogs dialogs;
    TfrmColor normal(TfrmColor::Mode::Normal, QString(), Qt::black, Qt::yellow);
    EXPECT_EQ(normal.windowTitle(), QStringLiteral("Set Color"));
    normal.findChild<ColourCombo*>(QStringLiteral("cbFG"))->setColour(Qt::white);
    normal.findChild<ColourCombo*>(QStringLiteral("cbBG"))->setColour(QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(normal.foreground(), QColor(Qt::white));
    EXPECT_EQ(normal.background(), QColor(0x12, 0x34, 0x56));

    TfrmColor month(TfrmColor::Mode::Month, QStringLiteral("Set color for Current Month"), Qt::black,
                    Qt::green);
    month.show();
    EXPECT_EQ(month.windowTitle(), QStringLiteral("Set color for Current Month"));
    EXPECT_FALSE(month.findChild<ColourCombo*>(QStringLiteral("cbFG"))->isVisible());
    EXPECT_EQ(month.findChild<QLabel*>(QStringLiteral("lblFG"))->text(),
              QStringLiteral("Set outline color of current month"));
    EXPECT_TRUE(month.findChild<ColourPreview*>()->isVisible());

    TfrmColor hint(TfrmColor::Mode::Hint, QStringLiteral("Set color for Hints"), Qt::black, Qt::yellow);
    hint.show();
    EXPECT_FALSE(hint.findChild<ColourPreview*>()->isVisible());
    EXPECT_TRUE(hint.findChild<ColourCombo*>(QStringLiteral("cbFG"))->isVisible());
    EXPECT_LT(hint.height(), month.height());
}

TEST(ColourCombo, OffersTheStandardColoursAndAnyOther) {
    ScriptedDialogs dialogs;
    ColourCombo combo(QStringLiteral("cbBG"));
    combo.setColour(Qt::yellow);
    EXPECT_EQ(combo.currentText(), QStringLiteral("Yellow"));
    const int standard = combo.count();
    dialogs.answerColour(QColor(1, 2, 3));
    dialogs.answerColour(std::nullopt);
    emit combo.activated(combo.count() - 1); // "Custom..."
    EXPECT_EQ(combo.colour(), QColor(1, 2, 3));
    EXPECT_EQ(combo.count(), standard + 1);
    emit combo.activated(combo.count() - 1);
    EXPECT_EQ(combo.colour(), QColor(1, 2, 3)); // cancelled: the choice stays
    EXPECT_EQ(combo.currentText(), QStringLiteral("#010203"));
}

} // namespace
} // namespace orvella
