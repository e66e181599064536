#include "XMLReader.h"

#include "ServiceLog.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QVarLengthArray>
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <map>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

using namespace Qt::StringLiterals;

// pugixml builds the tree; the dictionary is then made by walking it in document order,
// which gives the same start / character data / end sequence a streaming parser would.
// pugixml is lenient where XML is not, so everything it lets through that a conforming
// parser would reject is checked here: one root, nothing but white space outside it,
// references (decoded here, never by pugixml), DOCTYPE, declaration, comments.

namespace {

// libxml2's default nesting limit. It also bounds the recursion of the walk and of the
// destruction of the nested result.
constexpr int maximumDepth = 256;

// No escape decoding: pugixml would leave undefined entities in place, so references
// are decoded and checked here. White-space text is kept because an element holding
// only white space still gets a "text". Comments, CDATA and processing instructions
// are parsed only to be checked; without them pugixml skips them unchecked.
constexpr unsigned parseOptions = pugi::parse_ws_pcdata | pugi::parse_eol |
                                  pugi::parse_wconv_attribute | pugi::parse_cdata |
                                  pugi::parse_comments | pugi::parse_pi | pugi::parse_declaration |
                                  pugi::parse_doctype | pugi::parse_fragment;

bool isXmlChar(char32_t c)
{
    if (c < 0x20)
        return c == '\t' || c == '\n' || c == '\r';
    return c < 0xD800 || (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

bool isXmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isAllXmlSpace(std::string_view s)
{
    for (char c : s) {
        if (!isXmlSpace(c))
            return false;
    }
    return true;
}

// UTF-8 holding only characters XML allows. Checked on the whole input up front, so
// the tree never holds anything QString::fromUtf8 would have to replace.
bool isXmlText(std::string_view bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *end = p + bytes.size();
    while (p < end) {
        // Printable ASCII eight bytes at a time: a byte below 0x20 borrows into its high
        // bit, a byte from 0x80 has it already.
        while (end - p >= 8) {
            quint64 word;
            std::memcpy(&word, p, 8);
            if (((word - 0x2020202020202020ULL) | word) & 0x8080808080808080ULL)
                break;
            p += 8;
        }
        if (p == end)
            break;
        const unsigned lead = *p;
        if (lead < 0x80) {
            if (!isXmlChar(lead))
                return false;
            ++p;
            continue;
        }
        int trailing;
        char32_t c;
        if (lead >= 0xC2 && lead <= 0xDF) {
            trailing = 1;
            c = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            trailing = 2;
            c = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            trailing = 3;
            c = lead & 0x07;
        } else {
            return false;
        }
        if (end - p <= trailing)
            return false;
        for (int i = 1; i <= trailing; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (p[i] & 0x3F);
        }
        static constexpr char32_t shortest[] = {0, 0x80, 0x800, 0x10000};
        if (c < shortest[trailing] || !isXmlChar(c))
            return false;
        p += trailing + 1;
    }
    return true;
}

bool isNameStartChar(char32_t c)
{
    if (c < 0x80)
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':';
    return (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) ||
           (c >= 0x370 && c <= 0x37D) || (c >= 0x37F && c <= 0x1FFF) || c == 0x200C ||
           c == 0x200D || (c >= 0x2070 && c <= 0x218F) || (c >= 0x2C00 && c <= 0x2FEF) ||
           (c >= 0x3001 && c <= 0xD7FF) || (c >= 0xF900 && c <= 0xFDCF) ||
           (c >= 0xFDF0 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0xEFFFF);
}

bool isNameChar(char32_t c)
{
    return isNameStartChar(c) || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == 0xB7 ||
           (c >= 0x300 && c <= 0x36F) || c == 0x203F || c == 0x2040;
}

// pugixml takes every non-ASCII byte as a name character; XML allows far fewer.
// The input is known to be valid UTF-8 here.
bool isXmlName(std::string_view name)
{
    const auto *p = reinterpret_cast<const unsigned char *>(name.data());
    const auto *end = p + name.size();
    bool first = true;
    while (p < end) {
        char32_t c = *p++;
        if (c >= 0x80) {
            const int trailing = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
            c &= 0x3F >> trailing;
            for (int i = 0; i < trailing; ++i)
                c = (c << 6) | (*p++ & 0x3F);
        }
        if (!(first ? isNameStartChar(c) : isNameChar(c)))
            return false;
        first = false;
    }
    return !first;
}

// QString::fromUtf8 drops a leading U+FEFF as a byte order mark, but inside a document
// it is a character like any other ("\uFEFFid" is a name of its own).
QString toQString(std::string_view utf8)
{
    if (!utf8.starts_with("\xEF\xBB\xBF"))
        return QString::fromUtf8(utf8.data(), utf8.size());
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(utf8.data(), utf8.size()));
}

char *writeUtf8(char *out, char32_t c)
{
    if (c < 0x80) {
        *out++ = char(c);
    } else if (c < 0x800) {
        *out++ = char(0xC0 | (c >> 6));
        *out++ = char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out++ = char(0xE0 | (c >> 12));
        *out++ = char(0x80 | ((c >> 6) & 0x3F));
        *out++ = char(0x80 | (c & 0x3F));
    } else {
        *out++ = char(0xF0 | (c >> 18));
        *out++ = char(0x80 | ((c >> 12) & 0x3F));
        *out++ = char(0x80 | ((c >> 6) & 0x3F));
        *out++ = char(0x80 | (c & 0x3F));
    }
    return out;
}

// Decodes the reference starting after "&" in [p, end): one of the five predefined
// entities or a character reference to a character XML allows. Anything else would
// need a DTD, and none is ever read. Returns the position after the ";", or null.
const char *decodeReference(const char *p, const char *end, char32_t *c)
{
    const auto entity = [&](std::string_view name, char32_t value) {
        if (std::size_t(end - p) <= name.size() || std::string_view(p, name.size()) != name ||
            p[name.size()] != ';')
            return false;
        *c = value;
        p += name.size() + 1;
        return true;
    };
    if (p == end)
        return nullptr;
    switch (*p) {
    case 'l':
        return entity("lt", '<') ? p : nullptr;
    case 'g':
        return entity("gt", '>') ? p : nullptr;
    case 'a':
        return entity("amp", '&') || entity("apos", '\'') ? p : nullptr;
    case 'q':
        return entity("quot", '"') ? p : nullptr;
    case '#':
        break;
    default:
        return nullptr;
    }

    ++p;
    const bool hex = p < end && *p == 'x';
    if (hex)
        ++p;
    const char *const digits = p;
    char32_t value = 0;
    for (; p < end && *p != ';'; ++p) {
        unsigned digit;
        if (*p >= '0' && *p <= '9')
            digit = *p - '0';
        else if (hex && *p >= 'a' && *p <= 'f')
            digit = *p - 'a' + 10;
        else if (hex && *p >= 'A' && *p <= 'F')
            digit = *p - 'A' + 10;
        else
            return nullptr;
        value = value * (hex ? 16 : 10) + digit;
        if (value > 0x10FFFF)
            return nullptr;
    }
    if (p == end || p == digits || !isXmlChar(value))
        return nullptr;
    *c = value;
    return p + 1;
}

enum class Content { text, attribute };

// Appends raw character data with its references decoded. A decoded reference is
// always shorter than its source, so the output is written in place in one go.
bool appendDecoded(std::string &out, std::string_view in, Content content)
{
    if (content == Content::text ? in.find("]]>") != std::string_view::npos
                                 : in.find('<') != std::string_view::npos)
        return false;

    const std::size_t start = out.size();
    out.resize(start + in.size());
    char *dst = out.data() + start;
    const char *src = in.data();
    const char *const end = src + in.size();
    // Byte by byte: escaped markup (the return text of a reply) has a reference every few
    // bytes, where finding and copying each stretch through library calls costs more.
    while (src < end) {
        if (*src != '&') {
            *dst++ = *src++;
            continue;
        }
        char32_t c;
        src = decodeReference(src + 1, end, &c);
        if (!src)
            return false;
        dst = writeUtf8(dst, c);
    }
    out.resize(dst - out.data());
    return true;
}

// "--" may not occur inside a comment, nor may it end in "-".
bool isWellFormedComment(std::string_view text)
{
    return text.find("--") == std::string_view::npos && (text.empty() || text.back() != '-');
}

bool isQuotedLiteral(std::string_view &rest)
{
    if (rest.empty() || (rest[0] != '"' && rest[0] != '\''))
        return false;
    const std::size_t close = rest.find(rest[0], 1);
    if (close == std::string_view::npos)
        return false;
    rest.remove_prefix(close + 1);
    return true;
}

bool skipSpace(std::string_view &rest)
{
    const std::size_t skipped = std::min(rest.find_first_not_of(" \t\n\r"), rest.size());
    rest.remove_prefix(skipped);
    return skipped > 0;
}

// Only a DOCTYPE that names the root and at most an external subset, which is never
// read. An internal subset is refused whatever it holds: that is where entities are
// declared (billion laughs, external entities).
bool isAcceptedDoctype(std::string_view rest)
{
    if (rest.find('[') != std::string_view::npos)
        return false;
    const std::size_t nameEnd = std::min(rest.find_first_of(" \t\n\r"), rest.size());
    if (!isXmlName(rest.substr(0, nameEnd)))
        return false;
    rest.remove_prefix(nameEnd);
    if (!skipSpace(rest))
        return rest.empty();
    if (rest.starts_with("SYSTEM")) {
        rest.remove_prefix(6);
        if (!skipSpace(rest) || !isQuotedLiteral(rest))
            return false;
    } else if (rest.starts_with("PUBLIC")) {
        rest.remove_prefix(6);
        if (!skipSpace(rest) || !isQuotedLiteral(rest) || !skipSpace(rest) ||
            !isQuotedLiteral(rest))
            return false;
    }
    skipSpace(rest);
    return rest.empty();
}

// The encoding a declaration may name besides UTF-8: the one the bytes were decoded with
// or, for a document that arrived as text and so is decoded already, any the reader knows.
struct EncodingRule
{
    std::string_view decodedWith;
    bool anyKnown = false;

    bool accepts(const char *name) const
    {
        if (qstricmp(name, "UTF-8") == 0)
            return true;
        if (anyKnown)
            return QStringDecoder(name).isValid();
        return !decodedWith.empty() && qstricmp(name, std::string(decodedWith).c_str()) == 0;
    }
};

// version, then optionally encoding and standalone, in that order.
bool isAcceptedDeclaration(const pugi::xml_node &declaration, const EncodingRule &encodings)
{
    if (std::strcmp(declaration.name(), "xml") != 0)
        return false;
    pugi::xml_attribute attribute = declaration.first_attribute();
    if (!attribute || std::strcmp(attribute.name(), "version") != 0)
        return false;
    const std::string_view version = attribute.value();
    if (version.size() < 3 || !version.starts_with("1.") ||
        version.find_first_not_of("0123456789", 2) != std::string_view::npos)
        return false;
    attribute = attribute.next_attribute();
    if (attribute && std::strcmp(attribute.name(), "encoding") == 0) {
        if (!encodings.accepts(attribute.value()))
            return false;
        attribute = attribute.next_attribute();
    }
    if (attribute && std::strcmp(attribute.name(), "standalone") == 0) {
        const std::string_view standalone = attribute.value();
        if (standalone != "yes" && standalone != "no")
            return false;
        attribute = attribute.next_attribute();
    }
    return !attribute;
}

// The encoding named by a declaration at the very start, or nothing. Only located here:
// the declaration as a whole is checked once the document is parsed.
std::string_view declaredEncoding(std::string_view bytes)
{
    if (bytes.size() < 6 || !bytes.starts_with("<?xml") || !isXmlSpace(bytes[5]))
        return {};
    std::string_view declaration = bytes.substr(0, bytes.find("?>"));
    const std::size_t name = declaration.find("encoding");
    if (name == std::string_view::npos)
        return {};
    declaration.remove_prefix(name + 8);
    skipSpace(declaration);
    if (!declaration.starts_with('='))
        return {};
    declaration.remove_prefix(1);
    skipSpace(declaration);
    if (declaration.empty() || (declaration[0] != '"' && declaration[0] != '\''))
        return {};
    const std::size_t close = declaration.find(declaration[0], 1);
    if (close == std::string_view::npos)
        return {};
    return declaration.substr(1, close - 1);
}

// Kept name (traceability): see docs/names.md
const QString textKey = u"text"_s;

// An element dictionary while it is built: QVariantMap is a std::map underneath, and
// building on that directly finds a child's slot with one search instead of two.
using Dictionary = std::map<QString, QVariant>;

// A hash for the short strings of a document (names, codes, amounts): its first and last eight
// bytes and its length. Cheap where a general hash would take longer than the lookup it serves;
// strings that share all three only share a cache slot.
std::size_t shortHash(std::string_view text)
{
    const auto word = [&](std::size_t from) {
        std::uint64_t bytes = 0;
        std::memcpy(&bytes, text.data() + from, std::min<std::size_t>(8, text.size() - from));
        return bytes;
    };
    const std::uint64_t last = text.size() > 8 ? word(text.size() - 8) : 0;
    const std::uint64_t mixed = (word(0) ^ std::rotl(last, 29) ^ text.size()) * 0x9E3779B97F4A7C15u;
    return std::size_t(mixed >> 32);
}

// Element and attribute names as QStrings. The same few names recur in every reply, so they
// are kept for the thread's later documents too, one per slot: a name that meets another in
// its slot takes the slot over, so nothing grows whatever the documents hold.
class NameCache
{
public:
    // Null for a name XML does not allow.
    std::optional<QString> find(std::string_view name)
    {
        Slot &slot = m_slots[shortHash(name) % slotCount];
        if (!slot.name.isNull() && slot.key == name)
            return slot.name;
        if (!isXmlName(name))
            return std::nullopt;
        QString converted = toQString(name);
        if (name.size() <= longestKept) {
            slot.key.assign(name);
            slot.name = converted;
        }
        return converted;
    }

private:
    static constexpr std::size_t slotCount = 1024;
    static constexpr std::size_t longestKept = 64;

    struct Slot
    {
        std::string key;
        QString name;
    };
    std::vector<Slot> m_slots = std::vector<Slot>(slotCount);
};

class DictionaryBuilder
{
public:
    // The table of shared leaves grows with the document: a few slots cost nothing to set up
    // for a small reply, and a large one has many more distinct short texts to keep.
    DictionaryBuilder(std::size_t documentSize, const XMLReader::Records *records)
        : m_records(records)
        , m_leaves(std::bit_ceil(std::clamp<std::size_t>(documentSize / 64, 16, 1024)))
    {
        if (records) {
            for (const QString &name : records->path)
                m_path.push_back(name.toStdString());
        }
    }

    const char *failure = nullptr;

    // `onPath`: the ancestors so far are the first names of the records' path.
    bool element(const pugi::xml_node &node, Dictionary &parent, int depth, bool onPath);

private:
    bool fail(const char *why)
    {
        failure = why;
        return false;
    }
    bool content(const pugi::xml_node &node);
    bool record(const pugi::xml_node &node, int depth);
    bool flatRecord(const pugi::xml_node &node, int depth);
    QString takeText();
    std::optional<QString> takeAnyText();
    QVariantMap leaf();
    static void addChild(Dictionary &parent, QString &&name, const QVariantMap &child);

    const XMLReader::Records *m_records;
    std::vector<std::string> m_path;
    std::vector<XMLReader::Field> m_fields;

    // Character data since the last element end, decoded, as UTF-8.
    std::string m_text;
    std::string m_attribute;
    NameCache &m_names = names();

    static NameCache &names()
    {
        thread_local NameCache cache;
        return cache;
    }

    // The dictionary of an element with text and nothing else depends on that text alone, and
    // short texts (codes, amounts, months) recur across the entries of a reply: such elements
    // share one dictionary, as implicitly shared values do, and the fields of flat records one
    // string. Kept for one document only.
    struct Leaf
    {
        std::string text; // as collected, before trimming; short enough never to allocate
        QVariantMap dictionary;
    };
    struct FieldText
    {
        std::string text;
        QString value; // null in a slot not yet used
    };
    QString fieldText();
    static constexpr std::size_t leafTextLimit = 15; // what std::string holds in place
    std::vector<Leaf> m_leaves;                      // a power of two in size
    std::vector<FieldText> m_fieldTexts;             // as many, made at the first flat record
};

QString DictionaryBuilder::takeText()
{
    // ASCII white space is trimmed on the bytes; QString::trimmed then takes what is left
    // of Unicode white space and line breaks (no-break space, U+2028, ideographic space).
    const char *begin = m_text.data();
    const char *end = begin + m_text.size();
    while (begin < end && isXmlSpace(*begin))
        ++begin;
    while (end > begin && isXmlSpace(end[-1]))
        --end;
    QString text = toQString(std::string_view(begin, end - begin));
    if (!text.isEmpty() && (text.front().unicode() >= 0x80 || text.back().unicode() >= 0x80))
        text = std::move(text).trimmed();
    if (text.isNull())
        text = u""_s; // white space alone still makes a text, an empty one
    m_text.clear();
    return text;
}

std::optional<QString> DictionaryBuilder::takeAnyText()
{
    if (m_text.empty())
        return std::nullopt;
    return takeText();
}

QVariantMap textOnly(QString &&text)
{
    Dictionary dictionary;
    dictionary.try_emplace(textKey, std::move(text));
    return QVariantMap(std::move(dictionary));
}

// The dictionary of an element that holds nothing but the text collected so far.
QVariantMap DictionaryBuilder::leaf()
{
    if (m_text.size() > leafTextLimit)
        return textOnly(takeText());
    Leaf &slot = m_leaves[shortHash(m_text) & (m_leaves.size() - 1)];
    if (!slot.dictionary.isEmpty() && slot.text == m_text) {
        m_text.clear();
        return slot.dictionary;
    }
    slot.text = m_text;
    slot.dictionary = textOnly(takeText());
    return slot.dictionary;
}

// The text collected so far for a field of a flat record, shared with its earlier copies when
// it is short.
QString DictionaryBuilder::fieldText()
{
    if (m_text.size() > leafTextLimit)
        return takeText();
    if (m_fieldTexts.empty())
        m_fieldTexts.resize(m_leaves.size());
    FieldText &slot = m_fieldTexts[shortHash(m_text) & (m_fieldTexts.size() - 1)];
    if (!slot.value.isNull() && slot.text == m_text) {
        m_text.clear();
        return slot.value;
    }
    slot.text = m_text;
    slot.value = takeText();
    return slot.value;
}

void DictionaryBuilder::addChild(Dictionary &parent, QString &&name, const QVariantMap &child)
{
    // Services tend to write fields in alphabetical order, and then a new child's place
    // is the end, which costs one comparison to confirm.
    const std::size_t before = parent.size();
    const auto slot = parent.try_emplace(parent.end(), std::move(name), child);
    if (parent.size() > before)
        return;
    QVariant &existing = slot->second;
    if (existing.typeId() == QMetaType::QVariantList) {
        // Appended where it lies: copying the list for every element would be quadratic.
        static_cast<QVariantList *>(existing.data())->append(child);
        return;
    }
    QVariantList list;
    list.reserve(4);
    list.append(std::move(existing));
    list.append(child);
    existing = std::move(list);
}

// Character data, comments, instructions and CDATA inside an element: whatever is no element.
bool DictionaryBuilder::content(const pugi::xml_node &node)
{
    switch (node.type()) {
    case pugi::node_pcdata:
        if (!appendDecoded(m_text, node.value(), Content::text))
            return fail("malformed character data or undefined entity");
        return true;
    case pugi::node_comment:
        if (!isWellFormedComment(node.value()))
            return fail("malformed comment");
        return true;
    case pugi::node_pi:
        if (!isXmlName(node.name()))
            return fail("malformed processing instruction");
        return true;
    default: // CDATA is not collected
        return true;
    }
}

// Flat as XMLReader::Records describes it; wider elements are not worth the pairwise check of
// their names and are read as any other.
bool isFlat(const pugi::xml_node &node)
{
    constexpr int widest = 32;
    if (node.first_attribute())
        return false;
    QVarLengthArray<std::string_view, widest> names;
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element)
            continue;
        const std::string_view name = child.name();
        if (child.first_attribute() || name == "text" || names.size() == widest ||
            std::find(names.cbegin(), names.cend(), name) != names.cend())
            return false;
        for (pugi::xml_node inner = child.first_child(); inner; inner = inner.next_sibling()) {
            if (inner.type() == pugi::node_element)
                return false;
        }
        names.append(name);
    }
    return true;
}

