#include "BaseViewController.h"

#include "Navigator.h"

void BaseViewController::setIsShowWhiteBack(bool show)
{
    if (m_isShowWhiteBack == show)
        return;
    m_isShowWhiteBack = show;
    emit isShowWhiteBackChanged();
}

void BaseViewController::back()
{
    navigator()->pop(true);
}

void BaseViewController::showAndriodAlertWithMessage(const QString &message, double time)
{
    navigator()->showMessage(this, message, time);
}

void BaseViewController::setTitle(const QString &title)
{
    if (m_title == title)
        return;
    m_title = title;
    emit titleChanged();
}
