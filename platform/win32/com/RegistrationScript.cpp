#include "platform/win32/com/RegistrationScript.h"

#include <olectl.h>

#include <cstdlib>

#include "platform/TextCase.h"
#include "platform/win32/Scoped.h"
#include "platform/win32/com/RegistryKeys.h"

namespace {

struct Token {
    enum Kind { kEnd, kPunct, kWord, kQuoted } kind = kEnd;
    std::string text;
};

class Tokenizer {
  public:
    explicit Tokenizer(const std::string& text) : text_(text) {}

    // False on an unterminated quoted string.
    bool Next(Token& token) {
        while (pos_ < text_.size() && IsSpace(text_[pos_]))
            ++pos_;
        token = {};
        if (pos_ >= text_.size())
            return true;
        char c = text_[pos_];
        // A brace directly followed by text opens a name such as a class identifier.
        if (c == '{' && pos_ + 1 < text_.size() && !IsSpace(text_[pos_ + 1])) {
            token.kind = Token::kWord;
            while (pos_ < text_.size() && !IsSpace(text_[pos_]) && text_[pos_] != '=')
                token.text += text_[pos_++];
            return true;
        }
        if (c == '{' || c == '}' || c == '=') {
            token = {Token::kPunct, std::string(1, c)};
            ++pos_;
            return true;
        }
        if (c == '\'') {
            token.kind = Token::kQuoted;
            for (++pos_; pos_ < text_.size(); ++pos_) {
                if (text_[pos_] == '\'') {
                    if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                        token.text += '\'';  // '' stands for one quote
                        ++pos_;
                        continue;
                    }
                    ++pos_;
                    return true;
                }
                token.text += text_[pos_];
            }
            return false;
        }
        token.kind = Token::kWord;
        while (pos_ < text_.size() && !IsSpace(text_[pos_]) && text_[pos_] != '{' &&
               text_[pos_] != '}' && text_[pos_] != '=' && text_[pos_] != '\'')
            token.text += text_[pos_++];
        return true;
    }

  private:
    static bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

    const std::string& text_;
    size_t pos_ = 0;
};

class Parser {
  public:
    explicit Parser(const std::string& script) : tokens_(script) {}

    bool Parse(std::vector<ScriptRoot>& roots) {
        if (!Advance())
            return false;
        while (current_.kind != Token::kEnd) {
            ScriptRoot root;
            if (current_.kind != Token::kWord || !(root.root = RootKey(current_.text)))
                return Fail("unknown root key '" + current_.text + "'");
            if (!Advance() || !Expect("{") || !ParseKeys(root.keys, nullptr))
                return false;
            roots.push_back(std::move(root));
        }
        return true;
    }

    std::string error;

  private:
    static HKEY RootKey(const std::string& name) {
        std::string upper = UpperCase(name);
        if (upper == "HKCR" || upper == "HKEY_CLASSES_ROOT")
            return HKEY_CLASSES_ROOT;
        if (upper == "HKCU" || upper == "HKEY_CURRENT_USER")
            return HKEY_CURRENT_USER;
        if (upper == "HKLM" || upper == "HKEY_LOCAL_MACHINE")
            return HKEY_LOCAL_MACHINE;
        if (upper == "HKU" || upper == "HKEY_USERS")
            return HKEY_USERS;
        return nullptr;
    }

    bool IsKeyword(const char* word) const {
        return current_.kind == Token::kWord && EqualNoCase(current_.text, word);
    }

    bool IsPunct(const char* punct) const {
        return current_.kind == Token::kPunct && current_.text == punct;
    }

    bool Advance() {
        if (!tokens_.Next(current_))
            return Fail("unterminated quoted text");
        return true;
    }

    bool Expect(const char* punct) {
        if (!IsPunct(punct))
            return Fail(std::string("expected '") + punct + "' before '" + current_.text + "'");
        return Advance();
    }

    bool Fail(const std::string& reason) {
        if (error.empty())
            error = reason;
        return false;
    }

    // Keys (and, inside a key, named values) up to the closing brace.
    bool ParseKeys(std::vector<ScriptKey>& keys, std::vector<ScriptValue>* values) {
        while (!IsPunct("}")) {
            if (current_.kind == Token::kEnd)
                return Fail("missing '}'");
            if (values && IsKeyword("val")) {
                ScriptValue value;
                if (!Advance() || !TakeName(value.name) || !Expect("=") || !ParseValue(value))
                    return false;
                values->push_back(std::move(value));
                continue;
            }
            ScriptKey key;
            if (!ParseKey(key))
                return false;
            keys.push_back(std::move(key));
        }
        return Advance();
    }

    bool ParseKey(ScriptKey& key) {
        if (IsKeyword("NoRemove")) {
            key.noRemove = true;
            if (!Advance())
                return false;
        } else if (IsKeyword("ForceRemove")) {
            key.forceRemove = true;
            if (!Advance())
                return false;
        }
        if (!TakeName(key.name))
            return false;
        if (IsPunct("=")) {
            ScriptValue value;
            if (!Advance() || !ParseValue(value))
                return false;
            key.values.push_back(std::move(value));
        }
        if (IsPunct("{"))
            return Advance() && ParseKeys(key.subkeys, &key.values);
        return true;
    }

