#pragma once

#include "ViewController.h"

#include <QString>
#include <QtQml/qqmlregistration.h>

/// The base of every screen on the navigation stack: its title in the navigation bar, the
/// white back arrow and the short-lived message.
// Kept name (traceability): see docs/names.md
class BaseViewController : public ViewController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    Q_PROPERTY(QString title READ title NOTIFY titleChanged)
    // Kept name (traceability): see docs/names.md
    Q_PROPERTY(bool isShowWhiteBack READ isShowWhiteBack WRITE setIsShowWhiteBack NOTIFY
                   isShowWhiteBackChanged)

public:
    using ViewController::ViewController;

    QString title() const { return m_title; }

    bool isShowWhiteBack() const { return m_isShowWhiteBack; }
    void setIsShowWhiteBack(bool show);

    /// The white back arrow and the swipe-back gesture: back to the screen below.
    Q_INVOKABLE void back();

    /// A message over the screen: fades in, stays `time` seconds, fades out.
    // Kept name (traceability): see docs/names.md
    Q_INVOKABLE void showAndriodAlertWithMessage(const QString &message, double time);

signals:
    void titleChanged();
    void isShowWhiteBackChanged();

protected:
    void setTitle(const QString &title);

private:
    QString m_title;
    bool m_isShowWhiteBack = false;
};
