#include "SavedAccounts.h"

#include "BillingLog.h"
#include "PayAction.h"
#include "platform/SettingsStore.h"
#include "service/Envelope.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString accountField = u"account"_s;
const QString labelField = u"label"_s;

qsizetype indexOf(const QList<SavedAccount> &accounts, const QString &account)
{
    const auto found =
        std::find_if(accounts.cbegin(), accounts.cend(),
                     [&account](const SavedAccount &s) { return s.account == account; });
    return found == accounts.cend() ? -1 : found - accounts.cbegin();
}

/// The entries of a stored value that still make sense, in their order; duplicates, entries
/// beyond the capacity and anything that is no account with a label are left out.
QList<SavedAccount> readList(const QVariant &value)
{
    if (!value.isValid())
        return {};
    QJsonParseError error{};
    const QJsonDocument document = value.typeId() == QMetaType::QString
                                       ? QJsonDocument::fromJson(value.toString().toUtf8(), &error)
                                       : QJsonDocument();
    if (!document.isArray()) {
        qCWarning(lcBilling) << "saved accounts are no list; reading none:"
                             << (error.error == QJsonParseError::NoError ? value.typeName()
                                                                         : error.errorString());
        return {};
    }
    QList<SavedAccount> accounts;
    qsizetype dropped = 0;
    for (const QJsonValue entry : document.array()) {
        const QJsonValue account = entry.toObject().value(accountField);
        const QJsonValue label = entry.toObject().value(labelField);
        const SavedAccount saved{account.toString(), label.toString().trimmed()};
        if (!account.isString() || !label.isString() ||
            SavedAccounts::accountRefusal(saved.account) ||
            SavedAccounts::labelRefusal(saved.label) || indexOf(accounts, saved.account) >= 0 ||
            accounts.size() == SavedAccounts::capacity) {
            ++dropped;
            continue;
        }
        accounts.append(saved);
    }
    if (dropped > 0)
        qCWarning(lcBilling) << "saved accounts: left out" << dropped << "unusable entries, kept"
                             << accounts.size();
    return accounts;
}

} // namespace

SavedAccounts::SavedAccounts(SettingsStore *settings)
    : m_settings(settings)
{}

QList<SavedAccount> SavedAccounts::list() const
{
    return readList(m_settings->value(settingsKey));
}

std::optional<SavedAccount> SavedAccounts::find(const QString &account) const
{
    const QList<SavedAccount> accounts = list();
    const qsizetype index = indexOf(accounts, account);
    return index < 0 ? std::nullopt : std::optional(accounts.at(index));
}

std::optional<QString> SavedAccounts::save(const QString &account, const QString &label)
{
    if (std::optional<QString> refusal = accountRefusal(account))
        return refusal;
    if (std::optional<QString> refusal = labelRefusal(label.trimmed()))
        return refusal;
    QList<SavedAccount> accounts = list();
    if (const qsizetype index = indexOf(accounts, account); index >= 0)
        accounts.removeAt(index);
    accounts.prepend({account, label.trimmed()});
    if (accounts.size() > capacity) {
        qCInfo(lcBilling) << "saved accounts full; the least recently used one goes";
        accounts.resize(capacity);
    }
    store(accounts);
    return std::nullopt;
}

std::optional<QString> SavedAccounts::rename(const QString &account, const QString &label)
{
    if (std::optional<QString> refusal = labelRefusal(label.trimmed()))
        return refusal;
    QList<SavedAccount> accounts = list();
    const qsizetype index = indexOf(accounts, account);
    if (index < 0)
        return tr("户号%1不在常用户号中").arg(account);
    accounts[index].label = label.trimmed();
    store(accounts);
    return std::nullopt;
}

bool SavedAccounts::remove(const QString &account)
{
    QList<SavedAccount> accounts = list();
    const qsizetype index = indexOf(accounts, account);
    if (index < 0)
        return false;
    accounts.removeAt(index);
    store(accounts);
    return true;
}

void SavedAccounts::use(const QString &account)
{
    QList<SavedAccount> accounts = list();
    const qsizetype index = indexOf(accounts, account);
    if (index <= 0)
        return;
    accounts.move(index, 0);
    store(accounts);
}

std::optional<QString> SavedAccounts::accountRefusal(const QString &account)
{
    if (account.trimmed().isEmpty())
        return tr("请先输入户号");
    // The same rule as searching: no request could carry the account otherwise.
    if (!Envelope::canCarry(account))
        return PayAction::unreadableAccount();
    return std::nullopt;
}

std::optional<QString> SavedAccounts::labelRefusal(const QString &label)
{
    if (label.isEmpty())
        return tr("请输入备注名，例如“家”");
    // Code points, so that a character outside the basic plane counts once.
    if (label.toUcs4().size() > labelLimit)
        return tr("备注名最多%1个字").arg(labelLimit);
    // A label is one line in a list: no line breaks or other control characters.
    const bool printable = std::all_of(label.cbegin(), label.cend(), [](QChar c) {
        return c.category() != QChar::Other_Control && c != QChar::LineSeparator &&
               c != QChar::ParagraphSeparator;
    });
    if (!printable || !Envelope::canCarry(label))
        return tr("备注名中含有无法识别的字符");
    return std::nullopt;
}

void SavedAccounts::store(const QList<SavedAccount> &accounts)
{
    QJsonArray array;
    for (const SavedAccount &saved : accounts)
        array.append(QJsonObject{{accountField, saved.account}, {labelField, saved.label}});
    m_settings->setValue(settingsKey,
                         QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact)));
}
