#include "platform/dfm/dfm_parser.h"

#include <cctype>
#include <cstdlib>
#include <stdexcept>

namespace tarvelon {
namespace {

struct SyntaxError : std::runtime_error {
    SyntaxError(int line, const std::string& message) : std::runtime_error(message), line(line) {}
    int line;
};

// Objects inside objects and lists or collections inside values, counted together. The game's
// descriptions nest a few levels; a damaged one must not run the reader (and the tree's destructor)
// out of stack.
constexpr int kMaxNesting = 100;

void AppendUtf8(std::string& out, unsigned code)
{
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

bool IsIdentStart(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

bool IsIdentChar(char c)
{
    return IsIdentStart(c) || std::isdigit(static_cast<unsigned char>(c)) || c == '.';
}

bool SameWord(const std::string& a, const char* b)
{
    std::size_t i = 0;
    for (; i < a.size() && b[i]; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return i == a.size() && !b[i];
}

class Parser {
public:
    explicit Parser(const std::string& text) : text_(text) {}

    TDfmObject ReadRoot()
    {
        SkipBlanks();
        TDfmObject root = ReadObject();
        SkipBlanks();
        if (!AtEnd())
            Fail("text after the last `end`");
        return root;
    }

private:
    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek(std::size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }
    [[noreturn]] void Fail(const std::string& message) const { throw SyntaxError(line_, message); }

    // One level deeper for as long as it lives.
    class Nesting {
    public:
        explicit Nesting(Parser& parser) : parser_(parser)
        {
            if (++parser_.depth_ > kMaxNesting)
                parser_.Fail("objects and values nest deeper than " + std::to_string(kMaxNesting) + " levels");
        }
        ~Nesting() { --parser_.depth_; }
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;

    private:
        Parser& parser_;
    };

    void SkipBlanks()
    {
        while (!AtEnd()) {
            const char c = Peek();
            if (c == '\n') {
                ++line_;
                ++pos_;
            } else if (std::isspace(static_cast<unsigned char>(c))) {
                ++pos_;
            } else if (c == '/' && Peek(1) == '/') {
                while (!AtEnd() && Peek() != '\n')
                    ++pos_;
            } else {
                break;
            }
        }
    }

    std::string ReadWord()
    {
        SkipBlanks();
        if (!IsIdentStart(Peek()))
            Fail(AtEnd() ? "the description ends too early" : std::string("a name was expected, not '") + Peek() + "'");
        const std::size_t start = pos_;
        while (!AtEnd() && IsIdentChar(Peek()))
            ++pos_;
        return text_.substr(start, pos_ - start);
    }

    std::string PeekWord()
    {
        const std::size_t pos = pos_;
        const int line = line_;
        std::string word = IsIdentStart((SkipBlanks(), Peek())) ? ReadWord() : std::string();
        pos_ = pos;
        line_ = line;
        return word;
    }

    void Expect(char c)
    {
        SkipBlanks();
        if (Peek() != c)
            Fail(std::string("'") + c + "' was expected" + (AtEnd() ? " before the end" : std::string(", not '") + Peek() + "'"));
        ++pos_;
    }

    TDfmObject ReadObject()
    {
        const Nesting level(*this);
        TDfmObject object;
        SkipBlanks();
        object.line = line_;
        const std::string keyword = ReadWord();
        if (SameWord(keyword, "inherited"))
            object.inherited = true;
        else if (!SameWord(keyword, "object") && !SameWord(keyword, "inline"))
            Fail("`object` was expected, not `" + keyword + "`");
        object.name = ReadWord();
        SkipBlanks();
        if (Peek() == ':') {
            ++pos_;
            object.className = ReadWord();
        } else {
            // `object TClass` without a name.
            object.className = object.name;
            object.name.clear();
        }
        SkipBlanks();
        if (Peek() == '[') {  // a child position index: ignored
            while (!AtEnd() && Peek() != ']')
                ++pos_;
            Expect(']');
        }
        for (;;) {
            SkipBlanks();
            const std::string word = PeekWord();
            if (word.empty())
                Fail(AtEnd() ? "`end` of " + object.name + " is missing" : "a property, an object or `end` was expected");
            if (SameWord(word, "end")) {
                ReadWord();
                return object;
            }
            if (SameWord(word, "object") || SameWord(word, "inherited") || SameWord(word, "inline"))
                object.children.push_back(ReadObject());
            else
                object.properties.push_back(ReadProperty());
        }
    }

    TDfmProperty ReadProperty()
    {
        TDfmProperty property;
        property.name = ReadWord();
        property.line = line_;
        Expect('=');
        property.value = ReadValue();
        return property;
    }

    TDfmValue ReadValue()
    {
        const Nesting level(*this);
        SkipBlanks();
        TDfmValue value;
        value.line = line_;
        const char c = Peek();
        if (c == '\'' || c == '#') {
            value.kind = TDfmValueKind::String;
            value.text = ReadString();
        } else if (c == '-' || c == '+' || c == '$' || std::isdigit(static_cast<unsigned char>(c))) {
            ReadNumber(value);
        } else if (c == '[') {
            ReadSet(value);
        } else if (c == '(') {
            ReadList(value);
        } else if (c == '<') {
            ReadItems(value);
        } else if (c == '{') {
            ReadBinary(value);
        } else if (IsIdentStart(c)) {
            value.kind = TDfmValueKind::Identifier;
            value.text = ReadWord();
        } else {
            Fail(AtEnd() ? "a value was expected before the end" : std::string("a value was expected, not '") + c + "'");
        }
        return value;
    }

    // Quoted pieces, #nnn characters, joined directly or with `+` (also across lines).
    std::string ReadString()
    {
        std::string out;
        for (;;) {
            ReadStringPieces(out);
            const std::size_t pos = pos_;
            const int line = line_;
            SkipBlanks();
            if (Peek() == '+') {
                ++pos_;
                SkipBlanks();
                if (Peek() != '\'' && Peek() != '#')
                    Fail("a string was expected after '+'");
                continue;
            }
            pos_ = pos;
            line_ = line;
            return out;
        }
    }

    void ReadStringPieces(std::string& out)
    {
        while (Peek() == '\'' || Peek() == '#') {
            if (Peek() == '#') {
                ++pos_;
                unsigned code = 0;
                const bool hex = Peek() == '$';
                if (hex)
                    ++pos_;
                const std::size_t start = pos_;
                while (hex ? std::isxdigit(static_cast<unsigned char>(Peek())) : std::isdigit(static_cast<unsigned char>(Peek()))) {
                    code = code * (hex ? 16 : 10) + static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(Peek())) ? Peek() - '0' : std::tolower(Peek()) - 'a' + 10);
                    if (code > 0x10FFFF)
                        Fail("a character code is too large");
                    ++pos_;
                }
                if (pos_ == start)
                    Fail("a character code was expected after '#'");
                AppendUtf8(out, code);
                continue;
            }
            ++pos_;
            for (;;) {
                if (AtEnd() || Peek() == '\n')
                    Fail("a string is not closed on its line");
                if (Peek() == '\'') {
                    if (Peek(1) == '\'') {
                        out += '\'';
                        pos_ += 2;
                        continue;
                    }
                    ++pos_;
                    break;
                }
                out += Peek();
                ++pos_;
            }
        }
    }

    void ReadNumber(TDfmValue& value)
    {
        const std::size_t start = pos_;
        if (Peek() == '-' || Peek() == '+')
            ++pos_;
        if (Peek() == '$') {
            ++pos_;
            const std::size_t digits = pos_;
            while (std::isxdigit(static_cast<unsigned char>(Peek())))
                ++pos_;
            if (pos_ == digits)
                Fail("hexadecimal digits were expected after '$'");
            value.kind = TDfmValueKind::Integer;
            value.integer = std::strtoll(text_.substr(digits, pos_ - digits).c_str(), nullptr, 16);
            if (text_[start] == '-')
                value.integer = -value.integer;
            return;
        }
        bool real = false;
        while (std::isdigit(static_cast<unsigned char>(Peek())) || Peek() == '.' || Peek() == 'e' || Peek() == 'E' ||
               ((Peek() == '-' || Peek() == '+') && (text_[pos_ - 1] == 'e' || text_[pos_ - 1] == 'E'))) {
            real = real || !std::isdigit(static_cast<unsigned char>(Peek()));
            ++pos_;
        }
        const std::string number = text_.substr(start, pos_ - start);
        char* end = nullptr;
        if (real) {
            value.kind = TDfmValueKind::Float;
            value.real = std::strtod(number.c_str(), &end);
        } else {
            value.kind = TDfmValueKind::Integer;
            value.integer = std::strtoll(number.c_str(), &end, 10);
        }
        if (number == "-" || number == "+" || end != number.c_str() + number.size() || IsIdentChar(Peek()))
            Fail("`" + number + (IsIdentChar(Peek()) ? std::string(1, Peek()) : "") + "` is not a number");
    }

    void ReadSet(TDfmValue& value)
    {
        value.kind = TDfmValueKind::Set;
        Expect('[');
        SkipBlanks();
        if (Peek() == ']') {
            ++pos_;
            return;
        }
        for (;;) {
            TDfmValue element;
            element.line = line_;
            element.kind = TDfmValueKind::Identifier;
            SkipBlanks();
            if (std::isdigit(static_cast<unsigned char>(Peek())))
                ReadNumber(element);
            else
                element.text = ReadWord();
            value.elements.push_back(element);
            SkipBlanks();
            if (Peek() == ',') {
                ++pos_;
                continue;
            }
            Expect(']');
            return;
        }
    }

    void ReadList(TDfmValue& value)
    {
        value.kind = TDfmValueKind::List;
        Expect('(');
        for (;;) {
            SkipBlanks();
            if (Peek() == ')') {
                ++pos_;
                return;
            }
            if (AtEnd())
                Fail("')' was expected before the end");
            value.elements.push_back(ReadValue());
        }
    }

    void ReadItems(TDfmValue& value)
    {
        value.kind = TDfmValueKind::Items;
        Expect('<');
        for (;;) {
            SkipBlanks();
            if (Peek() == '>') {
                ++pos_;
                return;
            }
            TDfmItem item;
            item.line = line_;
            const std::string word = ReadWord();
            if (!SameWord(word, "item"))
                Fail("`item` was expected, not `" + word + "`");
            for (;;) {
                const std::string next = PeekWord();
                if (next.empty())
                    Fail("`end` of an item was expected");
                if (SameWord(next, "end")) {
                    ReadWord();
                    break;
                }
                item.properties.push_back(ReadProperty());
            }
            value.items.push_back(std::move(item));
        }
    }

    void ReadBinary(TDfmValue& value)
    {
        value.kind = TDfmValueKind::Binary;
        Expect('{');
        for (;;) {
            SkipBlanks();
            if (Peek() == '}') {
                ++pos_;
                if (value.text.size() % 2 != 0)
                    Fail("binary data has an odd number of hexadecimal digits");
                return;
            }
            if (!std::isxdigit(static_cast<unsigned char>(Peek())))
                Fail(AtEnd() ? "'}' was expected before the end" : "hexadecimal digits were expected in binary data");
            value.text += Peek();
            ++pos_;
        }
    }

    const std::string& text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int depth_ = 0;
};

}  // namespace

std::string TDfmValue::Describe() const
{
    switch (kind) {
    case TDfmValueKind::Integer:
        return "the number " + std::to_string(integer);
    case TDfmValueKind::Float:
        return "a real number";
    case TDfmValueKind::String:
        return "the string '" + text + "'";
    case TDfmValueKind::Identifier:
        return "the identifier " + text;
    case TDfmValueKind::Set:
        return "a set";
    case TDfmValueKind::List:
        return "a list";
    case TDfmValueKind::Items:
        return "a collection of items";
    case TDfmValueKind::Binary:
        return "binary data";
    }
    return "a value";
}

std::string TDfmError::Text() const
{
    // A problem found by the form's code (a child looked up in vain) has no line.
    return file + (line > 0 ? ", line " + std::to_string(line) : std::string()) + ": " + message;
}

bool ParseDfm(const std::string& text, const std::string& fileName, TDfmObject& root, TDfmError& error)
{
    try {
        root = Parser(text).ReadRoot();
        return true;
    } catch (const SyntaxError& failure) {
        error = TDfmError{fileName, failure.line, failure.what()};
        return false;
    }
}

}  // namespace tarvelon
