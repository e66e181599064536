#include "MobileNumber.h"

#include <QRegularExpression>
#include <array>

using namespace Qt::StringLiterals;

bool isMobile(const QString &account)
{
    // The operators' number ranges, one expression each; together they admit the prefixes
    // listed in the header and nothing else.
    static const std::array<QRegularExpression, 4> ranges{
        QRegularExpression(u"^1(3[0-9]|5[0-35-9]|8[025-9])\\d{8}$"_s),
        QRegularExpression(u"^1(34[0-8]|(3[5-9]|5[017-9]|8[2378])\\d)\\d{7}$"_s),
        QRegularExpression(u"^1(3[0-2]|5[256]|8[56])\\d{8}$"_s),
        QRegularExpression(u"^1((33|53|8[019])[0-9]|349)\\d{7}$"_s),
    };
    // "$" would also match before a final line break; the whole string must match.
    if (account.endsWith(u'\n'))
        return false;
    for (const QRegularExpression &range : ranges) {
        if (range.match(account).hasMatch())
            return true;
    }
    return false;
}
