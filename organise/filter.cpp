#include "organise/filter.h"

#include "data/Prompter.h"
#include "data/gridfile.h"
#include "organise/FormPlacement.h"
#include "platform/Prompts.h"
#include "platform/QtText.h"
#include "settings/TObjMgr.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace orvella {

namespace {

const char* const kBothUnticked =
    "By un-checking both DONE and NOTDONE items you have effectively eliminated ALL "
    "tasks from appearing on the calendar.  New events will seem to disappear!";

template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

void paintPanel(QPushButton& panel, const QColor& text, const QColor& back) {
    panel.setStyleSheet(QStringLiteral("QPushButton { color: %1; background-color: %2; border: 1px solid %3;"
                                       " padding: 4px 10px; }")
                            .arg(text.name(), back.name(), back.darker(160).name()));
}

} // namespace

TfrmFilter::TfrmFilter(const std::string& dataFolder, Settings& settings, QWidget* parent)
    : QDialog(parent), dataFolder_(dataFolder), settings_(settings) {
    setObjectName(QStringLiteral("frmFilter"));
    setWindowTitle(QStringLiteral("Task Filters"));
    setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Tool);
    setSizeGripEnabled(true);

    lblTitle = named(new QLabel(this), "lblTitle");
    lblTitle->setAlignment(Qt::AlignCenter);
    QFont title(QStringLiteral("Times New Roman"));
    title.setPointSize(20);
    lblTitle->setFont(title);

    auto* categories = named(new QGroupBox(QStringLiteral("Categories"), this), "gbCategories");
    cbWhat = named(new QListWidget(categories), "cbWhat");
    cbWhat->setFlow(QListView::LeftToRight);
    cbWhat->setWrapping(true);
    cbWhat->setResizeMode(QListView::Adjust);
    cbWhat->setTextElideMode(Qt::ElideRight);
    cbWhat->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    cbWhat->setMinimumHeight(4 * (cbWhat->fontMetrics().height() + 6) + 2 * cbWhat->frameWidth());
    cbWhat->installEventFilter(this);
    btSelect = named(new QPushButton(QStringLiteral("&All"), categories), "btSelect");
    btSelect->setToolTip(QStringLiteral("Select all categories"));
    btDeselect = named(new QPushButton(QStringLiteral("&None"), categories), "btDeselect");
    btDeselect->setToolTip(QStringLiteral("Clear all categories"));
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(btSelect);
    listButtons->addWidget(btDeselect);
    listButtons->addStretch();
    auto* categoryLayout = new QVBoxLayout(categories);
    categoryLayout->addWidget(cbWhat, 1);
    categoryLayout->addLayout(listButtons);

    auto* states = named(new QGroupBox(QStringLiteral("Tasks"), this), "gbStates");
    cbDone = named(new QCheckBox(QStringLiteral("&Done items"), states), "cbDone");
    cbNotDone = named(new QCheckBox(QStringLiteral("   &Not done items"), states), "cbNotDone");
    pnlDone = named(new QPushButton(QStringLiteral("&Done Items"), states), "pnlDone");
    pnlNotDone = named(new QPushButton(QStringLiteral("&Not Done Items"), states), "pnlNotDone");
    for (QPushButton* panel : {pnlDone, pnlNotDone}) {
        // A panel, not a button: no focus, and its letter stays with the check box beside it.
        panel->setShortcut(QKeySequence());
        panel->setFocusPolicy(Qt::NoFocus);
        panel->setAutoDefault(false);
        panel->setCursor(Qt::PointingHandCursor);
        panel->setMinimumWidth(panel->fontMetrics().horizontalAdvance(QStringLiteral("Not Done Items")) + 32);
    }
    auto* stateLayout = new QGridLayout(states);
    stateLayout->addWidget(cbDone, 0, 0);
    stateLayout->addWidget(pnlDone, 0, 1);
    stateLayout->addWidget(cbNotDone, 1, 0);
    stateLayout->addWidget(pnlNotDone, 1, 1);
    stateLayout->setColumnStretch(0, 1);

    btOK = named(new QPushButton(QStringLiteral("OK"), this), "btOK");
    btOK->setDefault(true);
    btOff = named(new QPushButton(QStringLiteral("&Filters off"), this), "btOff");
    btOff->setAutoDefault(false);
    btSelect->setAutoDefault(false);
    btDeselect->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btOK);
    buttons->addWidget(btOff);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addWidget(categories, 1);
    layout->addWidget(states);
    layout->addLayout(buttons);

    setPanelColours(Qt::black, QColor(0x00, 0xFF, 0xFF), Qt::white, QColor(0xFF, 0x00, 0x00));
    setMinimumSize(layout->minimumSize().expandedTo(QSize(320, 300)));

    connect(cbWhat, &QListWidget::itemChanged, this, &TfrmFilter::cbWhatClickCheck);
    connect(cbDone, &QCheckBox::toggled, this, &TfrmFilter::cbDoneClick);
    connect(cbNotDone, &QCheckBox::toggled, this, &TfrmFilter::cbNotDoneClick);
    connect(btSelect, &QPushButton::clicked, this, &TfrmFilter::btSelectClick);
    connect(btDeselect, &QPushButton::clicked, this, &TfrmFilter::btDeselectClick);
    connect(pnlDone, &QPushButton::clicked, this, &TfrmFilter::pnlDoneClick);
    connect(pnlNotDone, &QPushButton::clicked, this, &TfrmFilter::pnlNotDoneClick);
    connect(btOK, &QPushButton::clicked, this, &TfrmFilter::btOKClick);
    connect(btOff, &QPushButton::clicked, this, &TfrmFilter::btOffClick);

    FormCreate();
}