    bool TakeName(std::string& name) {
        if (current_.kind != Token::kWord && current_.kind != Token::kQuoted)
            return Fail("expected a name before '" + current_.text + "'");
        name = current_.text;
        return Advance();
    }

    bool ParseValue(ScriptValue& value) {
        bool isString = IsKeyword("s");
        value.isNumber = IsKeyword("d");
        if (!isString && !value.isNumber)
            return Fail("unknown value type '" + current_.text + "'");
        if (!Advance())
            return false;
        if (current_.kind != Token::kWord && current_.kind != Token::kQuoted)
            return Fail("expected value data");
        value.text = current_.text;
        if (value.isNumber) {
            char* end = nullptr;
            unsigned long number = std::strtoul(value.text.c_str(), &end, 0);
            if (value.text.empty() || *end != '\0' || number > 0xFFFFFFFFul)
                return Fail("bad number '" + value.text + "'");
            value.number = static_cast<DWORD>(number);
        }
        return Advance();
    }

    Tokenizer tokens_;
    Token current_;
};

bool SetValue(HKEY key, const ScriptValue& value) {
    if (!value.isNumber)
        return SetStringValue(key, value.name, value.text);
    return RegSetValueExA(key, value.name.empty() ? nullptr : value.name.c_str(), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&value.number),
                          sizeof value.number) == ERROR_SUCCESS;
}

HRESULT RegisterKey(HKEY parent, const ScriptKey& entry) {
    if (entry.forceRemove)
        DeleteKeyTree(parent, entry.name);
    ScopedKey key;
    if (RegCreateKeyExA(parent, entry.name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, key.Receive(), nullptr) != ERROR_SUCCESS)
        return SELFREG_E_CLASS;
    HRESULT result = S_OK;
    for (const ScriptValue& value : entry.values)
        if (!SetValue(key.Get(), value))
            result = SELFREG_E_CLASS;
    for (size_t i = 0; i < entry.subkeys.size() && SUCCEEDED(result); ++i)
        result = RegisterKey(key.Get(), entry.subkeys[i]);
    return result;
}

bool UnregisterKey(HKEY parent, const ScriptKey& entry) {
    if (entry.forceRemove || (!entry.noRemove && entry.subkeys.empty()))
        return DeleteKeyTree(parent, entry.name);
    ScopedKey key;
    LONG opened = RegOpenKeyExA(parent, entry.name.c_str(), 0, KEY_READ | KEY_WRITE, key.Receive());
    if (opened != ERROR_SUCCESS)
        return opened == ERROR_FILE_NOT_FOUND;
    bool ok = true;
    for (const ScriptKey& subkey : entry.subkeys)
        ok = UnregisterKey(key.Get(), subkey) && ok;
    key.Reset();
    if (!entry.noRemove && KeyHasNoSubkeys(parent, entry.name))
        ok = DeleteKeyTree(parent, entry.name) && ok;
    return ok;
}

}  // namespace

std::string ExpandScript(const std::string& script, const ScriptReplacements& replacements) {
    std::string expanded;
    size_t pos = 0;
    while (pos < script.size()) {
        size_t open = script.find('%', pos);
        size_t close = open == std::string::npos ? open : script.find('%', open + 1);
        if (close == std::string::npos) {
            expanded += script.substr(pos);
            break;
        }
        expanded += script.substr(pos, open - pos);
        std::string name = script.substr(open + 1, close - open - 1);
        if (name.empty()) {
            expanded += '%';
            pos = close + 1;
            continue;
        }
        bool replaced = false;
        for (const auto& [key, text] : replacements) {
            if (key == name) {
                expanded += text;
                replaced = true;
                break;
            }
        }
        if (replaced) {
            pos = close + 1;
        } else {
            expanded += '%';  // not a placeholder: keep it and look again from the next one
            pos = open + 1;
        }
    }
    return expanded;
}

bool ParseRegistrationScript(const std::string& script, std::vector<ScriptRoot>& roots,
                             std::string& error) {
    Parser parser(script);
    roots.clear();
    if (!parser.Parse(roots)) {
        error = parser.error;
        roots.clear();
        return false;
    }
    return true;
}

HRESULT RegisterScript(const std::vector<ScriptRoot>& roots) {
    for (const ScriptRoot& root : roots) {
        for (const ScriptKey& key : root.keys) {
            HRESULT result = RegisterKey(root.root, key);
            if (FAILED(result))
                return result;
        }
    }
    return S_OK;
}

HRESULT UnregisterScript(const std::vector<ScriptRoot>& roots) {
    bool ok = true;
    for (const ScriptRoot& root : roots)
        for (const ScriptKey& key : root.keys)
            ok = UnregisterKey(root.root, key) && ok;
    return ok ? S_OK : SELFREG_E_CLASS;
}

HRESULT RunScriptResource(HINSTANCE module, int resourceId, const ScriptReplacements& replacements,
                          bool doRegister) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(resourceId), "REGISTRY");
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const char* text = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (!text)
        return SELFREG_E_CLASS;
    std::string script(text, SizeofResource(module, found));
    std::vector<ScriptRoot> roots;
    std::string error;
    if (!ParseRegistrationScript(ExpandScript(script, replacements), roots, error))
        return SELFREG_E_CLASS;
    return doRegister ? RegisterScript(roots) : UnregisterScript(roots);
}
