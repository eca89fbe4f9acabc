#include "RecordDecoder.h"

#include "RecordMapper.h"

#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaProperty>

#include <simdjson.h>

#include <charconv>
#include <cstring>
#include <vector>

namespace {

using namespace simdjson;

struct Field
{
    QByteArray name;
    QMetaProperty property;
    bool isString;
};

const QList<Field> &fieldsOf(const QMetaObject &meta)
{
    thread_local QHash<const QMetaObject *, QList<Field>> cache;
    auto it = cache.find(&meta);
    if (it != cache.end())
        return *it;
    QList<Field> fields;
    // From 0: a record type may take fields from a base record.
    for (int i = 0; i < meta.propertyCount(); ++i) {
        const QMetaProperty p = meta.property(i);
        fields.append({QByteArray(p.name()), p, p.metaType().id() == QMetaType::QString});
    }
    return *cache.insert(&meta, fields);
}

// Whether a number that read as 0 is a zero: QJsonDocument refuses a nonzero mantissa that
// only reads as 0 ("1e-398") as out of range. Rare, so kept out of the hot path.
[[gnu::noinline, gnu::cold]] bool isTrueZero(ondemand::value &value)
{
    const std::string_view token = value.raw_json_token();
    const std::string_view mantissa = token.substr(0, token.find_first_of("eE"));
    return mantissa.find_first_of("123456789") == std::string_view::npos;
}

// A value's own text, without the white space the token keeps after it.
std::string_view trimmedToken(ondemand::value &value)
{
    std::string_view token = value.raw_json_token();
    while (!token.empty() && (token.back() == ' ' || token.back() == '\n' || token.back() == '\r' ||
                              token.back() == '\t'))
        token.remove_suffix(1);
    return token;
}

// Whether a body holds a backslash at all: without one, no string or key in it has an
// escape, so none needs looking into. Answers rarely have any.
bool hasBackslash(padded_string_view input)
{
    return std::memchr(input.data(), '\\', input.length()) != nullptr;
}

// Whether a string's token holds an escape. Without one there is nothing in the string to
// check (the parser has taken the whole body as UTF-8) or to unescape: its text can be
// read straight from the body.
bool hasEscape(std::string_view token)
{
    return std::memchr(token.data(), '\\', token.size()) != nullptr;
}

// JSON's number grammar: -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?
bool isJsonNumber(std::string_view t)
{
    size_t i = 0;
    const auto digits = [&t, &i]() {
        const size_t from = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9')
            ++i;
        return i - from;
    };
    if (i < t.size() && t[i] == '-')
        ++i;
    if (i < t.size() && t[i] == '0')
        ++i;
    else if (digits() == 0)
        return false;
    if (i < t.size() && t[i] == '.') {
        ++i;
        if (digits() == 0)
            return false;
    }
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == t.size();
}

// A number's text when the mapper would write it just so (RecordMapper::textOf): an
// integer of at most 18 digits other than "-0", or a decimal without an exponent, without
// a trailing zero and of at most 15 significant digits, not starting "0.0". Such a
// number reads back as itself and prints without an exponent. Nothing for any other.
std::optional<std::string_view> numberAsWritten(std::string_view token)
{
    if (!isJsonNumber(token) || token.find_first_of("eE") != std::string_view::npos)
        return std::nullopt;
    const size_t sign = token.front() == '-' ? 1 : 0;
    const size_t dot = token.find('.');
    if (dot == std::string_view::npos) {
        if (token.size() - sign > 18 || token == "-0")
            return std::nullopt;
        return token;
    }
    const std::string_view whole = token.substr(sign, dot - sign);
    const std::string_view fraction = token.substr(dot + 1);
    const bool zeroWhole = whole == "0";
    if (fraction.back() == '0' || (zeroWhole && fraction.front() == '0') ||
        (zeroWhole ? 0 : whole.size()) + fraction.size() > 15)
        return std::nullopt;
    return token;
}

// A number as QJsonDocument takes it: JSON's grammar (get_double() checks it: "06398" is
// none), and no underflow to 0.
inline bool readNumber(ondemand::value &value, double *out)
{
    return !value.get_double().get(*out) && (*out != 0 || isTrueZero(value));
}

// The value as QJsonDocument would have read it, for the rare field that is not a string
// or a value that is not a string: numbers go through the same reading (an integer that
// fits in 64 bits exactly, any other number as a double), so they print alike.
bool toJsonValue(ondemand::value &value, QJsonValue *out)
{
    ondemand::json_type type;
    if (value.type().get(type))
        return false;
    switch (type) {
    case ondemand::json_type::string: {
        std::string_view s;
        if (value.get_string().get(s))
            return false;
        *out = QString::fromUtf8(s.data(), qsizetype(s.size()));
        return true;
    }
    case ondemand::json_type::number: {
        // Checked first: the token alone would be taken at its word.
        double d = 0;
        if (!readNumber(value, &d))
            return false;
        const std::string_view token = trimmedToken(value);
        const bool integral = token.find_first_of(".eE") == std::string_view::npos;
        if (integral) {
            qint64 n = 0;
            const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), n);
            if (error == std::errc() && end == token.data() + token.size()) {
                *out = QJsonValue(n);
                return true;
            }
        }
        *out = QJsonValue(d);
        return true;
    }
    case ondemand::json_type::boolean: {
        bool b = false;
        if (value.get_bool().get(b))
            return false;
        *out = QJsonValue(b);
        return true;
    }
    case ondemand::json_type::null: {
        // The type comes from the first letter only: "null0" is no null.
        bool isNull = false;
        if (value.is_null().get(isNull) || !isNull)
            return false;
        *out = QJsonValue(QJsonValue::Null);
        return true;
    }
    case ondemand::json_type::object:
    case ondemand::json_type::array: {
        std::string_view raw;
        error_code error;
        if (type == ondemand::json_type::object) {
            ondemand::object object;
            error = value.get_object().get(object);
            if (!error)
                error = object.raw_json().get(raw);
        } else {
            ondemand::array array;
            error = value.get_array().get(array);
            if (!error)
                error = array.raw_json().get(raw);
        }
        if (error)
            return false;
        // raw_json() only finds where the value ends; its inside is checked here.
        QJsonParseError parseError;
        const QJsonDocument doc = QJsonDocument::fromJson(
            QByteArray::fromRawData(raw.data(), qsizetype(raw.size())), &parseError);
        if (parseError.error != QJsonParseError::NoError)
            return false;
        *out = doc.isArray() ? QJsonValue(doc.array()) : QJsonValue(doc.object());
        return true;
    }
    }
    return false;
}

