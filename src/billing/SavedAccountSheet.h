#pragma once

#include "shell/ViewController.h"

#include <QString>
#include <QtQml/qqmlregistration.h>
#include <functional>

class SettingsStore;

/// The sheet over the payment screen where the customer gives an account a label to save it
/// under (保存为常用户号), or renames or removes a saved one.
class SavedAccountSheet : public ViewController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    Q_CLASSINFO("view", "qrc:/qt/qml/Tarvo/Billing/SavedAccountSheetView.qml")
    Q_PROPERTY(QString account READ account CONSTANT)
    /// The account is saved already: the label renames it and it can be removed.
    Q_PROPERTY(bool isSaved READ isSaved CONSTANT)
    Q_PROPERTY(QString title READ title CONSTANT)
    Q_PROPERTY(QString label READ label WRITE setLabel NOTIFY labelChanged)
    /// Why the last try was refused, until the label is edited again.
    Q_PROPERTY(QString refusal READ refusal NOTIFY refusalChanged)

public:
    /// `changed` runs after the list was changed, before the sheet closes.
    SavedAccountSheet(Navigator *navigator, SettingsStore *settings, const QString &account,
                      std::function<void()> changed, QObject *parent = nullptr);

    QString account() const { return m_account; }
    bool isSaved() const { return m_isSaved; }
    QString title() const;
    QString label() const { return m_label; }
    void setLabel(const QString &label);
    QString refusal() const { return m_refusal; }

    /// Puts the sheet over every screen; the navigator owns it from now on.
    void show();
    /// Saves the account under the label, or renames the saved one; closes unless refused.
    Q_INVOKABLE void save();
    Q_INVOKABLE void remove();
    Q_INVOKABLE void cancel();

signals:
    void labelChanged();
    void refusalChanged();

private:
    void setRefusal(const QString &refusal);
    void close(bool changed);

    SettingsStore *m_settings;
    QString m_account;
    bool m_isSaved;
    QString m_label;
    QString m_refusal;
    std::function<void()> m_changed;
    bool m_closed = false;
};
