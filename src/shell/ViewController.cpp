#include "ViewController.h"

#include "KTLoadingView.h"
#include "ShellLog.h"

#include <QMetaClassInfo>

ViewController::ViewController(Navigator *navigator, QObject *parent)
    : QObject(parent)
    , m_navigator(navigator)
{}

QUrl ViewController::viewUrl() const
{
    const QMetaObject *meta = metaObject();
    const int index = meta->indexOfClassInfo("view");
    if (index < 0) {
        qCWarning(lcShell) << meta->className() << "names no view";
        return {};
    }
    return QUrl(QString::fromUtf8(meta->classInfo(index).value()));
}

void ViewController::addLoadingView(KTLoadingView *view)
{
    if (m_loadingViews.contains(view))
        return;
    m_loadingViews.append(view);
    emit loadingViewsChanged();
}

void ViewController::removeLoadingView(KTLoadingView *view)
{
    if (m_loadingViews.removeAll(view) > 0)
        emit loadingViewsChanged();
}