// What is carried from one record to the next while an answer is read.
struct Walk
{
    // `after[i]` is the field whose key followed field i's in the last record (the last
    // slot: the first key), so that records sharing one key order find each key at once.
    std::vector<qsizetype> after;
    // Each field's last text (a view into the body or the parser's own buffer, both kept
    // while the answer is read): neighbouring records often repeat a value (the issuer, a
    // unit, a status), which then shares one QString instead of making another.
    std::vector<std::pair<std::string_view, QString>> last;
    bool bodyHasBackslash = true;
};

// The text a string field takes from a value that is a string, or a number written as
// it would print, kept in the field's `last` text; nothing for any other value, which
// goes through QJsonValue.
const QString *readText(ondemand::value &value, std::pair<std::string_view, QString> &last,
                        bool bodyHasBackslash)
{
    const std::string_view token = trimmedToken(value);
    if (token.empty())
        return nullptr;
    std::string_view text;
    if (token.front() != '"') {
        const std::optional<std::string_view> number = numberAsWritten(token);
        if (!number)
            return nullptr;
        text = *number; // ASCII: as good as UTF-8
    } else if (token.size() >= 2 && (!bodyHasBackslash || !hasEscape(token))) {
        text = token.substr(1, token.size() - 2);
    } else if (value.get_string().get(text)) {
        return nullptr;
    }
    auto &[bytes, string] = last;
    if (bytes != text) {
        bytes = text;
        string = QString::fromUtf8(text.data(), qsizetype(text.size()));
    }
    return &string;
}

