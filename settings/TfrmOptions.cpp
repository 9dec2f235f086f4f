#include "settings/TfrmOptions.h"

#include "data/Prompter.h"
#include "data/Utility.h"
#include "organise/categories.h"
#include "platform/Prompts.h"
#include "platform/QtText.h"
#include "settings/AutostartEntry.h"
#include "settings/ColourPanel.h"
#include "settings/OptionConversions.h"
#include "settings/QtAudioBackend.h"
#include "settings/SoundPlayer.h"
#include "settings/TfrmColor.h"
#include "settings/TfrmGetMp3.h"
#include "settings/TitleShadow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orvella {

namespace {

const QString kTestCaption = QStringLiteral("&Test");
const QString kStopCaption = QStringLiteral("&Stop");

template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QCheckBox* checkBox(const char* name, const QString& caption, QWidget* parent) {
    return named(new QCheckBox(caption, parent), name);
}

QRadioButton* radio(const char* name, const QString& caption, QWidget* parent) {
    return named(new QRadioButton(caption, parent), name);
}

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    auto* b = named(new QPushButton(caption, parent), name);
    b->setAutoDefault(false);
    return b;
}

QLabel* label(const char* name, const QString& caption, QWidget* parent) {
    return named(new QLabel(caption, parent), name);
}

QGroupBox* group(const char* name, const QString& caption, QWidget* parent) {
    return named(new QGroupBox(caption, parent), name);
}

std::string defaultAutostartPath() {
    return fromQt(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)) +
           "/autostart/orvella.desktop";
}

// Checks a radio pair from its one value, or neither of them.
void setRadioPair(QRadioButton* first, bool firstOn, QRadioButton* second, bool secondOn) {
    first->setAutoExclusive(false);
    second->setAutoExclusive(false);
    first->setChecked(firstOn);
    second->setChecked(secondOn);
    first->setAutoExclusive(true);
    second->setAutoExclusive(true);
}

} // namespace

TfrmOptions::TfrmOptions(const Environment& env, QWidget* parent) : QDialog(parent), env_(env) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Program Options"));
    if (env_.autostartPath.empty())
        env_.autostartPath = defaultAutostartPath();
    if (env_.programPath.empty())
        env_.programPath = fromQt(QCoreApplication::applicationFilePath());
    autostart_ = std::make_unique<AutostartEntry>(env_.autostartPath);
    if (!env_.audio) {
        ownAudio_ = std::make_unique<QtAudioBackend>();
        env_.audio = ownAudio_.get();
    }
    player_ = std::make_unique<SoundPlayer>(values_, env_.dataFolder, *env_.audio);

    buildControls();
    PageControl1->setCurrentIndex(0);
    loading_ = true;
    ReadSettings();
    loading_ = false;
    connectControls();
    // The other windows take the fonts and colours read here when they attach to the dialog.
    applyTitleShadow(*lblTitle, values_.shadows);
}

TfrmOptions::~TfrmOptions() = default;

// --- building -----------------------------------------------------------------------------

