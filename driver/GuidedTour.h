#pragma once

#include "ViewProbe.h"

#include <QDir>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>

class QQuickWindow;

/// `tarvo --tour DIR`: a customer's walk through the app, one step at a time. Each step acts
/// on the views (taps, typing), waits until the screen shows what it should, and saves a
/// picture as DIR/NN-name.png. The first step whose screen never shows what it should ends
/// the tour as failed, with its picture saved as NN-name-FAILED.png.
class GuidedTour : public QObject
{
    Q_OBJECT

public:
    /// What the screen must show: empty when it does, otherwise what is missing.
    using Expectation = std::function<QString(ViewProbe &probe)>;
    /// What the customer does; false when it could not be done (nothing to tap, ...).
    using Action = std::function<bool(ViewProbe &probe)>;

    GuidedTour(QQuickWindow *window, const QString &folder, QObject *parent = nullptr);

    void add(const QString &name, Action act, Expectation expect, int timeoutMs = 8000);
    void start();

    /// Expects each text on screen.
    static Expectation showsTexts(const QStringList &texts);
    /// Expects none of the texts on screen.
    static Expectation lacksTexts(const QStringList &texts);

signals:
    void finished(bool passed);

private:
    struct Step
    {
        QString name;
        Action act;
        Expectation expect;
        int timeoutMs;
    };

    void runStep();
    void check();
    void save(const QString &suffix);
    void fail(const QString &why);

    ViewProbe m_probe;
    QDir m_folder;
    QList<Step> m_steps;
    qsizetype m_current = -1;
    QElapsedTimer m_waiting;
};
