#include "tasks/complete.h"

#include "data/GridSort.h"
#include "data/Prompter.h"
#include "data/Utility.h"
#include "data/gridfile.h"
#include "platform/QtText.h"
#include "platform/TableModel.h"
#include "settings/OptionValues.h"

#include <QAction>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <array>

namespace orvella {

namespace {

constexpr int kRowHeight = 28;
constexpr std::array<int, 4> kFixedWidths{70, 62, 58, 128};

QPlainTextEdit* memo(QWidget* parent, const char* name) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setTabChangesFocus(true);
    box->setMinimumHeight(60);
    return box;
}

QLabel* caption(QWidget* parent, const char* name, const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

TfrmComplete::TfrmComplete(const std::string& dataFolder, const FormatSettings& formats, const Clock& clock,
                           QWidget* parent)
    : QDialog(parent), path_(joinPath(dataFolder, kCompletedFile)), formats_(formats), clock_(clock),
      list_(newCompletedTable()) {
    setObjectName(QStringLiteral("frmComplete"));
    setWindowTitle(QStringLiteral("Completed Tasks"));
    if (QFileInfo::exists(toQt(path_))) {
        try {
            loadGrid(list_, path_);
        } catch (const GridFileError& e) {
            errorBox(e.what());
            list_ = newCompletedTable();
        }
    }
    normaliseCompletedTable(list_);

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = MainMenu1->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    Deleterow1 = file->addAction(QStringLiteral("Delete row"), this, &TfrmComplete::Deleterow1Click);
    Deleterow1->setObjectName(QStringLiteral("Deleterow1"));
    Deleterow1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    Clearallrows1 =
        file->addAction(QStringLiteral("Clear all rows"), this, &TfrmComplete::Clearallrows1Click);
    Clearallrows1->setObjectName(QStringLiteral("Clearallrows1"));
    Clearallrows1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete));
    file->addSeparator();
    Close1 = file->addAction(QStringLiteral("Close"), this, &TfrmComplete::Close1Click);
    Close1->setObjectName(QStringLiteral("Close1"));
    addActions({Deleterow1, Clearallrows1});

    lblTitle = caption(this, "lblTitle", "Completed Tasks");
    QFont heading = lblTitle->font();
    heading.setPointSize(heading.pointSize() + 6);
    lblTitle->setFont(heading);

    model_ = new TableModel(list_, this);
    grid = new QTableView(this);
    grid->setObjectName(QStringLiteral("grid"));
    grid->setModel(model_);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(true);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // A heading click sorts by that column, the dates as dates; a second click reverses it.
    connect(grid->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        QHeaderView* header = grid->horizontalHeader();
        const bool ascending =
            header->sortIndicatorSection() != column || header->sortIndicatorOrder() == Qt::DescendingOrder;
        sortGridRows(list_, column, ascending, false, formats_, clock_);
        header->setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
        model_->reload();
    });
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(Deleterow1);
    connect(grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(grid->viewport()->mapToGlobal(at)); });

    memWhat = memo(this, "memWhat");
    memPurpose = memo(this, "memPurpose");
    memWhat->installEventFilter(this);
    memPurpose->installEventFilter(this);

    auto* column = new QVBoxLayout(this);
    column->setMenuBar(MainMenu1);
    column->addWidget(lblTitle);
    column->addWidget(grid, 3);
    column->addWidget(caption(this, "lblWhat", "WHAT"));
    column->addWidget(memWhat, 1);
    column->addWidget(caption(this, "lblPurpose", "COMPLETION NOTES"));
    column->addWidget(memPurpose, 1);
    resize(640, 480);

    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TfrmComplete::showSelected);
    connect(model_, &QAbstractItemModel::modelReset, this, &TfrmComplete::showSelected);
    model_->reload();
    selectRow(1);
}

TfrmComplete::~TfrmComplete() {
    grid->setModel(nullptr);
}

int TfrmComplete::currentRow() const {
    const QModelIndex current = grid->selectionModel()->currentIndex();
    return current.isValid() ? TableModel::tableRow(current.row()) : -1;
}

void TfrmComplete::selectRow(int row) {
    if (row > 0 && row < list_.rowCount())
        grid->setCurrentIndex(model_->index(row - 1, 0));
    showSelected();
}

void TfrmComplete::showSelected() {
    memoRow_ = currentRow();
    const bool valid = memoRow_ > 0 && memoRow_ < list_.rowCount();
    auto fill = [this, valid](QPlainTextEdit* box, int col) {
        QStringList lines;
        if (valid)
            for (const std::string& line : memoLines(list_.cell(col, memoRow_)))
                lines << toQt(line);
        const QSignalBlocker block(box);
        box->setPlainText(lines.join(QLatin1Char('\n')));
    };
    fill(memWhat, CompCol::What);
    fill(memPurpose, CompCol::CompNotes);
}

void TfrmComplete::memoExit() {
    if (memoRow_ <= 0 || memoRow_ >= list_.rowCount())
        return;
    auto text = [](const QPlainTextEdit* box) {
        std::vector<std::string> lines;
        for (const QString& line : box->toPlainText().split(QLatin1Char('\n')))
            lines.push_back(fromQt(line));
        return memoText(lines);
    };
    list_.setCell(CompCol::What, memoRow_, text(memWhat));
    list_.setCell(CompCol::CompNotes, memoRow_, text(memPurpose));
    const int row = memoRow_;
    model_->reload();
    selectRow(row);
}

bool TfrmComplete::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == memWhat || watched == memPurpose) && event->type() == QEvent::FocusOut)
        memoExit();
    return QDialog::eventFilter(watched, event);
}

void TfrmComplete::AddToCompleteGrid(const CompletionRecord& record) {
    addCompletionRecord(list_, record, formats_);
    model_->reload();
    selectRow(1);
    save();
}

void TfrmComplete::Deleterow1Click() {
    const int row = currentRow();
    if (row <= 0)
        return;
    if ((!options_ || options_->confirm) && !confirmBox("Really delete?"))
        return;
    removeGridRow(list_, row);
    model_->reload();
    selectRow(std::min(row, list_.rowCount() - 1));
}

void TfrmComplete::Clearallrows1Click() {
    if (!confirmBox("Really clear out ALL completed tasks?"))
        return;
    clearCompletedList(list_);
    model_->reload();
    selectRow(1);
}

void TfrmComplete::Close1Click() {
    reject();
}

void TfrmComplete::save() {
    try {
        saveGrid(list_, path_);
    } catch (const GridFileError& e) {
        errorBox(e.what());
    }
}

void TfrmComplete::done(int result) {
    memoExit();
    save();
    QDialog::done(result);
}

void TfrmComplete::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    fitColumns();
}

void TfrmComplete::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (layout())
        layout()->activate();
    fitColumns();
}

void TfrmComplete::fitColumns() {
    int rest = grid->viewport()->width();
    for (std::size_t c = 0; c < kFixedWidths.size(); ++c) {
        grid->setColumnWidth(static_cast<int>(c), kFixedWidths[c]);
        rest -= kFixedWidths[c];
    }
    // The viewport already excludes a shown scroll bar.
    const int half = std::max(rest / 2, 40);
    grid->setColumnWidth(CompCol::What, half);
    grid->setColumnWidth(CompCol::CompNotes, half);
}

} // namespace orvella