bool DictionaryBuilder::record(const pugi::xml_node &node, int depth)
{
    if (isFlat(node))
        return flatRecord(node, depth);
    Dictionary holder;
    if (!element(node, holder, depth, false))
        return false;
    if (m_records->other)
        m_records->other(*static_cast<const QVariantMap *>(holder.begin()->second.constData()));
    return true;
}

// What element() would make of a flat element, without making it: the checks are the same, and
// so are the texts, taken from the one character buffer in the same order.
bool DictionaryBuilder::flatRecord(const pugi::xml_node &node, int depth)
{
    m_fields.clear();
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) {
            if (!content(child))
                return false;
            continue;
        }
        if (depth + 1 > maximumDepth)
            return fail("elements nested too deeply");
        for (pugi::xml_node inner = child.first_child(); inner; inner = inner.next_sibling()) {
            if (!content(inner))
                return false;
        }
        std::optional<QString> name = m_names.find(child.name());
        if (!name)
            return fail("malformed element name");
        m_fields.push_back(
            {std::move(*name), m_text.empty() ? std::optional<QString>() : fieldText()});
    }
    const std::optional<QString> text = takeAnyText();
    if (!m_names.find(node.name()))
        return fail("malformed element name");
    if (m_records->flat)
        m_records->flat(m_fields, text);
    return true;
}

