#include "tasks/SpellCheck.h"

#include "data/Prompter.h"
#include "platform/Prompts.h"
#include "platform/QtText.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace orvella {

TfrmSpell::TfrmSpell(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSpell"));
    setWindowTitle(QStringLiteral("Spelling"));
    auto* grid = new QGridLayout(this);
    auto* notFound = new QLabel(QStringLiteral("Not in dictionary:"), this);
    lblWord = new QLabel(this);
    lblWord->setObjectName(QStringLiteral("lblWord"));
    QFont bold = lblWord->font();
    bold.setBold(true);
    lblWord->setFont(bold);
    auto* changeTo = new QLabel(QStringLiteral("C&hange to:"), this);
    edChange = new QLineEdit(this);
    edChange->setObjectName(QStringLiteral("edChange"));
    changeTo->setBuddy(edChange);
    auto* suggestions = new QLabel(QStringLiteral("&Suggestions:"), this);
    lbSuggest = new QListWidget(this);
    lbSuggest->setObjectName(QStringLiteral("lbSuggest"));
    suggestions->setBuddy(lbSuggest);
    grid->addWidget(notFound, 0, 0);
    grid->addWidget(lblWord, 0, 1);
    grid->addWidget(changeTo, 1, 0);
    grid->addWidget(edChange, 1, 1);
    grid->addWidget(suggestions, 2, 0, Qt::AlignTop);
    grid->addWidget(lbSuggest, 2, 1);

    auto* buttons = new QVBoxLayout;
    auto button = [this, buttons](const char* name, const QString& caption, int answer) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, answer] { done(answer); });
        return b;
    };
    btChange = button("btChange", QStringLiteral("&Change"), Change);
    btChange->setDefault(true);
    btIgnore = button("btIgnore", QStringLiteral("&Ignore"), Ignore);
    btIgnoreAll = button("btIgnoreAll", QStringLiteral("Ignore &All"), IgnoreAll);
    btCancel = button("btCancel", QStringLiteral("Cancel"), Cancelled);
    buttons->addStretch(1);
    grid->addLayout(buttons, 0, 2, 3, 1);
    connect(lbSuggest, &QListWidget::currentTextChanged, edChange, &QLineEdit::setText);
    connect(lbSuggest, &QListWidget::itemDoubleClicked, this, [this] { done(Change); });
    resize(420, 260);
}

void TfrmSpell::setWord(const QString& word, const QStringList& suggestions) {
    lblWord->setText(word);
    lbSuggest->clear();
    lbSuggest->addItems(suggestions);
    edChange->setText(suggestions.isEmpty() ? word : suggestions.front());
    if (!suggestions.isEmpty())
        lbSuggest->setCurrentRow(0);
    edChange->setFocus();
}

QString TfrmSpell::replacement() const {
    return edChange->text();
}

bool checkSpelling(QPlainTextEdit& memo, const SpellDictionary& dictionary, QWidget* parent) {
    std::set<std::string> ignored;
    std::size_t from = 0;
    for (;;) {
        const std::string text = fromQt(memo.toPlainText());
        const auto word = nextMisspelled(text, from, dictionary, ignored);
        if (!word) {
            infoBox("The spelling check is complete.");
            return true;
        }
        const std::string misspelled = text.substr(word->start, word->length);
        QStringList suggestions;
        for (const std::string& s : dictionary.suggest(misspelled))
            suggestions << toQt(s);
        // Show the word selected in the box while the user decides.
        QTextCursor cursor(memo.document());
        const qsizetype at = QString::fromUtf8(text.data(), static_cast<qsizetype>(word->start)).size();
        cursor.setPosition(static_cast<int>(at));
        cursor.setPosition(static_cast<int>(at + toQt(misspelled).size()), QTextCursor::KeepAnchor);
        memo.setTextCursor(cursor);

        TfrmSpell dialog(parent);
        dialog.setWord(toQt(misspelled), suggestions);
        const int answer = dialogs().execModal(dialog);
        if (answer == TfrmSpell::Change) {
            const std::string replacement = fromQt(dialog.replacement());
            memo.setTextCursor(cursor);
            memo.textCursor().insertText(dialog.replacement());
            from = word->start + replacement.size();
        } else if (answer == TfrmSpell::Ignore) {
            from = word->start + word->length;
        } else if (answer == TfrmSpell::IgnoreAll) {
            ignored.insert(misspelled);
            from = word->start + word->length;
        } else {
            return false;
        }
    }
}

} // namespace orvella
