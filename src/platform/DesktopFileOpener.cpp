#include "DesktopFileOpener.h"

#include "PlatformLog.h"

#include <QDesktopServices>
#include <QUrl>

bool DesktopFileOpener::open(const QString &path)
{
    const bool opened = QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    if (!opened)
        qCInfo(lcPlatform).noquote() << "the desktop opened nothing for" << path;
    return opened;
}
