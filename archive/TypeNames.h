#pragma once
// The type code and type name of an entry in a few bytes each. An archive holds a handful of
// distinct type names for any number of entries: each entry refers to one in a table that
// the whole program shares, which keeps a name as long as some entry refers to it.
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <unordered_map>

// 0 to 4 characters, kept in place.
class TypeCode {
  public:
    TypeCode() = default;
    TypeCode(std::string_view text) { *this = text; }
    TypeCode(const std::string& text) { *this = std::string_view(text); }
    TypeCode(const char* text) { *this = std::string_view(text); }
    // A text longer than 4 characters (or holding a 0 byte) is no type code: it gives the
    // empty one, as the archive stores it.
    TypeCode& operator=(std::string_view text);
    TypeCode& operator=(const std::string& text) { return *this = std::string_view(text); }
    TypeCode& operator=(const char* text) { return *this = std::string_view(text); }

    bool empty() const { return code_[0] == '\0'; }
    std::size_t size() const;
    std::string_view View() const { return {code_, size()}; }
    std::string str() const { return std::string(View()); }
    operator std::string() const { return str(); }
    operator std::string_view() const { return View(); }

    friend bool operator==(const TypeCode& a, const TypeCode& b) { return a.View() == b.View(); }
    friend bool operator==(const TypeCode& a, std::string_view b) { return a.View() == b; }
    friend bool operator==(const TypeCode& a, const std::string& b) { return a.View() == b; }
    friend bool operator==(const TypeCode& a, const char* b) { return a.View() == b; }
    friend std::ostream& operator<<(std::ostream& out, const TypeCode& code);

  private:
    char code_[4] = {};  // filled up with 0 bytes
};

// A type name in the shared table.
class TypeNameRef {
  public:
    TypeNameRef() = default;
    TypeNameRef(std::string_view text) { *this = text; }
    TypeNameRef(const std::string& text) { *this = std::string_view(text); }
    TypeNameRef(const char* text) { *this = std::string_view(text); }
    TypeNameRef(const TypeNameRef& other) noexcept;
    TypeNameRef(TypeNameRef&& other) noexcept : index_(other.index_) { other.index_ = 0; }
    TypeNameRef& operator=(const TypeNameRef& other) noexcept;
    TypeNameRef& operator=(TypeNameRef&& other) noexcept;
    ~TypeNameRef();
    TypeNameRef& operator=(std::string_view text);
    TypeNameRef& operator=(const std::string& text) { return *this = std::string_view(text); }
    TypeNameRef& operator=(const char* text) { return *this = std::string_view(text); }

    const std::string& str() const;
    operator const std::string&() const { return str(); }
    operator std::string_view() const { return str(); }
    bool empty() const { return index_ == 0; }

    friend bool operator==(const TypeNameRef& a, const TypeNameRef& b) {
        return a.index_ == b.index_;
    }
    friend bool operator==(const TypeNameRef& a, std::string_view b) { return a.str() == b; }
    friend bool operator==(const TypeNameRef& a, const std::string& b) { return a.str() == b; }
    friend bool operator==(const TypeNameRef& a, const char* b) { return a.str() == b; }
    friend std::ostream& operator<<(std::ostream& out, const TypeNameRef& name);

  private:
    std::uint32_t index_ = 0;  // 0: the empty name
};

// The extension of a name when it is 1 to 4 characters long, else empty.
std::string TypeCodeOf(std::string_view name);
// The text after the last '.' of a name when that dot comes after the last '\' and is not the
// first character; empty otherwise.
std::string_view NameExtension(std::string_view name);
// The type code a renamed entry gets: its name's extension when that is 1 to 4 characters
// long, else empty (".abc" has none).
std::string RenamedTypeCodeOf(std::string_view name);
// The type name shown for an entry: the engine's own kinds by type code, else the shell's
// name for the file's type.
std::string TypeNameFor(const std::string& typeCode, const std::string& name);

// Type names by type code and extension for one run over many entries (a load, an add), so
// that the shell is asked once per kind of file.
class TypeNameCache {
  public:
    // The type name of an entry with this type code and name.
    const TypeNameRef& For(std::string_view typeCode, std::string_view name);

  private:
    std::unordered_map<std::string, TypeNameRef> names_;
};