void TfrmOptions::buildControls() {
    lblTitle = label("lblTitle", QStringLiteral("Program Options"), this);
    lblTitle->setAlignment(Qt::AlignCenter);
    lblTitle->setContentsMargins(0, 0, 4, 4); // room for the deep shadow

    PageControl1 = named(new QTabWidget(this), "PageControl1");
    PageControl1->addTab(buildScreenPage(), QStringLiteral("Screen Appearance"));
    PageControl1->addTab(buildAlarmPage(), QStringLiteral("Alarm settings"));
    PageControl1->addTab(buildMiscPage(), QStringLiteral("Miscellaneous"));

    lblProduct = label("lblProduct", QStringLiteral("Orvella"), this);
    QFont productFont = lblProduct->font();
    productFont.setPointSize(productFont.pointSize() + 6);
    productFont.setBold(true);
    productFont.setItalic(true);
    lblProduct->setFont(productFont);
    QPalette productPalette = lblProduct->palette();
    productPalette.setColor(QPalette::Active, QPalette::WindowText, QColor(0, 0, 128));
    productPalette.setColor(QPalette::Inactive, QPalette::WindowText, QColor(0, 0, 128));
    lblProduct->setPalette(productPalette);

    btOK = named(new QPushButton(QStringLiteral("OK"), this), "btOK");
    btOK->setDefault(true);
    btCancel = button("btCancel", QStringLiteral("Cancel"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblProduct);
    buttons->addStretch(1);
    buttons->addWidget(btOK);
    buttons->addWidget(btCancel);

    auto* column = new QVBoxLayout(this);
    column->addWidget(lblTitle);
    column->addWidget(PageControl1, 1);
    column->addLayout(buttons);
}

QWidget* TfrmOptions::buildScreenPage() {
    auto* page = named(new QWidget, "tsScreen");

    cbShadow = checkBox("cbShadow", QStringLiteral("Use Sh&adows on Title captions?"), page);
    cbStrikeout = checkBox("cbStrikeout", QStringLiteral("&Strike-out done events?"), page);
    lblStrikeSample = label("lblStrikeSample", QStringLiteral("Like this"), page);
    QFont struck = lblStrikeSample->font();
    struck.setStrikeOut(true);
    lblStrikeSample->setFont(struck);
    cbFlyBy = checkBox("cbFlyBy", QStringLiteral("Show fly-by hints?"), page);
    pnlHint = new ColourPanel(QStringLiteral("pnlHint"), QStringLiteral("Fly-by Hint Color"), page);

    auto* gbColors = group("gbColors", QStringLiteral("Color calendar dates"), page);
    cbColorDone = checkBox("cbColorDone", QStringLiteral("&Done Items"), gbColors);
    cbColorNotDone = checkBox("cbColorNotDone", QStringLiteral("&Not-done items"), gbColors);
    cbHoliday = checkBox("cbHoliday", QStringLiteral("&Holidays"), gbColors);
    cbCurrentMonth = checkBox("cbCurrentMonth", QStringLiteral("Current month"), gbColors);
    pnlDone = new ColourPanel(QStringLiteral("pnlDone"), QStringLiteral("Done"), gbColors);
    pnlNotDone = new ColourPanel(QStringLiteral("pnlNotDone"), QStringLiteral("Not Done"), gbColors);
    pnlHoliday = new ColourPanel(QStringLiteral("pnlHoliday"), QStringLiteral("Holiday"), gbColors);
    pnlMonth = new ColourPanel(QStringLiteral("pnlMonth"), QStringLiteral("Current month"), gbColors);
    auto* colourGrid = new QGridLayout(gbColors);
    const std::pair<QCheckBox*, ColourPanel*> colourRows[] = {{cbColorDone, pnlDone},
                                                              {cbColorNotDone, pnlNotDone},
                                                              {cbHoliday, pnlHoliday},
                                                              {cbCurrentMonth, pnlMonth}};
    int row = 0;
    for (const auto& [box, panel] : colourRows) {
        colourGrid->addWidget(box, row, 0);
        colourGrid->addWidget(panel, row, 1);
        ++row;
    }
    colourGrid->addWidget(label("lblClickColor", QStringLiteral("Click on a color to change"), gbColors), row,
                          0, 1, 2);
    colourGrid->setColumnStretch(0, 1);

    auto* gbWeek = group("gbWeek", QStringLiteral("Week starts on which day? "), page);
    rbSun = radio("rbSun", QStringLiteral("S&unday"), gbWeek);
    rbMon = radio("rbMon", QStringLiteral("&Monday"), gbWeek);
    auto* weekRow = new QHBoxLayout(gbWeek);
    weekRow->addWidget(rbSun);
    weekRow->addWidget(rbMon);
    weekRow->addStretch(1);

    auto* gbFonts = group("gbFonts", QStringLiteral("Fonts"), page);
    btCalFont = button("btCalFont", QStringLiteral("Calendar Font"), gbFonts);
    btGridFont = button("btGridFont", QStringLiteral("Grid Font"), gbFonts);
    btHeader = button("btHeader", QStringLiteral("Header font"), gbFonts);
    auto* fontColumn = new QVBoxLayout(gbFonts);
    fontColumn->addWidget(btCalFont);
    fontColumn->addWidget(btGridFont);
    fontColumn->addWidget(btHeader);

    auto* lblRowHeight = label("lblRowHeight", QStringLiteral("Height of grid row:"), page);
    edRowHeight = named(new QSpinBox(page), "edRowHeight");
    edRowHeight->setRange(static_cast<int>(keys::RowHeight.def->low),
                          static_cast<int>(keys::RowHeight.def->high));
    lblRowHeight->setBuddy(edRowHeight);

    auto* left = new QVBoxLayout;
    left->addWidget(cbShadow);
    auto* strikeRow = new QHBoxLayout;
    strikeRow->addWidget(cbStrikeout);
    strikeRow->addSpacing(8);
    strikeRow->addWidget(lblStrikeSample);
    strikeRow->addStretch(1);
    left->addLayout(strikeRow);
    auto* hintRow = new QHBoxLayout;
    hintRow->addWidget(cbFlyBy);
    hintRow->addStretch(1);
    hintRow->addWidget(pnlHint);
    left->addLayout(hintRow);
    left->addWidget(gbColors);
    left->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(gbWeek);
    right->addWidget(gbFonts);
    auto* heightRow = new QHBoxLayout;
    heightRow->addWidget(lblRowHeight);
    heightRow->addWidget(edRowHeight);
    heightRow->addStretch(1);
    right->addLayout(heightRow);
    right->addStretch(1);

    auto* columns = new QHBoxLayout(page);
    columns->addLayout(left, 3);
    columns->addSpacing(6);
    columns->addLayout(right, 2);
    return page;
}

QWidget* TfrmOptions::buildAlarmPage() {
    auto* page = named(new QWidget, "tsAlarm");

    cbAlarm = checkBox("cbAlarm", QStringLiteral("&Enable alarms?"), page);
    lblSoundAlarm = label("lblSoundAlarm", QStringLiteral("S&ound alarm"), page);
    edMin = named(new QSpinBox(page), "edMin");
    edMin->setRange(static_cast<int>(keys::AlarmMin.def->low), static_cast<int>(keys::AlarmMin.def->high));
    lblSoundAlarm->setBuddy(edMin);
    lblMinutesAhead = label("lblMinutesAhead", QStringLiteral("minutes ahead of scheduled event"), page);
    rbPlayAlarmSound =
        radio("rbPlayAlarmSound", QStringLiteral("Play sound file (requires speakers)?"), page);
    rbSystemSound = radio("rbSystemSound", QStringLiteral("Use system sound?"), page);
    lblPath = label("lblPath", QStringLiteral("MP3 or &Wav File:"), page);
    edPath = named(new QLineEdit(page), "edPath");
    lblPath->setBuddy(edPath);
    btAlarmBrowse = button("btAlarmBrowse", QStringLiteral("&Browse"), page);
    cbRepeat = checkBox("cbRepeat", QStringLiteral("&Repeat alarm?"), page);
    btTest = button("btTest", kTestCaption, page);

    auto* gbChimes = group("gbChimes", QStringLiteral("Chimes"), page);
    cbHourChime = checkBox("cbHourChime", QStringLiteral("Play chime at the top of the hour?"), gbChimes);
    btTestHour = button("btTestHour", QStringLiteral("Test hour chime"), gbChimes);
    cbHalfChime = checkBox("cbHalfChime", QStringLiteral("Play chime on the half hour?"), gbChimes);
    btHalfTest = button("btHalfTest", QStringLiteral("Test half hour chime"), gbChimes);
    auto* chimeGrid = new QGridLayout(gbChimes);
    chimeGrid->addWidget(cbHourChime, 0, 0);
    chimeGrid->addWidget(btTestHour, 0, 1);
    chimeGrid->addWidget(cbHalfChime, 1, 0);
    chimeGrid->addWidget(btHalfTest, 1, 1);
    chimeGrid->setColumnStretch(0, 1);

    auto* note =
        label("lblSoundNote",
              QStringLiteral("Note: A sound card and speakers are necessary in order to hear the chimes and "
                             "alarm wav file."),
              page);
    note->setWordWrap(true);

    auto* gbAlarm = group("gbAlarm", QStringLiteral("Alarms"), page);
    auto* alarmGrid = new QGridLayout(gbAlarm);
    alarmGrid->addWidget(cbAlarm, 0, 0, 1, 4);
    auto* aheadRow = new QHBoxLayout;
    aheadRow->addWidget(lblSoundAlarm);
    aheadRow->addWidget(edMin);
    aheadRow->addWidget(lblMinutesAhead);
    aheadRow->addStretch(1);
    alarmGrid->addLayout(aheadRow, 1, 0, 1, 4);
    alarmGrid->addWidget(rbPlayAlarmSound, 2, 0, 1, 4);
    alarmGrid->addWidget(rbSystemSound, 3, 0, 1, 4);
    alarmGrid->addWidget(lblPath, 4, 0);
    alarmGrid->addWidget(edPath, 4, 1, 1, 2);
    alarmGrid->addWidget(btAlarmBrowse, 4, 3);
    alarmGrid->addWidget(cbRepeat, 5, 0, 1, 2);
    alarmGrid->addWidget(btTest, 5, 3);
    alarmGrid->setColumnStretch(1, 1);

    auto* column = new QVBoxLayout(page);
    column->addWidget(gbAlarm);
    column->addWidget(gbChimes);
    column->addWidget(note);
    column->addStretch(1);
    return page;
}

QWidget* TfrmOptions::buildMiscPage() {
    auto* page = named(new QWidget, "tsMisc");

    auto* gbNewTasks = group("gbNewTasks", QStringLiteral("On New Tasks "), page);
    auto* lblCategory = label("lblCategory", QStringLiteral("&Default category"), gbNewTasks);
    cbCategory = named(new QComboBox(gbNewTasks), "cbCategory");
    cbCategory->setEditable(true);
    cbCategory->setInsertPolicy(QComboBox::NoInsert);
    cbCategory->setMinimumContentsLength(16);
    lblCategory->setBuddy(cbCategory);
    auto* categoryRow = new QHBoxLayout(gbNewTasks);
    categoryRow->addWidget(lblCategory);
    categoryRow->addWidget(cbCategory, 1);

    auto* gbConfirm = group("gbConfirm", QStringLiteral("Ask for confirmation when "), page);
    cbConfirm = checkBox("cbConfirm", QStringLiteral("D&eleting tasks/holidays"), gbConfirm);
    cbDragConfirm =
        checkBox("cbDragConfirm", QStringLiteral("D&rag/dropping from grids to grid or calendar"), gbConfirm);
    auto* confirmColumn = new QVBoxLayout(gbConfirm);
    confirmColumn->addWidget(cbConfirm);
    confirmColumn->addWidget(cbDragConfirm);

    auto* gbStart = group("gbStart", QStringLiteral("When Orvella starts up "), page);
    cbStartInTray =
        checkBox("cbStartInTray", QStringLiteral("&Start in system tray, main screen is bypassed"), gbStart);
    cbStartup = checkBox("cbStartup", QStringLiteral("&Orvella placed in system tray on reboot"), gbStart);
    auto* startColumn = new QVBoxLayout(gbStart);
    startColumn->addWidget(cbStartInTray);
    startColumn->addWidget(cbStartup);

    auto* gbPopup = group("gbPopup", QStringLiteral("When mouse is moved over the calendars "), page);
    cbPopup = checkBox("cbPopup", QStringLiteral("Display a &popup summary of events "), gbPopup);
    auto* popupColumn = new QVBoxLayout(gbPopup);
    popupColumn->addWidget(cbPopup);

    auto* gbClose = group("gbClose", QStringLiteral("When ALT+F4 or close window button is pressed "), page);
    rbExit = radio("rbExit", QStringLiteral("Exit Orvella"), gbClose);
    rbMinimize = radio("rbMinimize", QStringLiteral("Minimize Orvella"), gbClose);
    auto* closeRow = new QHBoxLayout(gbClose);
    closeRow->addWidget(rbExit);
    closeRow->addWidget(rbMinimize);
    closeRow->addStretch(1);

    auto* gbIcon = group("gbIcon", QStringLiteral("Icon appearance in system tray"), page);
    cbIconDay = checkBox("cbIconDay", QStringLiteral("Change icon to match day of month?"), gbIcon);
    auto* iconRow = new QHBoxLayout(gbIcon);
    iconRow->addWidget(cbIconDay);
    iconRow->addStretch(1);

    auto* column = new QVBoxLayout(page);
    for (QGroupBox* g : {gbNewTasks, gbConfirm, gbStart, gbPopup, gbClose, gbIcon})
        column->addWidget(g);
    column->addStretch(1);
    return page;
}

// --- settings -----------------------------------------------------------------------------

bool TfrmOptions::checkAutostart() const {
    return autostart_->exists();
}

void TfrmOptions::writeAutostart(bool enabled) {
    if (!autostart_->write(enabled, env_.programPath))
        warningBox("The start-up entry " + env_.autostartPath + " could not be " +
                   (enabled ? "written." : "removed."));
}

void TfrmOptions::ReadSettings() {
    values_ = OptionValues::read(env_.settings, env_.dataFolder, checkAutostart());
    showValues();
}

void TfrmOptions::SaveSettings() {
    if (!values_.save(env_.settings))
        errorBox(kSettingsNotSavedText);
    writeAutostart(values_.startupEntry);
}

// Puts values_ into the controls; the change handlers stay quiet meanwhile.
void TfrmOptions::showValues() {
    const bool wasLoading = loading_;
    loading_ = true;
    const OptionValues& v = values_;
    cbStartup->setChecked(v.startupEntry);
    cbShadow->setChecked(v.shadows);
    cbStrikeout->setChecked(v.strikeOut);
    cbFlyBy->setChecked(v.flyBy);
    cbCategory->setEditText(toQt(v.category));
    cbConfirm->setChecked(v.confirm);
    cbDragConfirm->setChecked(v.dragConfirm);
    cbColorDone->setChecked(v.doneColor);
    cbColorNotDone->setChecked(v.notDoneColor);
    cbHoliday->setChecked(v.holidayColor);
    cbCurrentMonth->setChecked(v.monthColor);
    cbStartInTray->setChecked(v.autoStart);
    cbPopup->setChecked(v.popup);
    cbIconDay->setChecked(v.iconDay);
    pnlDone->setColours(v.done);
    pnlNotDone->setColours(v.notDone);
    pnlHoliday->setColours(v.holiday);
    pnlMonth->setColours({0, v.monthBackground});
    pnlHint->setColours(v.hint);
    edMin->setValue(v.alarmMinutes);
    edPath->setText(toQt(v.alarmPath));
    cbAlarm->setChecked(v.playAlarm);
    setRadioPair(rbPlayAlarmSound, v.playAlarmSound, rbSystemSound, v.systemSound);
    cbRepeat->setChecked(v.repeatAlarm);
    setRadioPair(rbSun, v.weekStartsSunday, rbMon, !v.weekStartsSunday);
    cbHourChime->setChecked(v.hourChime);
    cbHalfChime->setChecked(v.halfChime);
    setRadioPair(rbExit, v.exitOnClose, rbMinimize, !v.exitOnClose);
    edRowHeight->setValue(v.rowHeight);
    btCalFont->setFont(toQFont(v.calendarFont));
    btGridFont->setFont(toQFont(v.gridFont));
    setTitleFont(toQFont(v.titleFont));
    loading_ = wasLoading;
}

// Takes the controls' state into values_, so that everyone who reads the options sees it.
void TfrmOptions::takeControls() {
    if (loading_)
        return;
    OptionValues& v = values_;
    v.startupEntry = cbStartup->isChecked();
    v.shadows = cbShadow->isChecked();
    v.strikeOut = cbStrikeout->isChecked();
    v.flyBy = cbFlyBy->isChecked();
    v.category = fromQt(cbCategory->currentText());
    v.confirm = cbConfirm->isChecked();
    v.dragConfirm = cbDragConfirm->isChecked();
    v.doneColor = cbColorDone->isChecked();
    v.notDoneColor = cbColorNotDone->isChecked();
    v.holidayColor = cbHoliday->isChecked();
    v.monthColor = cbCurrentMonth->isChecked();
    v.autoStart = cbStartInTray->isChecked();
    v.popup = cbPopup->isChecked();
    v.iconDay = cbIconDay->isChecked();
    v.done = pnlDone->colours();
    v.notDone = pnlNotDone->colours();
    v.holiday = pnlHoliday->colours();
    v.monthBackground = pnlMonth->colours().background;
    v.hint = pnlHint->colours();
    v.alarmMinutes = edMin->value();
    v.alarmPath = fromQt(edPath->text());
    v.playAlarm = cbAlarm->isChecked();
    v.playAlarmSound = rbPlayAlarmSound->isChecked();
    v.systemSound = rbSystemSound->isChecked();
    v.repeatAlarm = cbRepeat->isChecked();
    v.weekStartsSunday = rbSun->isChecked();
    v.hourChime = cbHourChime->isChecked();
    v.halfChime = cbHalfChime->isChecked();
    v.exitOnClose = rbExit->isChecked();
    v.rowHeight = edRowHeight->value();
    v.calendarFont = fromQFont(btCalFont->font());
    v.gridFont = fromQFont(btGridFont->font());
    v.titleFont = fromQFont(lblTitle->font());
}

void TfrmOptions::connectControls() {
    // Every change reaches values_ first, then the effect handlers below, so that whoever
    // reacts to an effect reads the new state.
    for (QCheckBox* box : findChildren<QCheckBox*>())
        connect(box, &QCheckBox::toggled, this, &TfrmOptions::takeControls);
    for (QRadioButton* r : findChildren<QRadioButton*>())
        connect(r, &QRadioButton::toggled, this, &TfrmOptions::takeControls);
    for (QSpinBox* spin : findChildren<QSpinBox*>())
        connect(spin, &QSpinBox::valueChanged, this, &TfrmOptions::takeControls);
    connect(edPath, &QLineEdit::textChanged, this, &TfrmOptions::takeControls);
    connect(cbCategory, &QComboBox::currentTextChanged, this, &TfrmOptions::takeControls);

    connect(cbShadow, &QCheckBox::toggled, this, [this](bool on) {
        if (loading_)
            return;
        applyTitleShadow(*lblTitle, on);
        emit shadowsChanged(on);
    });
    connect(cbStrikeout, &QCheckBox::toggled, this, [this] {
        if (!loading_ && isVisible())
            emit strikeOutChanged();
    });
    for (QCheckBox* box : {cbColorDone, cbColorNotDone, cbHoliday})
        connect(box, &QCheckBox::toggled, this, [this] {
            if (!loading_)
                recolourCalendars();
        });
    connect(cbCurrentMonth, &QCheckBox::toggled, this, [this](bool on) {
        if (loading_)
            return;
        emit calendarColoursChanged(true);
        if (!on)
            emit currentMonthCleared();
    });
    connect(edRowHeight, &QSpinBox::valueChanged, this, [this](int height) {
        if (!loading_)
            emit rowHeightChanged(height);
    });

    connect(pnlHint, &ColourPanel::clicked, this, &TfrmOptions::pnlHintClick);
    connect(pnlDone, &ColourPanel::clicked, this, &TfrmOptions::pnlDoneClick);
    connect(pnlNotDone, &ColourPanel::clicked, this, &TfrmOptions::pnlNotDoneClick);
    connect(pnlHoliday, &ColourPanel::clicked, this, &TfrmOptions::pnlHolidayClick);
    connect(pnlMonth, &ColourPanel::clicked, this, &TfrmOptions::pnlMonthClick);
    connect(btCalFont, &QPushButton::clicked, this, &TfrmOptions::btCalFontClick);
    connect(btGridFont, &QPushButton::clicked, this, &TfrmOptions::btGridFontClick);
    connect(btHeader, &QPushButton::clicked, this, &TfrmOptions::btHeaderClick);

    connect(cbAlarm, &QCheckBox::clicked, this, &TfrmOptions::cbAlarmClick);
    connect(rbPlayAlarmSound, &QRadioButton::clicked, this, &TfrmOptions::rbAlarmSoundClick);
    connect(rbSystemSound, &QRadioButton::clicked, this, &TfrmOptions::rbAlarmSoundClick);
    connect(btAlarmBrowse, &QPushButton::clicked, this, &TfrmOptions::btAlarmBrowseClick);
    connect(btTest, &QPushButton::clicked, this, &TfrmOptions::btTestClick);
    connect(btTestHour, &QPushButton::clicked, this, [this] { playChime(true); });
    connect(btHalfTest, &QPushButton::clicked, this, [this] { playChime(false); });

    connect(btOK, &QPushButton::clicked, this, &TfrmOptions::btOKClick);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
}

// --- showing ------------------------------------------------------------------------------

void TfrmOptions::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    applySoundFileRule();
    applyAlarmRule(); // second, so it decides the sound-file controls too
    fillCategories();
}

