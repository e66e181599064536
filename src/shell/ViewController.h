#pragma once

#include "KTLoadingView.h"

#include <QList>
#include <QObject>
#include <QQmlListProperty>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

class Navigator;

/// The behaviour of one screen, drawn by the QML file its class names in Q_CLASSINFO("view").
///
/// State is properties, actions are invokables; everything a screen asks of the world around
/// it goes through the Navigator, so a controller can be driven and checked without QML.
class ViewController : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    Q_PROPERTY(QQmlListProperty<KTLoadingView> loadingViews READ loadingViewList NOTIFY
                   loadingViewsChanged)

public:
    explicit ViewController(Navigator *navigator, QObject *parent = nullptr);

    Navigator *navigator() const { return m_navigator; }

    /// The QML file that draws this screen.
    QUrl viewUrl() const;

    /// The screen's set-up once its view has loaded; overrides run the base set-up first.
    Q_INVOKABLE virtual void viewDidLoad() {}

    /// Loading indicators shown over this screen, oldest first.
    QList<QObject *> loadingViews() const { return m_loadingViews; }
    QQmlListProperty<KTLoadingView> loadingViewList();
    void addLoadingView(KTLoadingView *view);
    /// The screen has been taken off the stack or closed. What still arrives for it (the reply
    /// to a request it made) changes no other screen and shows nothing: its requests to the
    /// navigator are dropped from now on.
    void leave();
    void removeLoadingView(KTLoadingView *view);

signals:
    void loadingViewsChanged();

private:
    Navigator *m_navigator;
    QList<QObject *> m_loadingViews;
};
