#include "app/Program.h"

#include "app/ProgramInfo.h"
#include "app/TfrmMain.h"
#include "data/Prompter.h"
#include "organise/filter.h"
#include "platform/DataFolder.h"
#include "platform/LocaleFormats.h"
#include "platform/QtSettingsBackend.h"
#include "platform/QtText.h"
#include "platform/SingleInstance.h"
#include "platform/TerminationSignals.h"
#include "settings/TfrmOptions.h"
#include "tasks/complete.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLocale>

namespace orvella {

Program::Program(const Setup& setup) : setup_(setup) {}

Program::~Program() = default;

std::optional<int> Program::start() {
    QApplication::setApplicationName(QString::fromLatin1(kProgramName));
    QApplication::setOrganizationName(QStringLiteral("Quillmark"));
    QApplication::setApplicationDisplayName(QString::fromLatin1(kProgramName));
    QApplication::setQuitOnLastWindowClosed(false);
    // The default fonts are named after the Windows faces; where a face is missing, the
    // desktop's own face stands in (the settings keep the name).
    for (const QString& face : {QStringLiteral("Ms Sans Serif"), QStringLiteral("MS Sans Serif")})
        if (!QFontDatabase::hasFamily(face))
            QFont::insertSubstitution(face, QApplication::font().family());

    dataFolder_ = DataFolder::locate();
    instance_ = std::make_unique<SingleInstance>(SingleInstance::keyForDataFolder(dataFolder_));
    if (instance_->begin() != SingleInstance::Start::Run)
        return 0;

    if (!DataFolder::prepare(dataFolder_)) {
        errorBox("Cannot create the data folder " + fromQt(dataFolder_));
        return 1;
    }

    SettingsBackend* backend = setup_.settings;
    if (!backend) {
        ownSettings_ = std::make_unique<QtSettingsBackend>();
        backend = ownSettings_.get();
    }
    settings_ = std::make_unique<Settings>(*backend);
    formats_ = formatSettingsFrom(QLocale::system());
    const Clock& clock = setup_.clock ? *setup_.clock : systemClock_;

    main_ =
        std::make_unique<TfrmMain>(TfrmMain::Environment{fromQt(dataFolder_), *settings_, clock, formats_});
    if (!main_->created())
        return 1;
    frmFilter_ = std::make_unique<TfrmFilter>(fromQt(dataFolder_), *settings_, main_.get());
    main_->attachFilterDialog(frmFilter_.get());
    // A child of the main window, so it lives exactly as long as the window does.
    auto* frmOptions =
        new TfrmOptions(TfrmOptions::Environment{*settings_, fromQt(dataFolder_)}, main_.get());
    main_->attachOptionsDialog(frmOptions);
    auto* frmComplete = new TfrmComplete(fromQt(dataFolder_), formats_, clock, main_.get());
    main_->attachCompleteDialog(frmComplete);

    instance_->ready();
    QObject::connect(instance_.get(), &SingleInstance::showRequested, main_.get(),
                     &TfrmMain::Showcalendar1Click);

    signals_ = std::make_unique<TerminationSignals>();
    TfrmMain* window = main_.get();
    QObject::connect(signals_.get(), &TerminationSignals::terminationRequested, window, [window] {
        window->WMQueryEndSession();
        window->close();
    });
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, window,
                     [window](QSessionManager&) { window->WMQueryEndSession(); });

    if (frmOptions->options().autoStart) {
        window->ReadSettings(true);
        window->startHidden();
    } else {
        window->show();
    }
    return std::nullopt;
}

} // namespace orvella
