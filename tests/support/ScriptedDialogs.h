#pragma once

#include "platform/Prompts.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

namespace orvella::test {

// System dialogs and modal forms answered from a script. A modal form is handed to the next
// queued step, which may fill in its controls and returns the form's result code; with no
// step left the form is rejected and counted. Installed for the object's lifetime.
class ScriptedDialogs : public DialogSeam {
public:
    using ModalStep = std::function<int(QDialog&)>;

    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    void answerModal(ModalStep step) { modal_.push_back(std::move(step)); }
    void answerFileName(const QString& name) { files_.push_back(name); }
    void answerFont(std::optional<QFont> font) { fonts_.push_back(std::move(font)); }
    void answerColour(std::optional<QColor> colour) { colours_.push_back(std::move(colour)); }

    // The object names of the forms shown modally, in order.
    const QStringList& modalForms() const { return shown_; }
    int unanswered() const { return unanswered_; }

    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override;
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override;
    QString folderName(QWidget*, const QString&, const QString&) override;
    std::optional<QFont> font(QWidget*, const QFont&) override;
    std::optional<QColor> colour(QWidget*, const QColor&) override;
    int execModal(QDialog& dialog) override;

private:
    QString nextFile();

    DialogSeam* previous_;
    std::deque<ModalStep> modal_;
    std::deque<QString> files_;
    std::deque<std::optional<QFont>> fonts_;
    std::deque<std::optional<QColor>> colours_;
    QStringList shown_;
    int unanswered_ = 0;
};

} // namespace orvella::test
