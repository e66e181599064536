#pragma once

#include "Navigator.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

class QJSEngine;
class QQmlEngine;

/// The Navigator that the main QML file answers: each request becomes a signal that its
/// screen stack, modal layer, alert layer and progress overlay act on.
///
/// It owns the screens it shows; a screen is deleted when its page has gone (release()).
class QmlNavigator : public QObject, public Navigator
{
    Q_OBJECT
    QML_NAMED_ELEMENT(Navigator)
    QML_SINGLETON
    Q_PROPERTY(bool progressVisible READ progressVisible NOTIFY progressChanged)
    Q_PROPERTY(QString progressText READ progressText NOTIFY progressChanged)

public:
    // No default constructor: QML would make a navigator of its own instead of calling create().
    explicit QmlNavigator(QObject *parent);

    void push(ViewController *screen, bool animated) override;
    void pop(bool animated) override;
    void present(ViewController *screen, bool animated) override;
    void dismiss(ViewController *screen, bool animated) override;
    void alert(const QString &title, const QString &message,
               const QList<AlertButton> &buttons) override;
    void showProgress(const QString &text) override;
    void hideProgress() override;
    void showMessage(ViewController *screen, const QString &message, double seconds) override;

    /// Makes this navigator the `Navigator` singleton of the engine's QML; before the first load.
    void serve(QQmlEngine &engine);
    /// The singleton for QML: the navigator that serves the engine.
    static QmlNavigator *create(QQmlEngine *engine, QJSEngine *);

    bool progressVisible() const { return m_progressVisible; }
    QString progressText() const { return m_progressText; }

    /// The screens on the stack, root first, and the modal screens, lowest first.
    QList<ViewController *> stack() const { return m_stack; }
    QList<ViewController *> modals() const { return m_modals; }

    /// Closes every open alert without running any action.
    void closeAlerts();
    /// Closes the alert and runs the action of its button.
    Q_INVOKABLE void answerAlert(int alertId, int button);
    /// A page has been destroyed: its screen goes too.
    Q_INVOKABLE void release(QObject *screen);

signals:
    void pushRequested(const QUrl &view, QObject *screen, bool animated);
    void popRequested(bool animated);
    void presentRequested(const QUrl &view, QObject *screen, bool animated);
    /// Close these modal pages, top first.
    void dismissRequested(const QList<QObject *> &screens, bool animated);
    void alertRequested(int alertId, const QString &title, const QString &message,
                        const QStringList &buttons);
    void alertsClosed();
    void messageRequested(QObject *screen, const QString &message, double seconds);
    void progressChanged();

private:
    void adopt(ViewController *screen);

    QList<ViewController *> m_stack;
    QList<ViewController *> m_modals;
    QHash<int, QList<AlertButton>> m_alerts;
    int m_nextAlertId = 1;
    bool m_progressVisible = false;
    QString m_progressText;
};
