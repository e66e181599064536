#include "CareMode.h"

#include "ShellLog.h"
#include "platform/SettingsStore.h"

#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QQmlEngine>
#include <algorithm>

namespace {

constexpr const char *engineProperty = "tarvoCareMode";

} // namespace

CareMode::CareMode(SettingsStore *settings, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
{
    if (m_settings) {
        const QVariant stored = m_settings->value(settingsKey);
        // Anything but a clear "true" (a hand-edited value, an old build's) leaves it off.
        m_enabled = stored.isValid() && stored.toString() == QLatin1StringView("true");
    }
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        m_desktopFontScale = desktopFontScaleOf(QGuiApplication::font());
        qGuiApp->installEventFilter(this);
    }
}

bool CareMode::eventFilter(QObject *watched, QEvent *event)
{
    // The desktop's font settings changed while the app runs.
    if (watched == qGuiApp && event->type() == QEvent::ApplicationFontChange)
        setDesktopFontScale(desktopFontScaleOf(QGuiApplication::font()));
    return QObject::eventFilter(watched, event);
}

void CareMode::setEnabled(bool enabled)
{
    if (m_settings)
        m_settings->setValue(settingsKey, enabled);
    set(enabled);
}

void CareMode::enableForRun()
{
    set(true);
}

void CareMode::set(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    qCInfo(lcShell).nospace() << "care mode " << (enabled ? "on" : "off") << ", text at "
                              << textFactor() << "x";
    emit changed();
}

void CareMode::setDesktopFontScale(qreal scale)
{
    if (qFuzzyCompare(m_desktopFontScale, scale))
        return;
    m_desktopFontScale = scale;
    emit changed();
}

qreal CareMode::textFactorFor(bool careMode, qreal desktopFontScale)
{
    const qreal wanted = std::max(careMode ? careTextFactor : 1.0, desktopFontScale);
    return std::clamp(wanted, 1.0, largestTextFactor);
}

qreal CareMode::desktopFontScaleOf(const QFont &applicationFont)
{
    if (applicationFont.pointSizeF() > 0)
        return applicationFont.pointSizeF() / usualPointSize;
    // A font sized in pixels: the usual size at the 96 dots per inch Qt's points assume.
    if (applicationFont.pixelSize() > 0)
        return applicationFont.pixelSize() / (usualPointSize * 96 / 72);
    return 1;
}

void CareMode::serve(QQmlEngine &engine)
{
    engine.setProperty(engineProperty, QVariant::fromValue(this));
}

CareMode *CareMode::create(QQmlEngine *engine, QJSEngine *)
{
    if (auto *served = engine->property(engineProperty).value<CareMode *>()) {
        // The app owns it; the engine must not delete it with itself.
        QJSEngine::setObjectOwnership(served, QJSEngine::CppOwnership);
        return served;
    }
    return new CareMode(nullptr);
}
