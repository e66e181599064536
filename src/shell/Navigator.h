#pragma once

#include <QList>
#include <QString>
#include <functional>

class ViewController;

/// One button of an alert: its caption and what it does besides closing the alert.
struct AlertButton
{
    QString title;
    std::function<void()> action;
};

/// What a screen controller asks of the screens around it: the navigation stack, modal
/// screens, alerts, the progress overlay and the short-lived message.
///
/// The app answers through QML (QmlNavigator); tests record the calls (FakeNavigator).
class Navigator
{
public:
    virtual ~Navigator() = default;

    /// Puts the screen on top of the navigation stack; the navigator owns it from now on.
    virtual void push(ViewController *screen, bool animated) = 0;
    /// Takes the top screen off the stack; the root stays.
    virtual void pop(bool animated) = 0;
    /// Shows the screen modally over everything; the navigator owns it from now on.
    virtual void present(ViewController *screen, bool animated) = 0;
    /// Closes a modal screen together with whatever it presented over itself.
    virtual void dismiss(ViewController *screen, bool animated) = 0;

    /// A message box; every button closes it, then runs its action.
    virtual void alert(const QString &title, const QString &message,
                       const QList<AlertButton> &buttons) = 0;

    /// The one progress overlay over the window; showing it again replaces its text.
    virtual void showProgress(const QString &text = {}) = 0;
    /// Closes the progress overlay; nothing happens when none is up.
    virtual void hideProgress() = 0;

    /// A short-lived message over the screen, fully visible for `seconds`.
    virtual void showMessage(ViewController *screen, const QString &message, double seconds) = 0;

    /// The usual message box: title "温馨提示" and one button "确定" that closes it, then runs
    /// `afterwards` if given.
    void notice(const QString &message, std::function<void()> afterwards = {});
};
