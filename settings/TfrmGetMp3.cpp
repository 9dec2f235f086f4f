#include "settings/TfrmGetMp3.h"

#include "data/Prompter.h"
#include "data/Utility.h"
#include "platform/Prompts.h"
#include "platform/QtText.h"
#include "settings/SoundPlayer.h"
#include "settings/TitleShadow.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvella {

namespace {

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

bool isFile(const QString& name) {
    return QFileInfo(name).isFile();
}

} // namespace

TfrmGetMp3::TfrmGetMp3(SoundPlayer& player, const QString& fileName, const QString& note, bool shadows,
                       QWidget* parent)
    : QDialog(parent), player_(player) {
    setObjectName(QStringLiteral("frmGetMp3"));
    setWindowTitle(QStringLiteral("Get sound file"));
    // Kept above every window while it asks; the file dialog and message boxes it opens are
    // its own children, so they still come out on top of it.
    setWindowFlag(Qt::WindowStaysOnTopHint);

    lblTitle = new QLabel(QStringLiteral("Sound file - wav or mp3"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle->font();
    titleFont.setPointSize(titleFont.pointSize() + 6);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    applyTitleShadow(*lblTitle, shadows);

    lblNote = new QLabel(note, this);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setWordWrap(true);

    lblSound = new QLabel(QStringLiteral("S&ound file"), this);
    lblSound->setObjectName(QStringLiteral("lblSound"));
    edSound = new QLineEdit(this);
    edSound->setObjectName(QStringLiteral("edSound"));
    edSound->setMaxLength(kSoundFileMaxLength);
    edSound->setText(fileName);
    edSound->setMinimumWidth(edSound->fontMetrics().averageCharWidth() * 48);
    lblSound->setBuddy(edSound);

    btSearch = makeButton("btSearch", QStringLiteral("&Search"), this);
    btTest = makeButton("btTest", QStringLiteral("&Test"), this);
    btClear = makeButton("btClear", QStringLiteral("Clear"), this);
    btOK = makeButton("btOK", QStringLiteral("OK"), this);
    btOK->setDefault(true);
    btCancel = makeButton("btCancel", QStringLiteral("Cancel"), this);

    auto* field = new QHBoxLayout;
    field->addWidget(lblSound);
    field->addWidget(edSound, 1);
    field->addWidget(btSearch);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btTest);
    buttons->addWidget(btClear);
    buttons->addStretch(1);
    buttons->addWidget(btOK);
    buttons->addWidget(btCancel);

    auto* column = new QVBoxLayout(this);
    column->addWidget(lblTitle);
    column->addWidget(lblNote);
    column->addSpacing(6);
    column->addLayout(field);
    column->addSpacing(10);
    column->addLayout(buttons);

    connect(btSearch, &QPushButton::clicked, this, &TfrmGetMp3::btSearchClick);
    connect(btTest, &QPushButton::clicked, this, &TfrmGetMp3::btTestClick);
    connect(btClear, &QPushButton::clicked, this, &TfrmGetMp3::btClearClick);
    connect(btOK, &QPushButton::clicked, this, &TfrmGetMp3::btOKClick);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString TfrmGetMp3::fileName() const {
    return edSound->text();
}

void TfrmGetMp3::btSearchClick() {
    QString chosen = dialogs().openFileName(this, QStringLiteral("Open"), edSound->text(),
                                            QStringLiteral("Song files (*.wma *.mp3 *.mp2 *.cda);;"
                                                           "Wav files (*.wav);;All files (*)"));
    if (chosen.isEmpty())
        return;
    // A name typed without an extension means the song of that name.
    if (!isFile(chosen) && QFileInfo(chosen).suffix().isEmpty() && isFile(chosen + QStringLiteral(".mp3")))
        chosen += QStringLiteral(".mp3");
    edSound->setText(chosen);
}

void TfrmGetMp3::btTestClick() {
    const std::string name = fromQt(edSound->text());
    if (!isBlank(name) && isFile(edSound->text()))
        player_.playAlarmSound(name, true, false);
}

void TfrmGetMp3::btClearClick() {
    edSound->clear();
}

void TfrmGetMp3::btOKClick() {
    const std::string name = fromQt(edSound->text());
    if (!isBlank(name) && !isFile(edSound->text())) {
        errorBox("The sound file - \"" + name + "\" does not exist.  Correct the entry.");
        edSound->setFocus();
        return;
    }
    accept();
}

} // namespace orvella