void TfrmOptions::applySoundFileRule() {
    const bool on = rbPlayAlarmSound->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{lblPath, edPath, btAlarmBrowse, cbRepeat})
        w->setEnabled(on);
}

void TfrmOptions::applyAlarmRule() {
    const bool on = cbAlarm->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{lblSoundAlarm, edMin, lblMinutesAhead, rbPlayAlarmSound,
                                                      rbSystemSound, lblPath, edPath, btAlarmBrowse, cbRepeat,
                                                      btTest, lblProduct})
        w->setEnabled(on);
}

void TfrmOptions::fillCategories() {
    const QString shown = cbCategory->currentText();
    const QSignalBlocker quiet(cbCategory);
    cbCategory->clear();
    for (const std::string& c : readSortedCategories(joinPath(env_.dataFolder, "category.xxx")))
        cbCategory->addItem(toQt(c));
    cbCategory->setCurrentIndex(-1);
    cbCategory->setEditText(shown);
}

void TfrmOptions::cbAlarmClick() {
    applyAlarmRule();
}

void TfrmOptions::rbAlarmSoundClick() {
    applySoundFileRule();
}

// --- OK -----------------------------------------------------------------------------------

void TfrmOptions::btOKClick() {
    SaveSettings();
    accept();
}

// --- colours and fonts --------------------------------------------------------------------

