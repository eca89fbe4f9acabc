#include "RecordDecoder.h"

#include "RecordMapper.h"

#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaProperty>

#include <simdjson.h>

#include <charconv>
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
        std::string_view token = value.raw_json_token();
        while (!token.empty() && (token.back() == ' ' || token.back() == '\n' ||
                                  token.back() == '\r' || token.back() == '\t'))
            token.remove_suffix(1);
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
    // Each field's last text: neighbouring records often repeat a value (the issuer, a
    // unit, a status), which then shares one QString instead of making another.
    std::vector<std::pair<std::string, QString>> last;
};

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
        if (at < 0) {
            // Perhaps written with escapes ("w_\u0063pdm").
            std::string_view unescaped;
            if (field.unescaped_key().get(unescaped))
                return false;
            for (qsizetype i = 0; i < count && at < 0; ++i)
                if (unescaped == nameOf(i))
                    at = i;
            if (at < 0)
                continue; // the iteration skips the value
        }
        after[size_t(previous)] = at;
        previous = at;
        const Field &target = fields.at(at);
        ondemand::value value = field.value();
        if (target.isString) {
            std::string_view text;
            if (!value.get_string().get(text)) {
                auto &[bytes, string] = walk.last[size_t(at)];
                if (bytes != text) {
                    bytes.assign(text);
                    string = QString::fromUtf8(text.data(), qsizetype(text.size()));
                }
                RecordMapper::writeString(gadget, target.property, string);
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

} // namespace

bool RecordDecoder::decode(const QByteArray &body, const QMetaObject &meta,
                           const std::function<void *(qsizetype)> &append)
{
    thread_local ondemand::parser parser;
    thread_local padded_string copy;
    const padded_string_view input = paddedInput(body, copy);
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

// Reads every value, so that what the body holds is checked as QJsonDocument would; the
// first object's flag and prompt are kept on the way.

bool visit(ondemand::value value, int depth, RecordDecoder::Head *head)
{
    // QJsonDocument refuses nesting deeper than this too.
    if (depth > 1024)
        return false;
    ondemand::json_type type;
    if (value.type().get(type))
        return false;
    switch (type) {
    case ondemand::json_type::object: {
        ondemand::object object;
        if (value.get_object().get(object))
            return false;
        for (auto member : object) {
            ondemand::field field;
            std::string_view key;
            if (std::move(member).get(field) || field.unescaped_key().get(key))
                return false;
            // Only the first element's own keys; later ones of the same name win, as in
            // QJsonDocument.
            QJsonValue *kept = nullptr;
            if (head && key == "flag")
                kept = &head->flag;
            else if (head && key == "prompt")
                kept = &head->prompt;
            ondemand::value inner = field.value();
            if (kept) {
                if (!toJsonValue(inner, kept))
                    return false;
                continue;
            }
            if (!visit(inner, depth + 1, nullptr))
                return false;
        }
        return true;
    }
    case ondemand::json_type::array: {
        ondemand::array array;
        if (value.get_array().get(array))
            return false;
        for (auto element : array) {
            ondemand::value inner;
            if (std::move(element).get(inner) || !visit(inner, depth + 1, nullptr))
                return false;
        }
        return true;
    }
    case ondemand::json_type::string: {
        std::string_view text;
        return !value.get_string().get(text);
    }
    case ondemand::json_type::number: {
        // Only checked here, not kept: reading the double costs more than the whole check
        // of a short plain number, and only matters when the number can overflow or
        // underflow, which takes an exponent or a long text.
        const std::string_view token = trimmedToken(value);
        if (!isJsonNumber(token))
            return false;
        if (token.size() <= 32 && token.find_first_of("eE") == std::string_view::npos)
            return true;
        double d = 0;
        return readNumber(value, &d);
    }
    case ondemand::json_type::boolean: {
        bool b = false;
        return !value.get_bool().get(b);
    }
    case ondemand::json_type::null: {
        // The type comes from the first letter only: "nul" or "null0" is no null.
        bool isNull = false;
        return !value.is_null().get(isNull) && isNull;
    }
    }
    return false;
}

} // namespace

std::optional<RecordDecoder::Head> RecordDecoder::readHead(const QByteArray &body)
{
    thread_local ondemand::parser parser;
    thread_local padded_string copy;
    ondemand::document doc;
    if (parser.iterate(paddedInput(body, copy)).get(doc))
        return std::nullopt;
    ondemand::array top;
    if (doc.get_array().get(top))
        return std::nullopt;
    Head head;
    bool first = true;
    for (auto element : top) {
        ondemand::value inner;
        if (std::move(element).get(inner))
            return std::nullopt;
        ondemand::json_type type;
        if (inner.type().get(type))
            return std::nullopt;
        if (first)
            head.isObject = type == ondemand::json_type::object;
        if (!visit(inner, 1, head.isObject && first ? &head : nullptr))
            return std::nullopt;
        first = false;
    }
    // An empty array has no envelope; nothing may follow the array.
    if (first || doc.current_location().error() != OUT_OF_BOUNDS)
        return std::nullopt;
    return head;
}
