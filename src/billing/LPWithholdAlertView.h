#pragma once

#include "shell/ViewController.h"

#include <QString>
#include <QtQml/qqmlregistration.h>
#include <functional>

/// The withholding agreement prompt: a grey cover over the whole window with a panel that
/// shows the agreement and a decline and an accept button. Made anew for every payment.
class LPWithholdAlertView : public ViewController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    Q_CLASSINFO("view", "qrc:/qt/qml/Tarvo/Billing/WithholdingPrompt.qml")
    Q_PROPERTY(QString protocolStr READ protocolStr CONSTANT)

public:
    using WithholdBlock = std::function<void()>;

    /// Not visible until show(); `puppetBlock` is what accepting does.
    LPWithholdAlertView(Navigator *navigator, const QString &protocolStr, WithholdBlock puppetBlock,
                        QObject *parent = nullptr);

    QString protocolStr() const { return m_protocolStr; }

    /// Puts the prompt over every screen; the navigator owns it from now on.
    void show();
    /// Declines: closes without running the accept action.
    Q_INVOKABLE void backClick();
    /// Accepts: runs the accept action once, then closes.
    Q_INVOKABLE void agreenClick();
    /// Removes the prompt at once.
    Q_INVOKABLE void dismiss();

private:
    QString m_protocolStr;
    WithholdBlock m_puppetBlock;
    bool m_answered = false;
};
