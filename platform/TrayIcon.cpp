#include "platform/TrayIcon.h"

#include <QApplication>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>

namespace orvella {

TrayIcon::TrayIcon(QWidget* mainWindow)
    : QObject(mainWindow), window_(mainWindow), icon_(new QSystemTrayIcon(this)) {
    connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            emit clicked();
        else if (reason == QSystemTrayIcon::DoubleClick)
            emit doubleClicked();
    });
    icon_->setToolTip(QStringLiteral("Right click to open"));
    if (available())
        icon_->show();
}

TrayIcon::~TrayIcon() = default;

bool TrayIcon::available() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::setIcon(const QIcon& icon) {
    icon_->setIcon(icon);
}

void TrayIcon::setHint(const QString& hint) {
    icon_->setToolTip(hint);
}

QString TrayIcon::hint() const {
    return icon_->toolTip();
}

void TrayIcon::setMenu(QMenu* menu) {
    icon_->setContextMenu(menu);
}

void TrayIcon::showProgram() {
    hidden_ = false;
    if (window_->isMinimized())
        window_->showNormal();
    else
        window_->show();
    window_->raise();
    window_->activateWindow();
}

void TrayIcon::hideProgram() {
    hidden_ = true;
    if (available()) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !qobject_cast<QMenu*>(w))
                w->hide();
    } else {
        minimizing_ = true;
        window_->showMinimized();
        minimizing_ = false;
    }
    emit appMinimize();
}

void TrayIcon::windowMinimized() {
    if (minimizing_)
        return;
    if (available()) {
        hideProgram();
        return;
    }
    hidden_ = true;
    emit appMinimize();
}

} // namespace orvella
