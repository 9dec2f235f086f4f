#pragma once

#include "tasks/spelling.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace orvella {

// Asks what to do with one word the dictionary does not know.
class TfrmSpell : public QDialog {
    Q_OBJECT

public:
    enum Answer { Cancelled = 0, Change = 1, Ignore = 2, IgnoreAll = 3 };

    explicit TfrmSpell(QWidget* parent = nullptr);
    void setWord(const QString& word, const QStringList& suggestions);
    // The word to put in its place.
    QString replacement() const;

    QLabel* lblWord = nullptr;
    QLineEdit* edChange = nullptr;
    QListWidget* lbSuggest = nullptr;
    QPushButton* btChange = nullptr;
    QPushButton* btIgnore = nullptr;
    QPushButton* btIgnoreAll = nullptr;
    QPushButton* btCancel = nullptr;
};

// Checks the box's text in place, word by word, asking through the dialog seam about each
// word the dictionary does not know. Returns false when the user cancelled.
bool checkSpelling(QPlainTextEdit& memo, const SpellDictionary& dictionary, QWidget* parent);

} // namespace orvella
