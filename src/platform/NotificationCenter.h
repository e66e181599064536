#pragma once

#include <QObject>
#include <QString>

/// The application-wide hub on which outcomes are announced by name, with no payload.
class NotificationCenter : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    void post(const QString &name) { emit posted(name); }

signals:
    void posted(const QString &name);
};
