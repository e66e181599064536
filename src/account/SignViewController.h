#pragma once

#include "RememberedCredentials.h"
#include "common/AccountServices.h"
#include "shell/ViewController.h"

#include <QString>
#include <QtQml/qqmlregistration.h>

/// The sign-in screen: the gate of the app, left only by a successful sign-in.
///
/// It can remember the account and password for the next start, and opens registration.
// Kept name (traceability): see docs/names.md
class SignViewController : public ViewController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    Q_CLASSINFO("view", "qrc:/qt/qml/Tarvo/Account/SignView.qml")
    // Kept name (traceability): see docs/names.md
    Q_PROPERTY(QString accountText READ accountText WRITE setAccountText NOTIFY accountTextChanged)
    Q_PROPERTY(
        QString passWordText READ passWordText WRITE setPassWordText NOTIFY passWordTextChanged)
    /// The remember-password toggle's selected state.
    // Kept name (traceability): see docs/names.md
    Q_PROPERTY(bool miMaKuang READ miMaKuang NOTIFY miMaKuangChanged)

public:
    SignViewController(Navigator *navigator, const AccountServices &services,
                       QObject *parent = nullptr);

    QString accountText() const { return m_accountText; }
    void setAccountText(const QString &text);
    QString passWordText() const { return m_passWordText; }
    void setPassWordText(const QString &text);
    bool miMaKuang() const { return m_miMaKuang; }

    void viewDidLoad() override;

    /// Signs in: network, then the fields, then the request.
    // Kept name (traceability): see docs/names.md
    Q_INVOKABLE void loginBtn();
    /// Opens registration over this screen.
    // Kept name (traceability): see docs/names.md
    Q_INVOKABLE void riginBtn();
    /// Flips the remember-password option.
    // Kept name (traceability): see docs/names.md
    Q_INVOKABLE void remerberPassword();
    /// Fills in what was remembered.
    // Kept name (traceability): see docs/names.md
    void initInterface();

signals:
    void accountTextChanged();
    void passWordTextChanged();
    void miMaKuangChanged();

private:
    void didCheckUser(const QString &returnText, const QString &account, const QString &password);
    void setMiMaKuang(bool selected);

    AccountServices m_services;
    RememberedCredentials m_credentials;
    QString m_accountText;
    QString m_passWordText;
    bool m_miMaKuang = false;
};