bool fillRecord(ondemand::object record, void *gadget, const QMetaObject &meta,
                const QList<Field> &fields, Walk &walk)
{
    std::vector<qsizetype> &after = walk.after;
    const qsizetype count = fields.size();
    const auto nameOf = [&fields](qsizetype i) {
        return std::string_view(fields.at(i).name.constData(), size_t(fields.at(i).name.size()));
    };
    qsizetype previous = count;
    for (auto member : record) {
        ondemand::field field;
        if (std::move(member).get(field))
            return false;
        const ondemand::raw_json_string key = field.key();
        qsizetype at = after[size_t(previous)];
        if (at >= count || !key.unsafe_is_equal(nameOf(at))) {
            at = -1;
            for (qsizetype i = 0; i < count && at < 0; ++i)
                if (key.unsafe_is_equal(nameOf(i)))
                    at = i;
        }
        if (at < 0 && walk.bodyHasBackslash) {
            // Perhaps written with escapes ("w_\u0063pdm").
            std::string_view unescaped;
            if (field.unescaped_key().get(unescaped))
                return false;
            for (qsizetype i = 0; i < count && at < 0; ++i)
                if (unescaped == nameOf(i))
                    at = i;
        }
        if (at < 0)
            continue; // the iteration skips the value
        after[size_t(previous)] = at;
        previous = at;
        const Field &target = fields.at(at);
        ondemand::value value = field.value();
        if (target.isString) {
            if (const QString *text = readText(value, walk.last[size_t(at)], walk.bodyHasBackslash)) {
                RecordMapper::writeString(gadget, target.property, *text);
                continue;
            }
        }
        QJsonValue json;
        if (!toJsonValue(value, &json))
            return false;
        if (target.isString)
            RecordMapper::writeString(gadget, target.property, RecordMapper::textOf(json));
        else
            RecordMapper::fill(gadget, meta, QJsonObject{{QString::fromLatin1(target.name), json}});
    }
    return true;
}

// The parser reads up to SIMDJSON_PADDING bytes past the end: a body whose own allocation
// has the room after its end is read in place, any other (raw data, a slice) copied.
// capacity() is no measure of that room: it is 0 for raw data and counts from the start
// of the allocation, not of the text.
padded_string_view paddedInput(const QByteArray &body, padded_string &copy)
{
    const qsizetype room = const_cast<QByteArray &>(body).data_ptr().freeSpaceAtEnd();
    if (room >= qsizetype(SIMDJSON_PADDING))
        return padded_string_view(body.constData(), size_t(body.size()),
                                  size_t(body.size() + room));
    copy = padded_string(body.constData(), size_t(body.size()));
    return copy;
}

// Parsers keep their buffers between answers, sized for the largest one read so far
// (over ten bytes for each byte of answer). Answers up to kKeptSize share one parser; a
// rarer, longer one gets a parser of its own, freed once it is read, so that one long list
// does not hold megabytes for the rest of the run.
constexpr size_t kKeptSize = 64 * 1024;

template <class Parser> Parser &parserFor(size_t size, std::optional<Parser> &own)
{
    if (size > kKeptSize)
        return own.emplace();
    thread_local Parser kept;
    return kept;
}

} // namespace

bool RecordDecoder::decode(const QByteArray &body, const QMetaObject &meta,
                           const std::function<void *(qsizetype)> &append)
{
    padded_string copy;
    const padded_string_view input = paddedInput(body, copy);
    std::optional<ondemand::parser> own;
    ondemand::parser &parser = parserFor(input.length(), own);
    const QList<Field> &fields = fieldsOf(meta);
    ondemand::document doc;
    if (parser.iterate(input).get(doc))
        return false;
    ondemand::array envelopes;
    if (doc.get_array().get(envelopes))
        return false;
    for (auto first : envelopes) {
        ondemand::object envelope;
        if (first.get_object().get(envelope))
            return false;
        ondemand::object data;
        if (envelope.find_field_unordered("data").get_object().get(data))
            return false;
        ondemand::array records;
        if (data.find_field_unordered("record1").get_array().get(records))
            return false;
        size_t count = 0;
        if (records.count_elements().get(count))
            return false;
        append(qsizetype(count));
        Walk walk;
        walk.after.resize(size_t(fields.size()) + 1, 0);
        for (qsizetype i = 0; i < fields.size(); ++i)
            walk.after[size_t(i)] = i + 1;
        walk.last.resize(size_t(fields.size()));
        walk.bodyHasBackslash = hasBackslash(input);
        for (auto element : records) {
            ondemand::object record;
            void *gadget = append(-1);
            // A record that is not an object maps to an empty one, as QJsonValue::toObject().
            if (element.get_object().get(record))
                continue;
            if (!fillRecord(record, gadget, meta, fields, walk))
                return false;
        }
        break;
    }
    return true;
}

