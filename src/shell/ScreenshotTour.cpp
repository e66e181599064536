#include "ScreenshotTour.h"

#include "ShellLog.h"

#include <QImage>
#include <QQuickWindow>
#include <QTimer>

using namespace Qt::StringLiterals;

ScreenshotTour::ScreenshotTour(QQuickWindow *window, const QString &folder, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_folder(folder)
{}

void ScreenshotTour::add(const QString &name, std::function<void()> setUp, int settleMs)
{
    m_shots.append({name, std::move(setUp), settleMs});
}

void ScreenshotTour::start()
{
    if (!m_folder.mkpath(u"."_s)) {
        qCWarning(lcShell).noquote() << "cannot create" << m_folder.path();
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
    shot.setUp();
    QTimer::singleShot(shot.settleMs, this, [this, name = shot.name] {
        const QString file = m_folder.filePath(name + u".png"_s);
        const QImage picture = m_window->grabWindow();
        if (picture.isNull() || !picture.save(file)) {
            qCWarning(lcShell).noquote() << "could not save" << file;
            m_allSaved = false;
        } else {
            qCInfo(lcShell).noquote() << "screenshot" << file;
        }
        next();
    });
}
