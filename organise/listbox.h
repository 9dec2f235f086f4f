#pragma once

#include "data/Table.h"

#include <QDialog>

#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace orvella {

class TfrmFilter;

// The category editor: a sorted list the user adds to, deletes from (only categories no
// date task uses) or rebuilds from the store. Its callers set the caption and fill the list.
class TfrmListBox : public QDialog {
    Q_OBJECT

public:
    // `store` is the date-task store for the in-use checks and the rebuild; `filter`, when
    // given, takes the result on OK.
    TfrmListBox(const Table& store, TfrmFilter* filter, QWidget* parent = nullptr);

    void setItems(const std::vector<std::string>& items);
    // The list's categories in its sorted order.
    std::vector<std::string> items() const;
    // The categories deleted during this showing.
    std::vector<std::string> deletedItems() const;
    bool added() const { return added_; }

    // Shows the dialog modally through the dialog seam, after the showing step; its result.
    int showModal();
    void FormShow();

    void btAddClick();
    void btDelClick();
    void btRebuildClick();
    void btOKClick();
    void btCancelClick();

    // Esc and the close button follow the Cancel button's rule.
    void reject() override;

private:
    const Table& store_;
    TfrmFilter* filter_;
    bool added_ = false;

    QListWidget* ListBox1 = nullptr;
    QListWidget* lbDelete = nullptr;
    QPushButton* btAdd = nullptr;
    QPushButton* btDel = nullptr;
    QPushButton* btRebuild = nullptr;
    QPushButton* btOK = nullptr;
    QPushButton* btCancel = nullptr;
};

// The Categories command: the editor over "category.xxx" in `dataFolder`; when it closes as
// confirmed the list is written back sorted. True when it was confirmed.
bool editCategories(QWidget* parent, const std::string& dataFolder, const Table& store, TfrmFilter& filter);

} // namespace orvella
