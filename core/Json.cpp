#include "Json.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <unordered_set>

std::optional<bool> JsonValue::AsBool() const {
    return m_type == Type::Bool ? std::optional<bool>(m_bool) : std::nullopt;
}

std::optional<double> JsonValue::AsNumber() const {
    return m_type == Type::Number ? std::optional<double>(m_number) : std::nullopt;
}

std::optional<std::int64_t> JsonValue::AsInteger() const {
    if (m_type != Type::Number || std::trunc(m_number) != m_number ||
        std::fabs(m_number) > 9.0e18) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(m_number);
}

const std::string* JsonValue::AsString() const {
    return m_type == Type::String ? &m_string : nullptr;
}

const JsonValue* JsonValue::Find(std::string_view key) const {
    for (const auto& [name, value] : m_object) {
        if (name == key) {
            return &value;
        }
    }
    return nullptr;
}

JsonValue& JsonValue::Set(std::string_view key, JsonValue value) {
    m_type = Type::Object;
    for (auto& [name, member] : m_object) {
        if (name == key) {
            member = std::move(value);
            return member;
        }
    }
    m_object.emplace_back(std::string(key), std::move(value));
    return m_object.back().second;
}

void JsonValue::AppendMember(std::string key, JsonValue value) {
    m_type = Type::Object;
    m_object.emplace_back(std::move(key), std::move(value));
}

JsonValue& JsonValue::Append(JsonValue value) {
    m_type = Type::Array;
    m_array.push_back(std::move(value));
    return m_array.back();
}

namespace {

constexpr int kMaxDepth = 64;

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

class Parser final {
public:
    explicit Parser(std::string_view text) : m_text(text) {}

    JsonParse Parse() {
        JsonParse result;
        SkipSpace();
        JsonValue value;
        if (ParseValue(value, 0)) {
            SkipSpace();
            if (m_at == m_text.size()) {
                result.value = std::move(value);
                return result;
            }
            Fail("text after the document");
        }
        result.error = m_error;
        return result;
    }

private:
    bool Fail(const char* what) {
        if (m_error.empty()) {
            m_error = std::string(what) + " at byte " + std::to_string(m_at + 1);
        }
        return false;
    }

    void SkipSpace() {
        while (m_at < m_text.size() && (m_text[m_at] == ' ' || m_text[m_at] == '\t' ||
                                        m_text[m_at] == '\n' || m_text[m_at] == '\r')) {
            ++m_at;
        }
    }

    bool Literal(std::string_view word) {
        if (m_text.substr(m_at, word.size()) != word) {
            return Fail("an unknown word");
        }
        m_at += word.size();
        return true;
    }

    bool ParseValue(JsonValue& value, int depth) {
        if (m_at >= m_text.size()) {
            return Fail("the document ends early");
        }
        switch (m_text[m_at]) {
            case '{':
                return ParseObject(value, depth + 1);
            case '[':
                return ParseArray(value, depth + 1);
            case '"': {
                std::string text;
                if (!ParseString(text)) {
                    return false;
                }
                value = JsonValue(std::move(text));
                return true;
            }
            case 't':
                value = JsonValue(true);
                return Literal("true");
            case 'f':
                value = JsonValue(false);
                return Literal("false");
            case 'n':
                value = JsonValue();
                return Literal("null");
            default:
                return ParseNumber(value);
        }
    }

