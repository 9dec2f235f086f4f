#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

class QMenu;
class QSystemTrayIcon;
class QWidget;

namespace orvella {

// The notification-area icon and the hiding and showing of the program. Where the desktop
// has no notification area, hiding minimises the window instead, so it is never lost.
class TrayIcon : public QObject {
    Q_OBJECT

public:
    explicit TrayIcon(QWidget* mainWindow);
    ~TrayIcon() override;

    bool available() const;
    void setIcon(const QIcon& icon);
    void setHint(const QString& hint);
    QString hint() const;
    void setMenu(QMenu* menu);

    // Restores a minimised window, shows one never shown, and brings it forward.
    void showProgram();
    // Hides every window of the program into the notification area (or minimises), then
    // reports appMinimize.
    void hideProgram();
    // The window was minimised by the user: move it into the notification area too.
    void windowMinimized();
    bool programHidden() const { return hidden_; }

signals:
    void clicked();
    void doubleClicked();
    void appMinimize();

private:
    QWidget* window_;
    QSystemTrayIcon* icon_;
    bool hidden_ = false;
    bool minimizing_ = false;
};

} // namespace orvella