TfrmFilter::~TfrmFilter() {
    FormPlacement placement(*this, "frmFilter");
    TObjMgr::forFilter().storePlacements(settings_, placement);
}

void TfrmFilter::FormCreate() {
    resize(400, 400);
    FormPlacement placement(*this, "frmFilter");
    TObjMgr::forFilter().restorePlacements(settings_, placement);
    try {
        filter_.loadCategories(dataFolder_);
    } catch (const GridFileError& e) {
        errorBox(e.what());
    }
    filter_.readSwitches(settings_);
    showFilter();
}

int TfrmFilter::showModal() {
    FormShow();
    return dialogs().execModal(*this);
}

void TfrmFilter::FormShow() {
    try {
        filter_.reloadSelection(dataFolder_);
    } catch (const GridFileError& e) {
        errorBox(e.what());
    }
    showFilter();
}

void TfrmFilter::setPanelColours(const QColor& doneText, const QColor& doneBack, const QColor& notDoneText,
                                 const QColor& notDoneBack) {
    paintPanel(*pnlDone, doneText, doneBack);
    paintPanel(*pnlNotDone, notDoneText, notDoneBack);
}

void TfrmFilter::UpdateFilterList(const std::vector<std::string>& edited,
                                  const std::vector<std::string>& deleted) {
    try {
        filter_.UpdateFilterList(edited, deleted, dataFolder_);
    } catch (const GridFileError& e) {
        errorBox(e.what());
    }
    showFilter();
}

void TfrmFilter::SaveCategories() {
    try {
        filter_.saveSelection(dataFolder_);
    } catch (const GridFileError& e) {
        errorBox(e.what());
        return;
    }
    emit categoriesSaved();
}

void TfrmFilter::UpdateTitle() {
    lblTitle->setText(filter_.active() ? QStringLiteral("Task Filters : On")
                                       : QStringLiteral("Task Filters : Off"));
}

void TfrmFilter::btOKClick() {
    SaveCategories();
    if (!cbDone->isChecked() && !cbNotDone->isChecked())
        errorBox(kBothUnticked);
    accept();
}

void TfrmFilter::btOffClick() {
    filter_.filtersOff();
    showFilter();
    SaveCategories();
    accept();
}

void TfrmFilter::btSelectClick() {
    filter_.tickAll(true);
    showFilter();
}

void TfrmFilter::btDeselectClick() {
    filter_.tickAll(false);
    showFilter();
}

void TfrmFilter::pnlDoneClick() {
    cbDone->click();
}

void TfrmFilter::pnlNotDoneClick() {
    cbNotDone->click();
}

void TfrmFilter::done(int result) {
    filter_.writeSwitches(settings_);
    QDialog::done(result);
}

bool TfrmFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cbWhat && event->type() == QEvent::Resize)
        fitColumns();
    return QDialog::eventFilter(watched, event);
}

void TfrmFilter::cbWhatClickCheck(QListWidgetItem* item) {
    filter_.setTicked(cbWhat->row(item), item->checkState() == Qt::Checked);
    UpdateTitle();
}

void TfrmFilter::cbDoneClick(bool checked) {
    filter_.setShowDone(checked);
    UpdateTitle();
}

void TfrmFilter::cbNotDoneClick(bool checked) {
    filter_.setShowNotDone(checked);
    UpdateTitle();
}

void TfrmFilter::showFilter() {
    const QSignalBlocker quiet(cbWhat);
    const auto& entries = filter_.entries();
    if (cbWhat->count() != static_cast<int>(entries.size())) {
        cbWhat->clear();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            auto* item = new QListWidgetItem(cbWhat);
            item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        }
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        QListWidgetItem* item = cbWhat->item(static_cast<int>(i));
        item->setText(toQt(entries[i].text));
        item->setCheckState(entries[i].ticked ? Qt::Checked : Qt::Unchecked);
    }
    cbDone->setChecked(filter_.showDone());
    cbNotDone->setChecked(filter_.showNotDone());
    fitColumns();
    UpdateTitle();
}

void TfrmFilter::fitColumns() {
    // Two columns that share the list's width, leaving room for the scroll bar whether it
    // shows or not (the list wraps its rows as if it did); long names end in an ellipsis.
    const int bar = cbWhat->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, cbWhat);
    const int width = std::max(40, (cbWhat->contentsRect().width() - bar - 2) / 2);
    const int height = cbWhat->fontMetrics().height() + 6;
    if (cbWhat->gridSize() != QSize(width, height))
        cbWhat->setGridSize(QSize(width, height));
    for (int i = 0; i < cbWhat->count(); ++i)
        cbWhat->item(i)->setSizeHint(QSize(width - 4, height - 2));
}

} // namespace orvella
