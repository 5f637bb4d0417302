#include "platform/app_info.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace rorovovo::platform {

QString titleFromFileName(const QString& fileName) {
    QString name = QFileInfo(fileName).fileName();
    const int dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0) name.truncate(dot);
    if (name.size() > 1) name = name.left(1) + name.mid(1).toLower();
    return name;
}

QString applicationTitle() { return titleFromFileName(executablePath()); }

QString executablePath() { return QCoreApplication::applicationFilePath(); }

QString executableFolder() {
    QString folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

}  // namespace rorovovo::platform
