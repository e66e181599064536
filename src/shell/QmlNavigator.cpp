#include "QmlNavigator.h"

#include "ShellLog.h"
#include "ViewController.h"

#include <QQmlEngine>

namespace {
// Where an engine keeps the navigator it was given: no process-wide instance, so two engines
// (two test windows) never share one.
constexpr char engineProperty[] = "tarvoNavigator";
} // namespace

QmlNavigator::QmlNavigator(QObject *parent)
    : QObject(parent)
{}

void QmlNavigator::serve(QQmlEngine &engine)
{
    engine.setProperty(engineProperty, QVariant::fromValue(this));
}

QmlNavigator *QmlNavigator::create(QQmlEngine *engine, QJSEngine *)
{
    auto *navigator = engine->property(engineProperty).value<QmlNavigator *>();
    if (!navigator) {
        qCCritical(lcShell) << "QML asked for the Navigator before one was served";
        return nullptr;
    }
    // The app owns it; the engine must not delete it with itself.
    QJSEngine::setObjectOwnership(navigator, QJSEngine::CppOwnership);
    return navigator;
}

void QmlNavigator::adopt(ViewController *screen)
{
    screen->setParent(this);
}

void QmlNavigator::push(ViewController *screen, bool animated)
{
    adopt(screen);
    m_stack.append(screen);
    qCDebug(lcShell) << "push" << screen->metaObject()->className();
    emit pushRequested(screen->viewUrl(), screen, animated);
}

void QmlNavigator::pop(bool animated)
{
    if (m_stack.size() < 2)
        return;
    qCDebug(lcShell) << "pop" << m_stack.constLast()->metaObject()->className();
    m_stack.takeLast()->leave();
    emit popRequested(animated);
}

void QmlNavigator::present(ViewController *screen, bool animated)
{
    adopt(screen);
    m_modals.append(screen);
    qCDebug(lcShell) << "present" << screen->metaObject()->className();
    emit presentRequested(screen->viewUrl(), screen, animated);
}

void QmlNavigator::dismiss(ViewController *screen, bool animated)
{
    const qsizetype index = m_modals.indexOf(screen);
    if (index < 0)
        return;
    QList<QObject *> closing;
    while (m_modals.size() > index) {
        ViewController *modal = m_modals.takeLast();
        modal->leave();
        closing.append(modal);
    }
    qCDebug(lcShell) << "dismiss" << screen->metaObject()->className();
    emit dismissRequested(closing, animated);
}

void QmlNavigator::alert(const QString &title, const QString &message,
                         const QList<AlertButton> &buttons)
{
    const int id = m_nextAlertId++;
    m_alerts.insert(id, buttons);
    QStringList captions;
    for (const AlertButton &button : buttons)
        captions.append(button.title);
    emit alertRequested(id, title, message, captions);
}

void QmlNavigator::answerAlert(int alertId, int button)
{
    const QList<AlertButton> buttons = m_alerts.take(alertId);
    if (button >= 0 && button < buttons.size() && buttons.at(button).action)
        buttons.at(button).action();
}

void QmlNavigator::closeAlerts()
{
    m_alerts.clear();
    emit alertsClosed();
}

void QmlNavigator::showProgress(const QString &text)
{
    if (m_progressVisible && m_progressText == text)
        return;
    m_progressVisible = true;
    m_progressText = text;
    emit progressChanged();
}

void QmlNavigator::hideProgress()
{
    if (!m_progressVisible)
        return;
    m_progressVisible = false;
    m_progressText.clear();
    emit progressChanged();
}

void QmlNavigator::showMessage(ViewController *screen, const QString &message, double seconds)
{
    emit messageRequested(screen, message, seconds);
}

void QmlNavigator::release(QObject *screen)
{
    auto *controller = qobject_cast<ViewController *>(screen);
    if (!controller || controller->parent() != this || m_stack.contains(controller) ||
        m_modals.contains(controller))
        return;
    controller->deleteLater();
}
