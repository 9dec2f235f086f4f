#include "tests/support/ScriptedDialogs.h"

#include <QDialog>

namespace orvella::test {

ScriptedDialogs::ScriptedDialogs() : previous_(installDialogSeam(this)) {}

ScriptedDialogs::~ScriptedDialogs() {
    installDialogSeam(previous_);
}

QString ScriptedDialogs::nextFile() {
    if (files_.empty()) {
        ++unanswered_;
        return {};
    }
    QString name = files_.front();
    files_.pop_front();
    return name;
}

QString ScriptedDialogs::openFileName(QWidget*, const QString&, const QString&, const QString&) {
    return nextFile();
}

QString ScriptedDialogs::saveFileName(QWidget*, const QString&, const QString&, const QString&) {
    return nextFile();
}

QString ScriptedDialogs::folderName(QWidget*, const QString&, const QString&) {
    return nextFile();
}

std::optional<QFont> ScriptedDialogs::font(QWidget*, const QFont&) {
    if (fonts_.empty()) {
        ++unanswered_;
        return std::nullopt;
    }
    auto f = fonts_.front();
    fonts_.pop_front();
    return f;
}

std::optional<QColor> ScriptedDialogs::colour(QWidget*, const QColor&) {
    if (colours_.empty()) {
        ++unanswered_;
        return std::nullopt;
    }
    auto c = colours_.front();
    colours_.pop_front();
    return c;
}

int ScriptedDialogs::execModal(QDialog& dialog) {
    shown_.push_back(dialog.objectName());
    if (modal_.empty()) {
        ++unanswered_;
        return QDialog::Rejected;
    }
    ModalStep step = std::move(modal_.front());
    modal_.pop_front();
    const int result = step(dialog);
    dialog.setResult(result);
    return result;
}

} // namespace orvella::test
