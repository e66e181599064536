#include "Money.h"

#include <algorithm>
#include <iterator>

using namespace Qt::StringLiterals;

namespace Money {

namespace {

// Beyond this many digits an amount is nonsense for a utility bill and could overflow.
constexpr qsizetype maximumWholeDigits = 15;

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool allDigits(QStringView text)
{
    return std::all_of(text.begin(), text.end(), isDigit);
}

} // namespace

std::optional<qint64> fenFromYuan(QStringView text)
{
    const bool negative = text.startsWith(u'-');
    if (negative)
        text = text.sliced(1);
    const qsizetype point = text.indexOf(u'.');
    const QStringView whole = point < 0 ? text : text.first(point);
    const QStringView fraction = point < 0 ? QStringView() : text.sliced(point + 1);
    if ((whole.isEmpty() && fraction.isEmpty()) || whole.size() > maximumWholeDigits ||
        !allDigits(whole) || !allDigits(fraction))
        return std::nullopt;

    qint64 fen = 0;
    for (const QChar c : whole)
        fen = fen * 10 + c.digitValue();
    for (qsizetype i = 0; i < 2; ++i)
        fen = fen * 10 + (i < fraction.size() ? fraction[i].digitValue() : 0);

    if (fraction.size() > 2) {
        const int next = fraction[2].digitValue();
        const QStringView rest = fraction.sliced(3);
        const bool restIsZero =
            std::all_of(rest.begin(), rest.end(), [](QChar c) { return c == u'0'; });
        if (next > 5 || (next == 5 && (!restIsZero || fen % 2 == 1)))
            ++fen;
    }
    return negative ? -fen : fen;
}

qint64 fenFromLeadingYuan(QStringView text)
{
    text = text.trimmed();
    qsizetype end = text.startsWith(u'-') || text.startsWith(u'+') ? 1 : 0;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    if (end < text.size() && text[end] == u'.') {
        ++end;
        while (end < text.size() && isDigit(text[end]))
            ++end;
    }
    QStringView number = text.first(end);
    if (number.startsWith(u'+'))
        number = number.sliced(1);
    return fenFromYuan(number).value_or(0);
}

std::optional<qint64> fenFromDigits(QStringView text)
{
    if (text.isEmpty() || text.size() > maximumWholeDigits + 2 || !allDigits(text))
        return std::nullopt;
    return text.toLongLong();
}

QString yuanText(qint64 fen)
{
    // Every row of every reply shows amounts: written right to left into a buffer that holds
    // the longest, and made a text in one go.
    const bool negative = fen < 0;
    quint64 magnitude = negative ? quint64(0) - quint64(fen) : quint64(fen);
    char16_t digits[24]; // 19 digits, the point and the sign at most
    char16_t *const end = std::end(digits);
    char16_t *begin = end;
    const auto nextDigit = [&] {
        *--begin = char16_t(u'0' + magnitude % 10);
        magnitude /= 10;
    };
    nextDigit();
    nextDigit();
    *--begin = u'.';
    do
        nextDigit();
    while (magnitude);
    if (negative)
        *--begin = u'-';
    return QString(reinterpret_cast<const QChar *>(begin), end - begin);
}

} // namespace Money
