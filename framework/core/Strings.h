#pragma once
// TStrings: the item texts of a list box, combo box, radio group or tab
// control.  The control that owns the list listens to OnChanged and keeps
// its window in step; an index out of range raises EListError with the
// message "List index out of bounds (%d)".
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

namespace yq {

class EListError : public std::out_of_range {
public:
    explicit EListError(int index);
};

enum class TStringsChange { scAdded, scDeleted, scChanged, scCleared };

class TStrings {
public:
    TStrings() = default;
    TStrings(const TStrings&) = delete;
    TStrings& operator=(const TStrings&) = delete;

    int Count() const { return int(items_.size()); }
    const std::wstring& operator[](int index) const;
    void Set(int index, const std::wstring& text);
    int Add(const std::wstring& text);
    void Insert(int index, const std::wstring& text);
    void Delete(int index);
    void Clear();
    // Replaces every item.
    void Assign(const std::vector<std::wstring>& items);
    void Assign(std::initializer_list<std::wstring> items) { Assign(std::vector<std::wstring>(items)); }
    // -1 when missing; compared exactly.
    int IndexOf(const std::wstring& text) const;
    // The items joined with CR LF, each line ended; SetText splits at
    // CR LF, CR or LF.
    std::wstring Text() const;
    void SetText(const std::wstring& text);
    const std::vector<std::wstring>& Items() const { return items_; }

    // change, index (the item's, or -1 for scCleared).
    std::function<void(TStringsChange, int)> OnChanged;

private:
    void Check(int index, int limit) const;
    void Changed(TStringsChange change, int index);
    std::vector<std::wstring> items_;
};

} // namespace yq
