#pragma once

#include "shell/Navigator.h"
#include "shell/ViewController.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <memory>

/// Records what screens ask of the navigator; alerts keep their buttons for press().
/// Owns the screens pushed and presented, like the real one.
class FakeNavigator final : public Navigator
{
public:
    struct Call
    {
        QString kind; ///< push, pop, present, dismiss, alert, showProgress, hideProgress, message
        QPointer<ViewController> screen;
        bool animated = false;
        QString title;
        QString message;
        QList<AlertButton> buttons;
        double seconds = 0;

        static Call of(const QString &kind, ViewController *screen = nullptr, bool animated = false)
        {
            Call call;
            call.kind = kind;
            call.screen = screen;
            call.animated = animated;
            return call;
        }

        QStringList buttonTitles() const
        {
            QStringList titles;
            for (const AlertButton &button : buttons)
                titles.append(button.title);
            return titles;
        }
    };

    void push(ViewController *screen, bool animated) override
    {
        screen->setParent(&owner);
        stack.append(screen);
        calls.append(Call::of(QStringLiteral("push"), screen, animated));
    }
    void pop(bool animated) override
    {
        if (stack.size() > 1)
            stack.removeLast();
        calls.append(Call::of(QStringLiteral("pop"), nullptr, animated));
    }
    void present(ViewController *screen, bool animated) override
    {
        screen->setParent(&owner);
        modals.append(screen);
        calls.append(Call::of(QStringLiteral("present"), screen, animated));
    }
    void dismiss(ViewController *screen, bool animated) override
    {
        const qsizetype index = modals.indexOf(screen);
        if (index >= 0)
            modals.resize(index);
        calls.append(Call::of(QStringLiteral("dismiss"), screen, animated));
    }
    void alert(const QString &title, const QString &message,
               const QList<AlertButton> &buttons) override
    {
        Call call = Call::of(QStringLiteral("alert"));
        call.title = title;
        call.message = message;
        call.buttons = buttons;
        calls.append(call);
    }
    void showProgress(const QString &text) override
    {
        Call call = Call::of(QStringLiteral("showProgress"));
        call.message = text;
        calls.append(call);
    }
    void hideProgress() override { calls.append(Call::of(QStringLiteral("hideProgress"))); }
    void showMessage(ViewController *screen, const QString &message, double seconds) override
    {
        Call call = Call::of(QStringLiteral("message"), screen);
        call.message = message;
        call.seconds = seconds;
        calls.append(call);
    }

    /// The kinds of the calls so far, in order.
    QStringList kinds() const
    {
        QStringList result;
        for (const Call &call : calls)
            result.append(call.kind);
        return result;
    }
    /// Messages of the alerts so far, in order.
    QStringList alertMessages() const
    {
        QStringList result;
        for (const Call &call : calls) {
            if (call.kind == u"alert")
                result.append(call.message);
        }
        return result;
    }
    const Call *lastAlert() const
    {
        for (auto it = calls.crbegin(); it != calls.crend(); ++it) {
            if (it->kind == u"alert")
                return &*it;
        }
        return nullptr;
    }
    /// Presses a button of the last alert: it closes, then its action runs.
    void press(const QString &title)
    {
        const Call *alert = lastAlert();
        if (!alert)
            return;
        for (const AlertButton &button : alert->buttons) {
            if (button.title == title && button.action)
                button.action();
        }
    }

    QObject owner;
    QList<Call> calls;
    QList<ViewController *> stack;
    QList<ViewController *> modals;
};
