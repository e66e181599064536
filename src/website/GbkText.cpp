#include "GbkText.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <cstring>

namespace GbkText {

namespace {

constexpr unsigned char firstLead = 0x81;
constexpr unsigned char lastLead = 0xfe;
constexpr unsigned char firstTrail = 0x40;
constexpr unsigned char lastTrail = 0xfe;
constexpr int trailCount = lastTrail - firstTrail + 1;
constexpr int leadCount = lastLead - firstLead + 1;

// Every two-byte character as the converter decodes it; 0 where the fast path must not
// answer: 0x7f is no trail byte, and a pair the converter would replace, or turn into ASCII,
// a byte order mark or half a surrogate pair, is left to it.
using Table = std::array<char16_t, leadCount * trailCount>;

bool isTrail(unsigned char byte)
{
    return byte >= firstTrail && byte <= lastTrail && byte != 0x7f;
}

bool usable(char16_t unit)
{
    return unit >= 0x80 && unit != 0xfffd && unit != 0xfeff && !QChar::isSurrogate(unit);
}

const Table &table()
{
    static const Table decoded = [] {
        Table units{};
        QByteArray pairs;
        pairs.reserve(2 * leadCount * trailCount);
        for (int lead = firstLead; lead <= lastLead; ++lead) {
            for (int trail = firstTrail; trail <= lastTrail; ++trail) {
                if (isTrail(trail))
                    pairs.append(char(lead)).append(char(trail));
            }
        }
        // Decoded in one call. A converter that made anything but one unit of a pair leaves
        // the table empty, and every page to itself.
        const QString all = QStringDecoder("GB18030", QStringDecoder::Flag::Stateless)(pairs);
        if (all.size() != pairs.size() / 2 ||
            std::any_of(all.begin(), all.end(), [](QChar unit) { return unit.isSurrogate(); }))
            return units;
        const char16_t *next = reinterpret_cast<const char16_t *>(all.constData());
        for (int lead = firstLead; lead <= lastLead; ++lead) {
            for (int trail = firstTrail; trail <= lastTrail; ++trail) {
                if (!isTrail(trail))
                    continue;
                const char16_t unit = *next++;
                units[(lead - firstLead) * trailCount + trail - firstTrail] =
                    usable(unit) ? unit : u'\0';
            }
        }
        return units;
    }();
    return decoded;
}

char *appendUtf8(char *out, char16_t unit)
{
    if (unit < 0x800) {
        *out++ = char(0xc0 | unit >> 6);
    } else {
        *out++ = char(0xe0 | unit >> 12);
        *out++ = char(0x80 | (unit >> 6 & 0x3f));
    }
    *out++ = char(0x80 | (unit & 0x3f));
    return out;
}

} // namespace

std::optional<QByteArray> toUtf8(QByteArrayView page)
{
    const Table &units = table();
    // ASCII stays as it is and a pair becomes at most three bytes.
    QByteArray text(page.size() + page.size() / 2, Qt::Uninitialized);
    char *out = text.data();
    const auto *in = reinterpret_cast<const unsigned char *>(page.data());
    const auto *end = in + page.size();
    while (in < end) {
        // Markup is mostly ASCII: eight bytes at a time while none has its high bit.
        quint64 eight;
        if (end - in >= 8 && (std::memcpy(&eight, in, 8), (eight & 0x8080808080808080) == 0)) {
            std::memcpy(out, in, 8);
            in += 8;
            out += 8;
            continue;
        }
        if (*in < 0x80) {
            *out++ = char(*in++);
            continue;
        }
        if (end - in < 2 || *in < firstLead || *in > lastLead || !isTrail(in[1]))
            return std::nullopt;
        const char16_t unit = units[(in[0] - firstLead) * trailCount + in[1] - firstTrail];
        if (!unit)
            return std::nullopt;
        out = appendUtf8(out, unit);
        in += 2;
    }
    text.truncate(out - text.constData());
    return text;
}

} // namespace GbkText
