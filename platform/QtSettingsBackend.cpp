#include "platform/QtSettingsBackend.h"

#include "platform/QtText.h"

namespace orvella {

namespace {

QString keyOf(const std::string& section, const std::string& name) {
    return section.empty() ? toQt(name) : toQt(section) + QLatin1Char('/') + toQt(name);
}

} // namespace

QtSettingsBackend::QtSettingsBackend()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("Quillmark"), QStringLiteral("Task"))) {}

QtSettingsBackend::QtSettingsBackend(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

std::optional<std::string> QtSettingsBackend::value(const std::string& section,
                                                    const std::string& name) const {
    const QVariant v = settings_->value(keyOf(section, name));
    if (!v.isValid())
        return std::nullopt;
    if (!v.canConvert<QString>())
        return std::string();
    return fromQt(v.toString());
}

bool QtSettingsBackend::setValue(const std::string& section, const std::string& name,
                                 const std::string& text) {
    settings_->setValue(keyOf(section, name), toQt(text));
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

} // namespace orvella
