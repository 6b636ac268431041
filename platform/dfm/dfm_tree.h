#pragma once
// A stored form description as read from its text, before any component exists: nested objects
// with their properties. The values keep the line they stood on, so that a reader can say where
// a wrong class or property is.
#include <cstdint>
#include <string>
#include <vector>

namespace tarvelon {

enum class TDfmValueKind { Integer, Float, String, Identifier, Set, List, Items, Binary };

struct TDfmProperty;

// One `item ... end` of a collection value.
struct TDfmItem {
    int line = 0;
    std::vector<TDfmProperty> properties;
};

struct TDfmValue {
    TDfmValueKind kind = TDfmValueKind::Integer;
    int line = 0;
    std::int64_t integer = 0;
    double real = 0;
    // String (UTF-8), Identifier (True, clRed, alClient ...) or Binary (the hex digits).
    std::string text;
    // Set: identifiers; List: values.
    std::vector<TDfmValue> elements;
    std::vector<TDfmItem> items;

    bool IsNumber() const { return kind == TDfmValueKind::Integer || kind == TDfmValueKind::Float; }
    // A short description of the value for messages: "a number", "the identifier clRed" ...
    std::string Describe() const;
};

struct TDfmProperty {
    std::string name;  // may be dotted: Font.Style
    int line = 0;
    TDfmValue value;
};

struct TDfmObject {
    bool inherited = false;  // `inherited Name: TClass`: the component exists already
    std::string name;
    std::string className;
    int line = 0;
    std::vector<TDfmProperty> properties;
    std::vector<TDfmObject> children;
};

// A problem found in a description: where, and what.
struct TDfmError {
    std::string file;
    int line = 0;
    std::string message;
    // "file, line N: message"
    std::string Text() const;
};

}  // namespace tarvelon
