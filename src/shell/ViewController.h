#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

class KTLoadingView;
class Navigator;

/// The behaviour of one screen, drawn by the QML file its class names in Q_CLASSINFO("view").
///
/// State is properties, actions are invokables; everything a screen asks of the world around
/// it goes through the Navigator, so a controller can be driven and checked without QML.
class ViewController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QList<QObject *> loadingViews READ loadingViews NOTIFY loadingViewsChanged)

public:
    explicit ViewController(Navigator *navigator, QObject *parent = nullptr);

    Navigator *navigator() const { return m_navigator; }

    /// The QML file that draws this screen.
    QUrl viewUrl() const;

    /// The screen's set-up once its view has loaded; overrides run the base set-up first.
    Q_INVOKABLE virtual void viewDidLoad() {}

    /// Loading indicators shown over this screen, oldest first.
    QList<QObject *> loadingViews() const { return m_loadingViews; }
    void addLoadingView(KTLoadingView *view);
    void removeLoadingView(KTLoadingView *view);

signals:
    void loadingViewsChanged();

private:
    Navigator *m_navigator;
    QList<QObject *> m_loadingViews;
};
