#include "platform/Prompts.h"

#include "platform/QtText.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace orvella {

namespace {

QWidget* activeParent() {
    return QApplication::activeWindow();
}

} // namespace

void QtPrompter::showBox(BoxKind kind, const std::string& text) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString caption = QApplication::applicationDisplayName();
    switch (kind) {
    case BoxKind::Error:
        QApplication::beep();
        icon = QMessageBox::Critical;
        caption = QStringLiteral("Error");
        break;
    case BoxKind::Warning:
        QApplication::beep();
        icon = QMessageBox::Warning;
        caption = QStringLiteral("Warning");
        break;
    case BoxKind::Information:
        icon = QMessageBox::Information;
        caption = QStringLiteral("Information");
        break;
    case BoxKind::Message:
    case BoxKind::Confirm:
        break;
    }
    QMessageBox box(icon, caption, toQt(text), QMessageBox::Ok, activeParent());
    box.exec();
}

bool QtPrompter::confirm(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), toQt(text), QMessageBox::NoButton,
                    activeParent());
    QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

std::optional<std::string> QtPrompter::inputBox(const std::string& caption, const std::string& prompt,
                                                const std::string& value) {
    bool ok = false;
    const QString text = QInputDialog::getText(activeParent(), toQt(caption), toQt(prompt), QLineEdit::Normal,
                                               toQt(value), &ok);
    if (!ok)
        return std::nullopt;
    return fromQt(text);
}

QString QtDialogSeam::openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                   const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString QtDialogSeam::saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                   const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, folder, filter);
}

QString QtDialogSeam::folderName(QWidget* parent, const QString& caption, const QString& folder) {
    return QFileDialog::getExistingDirectory(parent, caption, folder);
}

std::optional<QFont> QtDialogSeam::font(QWidget* parent, const QFont& initial) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent);
    if (!ok)
        return std::nullopt;
    return chosen;
}

std::optional<QColor> QtDialogSeam::colour(QWidget* parent, const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

int QtDialogSeam::execModal(QDialog& dialog) {
    return dialog.exec();
}

namespace {
QtDialogSeam realSeam;
DialogSeam* currentSeam = &realSeam;
QtPrompter realPrompter;
} // namespace

DialogSeam& dialogs() {
    return *currentSeam;
}

DialogSeam* installDialogSeam(DialogSeam* seam) {
    DialogSeam* old = currentSeam == &realSeam ? nullptr : currentSeam;
    currentSeam = seam ? seam : &realSeam;
    return old;
}

void installQtPrompter() {
    installPrompter(&realPrompter);
}

} // namespace orvella
