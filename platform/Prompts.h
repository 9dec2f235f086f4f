#pragma once

#include "data/Prompter.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

class QDialog;
class QWidget;

namespace orvella {

// The real modal boxes: "Error", "Warning", "Information" and "Confirm" boxes over
// QMessageBox, with the sounds the program gives them.
class QtPrompter final : public Prompter {
public:
    void showBox(BoxKind kind, const std::string& text) override;
    bool confirm(const std::string& text) override;
    std::optional<std::string> inputBox(const std::string& caption, const std::string& prompt,
                                        const std::string& value) override;
};

// The system dialogs and the showing of modal forms. Everything the program shows modally
// goes through the installed seam, so tests answer from a script and never block.
class DialogSeam {
public:
    virtual ~DialogSeam() = default;
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter) = 0;
    virtual QString folderName(QWidget* parent, const QString& caption, const QString& folder) = 0;
    virtual std::optional<QFont> font(QWidget* parent, const QFont& initial) = 0;
    virtual std::optional<QColor> colour(QWidget* parent, const QColor& initial) = 0;
    // Shows a form modally and returns its result code.
    virtual int execModal(QDialog& dialog) = 0;
};

class QtDialogSeam final : public DialogSeam {
public:
    QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    QString folderName(QWidget* parent, const QString& caption, const QString& folder) override;
    std::optional<QFont> font(QWidget* parent, const QFont& initial) override;
    std::optional<QColor> colour(QWidget* parent, const QColor& initial) override;
    int execModal(QDialog& dialog) override;
};

// The seam in use; the real dialogs until another is installed.
DialogSeam& dialogs();
// Installs `seam` (not owned) and returns the one it replaces; nullptr restores the real one.
DialogSeam* installDialogSeam(DialogSeam* seam);

// Installs the real boxes as the program's prompter, once, at program start.
void installQtPrompter();

} // namespace orvella
