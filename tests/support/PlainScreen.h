#pragma once

#include "shell/BaseViewController.h"

/// A screen with nothing of its own, for tests of the screen base and of what sits on top.
class PlainScreen : public BaseViewController
{
    Q_OBJECT
    Q_CLASSINFO("view", "qrc:/tarvo/tests/PlainScreen.qml")

public:
    PlainScreen(Navigator *navigator, const QString &title, QObject *parent = nullptr)
        : BaseViewController(navigator, parent)
    {
        setTitle(title);
    }
};
