#include "PlaceholderViewController.h"

PlaceholderViewController::PlaceholderViewController(Navigator *navigator, const QString &title,
                                                     QObject *parent)
    : BaseViewController(navigator, parent)
{
    setTitle(title);
}

void PlaceholderViewController::viewDidLoad()
{
    BaseViewController::viewDidLoad();
    setIsShowWhiteBack(true);
}