namespace {

// The head is read with simdjson's DOM parser: it checks every value of the body in one
// go, twice as fast as walking them On-Demand. It accepts nothing QJsonDocument refuses
// but a number too small for a double ("1e-398" reads as 0, which QJsonDocument refuses):
// a body holding a floating zero is left to QJsonDocument, as is anything the parser
// refuses or nests deeper than this.
constexpr size_t kMaxDepth = 1000;

bool holdsFloatingZero(dom::element element)
{
    switch (element.type()) {
    case dom::element_type::ARRAY: {
        const dom::array array = element.get_array().value_unsafe();
        for (const dom::element inner : array)
            if (holdsFloatingZero(inner))
                return true;
        return false;
    }
    case dom::element_type::OBJECT: {
        const dom::object object = element.get_object().value_unsafe();
        for (const dom::key_value_pair member : object)
            if (holdsFloatingZero(member.value))
                return true;
        return false;
    }
    case dom::element_type::DOUBLE:
        return element.get_double().value_unsafe() == 0;
    default:
        return false;
    }
}

// A value as QJsonDocument reads it: an integer that fits 64 bits exactly, any other
// number as a double. (Each value is read as the type it was found to have.)
QJsonValue jsonValueOf(dom::element element)
{
    switch (element.type()) {
    case dom::element_type::STRING: {
        const std::string_view text = element.get_string().value_unsafe();
        return QString::fromUtf8(text.data(), qsizetype(text.size()));
    }
    case dom::element_type::INT64:
        return QJsonValue(qint64(element.get_int64().value_unsafe()));
    case dom::element_type::UINT64:
        return QJsonValue(double(element.get_uint64().value_unsafe()));
    case dom::element_type::DOUBLE:
        return QJsonValue(element.get_double().value_unsafe());
    case dom::element_type::BOOL:
        return QJsonValue(element.get_bool().value_unsafe());
    case dom::element_type::NULL_VALUE:
        return QJsonValue(QJsonValue::Null);
    case dom::element_type::ARRAY:
    case dom::element_type::OBJECT: {
        const std::string text = minify(element);
        const QJsonDocument doc =
            QJsonDocument::fromJson(QByteArray::fromRawData(text.data(), qsizetype(text.size())));
        return doc.isArray() ? QJsonValue(doc.array()) : QJsonValue(doc.object());
    }
    }
    return QJsonValue();
}

} // namespace

std::optional<RecordDecoder::Head> RecordDecoder::readHead(const QByteArray &body)
{
    padded_string copy;
    const padded_string_view input = paddedInput(body, copy);
    std::optional<dom::parser> own;
    dom::parser &parser = parserFor(input.length(), own);
    if ((parser.capacity() < input.length() || parser.max_depth() != kMaxDepth) &&
        parser.allocate(std::max(input.length(), own ? 0 : kKeptSize), kMaxDepth))
        return std::nullopt;
    dom::element root;
    if (parser.parse(input.data(), input.length(), false).get(root))
        return std::nullopt;
    dom::array top;
    // An empty array has no envelope.
    if (root.get_array().get(top) || top.begin() == top.end() || holdsFloatingZero(root))
        return std::nullopt;
    Head head;
    dom::object first;
    head.isObject = !(*top.begin()).get_object().get(first);
    if (head.isObject) {
        // Later keys of the same name win, as in QJsonDocument.
        for (const dom::key_value_pair member : first) {
            if (member.key == "flag")
                head.flag = jsonValueOf(member.value);
            else if (member.key == "prompt")
                head.prompt = jsonValueOf(member.value);
        }
    }
    return head;
}
