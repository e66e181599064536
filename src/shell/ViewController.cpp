#include "ViewController.h"

#include "KTLoadingView.h"
#include "Navigator.h"
#include "ReadOnlyList.h"
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

namespace {

/// The navigator of a screen that has gone: it does nothing.
class DepartedNavigator final : public Navigator
{
public:
    void push(ViewController *screen, bool) override { delete screen; }
    void pop(bool) override {}
    void present(ViewController *screen, bool) override { delete screen; }
    void dismiss(ViewController *, bool) override {}
    void alert(const QString &, const QString &, const QList<AlertButton> &) override {}
    void showProgress(const QString &) override {}
    void hideProgress() override {}
    void showMessage(ViewController *, const QString &, double) override {}
};

} // namespace

void ViewController::leave()
{
    static DepartedNavigator departed;
    m_navigator = &departed;
}

QQmlListProperty<KTLoadingView> ViewController::loadingViewList()
{
    return readOnlyList<KTLoadingView>(this, &m_loadingViews);
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
