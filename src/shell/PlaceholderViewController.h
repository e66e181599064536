#pragma once

#include "BaseViewController.h"

/// Stands in for a function screen that is not in the app yet: its title and a short note.
class PlaceholderViewController : public BaseViewController
{
    Q_OBJECT
    Q_CLASSINFO("view", "qrc:/tarvo/shell/PlaceholderView.qml")

public:
    PlaceholderViewController(Navigator *navigator, const QString &title,
                              QObject *parent = nullptr);

    void viewDidLoad() override;
};
