#include "SavedAccountSheet.h"

#include "BillingLog.h"
#include "SavedAccounts.h"
#include "shell/Navigator.h"

SavedAccountSheet::SavedAccountSheet(Navigator *navigator, SettingsStore *settings,
                                     const QString &account, std::function<void()> changed,
                                     QObject *parent)
    : ViewController(navigator, parent)
    , m_settings(settings)
    , m_account(account)
    , m_changed(std::move(changed))
{
    const std::optional<SavedAccount> saved = SavedAccounts(settings).find(account);
    m_isSaved = saved.has_value();
    if (saved)
        m_label = saved->label;
}

QString SavedAccountSheet::title() const
{
    return m_isSaved ? tr("修改常用户号") : tr("保存为常用户号");
}

void SavedAccountSheet::setLabel(const QString &label)
{
    if (m_label == label)
        return;
    m_label = label;
    emit labelChanged();
    setRefusal({});
}

void SavedAccountSheet::show()
{
    navigator()->present(this, false);
}

void SavedAccountSheet::save()
{
    if (m_closed)
        return;
    SavedAccounts saved(m_settings);
    // Saved elsewhere meanwhile (the CLI, another screen): renaming it keeps its place.
    const std::optional<QString> refusal =
        saved.find(m_account) ? saved.rename(m_account, m_label) : saved.save(m_account, m_label);
    if (refusal) {
        setRefusal(*refusal);
        return;
    }
    qCInfo(lcBilling) << "account saved with a label";
    close(true);
}

void SavedAccountSheet::remove()
{
    if (m_closed)
        return;
    SavedAccounts(m_settings).remove(m_account);
    close(true);
}

void SavedAccountSheet::cancel()
{
    if (!m_closed)
        close(false);
}

void SavedAccountSheet::setRefusal(const QString &refusal)
{
    if (m_refusal == refusal)
        return;
    m_refusal = refusal;
    emit refusalChanged();
}

void SavedAccountSheet::close(bool changed)
{
    m_closed = true;
    if (changed && m_changed)
        m_changed();
    navigator()->dismiss(this, false);
}
