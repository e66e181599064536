#include "MyAnnotation.h"

MyAnnotation::MyAnnotation(const Outlet &outlet, const QString &icon, QObject *parent)
    : QObject(parent)
    , m_coordinate{outlet.lat, outlet.lng}
    , m_title(outlet.name.value_or(QString()))
    , m_subtitle(outlet.address.value_or(QString()))
    , m_icon(icon)
{}
