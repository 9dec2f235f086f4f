#include "organise/listbox.h"

#include "data/Prompter.h"
#include "data/Utility.h"
#include "data/gridfile.h"
#include "organise/categories.h"
#include "organise/filter.h"
#include "platform/Prompts.h"
#include "platform/QtText.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <memory>

namespace orvella {

namespace {

template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// Items keep the category's bytes; the text they show is only its display.
std::string itemBytes(const QListWidgetItem& item) {
    const QByteArray bytes = item.data(Qt::UserRole).toByteArray();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::vector<std::string> listItems(const QListWidget& list) {
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(list.count()));
    for (int i = 0; i < list.count(); ++i)
        out.push_back(itemBytes(*list.item(i)));
    return out;
}

// The list stays in category order, which a plain sorted list widget would not keep.
QListWidgetItem* insertSorted(QListWidget& list, const std::string& text) {
    auto* item = new QListWidgetItem(toQt(text));
    item->setData(Qt::UserRole, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    list.insertItem(sortedPosition(listItems(list), text), item);
    return item;
}

} // namespace

TfrmListBox::TfrmListBox(const Table& store, TfrmFilter* filter, QWidget* parent)
    : QDialog(parent), store_(store), filter_(filter) {
    setObjectName(QStringLiteral("frmListBox"));

    ListBox1 = named(new QListWidget(this), "ListBox1");
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lbDelete = named(new QListWidget(this), "lbDelete");
    lbDelete->setVisible(false);

    btAdd = named(new QPushButton(QStringLiteral("&Add"), this), "btAdd");
    btAdd->setToolTip(QStringLiteral("Press INS to add a new one'"));
    btDel = named(new QPushButton(QStringLiteral("&Delete"), this), "btDel");
    btDel->setToolTip(QStringLiteral("Press DEL to delete"));
    btRebuild = named(new QPushButton(QStringLiteral("&Rebuild"), this), "btRebuild");
    btRebuild->setToolTip(QStringLiteral("Rebuild category list from existing categories"));
    btOK = named(new QPushButton(QStringLiteral("OK"), this), "btOK");
    btOK->setDefault(true);
    btCancel = named(new QPushButton(QStringLiteral("Cancel"), this), "btCancel");
    for (QPushButton* b : {btAdd, btDel, btRebuild, btCancel})
        b->setAutoDefault(false);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(btAdd);
    buttons->addWidget(btDel);
    buttons->addWidget(btRebuild);
    buttons->addStretch();
    buttons->addWidget(btOK);
    buttons->addWidget(btCancel);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(ListBox1, 1);
    layout->addWidget(lbDelete);
    layout->addLayout(buttons);
    resize(340, 300);

    connect(btAdd, &QPushButton::clicked, this, &TfrmListBox::btAddClick);
    connect(btDel, &QPushButton::clicked, this, &TfrmListBox::btDelClick);
    connect(btRebuild, &QPushButton::clicked, this, &TfrmListBox::btRebuildClick);
    connect(btOK, &QPushButton::clicked, this, &TfrmListBox::btOKClick);
    connect(btCancel, &QPushButton::clicked, this, &TfrmListBox::btCancelClick);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TfrmListBox::btOKClick);
    connect(lbDelete, &QListWidget::itemDoubleClicked, this, &TfrmListBox::btOKClick);
    // Insert and Delete work wherever the focus is in the dialog.
    auto* insertKey = new QShortcut(QKeySequence(Qt::Key_Insert), this);
    connect(insertKey, &QShortcut::activated, this, &TfrmListBox::btAddClick);
    auto* deleteKey = new QShortcut(QKeySequence(Qt::Key_Delete), this);
    connect(deleteKey, &QShortcut::activated, this, &TfrmListBox::btDelClick);
}

void TfrmListBox::setItems(const std::vector<std::string>& items) {
    ListBox1->clear();
    for (const std::string& text : items)
        insertSorted(*ListBox1, text);
}

std::vector<std::string> TfrmListBox::items() const {
    return listItems(*ListBox1);
}

std::vector<std::string> TfrmListBox::deletedItems() const {
    return listItems(*lbDelete);
}

int TfrmListBox::showModal() {
    FormShow();
    return dialogs().execModal(*this);
}

void TfrmListBox::FormShow() {
    lbDelete->clear();
    added_ = false;
}

void TfrmListBox::btAddClick() {
    const auto answer = prompter().inputBox("Quick Pick", "New Quick Pick", "");
    if (!answer || answer->empty() || findCategory(items(), *answer) >= 0)
        return;
    QListWidgetItem* item = insertSorted(*ListBox1, *answer);
    ListBox1->clearSelection();
    ListBox1->setCurrentItem(item);
    item->setSelected(true);
    ListBox1->setFocus();
    added_ = true;
}

void TfrmListBox::btDelClick() {
    std::vector<std::string> selected;
    for (int i = 0; i < ListBox1->count(); ++i)
        if (ListBox1->item(i)->isSelected())
            selected.push_back(itemBytes(*ListBox1->item(i)));
    if (selected.empty()) {
        errorBox("Select one or more items");
        return;
    }
    const DeleteCheck check = checkDeletable(store_, selected);
    if (!check.inUse.empty()) {
        errorBox(inUseMessage(check));
        return;
    }
    for (int i = ListBox1->count() - 1; i >= 0; --i) {
        if (!ListBox1->item(i)->isSelected())
            continue;
        const std::unique_ptr<QListWidgetItem> item(ListBox1->takeItem(i));
        insertSorted(*lbDelete, itemBytes(*item));
    }
    ListBox1->setFocus();
}

void TfrmListBox::btRebuildClick() {
    if (!confirmBox("This will rebuild the list of categories from the existing tasks, both pending and "
                    "completed.  Continue?"))
        return;
    const std::vector<std::string> added = categoriesMissingFrom(store_, items());
    for (const std::string& text : added)
        insertSorted(*ListBox1, text);
    infoBox(rebuildReport(added));
}

void TfrmListBox::btOKClick() {
    if (filter_)
        filter_->UpdateFilterList(items(), deletedItems());
    accept();
}

void TfrmListBox::btCancelClick() {
    reject();
}

void TfrmListBox::reject() {
    // Categories added in this showing are kept even when the user cancels.
    if (added_)
        accept();
    else
        QDialog::reject();
}

bool editCategories(QWidget* parent, const std::string& dataFolder, const Table& store, TfrmFilter& filter) {
    const std::string path = joinPath(dataFolder, kCategoryFile);
    TfrmListBox editor(store, &filter, parent);
    editor.setWindowTitle(QStringLiteral("Edit Category Choices"));
    try {
        editor.setItems(readCategoryFile(path).value_or(std::vector<std::string>()));
        if (editor.showModal() != QDialog::Accepted)
            return false;
        writeCategoryFile(path, editor.items());
    } catch (const GridFileError& e) {
        errorBox(e.what());
        return false;
    }
    return true;
}

} // namespace orvella