namespace {

// The colour dialog over a panel's colours; on OK the panel takes the choice.
bool editColours(QWidget* parent, ColourPanel& panel, TfrmColor::Mode mode, const char* title) {
    const ColourPair now = panel.colours();
    TfrmColor dialog(mode, QString::fromLatin1(title), toQColor(now.text), toQColor(now.background), parent);
    if (dialogs().execModal(dialog) != QDialog::Accepted)
        return false;
    const Colour text = mode == TfrmColor::Mode::Month ? now.text : fromQColor(dialog.foreground());
    panel.setColours({text, fromQColor(dialog.background())});
    return true;
}

} // namespace

void TfrmOptions::pnlHintClick() {
    if (editColours(this, *pnlHint, TfrmColor::Mode::Hint, "Set color for Hints"))
        takeControls();
    emit hintColoursChanged();
}

void TfrmOptions::pnlDoneClick() {
    if (editColours(this, *pnlDone, TfrmColor::Mode::Normal, "Set color for DONE tasks")) {
        takeControls();
        emit filterColoursChanged();
    }
    recolourCalendars();
}

void TfrmOptions::pnlNotDoneClick() {
    if (editColours(this, *pnlNotDone, TfrmColor::Mode::Normal, "Set color for NOT DONE tasks")) {
        takeControls();
        emit filterColoursChanged();
    }
    recolourCalendars();
}

