#include "ScreenshotTour.h"

#include "DriverLog.h"

#include <QImage>
#include <QQuickWindow>
#include <QTimer>

using namespace Qt::StringLiterals;

ScreenshotTour::ScreenshotTour(QQuickWindow *window, const QString &folder, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_folder(folder)
{}

void ScreenshotTour::add(const QString &name, std::function<bool()> setUp, int settleMs)
{
    m_shots.append({name, std::move(setUp), settleMs});
}

void ScreenshotTour::start()
{
    if (!m_folder.mkpath(u"."_s)) {
        qCWarning(lcDriver).noquote() << "cannot create" << m_folder.path();
        emit finished(false);
        return;
    }
    next();
}

void ScreenshotTour::next()
{
    if (m_shots.isEmpty()) {
        emit finished(m_allSaved);
        return;
    }
    const Shot shot = m_shots.takeFirst();
    if (!shot.setUp()) {
        qCCritical(lcDriver).noquote()
            << "screenshot" << shot.name << "failed: the screen it shows is not there";
        emit finished(false);
        return;
    }
    QTimer::singleShot(shot.settleMs, this, [this, name = shot.name] {
        const QString file = m_folder.filePath(name + u".png"_s);
        const QImage picture = m_window->grabWindow();
        if (picture.isNull() || !picture.save(file)) {
            qCWarning(lcDriver).noquote() << "could not save" << file;
            m_allSaved = false;
        } else {
            qCInfo(lcDriver).noquote() << "screenshot" << file;
        }
        next();
    });
}
