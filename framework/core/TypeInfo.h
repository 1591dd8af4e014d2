#pragma once
// Run-time class information and published properties.
//
// Every framework class names itself and its base with YQ_CLASS in its
// declaration and lists its published properties with YQ_PUBLISHED in its
// source file:
//
//   class TFoo : public TControl {
//       YQ_CLASS(TFoo, TControl)
//   public: ...
//   };
//
//   YQ_PUBLISHED(TFoo, TControl) {
//       r.Int("Spacing", &TFoo::Spacing, &TFoo::SetSpacing);
//       r.Enum("Layout", &TFoo::Layout, &TFoo::SetLayout, {"blGlyphLeft", "blGlyphTop"});
//       r.Bool("Flat", &TFoo::Flat, &TFoo::SetFlat);
//       r.WStr("Caption", &TFoo::Caption, &TFoo::SetCaption);
//       r.Object("Glyph", &TFoo::Glyph);
//   }
//
// Getters are const member functions; a property without a setter is read
// only.  An enumeration's value is the index of its name; a boolean is the
// enumeration False/True.  The free functions at the end give by-name access
// to objects whose class the caller does not know.
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace yq {

class TPersistent;

enum class TPropKind { pkInteger, pkEnumeration, pkWString, pkObject };

struct TPropInfo {
    std::string Name;
    TPropKind Kind = TPropKind::pkInteger;
    std::vector<std::string> EnumNames; // pkEnumeration: value i is EnumNames[i]
    std::function<long long(const TPersistent*)> GetOrd;
    std::function<void(TPersistent*, long long)> SetOrd;
    std::function<std::wstring(const TPersistent*)> GetStr;
    std::function<void(TPersistent*, const std::wstring&)> SetStr;
    std::function<TPersistent*(const TPersistent*)> GetObj;
};

class TClassInfo {
public:
    TClassInfo(const char* name, const TClassInfo* parent) : name_(name), parent_(parent) {}
    const char* Name() const { return name_; }
    const TClassInfo* Parent() const { return parent_; }
    // The class or one of its bases is called `name` (exact spelling).
    bool InheritsFrom(std::string_view name) const;
    // This class's property or the nearest base's one, the name compared
    // without regard to letter case; nullptr when none.
    const TPropInfo* FindProp(std::string_view name) const;
    const std::vector<TPropInfo>& OwnProps() const { return props_; }
    void Add(TPropInfo info) { props_.push_back(std::move(info)); }

private:
    const char* name_;
    const TClassInfo* parent_;
    std::vector<TPropInfo> props_;
};

// Root of everything that has published properties (components, fonts,
// pictures).
class TPersistent {
public:
    virtual ~TPersistent() = default;
    static const TClassInfo& StaticClass();
    virtual const TClassInfo& ClassType() const { return StaticClass(); }
    virtual const char* ClassName() const { return "TPersistent"; }
    // Family test by class name: InheritsFrom("TCustomGrid").
    bool InheritsFrom(std::string_view className) const;
};

template <class C> class TPropRegistrar {
public:
    explicit TPropRegistrar(TClassInfo& info) : info_(info) {}

    template <class R, class S = R>
    void Int(const char* name, R (C::*get)() const, void (C::*set)(S) = nullptr) {
        TPropInfo p = Base(name, TPropKind::pkInteger);
        p.GetOrd = [get](const TPersistent* o) { return static_cast<long long>((Self(o)->*get)()); };
        if (set)
            p.SetOrd = [set](TPersistent* o, long long v) {
                (Self(o)->*set)(static_cast<std::remove_cvref_t<S>>(static_cast<std::remove_cvref_t<R>>(v)));
            };
        info_.Add(std::move(p));
    }

    template <class E, class S = E>
    void Enum(const char* name, E (C::*get)() const, void (C::*set)(S), std::vector<std::string> names) {
        TPropInfo p = Base(name, TPropKind::pkEnumeration);
        p.EnumNames = std::move(names);
        p.GetOrd = [get](const TPersistent* o) { return static_cast<long long>((Self(o)->*get)()); };
        if (set)
            p.SetOrd = [set](TPersistent* o, long long v) {
                (Self(o)->*set)(static_cast<std::remove_cvref_t<S>>(v));
            };
        info_.Add(std::move(p));
    }

    void Bool(const char* name, bool (C::*get)() const, void (C::*set)(bool) = nullptr) {
        Enum(name, get, set, {"False", "True"});
    }

    template <class R, class S = R>
    void WStr(const char* name, R (C::*get)() const, void (C::*set)(S) = nullptr) {
        TPropInfo p = Base(name, TPropKind::pkWString);
        p.GetStr = [get](const TPersistent* o) { return std::wstring((Self(o)->*get)()); };
        if (set) p.SetStr = [set](TPersistent* o, const std::wstring& v) { (Self(o)->*set)(v); };
        info_.Add(std::move(p));
    }

    template <class T> void Object(const char* name, T* (C::*get)() const) {
        TPropInfo p = Base(name, TPropKind::pkObject);
        p.GetObj = [get](const TPersistent* o) -> TPersistent* { return (Self(o)->*get)(); };
        info_.Add(std::move(p));
    }

private:
    static const C* Self(const TPersistent* o) { return static_cast<const C*>(o); }
    static C* Self(TPersistent* o) { return static_cast<C*>(o); }
    static TPropInfo Base(const char* name, TPropKind kind) {
        TPropInfo p;
        p.Name = name;
        p.Kind = kind;
        return p;
    }
    TClassInfo& info_;
};

// Builds a class's information once, on first use.
template <class C>
TClassInfo MakeClassInfo(const char* name, const TClassInfo* parent, void (*publish)(TPropRegistrar<C>&)) {
    TClassInfo info(name, parent);
    TPropRegistrar<C> r(info);
    publish(r);
    return info;
}

// Property access by name.  Each does nothing and answers the default when
// `object` is null or has no property of that name and kind.
long long GetIntPropByName(const TPersistent* object, std::string_view name);
// Name of an enumeration property's value ("True", "taCenter"); "" otherwise.
std::string GetEnumPropName(const TPersistent* object, std::string_view name);
std::wstring GetWidePropByName(const TPersistent* object, std::string_view name);
// The object held by the property when it is of class `className` (or
// derived); nullptr otherwise.
TPersistent* GetObjectPropByName(const TPersistent* object, std::string_view name,
                                 std::string_view className);
// An enumeration by value name (compared without regard to case), an
// integer from decimal text, a string as is; other kinds are ignored.
void SetPropByName(TPersistent* object, std::string_view name, const std::wstring& value);
// Kind of a property, for callers that list properties; false when missing.
bool GetPropKind(const TPersistent* object, std::string_view name, TPropKind& kind);

} // namespace yq