void TfrmOptions::pnlHolidayClick() {
    if (editColours(this, *pnlHoliday, TfrmColor::Mode::Normal, "Set color for Holidays"))
        takeControls();
    recolourCalendars();
}

void TfrmOptions::pnlMonthClick() {
    if (editColours(this, *pnlMonth, TfrmColor::Mode::Month, "Set color for Current Month"))
        takeControls();
    recolourCalendars();
    if (!cbCurrentMonth->isChecked())
        emit currentMonthCleared();
}

void TfrmOptions::setTitleFont(const QFont& font) {
    lblTitle->setFont(font);
    // The header button shows the title font's face and style at its own size.
    QFont face = btHeader->font();
    face.setFamily(font.family());
    face.setBold(font.bold());
    face.setItalic(font.italic());
    face.setUnderline(font.underline());
    face.setStrikeOut(font.strikeOut());
    btHeader->setFont(face);
}

void TfrmOptions::btCalFontClick() {
    if (const auto font = dialogs().font(this, btCalFont->font())) {
        btCalFont->setFont(*font);
        takeControls();
        ChangeCalFonts();
    }
}

void TfrmOptions::btGridFontClick() {
    if (const auto font = dialogs().font(this, btGridFont->font())) {
        btGridFont->setFont(*font);
        takeControls();
        ChangeGridFonts();
    }
}

