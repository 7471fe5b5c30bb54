#pragma once

// A small JSON document model: parsed strictly (RFC 8259, nesting at most 64 deep), written
// with every non-ASCII character as it is (UTF-8) and control characters escaped. Numbers go
// through from_chars/to_chars, so a document reads and writes the same in every locale.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class JsonValue final {
public:
    enum class Type : std::uint8_t { Null, Bool, Number, String, Array, Object };
    using Array = std::vector<JsonValue>;
    // Members in the order they were read or added; keys are unique.
    using Object = std::vector<std::pair<std::string, JsonValue>>;

    JsonValue() = default;
    JsonValue(bool value) : m_type(Type::Bool), m_bool(value) {}  // NOLINT: implicit on purpose
    JsonValue(double value) : m_type(Type::Number), m_number(value) {}                  // NOLINT
    JsonValue(int value) : JsonValue(static_cast<double>(value)) {}                     // NOLINT
    JsonValue(std::int64_t value) : JsonValue(static_cast<double>(value)) {}            // NOLINT
    JsonValue(std::string value) : m_type(Type::String), m_string(std::move(value)) {}  // NOLINT
    JsonValue(const char* value) : JsonValue(std::string(value)) {}                     // NOLINT
    static JsonValue MakeArray() { return JsonValue(Type::Array); }
    static JsonValue MakeObject() { return JsonValue(Type::Object); }

    Type GetType() const { return m_type; }
    bool IsObject() const { return m_type == Type::Object; }
    bool IsArray() const { return m_type == Type::Array; }

    // The value as the type asks; no value when it is another type.
    std::optional<bool> AsBool() const;
    std::optional<double> AsNumber() const;
    // A whole number within the range of int64 (1e3 counts, 1.5 does not).
    std::optional<std::int64_t> AsInteger() const;
    const std::string* AsString() const;
    const Array& Items() const { return m_array; }
    const Object& Members() const { return m_object; }

    // A member of an object; null when there is none (or this is no object).
    const JsonValue* Find(std::string_view key) const;
    // Sets (or replaces) a member of an object.
    JsonValue& Set(std::string_view key, JsonValue value);
    // Adds a member the object does not have yet (the caller knows it is new).
    void AppendMember(std::string key, JsonValue value);
    // Appends to an array.
    JsonValue& Append(JsonValue value);

private:
    explicit JsonValue(Type type) : m_type(type) {}

    Type m_type = Type::Null;
    bool m_bool = false;
    double m_number = 0.0;
    std::string m_string;
    Array m_array;
    Object m_object;
};

struct JsonParse final {
    std::optional<JsonValue> value;
    std::string error;  // for people: what is wrong and at which byte
};

JsonParse ParseJson(std::string_view text);

// The document with two spaces per level, a member or item per line, and a final newline.
std::string WriteJson(const JsonValue& value);

// Whether `text` is well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool IsValidUtf8(std::string_view text);
// The length of the UTF-8 sequence at `at` (1 for ASCII); 0 when it is not a whole, valid one.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at);
