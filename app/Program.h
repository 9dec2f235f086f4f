#pragma once

#include "data/Clock.h"
#include "data/FormatSettings.h"
#include "settings/SettingsStore.h"

#include <QString>

#include <memory>
#include <optional>

namespace orvella {

class SingleInstance;
class TerminationSignals;
class TfrmFilter;
class TfrmMain;

// The life of the process: the single-instance check, the data folder and settings, the
// long-lived windows, and the choice between a shown and a hidden start.
class Program {
public:
    // What a test may put in place of the machine's own; null members mean the real ones.
    struct Setup {
        const Clock* clock = nullptr;
        SettingsBackend* settings = nullptr;
    };

    explicit Program(const Setup& setup);
    Program() : Program(Setup{}) {}
    ~Program();

    // Starts the program inside a QApplication. Returns the exit code when the program ends
    // at once (another copy runs, or a task file is missing); nothing when the event loop
    // should run.
    std::optional<int> start();

    TfrmMain* mainWindow() const { return main_.get(); }
    const QString& dataFolder() const { return dataFolder_; }

private:
    Setup setup_;
    SystemClock systemClock_;
    std::unique_ptr<SettingsBackend> ownSettings_;
    std::unique_ptr<Settings> settings_;
    FormatSettings formats_;
    QString dataFolder_;
    std::unique_ptr<SingleInstance> instance_;
    std::unique_ptr<TerminationSignals> signals_;
    std::unique_ptr<TfrmMain> main_;
    std::unique_ptr<TfrmFilter> frmFilter_;
};

} // namespace orvella
