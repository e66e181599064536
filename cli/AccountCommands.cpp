#include "AccountCommands.h"

#include "CliOutput.h"
#include "billing/SavedAccounts.h"
#include "platform/IniSettingsStore.h"

#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace AccountCommands {

namespace {

const QString usage = u"accounts needs: list | add ACCOUNT LABEL | remove ACCOUNT"_s;

void printList(const QList<SavedAccount> &accounts, bool json)
{
    if (json) {
        QJsonArray array;
        for (const SavedAccount &saved : accounts)
            array.append(QJsonObject{{u"account"_s, saved.account}, {u"label"_s, saved.label}});
        CliOutput::printJson(array);
        return;
    }
    QStringList lines;
    for (const SavedAccount &saved : accounts)
        lines.append(saved.account + u'\t' + saved.label);
    if (!lines.isEmpty())
        CliOutput::print(lines.join(u'\n'));
}

} // namespace

int accounts(const QStringList &arguments, const AppOptions &options, bool json)
{
    const QString action = arguments.value(0);
    const qsizetype needed = action == u"list"_s     ? 1
                             : action == u"add"_s    ? 3
                             : action == u"remove"_s ? 2
                                                     : -1;
    if (needed < 0 || arguments.size() != needed) {
        CliOutput::error(usage);
        return 2;
    }
    IniSettingsStore settings(options.home);
    SavedAccounts saved(&settings);
    if (action == u"add"_s) {
        if (const std::optional<QString> refusal = saved.save(arguments.at(1), arguments.at(2))) {
            CliOutput::error(*refusal);
            return 2;
        }
    } else if (action == u"remove"_s && !saved.remove(arguments.at(1))) {
        CliOutput::error(u"%1 is not a saved account"_s.arg(arguments.at(1)));
        return 1;
    }
    // After a change too: the list shows what it did.
    printList(saved.list(), json);
    return 0;
}

} // namespace AccountCommands
