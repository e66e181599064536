#pragma once

#include "shell/ViewController.h"

#include <QString>
#include <QtQml/qqmlregistration.h>
#include <functional>

/// The withholding agreement prompt: a grey cover over the whole window with a panel that
/// shows the agreement and a decline and an accept button. Made anew for every payment.
// Kept name (traceability): see docs/names.md
class LPWithholdAlertView : public ViewController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    Q_CLASSINFO("view", "qrc:/qt/qml/Tarvo/Billing/WithholdingPrompt.qml")
    // Kept name (traceability): see docs/names.md
    Q_PROPERTY(QString protocolStr READ protocolStr CONSTANT)

public:
    // Kept name (traceability): see docs/names.md
    using WithholdBlock = std::function<void()>;

    /// Not visible until show(); `puppetBlock` is what accepting does.
    LPWithholdAlertView(Navigator *navigator, const QString &protocolStr, WithholdBlock puppetBlock,
                        QObject *parent = nullptr);

    QString protocolStr() const { return m_protocolStr; }

    /// Puts the prompt over every screen; the navigator owns it from now on.
    // Kept name (traceability): see docs/names.md
    void show();
    /// Declines: closes without running the accept action.
    // Kept name (traceability): see docs/names.md
    Q_INVOKABLE void backClick();
    /// Accepts: runs the accept action once, then closes.
    // Kept name (traceability): see docs/names.md
    Q_INVOKABLE void agreenClick();
    /// Removes the prompt at once.
    // Kept name (traceability): see docs/names.md
    Q_INVOKABLE void dismiss();

private:
    QString m_protocolStr;
    // Kept name (traceability): see docs/names.md
    WithholdBlock m_puppetBlock;
    bool m_answered = false;
};
