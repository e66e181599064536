#pragma once

#include "MapProjection.h"
#include "OutletList.h"

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

/// One outlet as the map shows it: where it is, its name as the callout's title and its
/// address as the subtitle, and the image its marker wears.
// Kept name (traceability): see docs/names.md
class MyAnnotation : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    Q_PROPERTY(double latitude READ latitude CONSTANT)
    Q_PROPERTY(double longitude READ longitude CONSTANT)
    // Kept name (traceability): see docs/names.md
    Q_PROPERTY(QString title READ title CONSTANT)
    Q_PROPERTY(QString subtitle READ subtitle CONSTANT)
    Q_PROPERTY(QString icon READ icon CONSTANT)

public:
    MyAnnotation(const Outlet &outlet, const QString &icon, QObject *parent = nullptr);

    MapProjection::Coordinate coordinate() const { return m_coordinate; }
    double latitude() const { return m_coordinate.latitude; }
    double longitude() const { return m_coordinate.longitude; }
    /// Empty when the outlet has no name.
    QString title() const { return m_title; }
    /// Empty when the outlet has no address.
    QString subtitle() const { return m_subtitle; }
    QString icon() const { return m_icon; }

private:
    MapProjection::Coordinate m_coordinate;
    QString m_title;
    QString m_subtitle;
    QString m_icon;
};