    bool ParseNumber(JsonValue& value) {
        // The grammar first (from_chars takes forms JSON does not: "+1", ".5", "1.", "inf").
        const std::size_t begin = m_at;
        auto digits = [this] {
            const std::size_t from = m_at;
            while (m_at < m_text.size() && m_text[m_at] >= '0' && m_text[m_at] <= '9') {
                ++m_at;
            }
            return m_at - from;
        };
        if (m_at < m_text.size() && m_text[m_at] == '-') {
            ++m_at;
        }
        const bool leadingZero = m_at < m_text.size() && m_text[m_at] == '0';
        const std::size_t whole = digits();
        if (whole == 0 || (leadingZero && whole > 1)) {
            return Fail("not a value");
        }
        if (m_at < m_text.size() && m_text[m_at] == '.') {
            ++m_at;
            if (digits() == 0) {
                return Fail("a number without decimals");
            }
        }
        if (m_at < m_text.size() && (m_text[m_at] == 'e' || m_text[m_at] == 'E')) {
            ++m_at;
            if (m_at < m_text.size() && (m_text[m_at] == '+' || m_text[m_at] == '-')) {
                ++m_at;
            }
            if (digits() == 0) {
                return Fail("a number without its exponent");
            }
        }
        double number = 0.0;
        const char* first = m_text.data() + begin;
        const auto [end, error] = std::from_chars(first, m_text.data() + m_at, number);
        if (error != std::errc() || end != m_text.data() + m_at || !std::isfinite(number)) {
            m_at = begin;
            return Fail("a number out of range");
        }
        value = JsonValue(number);
        return true;
    }

    bool ParseHex4(std::uint32_t& code) {
        if (m_text.size() - m_at < 4) {
            return Fail("a short \\u escape");
        }
        code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = m_text[m_at++];
            code <<= 4;
            if (c >= '0' && c <= '9') {
                code |= static_cast<std::uint32_t>(c - '0');
            } else if (c >= 'a' && c <= 'f') {
                code |= static_cast<std::uint32_t>(c - 'a' + 10);
            } else if (c >= 'A' && c <= 'F') {
                code |= static_cast<std::uint32_t>(c - 'A' + 10);
            } else {
                return Fail("a bad \\u escape");
            }
        }
        return true;
    }

    bool ParseString(std::string& out) {
        ++m_at;  // the opening quote
        const std::size_t begin = m_at;
        while (true) {
            if (m_at >= m_text.size()) {
                return Fail("a string without its closing quote");
            }
            const auto c = static_cast<unsigned char>(m_text[m_at]);
            if (c == '"') {
                ++m_at;
                break;
            }
            if (c < 0x20) {
                return Fail("a control character in a string");
            }
            if (c != '\\') {
                out += static_cast<char>(c);
                ++m_at;
                continue;
            }
            ++m_at;
            if (m_at >= m_text.size()) {
                return Fail("a string without its closing quote");
            }
            const char e = m_text[m_at++];
            switch (e) {
                case '"':
                case '\\':
                case '/':
                    out += e;
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u': {
                    std::uint32_t code = 0;
                    if (!ParseHex4(code)) {
                        return false;
                    }
                    if (code >= 0xD800 && code <= 0xDBFF) {
                        std::uint32_t low = 0;
                        if (m_text.substr(m_at, 2) != "\\u" || (m_at += 2, !ParseHex4(low)) ||
                            low < 0xDC00 || low > 0xDFFF) {
                            return Fail("a lone surrogate");
                        }
                        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                    } else if (code >= 0xDC00 && code <= 0xDFFF) {
                        return Fail("a lone surrogate");
                    }
                    AppendUtf8(out, code);
                    break;
                }
                default:
                    return Fail("an unknown escape");
            }
        }
        if (!IsValidUtf8(out)) {
            m_at = begin;
            return Fail("a string that is not UTF-8");
        }
        return true;
    }

    bool ParseArray(JsonValue& value, int depth) {
        if (depth > kMaxDepth) {
            return Fail("nesting too deep");
        }
        value = JsonValue::MakeArray();
        ++m_at;
        SkipSpace();
        if (m_at < m_text.size() && m_text[m_at] == ']') {
            ++m_at;
            return true;
        }
        while (true) {
            SkipSpace();
            JsonValue item;
            if (!ParseValue(item, depth)) {
                return false;
            }
            value.Append(std::move(item));
            SkipSpace();
            if (m_at < m_text.size() && m_text[m_at] == ',') {
                ++m_at;
                continue;
            }
            if (m_at < m_text.size() && m_text[m_at] == ']') {
                ++m_at;
                return true;
            }
            return Fail("an array without , or ]");
        }
    }

    bool ParseObject(JsonValue& value, int depth) {
        if (depth > kMaxDepth) {
            return Fail("nesting too deep");
        }
        value = JsonValue::MakeObject();
        std::unordered_set<std::string> names;
        ++m_at;
        SkipSpace();
        if (m_at < m_text.size() && m_text[m_at] == '}') {
            ++m_at;
            return true;
        }
        while (true) {
            SkipSpace();
            if (m_at >= m_text.size() || m_text[m_at] != '"') {
                return Fail("an object member without a name");
            }
            std::string key;
            if (!ParseString(key)) {
                return false;
            }
            SkipSpace();
            if (m_at >= m_text.size() || m_text[m_at] != ':') {
                return Fail("a member without :");
            }
            ++m_at;
            SkipSpace();
            JsonValue member;
            if (!ParseValue(member, depth)) {
                return false;
            }
            // A set of the names so far: an object of many members reads in linear time.
            if (!names.insert(key).second) {
                return Fail("a member named twice");
            }
            value.AppendMember(std::move(key), std::move(member));
            SkipSpace();
            if (m_at < m_text.size() && m_text[m_at] == ',') {
                ++m_at;
                continue;
            }
            if (m_at < m_text.size() && m_text[m_at] == '}') {
                ++m_at;
                return true;
            }
            return Fail("an object without , or }");
        }
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    std::string m_error;
};