bool DictionaryBuilder::element(const pugi::xml_node &node, Dictionary &parent, int depth,
                                bool onPath)
{
    if (depth > maximumDepth)
        return fail("elements nested too deeply");
    onPath = onPath && std::size_t(depth) <= m_path.size() && m_path[depth - 1] == node.name();
    if (onPath && std::size_t(depth) == m_path.size())
        return record(node, depth);

    Dictionary dictionary;
    for (const pugi::xml_attribute &attribute : node.attributes()) {
        std::optional<QString> name = m_names.find(attribute.name());
        if (!name)
            return fail("malformed attribute name");
        m_attribute.clear();
        if (!appendDecoded(m_attribute, attribute.value(), Content::attribute))
            return fail("malformed attribute value or undefined entity");
        if (!dictionary.try_emplace(std::move(*name), toQString(m_attribute)).second)
            return fail("duplicate attribute");
    }

    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (!(child.type() == pugi::node_element ? element(child, dictionary, depth + 1, onPath)
                                                 : content(child)))
            return false;
    }

    QVariantMap value;
    if (m_text.empty()) {
        value = QVariantMap(std::move(dictionary));
    } else if (dictionary.empty()) {
        value = leaf();
    } else {
        dictionary.insert_or_assign(textKey, takeText());
        value = QVariantMap(std::move(dictionary));
    }
    std::optional<QString> name = m_names.find(node.name());
    if (!name)
        return fail("malformed element name");
    addChild(parent, std::move(*name), value);
    return true;
}