void TfrmOptions::btHeaderClick() {
    if (const auto font = dialogs().font(this, lblTitle->font())) {
        setTitleFont(*font);
        takeControls();
    }
}

void TfrmOptions::ChangeCalFonts() {
    emit calendarFontChanged();
}

void TfrmOptions::ChangeGridFonts() {
    emit gridFontChanged();
}

// --- sounds -------------------------------------------------------------------------------

void TfrmOptions::playAlarmSound(const std::string& file, bool play, bool loop) {
    player_->playAlarmSound(file, play, loop);
}

void TfrmOptions::playChime(bool hour) {
    player_->playChime(hour);
}

void TfrmOptions::btTestClick() {
    if (rbSystemSound->isChecked()) {
        playAlarmSound(values_.alarmPath, true, false);
        return;
    }
    if (btTest->text() == kStopCaption) {
        btTest->setText(kTestCaption);
        playAlarmSound("", false, false);
        return;
    }
    const bool loop = cbRepeat->isChecked();
    if (loop)
        btTest->setText(kStopCaption);
    playAlarmSound(values_.alarmPath, true, loop);
}

void TfrmOptions::btAlarmBrowseClick() {
    TfrmGetMp3 dialog(
        *player_, edPath->text(),
        QStringLiteral("The alarm can play a WAV file or sound file such as an MP3 or WMA song."),
        values_.shadows, this);
    if (dialogs().execModal(dialog) == QDialog::Accepted)
        edPath->setText(dialog.fileName());
}

} // namespace orvella
