#include "platform/DataFolder.h"

#include "data/DataFiles.h"
#include "data/gridfile.h"
#include "platform/QtText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace orvella {

QString DataFolder::locate() {
    const QString home = qEnvironmentVariable("ORVELLA_HOME");
    if (!home.isEmpty())
        return QDir(home).absolutePath();
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo::exists(QDir(programFolder).filePath(QString::fromLatin1(kStoreFile))))
        return programFolder;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

bool DataFolder::prepare(const QString& folder) {
    if (QFileInfo::exists(folder))
        return true;
    if (!QDir().mkpath(folder))
        return false;
    try {
        installEmptyDataFiles(fromQt(folder));
    } catch (const GridFileError&) {
        return false;
    }
    return true;
}

} // namespace orvella
