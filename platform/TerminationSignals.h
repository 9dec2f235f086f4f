#pragma once

#include <QObject>

class QSocketNotifier;

namespace orvella {

// Turns SIGTERM, SIGINT and SIGHUP (how a desktop session or a service manager ends a
// program) into a signal on the GUI thread, so the program can save and end in order. Also
// makes a write beyond the file-size limit fail with an error instead of ending the process.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested();

private:
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace orvella
