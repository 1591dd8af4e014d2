#include "TypeInfo.h"

#include <algorithm>
#include <cctype>
#include <cwctype>

namespace yq {

const TClassInfo& TPersistent::StaticClass() {
    static const TClassInfo info("TPersistent", nullptr);
    return info;
}

bool TPersistent::InheritsFrom(std::string_view className) const {
    // Classes that only override ClassName() still answer to their own name.
    return className == ClassName() || ClassType().InheritsFrom(className);
}

bool TClassInfo::InheritsFrom(std::string_view name) const {
    for (const TClassInfo* c = this; c; c = c->parent_)
        if (name == c->name_) return true;
    return false;
}

namespace {
// Property names are looked up without regard to letter case, as the
// platform's run-time type information does ("simpletext" finds SimpleText).
bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}
} // namespace

const TPropInfo* TClassInfo::FindProp(std::string_view name) const {
    for (const TClassInfo* c = this; c; c = c->parent_)
        for (const TPropInfo& p : c->props_)
            if (SameName(p.Name, name)) return &p;
    return nullptr;
}

namespace {

const TPropInfo* Find(const TPersistent* object, std::string_view name) {
    return object ? object->ClassType().FindProp(name) : nullptr;
}

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return out;
}

bool ParseDecimal(const std::wstring& text, long long& value) {
    size_t i = 0;
    while (i < text.size() && std::iswspace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
    if (i >= text.size() || !std::iswdigit(text[i])) return false;
    unsigned long long v = 0;
    for (; i < text.size() && std::iswdigit(text[i]); ++i) {
        v = v * 10 + unsigned(text[i] - L'0');
        if (v > (1ull << 40)) return false;
    }
    while (i < text.size() && std::iswspace(text[i]))
        ++i;
    if (i != text.size()) return false;
    value = negative ? -static_cast<long long>(v) : static_cast<long long>(v);
    return true;
}

} // namespace

long long GetIntPropByName(const TPersistent* object, std::string_view name) {
    const TPropInfo* p = Find(object, name);
    return p && p->Kind == TPropKind::pkInteger ? p->GetOrd(object) : 0;
}

std::string GetEnumPropName(const TPersistent* object, std::string_view name) {
    const TPropInfo* p = Find(object, name);
    if (!p || p->Kind != TPropKind::pkEnumeration) return {};
    long long v = p->GetOrd(object);
    return v >= 0 && size_t(v) < p->EnumNames.size() ? p->EnumNames[size_t(v)] : std::string();
}

std::wstring GetWidePropByName(const TPersistent* object, std::string_view name) {
    const TPropInfo* p = Find(object, name);
    return p && p->Kind == TPropKind::pkWString ? p->GetStr(object) : std::wstring();
}

TPersistent* GetObjectPropByName(const TPersistent* object, std::string_view name,
                                 std::string_view className) {
    const TPropInfo* p = Find(object, name);
    if (!p || p->Kind != TPropKind::pkObject) return nullptr;
    TPersistent* value = p->GetObj(object);
    return value && value->InheritsFrom(className) ? value : nullptr;
}

void SetPropByName(TPersistent* object, std::string_view name, const std::wstring& value) {
    const TPropInfo* p = Find(object, name);
    if (!p) return;
    switch (p->Kind) {
    case TPropKind::pkEnumeration: {
        if (!p->SetOrd) return;
        std::string wanted;
        for (wchar_t c : value) {
            if (c > 0x7F) return; // value names are ASCII
            wanted += char(c);
        }
        wanted = Lower(wanted);
        for (size_t i = 0; i < p->EnumNames.size(); ++i)
            if (Lower(p->EnumNames[i]) == wanted) {
                p->SetOrd(object, static_cast<long long>(i));
                return;
            }
        return;
    }
    case TPropKind::pkInteger: {
        long long v = 0;
        if (p->SetOrd && ParseDecimal(value, v)) p->SetOrd(object, v);
        return;
    }
    case TPropKind::pkWString:
        if (p->SetStr) p->SetStr(object, value);
        return;
    case TPropKind::pkObject:
        return;
    }
}

bool GetPropKind(const TPersistent* object, std::string_view name, TPropKind& kind) {
    const TPropInfo* p = Find(object, name);
    if (p) kind = p->Kind;
    return p != nullptr;
}

} // namespace yq