std::optional<QVariantMap> refuse(QString *error, const char *why, qsizetype offset = -1)
{
    if (offset >= 0)
        qCDebug(lcService) << "XML refused:" << why << "at byte" << offset;
    else
        qCDebug(lcService) << "XML refused:" << why;
    if (error)
        *error = QString::fromLatin1(why);
    return std::nullopt;
}

// Reads UTF-8 bytes; `encodings` says which encoding the declaration may name.
// Parses in place: bytes the caller still shares are copied first, as pugixml would copy them,
// and text the reader encoded itself is not copied at all.
std::optional<QVariantMap> read(QByteArray data, const EncodingRule &encodings, QString *error,
                                const XMLReader::Records *records = nullptr)
{
    if (data.isEmpty())
        return refuse(error, "empty input");
    if (data.size() > XMLReader::maximumInputSize)
        return refuse(error, "input too large", data.size());
    char *const buffer = data.data();
    const std::string_view bytes(buffer, data.size());
    if (!isXmlText(bytes))
        return refuse(error, "not UTF-8, or holds characters XML does not allow");

    // A document ends with the root's end tag, a comment or an instruction. pugixml's
    // fragment mode drops a final "<" after trailing text, so this is checked first.
    const std::size_t last = bytes.find_last_not_of(" \t\n\r");
    if (last == std::string_view::npos || bytes[last] != '>')
        return refuse(error, "document does not end with markup");

    const std::string_view afterBom = bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
    const bool startsWithDeclaration =
        afterBom.size() > 5 && afterBom.starts_with("<?xml") && isXmlSpace(afterBom[5]);

    pugi::xml_document document;
    const pugi::xml_parse_result parsed =
        document.load_buffer_inplace(buffer, bytes.size(), parseOptions, pugi::encoding_utf8);
    if (!parsed)
        return refuse(error, parsed.description(), parsed.offset);

    // What surrounds the root: parse_fragment keeps it in the tree so that it can be
    // checked here instead of being silently dropped.
    pugi::xml_node root;
    bool doctypeSeen = false;
    for (pugi::xml_node node = document.first_child(); node; node = node.next_sibling()) {
        switch (node.type()) {
        case pugi::node_element:
            if (root)
                return refuse(error, "more than one root element");
            root = node;
            break;
        case pugi::node_declaration:
            if (node != document.first_child() || !startsWithDeclaration ||
                !isAcceptedDeclaration(node, encodings))
                return refuse(error, "misplaced or unsupported XML declaration");
            break;
        case pugi::node_doctype:
            if (root || doctypeSeen)
                return refuse(error, "misplaced DOCTYPE");
            if (!isAcceptedDoctype(node.value()))
                return refuse(error, "DOCTYPE with an internal subset or malformed");
            doctypeSeen = true;
            break;
        case pugi::node_pcdata:
            if (!isAllXmlSpace(node.value()))
                return refuse(error, "text outside the root element");
            break;
        case pugi::node_comment:
            if (!isWellFormedComment(node.value()))
                return refuse(error, "malformed comment");
            break;
        case pugi::node_pi:
            if (!isXmlName(node.name()))
                return refuse(error, "malformed processing instruction");
            break;
        case pugi::node_cdata:
            return refuse(error, "CDATA outside the root element");
        default:
            break;
        }
    }
    if (!root)
        return refuse(error, "no root element");

    Dictionary dictionary;
    DictionaryBuilder builder(bytes.size(), records);
    if (!builder.element(root, dictionary, 1, records != nullptr))
        return refuse(error, builder.failure);
    return QVariantMap(std::move(dictionary));
}

} // namespace

