#pragma once

#include "AccountServices.h"
#include "RememberedCredentials.h"
#include "shell/ViewController.h"

#include <QString>
#include <QtQml/qqmlregistration.h>

/// The sign-in screen: the gate of the app, left only by a successful sign-in.
///
/// It can remember the account and password for the next start, and opens registration.
class SignViewController : public ViewController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    Q_CLASSINFO("view", "qrc:/qt/qml/Tarvo/Account/SignView.qml")
    Q_PROPERTY(QString accountText READ accountText WRITE setAccountText NOTIFY accountTextChanged)
    Q_PROPERTY(
        QString passWordText READ passWordText WRITE setPassWordText NOTIFY passWordTextChanged)
    /// The remember-password toggle's selected state.
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
    Q_INVOKABLE void loginBtn();
    /// Opens registration over this screen.
    Q_INVOKABLE void riginBtn();
    /// Flips the remember-password option.
    Q_INVOKABLE void remerberPassword();
    /// Fills in what was remembered.
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
