#pragma once

#include <QDir>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QQuickWindow;

/// Renders the window into one PNG per shot: each shot sets the screens up, the window
/// settles, and its picture is saved as NAME.png.
class ScreenshotTour : public QObject
{
    Q_OBJECT

public:
    ScreenshotTour(QQuickWindow *window, const QString &folder, QObject *parent = nullptr);

    /// `setUp` returns false when the screen it works on is not there: the run then stops and
    /// fails. `settleMs` is how long animations and downloads get before the picture is taken.
    void add(const QString &name, std::function<bool()> setUp, int settleMs = 700);
    /// Takes the shots in the order added, then emits finished().
    void start();

signals:
    void finished(bool allSaved);

private:
    struct Shot
    {
        QString name;
        std::function<bool()> setUp;
        int settleMs;
    };
    void next();

    QQuickWindow *m_window;
    QDir m_folder;
    QList<Shot> m_shots;
    bool m_allSaved = true;
};