namespace {

std::optional<QVariantMap> readText(const QString &text, QString *error,
                                    const XMLReader::Records *records)
{
    if (text.isNull())
        return refuse(error, "no text");
    QStringEncoder encoder(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    QByteArray data = encoder.encode(text);
    if (encoder.hasError())
        return refuse(error, "text holds unpaired surrogates");
    return read(std::move(data), {{}, true}, error, records);
}

} // namespace

std::optional<QVariantMap> XMLReader::dictionaryForXMLString(const QString &text, QString *error)
{
    return readText(text, error, nullptr);
}

std::optional<QVariantMap> XMLReader::dictionaryForXMLString(const QString &text,
                                                             const Records &records, QString *error)
{
    return readText(text, error, &records);
}

std::optional<QVariantMap> XMLReader::dictionaryForXMLData(const QByteArray &data, QString *error)
{
    const std::string_view bytes(data.constData(), data.size());
    const std::string_view encoding = declaredEncoding(bytes);
    if (encoding.empty() || qstricmp(std::string(encoding).c_str(), "UTF-8") == 0)
        return read(data, {}, error);

    // Bytes in another encoding are decoded once and read as UTF-8 from then on. A decoder
    // that does not give back the declaration it was found in (UTF-16 named in bytes that
    // are not) does not fit the bytes.
    if (data.size() > maximumInputSize)
        return refuse(error, "input too large", data.size());
    QStringDecoder decoder(std::string(encoding).c_str(), QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        return refuse(error, "declared encoding unknown");
    const QString text = decoder.decode(data);
    if (decoder.hasError() || !text.startsWith(u"<?xml"))
        return refuse(error, "bytes do not fit the declared encoding");
    return read(text.toUtf8(), {encoding}, error);
}
