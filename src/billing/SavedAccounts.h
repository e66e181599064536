#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <optional>

class SettingsStore;

/// One account number the customer keeps at hand, with the short label they gave it.
struct SavedAccount
{
    QString account;
    QString label;

    bool operator==(const SavedAccount &) const = default;
};

/// The customer's saved accounts (常用户号): account numbers with labels such as "家", most
/// recently used first. The app's payment screen and tarvo-cli read and write the same list
/// in the settings.
///
/// Every call reads the settings afresh, so another writer of the same settings (the CLI, a
/// second screen) is never overwritten with a stale list. A damaged or hand-edited value reads
/// as the entries that still make sense; what is dropped is logged.
class SavedAccounts
{
    Q_DECLARE_TR_FUNCTIONS(SavedAccounts)

public:
    static constexpr QLatin1StringView settingsKey{"savedAccounts"};
    static constexpr qsizetype capacity = 20;
    /// In characters as the customer sees them.
    static constexpr qsizetype labelLimit = 10;

    explicit SavedAccounts(SettingsStore *settings);

    /// Most recently used first; at most `capacity`.
    QList<SavedAccount> list() const;
    std::optional<SavedAccount> find(const QString &account) const;

    /// Saves the account under `label`, or gives a saved one the new label; either way it
    /// becomes the most recently used. A full list drops its least recently used entry.
    /// Returns why it was refused, for the customer, or nothing when saved.
    std::optional<QString> save(const QString &account, const QString &label);
    /// A new label for a saved account; its place in the list stays.
    std::optional<QString> rename(const QString &account, const QString &label);
    /// False when the account was not saved.
    bool remove(const QString &account);
    /// The account was searched or paid: a saved one moves to the front.
    void use(const QString &account);

    /// Why the account cannot be saved, or nothing.
    static std::optional<QString> accountRefusal(const QString &account);
    /// Why the label, trimmed, cannot be used, or nothing.
    static std::optional<QString> labelRefusal(const QString &label);

private:
    void store(const QList<SavedAccount> &accounts);

    SettingsStore *m_settings;
};
