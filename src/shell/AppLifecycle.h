#pragma once

#include <QObject>
#include <QWindow>
#include <chrono>

class AppDelegate;

/// Tells the application delegate when the app goes into the background and comes back.
///
/// A desktop app never hears "background" from the platform, so the main window stands in
/// for it: minimised or hidden is the background, shown again is the foreground.
class AppLifecycle : public QObject
{
    Q_OBJECT

public:
    explicit AppLifecycle(AppDelegate *delegate, QObject *parent = nullptr);

    /// Follows the window's visibility.
    void track(QWindow *window);

    bool isInBackground() const { return m_inBackground; }

    /// For scripted runs: minimises and restores the window in turn, every `interval`, as a
    /// customer who keeps leaving the app and coming back.
    static void simulateTrips(QWindow *window, std::chrono::milliseconds interval);
    /// Shows the window in front of the others, restored if it was minimised or hidden: the
    /// customer asked to open the app, e.g. from a notification.
    static void bringToFront(QWindow *window);

signals:
    /// The app went into the background (true) or came back to the front (false).
    void inBackgroundChanged(bool inBackground);

public slots:
    /// The window's visibility changed; repeats of the same side are ignored.
    void visibilityChanged(QWindow::Visibility visibility);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AppDelegate *m_delegate;
    bool m_inBackground = false;
    bool m_closing = false;
};
