#pragma once

#include "common/AccountServices.h"
#include "shell/ViewController.h"

#include <QString>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

/// The registration screen: a new user account from a mobile number and a password, one per
/// device. Presented by sign-in; it stores nothing on the device.
// Kept name (traceability): see docs/names.md
class RegisterViewController : public ViewController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    Q_CLASSINFO("view", "qrc:/qt/qml/Tarvo/Account/RegisterView.qml")
    // Kept name (traceability): see docs/names.md
    Q_PROPERTY(QString accountText READ accountText WRITE setAccountText NOTIFY accountTextChanged)
    Q_PROPERTY(
        QString passWordText READ passWordText WRITE setPassWordText NOTIFY passWordTextChanged)

public:
    RegisterViewController(Navigator *navigator, const AccountServices &services,
                           QObject *parent = nullptr);

    QString accountText() const { return m_accountText; }
    void setAccountText(const QString &text);
    QString passWordText() const { return m_passWordText; }
    void setPassWordText(const QString &text);

    /// Registers: network, then the fields, then the request.
    // Kept name (traceability): see docs/names.md
    Q_INVOKABLE void registerBtn();
    /// Back to sign-in without a request.
    // Kept name (traceability): see docs/names.md
    Q_INVOKABLE void loginBtn();

signals:
    void accountTextChanged();
    void passWordTextChanged();

private:
    void didRegister(const QVariantMap &reply);

    AccountServices m_services;
    QString m_accountText;
    QString m_passWordText;
};