#define YQ_CLASS(Cls, Base)                                                                                  \
public:                                                                                                      \
    static const ::yq::TClassInfo& StaticClass();                                                            \
    const ::yq::TClassInfo& ClassType() const override {                                                     \
        return StaticClass();                                                                                \
    }                                                                                                        \
    const char* ClassName() const override {                                                                 \
        return #Cls;                                                                                         \
    }                                                                                                        \
                                                                                                             \
private:

// Class information with published properties; the braces that follow are
// the body of a function taking `r`, a TPropRegistrar<Cls>.
#define YQ_PUBLISHED(Cls, Base)                                                                              \
    static void Cls##_Publish(::yq::TPropRegistrar<Cls>& r);                                                 \
    const ::yq::TClassInfo& Cls::StaticClass() {                                                             \
        static const ::yq::TClassInfo info =                                                                 \
            ::yq::MakeClassInfo<Cls>(#Cls, &Base::StaticClass(), &Cls##_Publish);                            \
        return info;                                                                                         \
    }                                                                                                        \
    static void Cls##_Publish([[maybe_unused]] ::yq::TPropRegistrar<Cls>& r)

// Class information for a class without published properties of its own.
#define YQ_CLASS_INFO(Cls, Base)                                                                             \
    const ::yq::TClassInfo& Cls::StaticClass() {                                                             \
        static const ::yq::TClassInfo info(#Cls, &Base::StaticClass());                                      \
        return info;                                                                                         \
    }