void WriteString(std::string& out, const std::string& text) {
    out += '"';
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (u < 0x20 || u == 0x7F) {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[u >> 4];
            out += kHex[u & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

void WriteNumber(std::string& out, double number) {
    char buffer[32];
    if (std::trunc(number) == number && std::fabs(number) < 9.0e15) {
        const auto [end, error] =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::int64_t>(number));
        out.append(buffer, error == std::errc() ? end : buffer);
        return;
    }
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, number);
    out.append(buffer, error == std::errc() ? end : buffer);
}

void WriteValue(std::string& out, const JsonValue& value, int indent) {
    const std::string pad(static_cast<std::size_t>(indent + 2), ' ');
    switch (value.GetType()) {
        case JsonValue::Type::Null:
            out += "null";
            break;
        case JsonValue::Type::Bool:
            out += *value.AsBool() ? "true" : "false";
            break;
        case JsonValue::Type::Number:
            WriteNumber(out, *value.AsNumber());
            break;
        case JsonValue::Type::String:
            WriteString(out, *value.AsString());
            break;
        case JsonValue::Type::Array:
            if (value.Items().empty()) {
                out += "[]";
                break;
            }
            out += "[\n";
            for (std::size_t i = 0; i < value.Items().size(); ++i) {
                out += pad;
                WriteValue(out, value.Items()[i], indent + 2);
                out += i + 1 < value.Items().size() ? ",\n" : "\n";
            }
            out.append(static_cast<std::size_t>(indent), ' ');
            out += ']';
            break;
        case JsonValue::Type::Object:
            if (value.Members().empty()) {
                out += "{}";
                break;
            }
            out += "{\n";
            for (std::size_t i = 0; i < value.Members().size(); ++i) {
                out += pad;
                WriteString(out, value.Members()[i].first);
                out += ": ";
                WriteValue(out, value.Members()[i].second, indent + 2);
                out += i + 1 < value.Members().size() ? ",\n" : "\n";
            }
            out.append(static_cast<std::size_t>(indent), ' ');
            out += '}';
            break;
    }
}

}  // namespace

JsonParse ParseJson(std::string_view text) {
    return Parser(text).Parse();
}

std::string WriteJson(const JsonValue& value) {
    std::string out;
    WriteValue(out, value, 0);
    out += '\n';
    return out;
}

std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    std::uint32_t minimum = 0;
    std::uint32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, minimum = 0x80, code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, minimum = 0x800, code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, minimum = 0x10000, code = lead & 0x07u;
    } else {
        return 0;
    }
    if (at + length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0u) != 0x80u) {
            return 0;
        }
        code = (code << 6) | (next & 0x3Fu);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < minimum || code > 0x10FFFF || surrogate ? 0 : length;
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, at);
        if (length == 0) {
            return false;
        }
        at += length;
    }
    return true;
}
