#include "Strings.h"

namespace yq {

EListError::EListError(int index)
    : std::out_of_range("List index out of bounds (" + std::to_string(index) + ")") {}

void TStrings::Check(int index, int limit) const {
    if (index < 0 || index >= limit) throw EListError(index);
}

void TStrings::Changed(TStringsChange change, int index) {
    if (OnChanged) OnChanged(change, index);
}

const std::wstring& TStrings::operator[](int index) const {
    Check(index, Count());
    return items_[size_t(index)];
}

void TStrings::Set(int index, const std::wstring& text) {
    Check(index, Count());
    items_[size_t(index)] = text;
    Changed(TStringsChange::scChanged, index);
}

int TStrings::Add(const std::wstring& text) {
    Insert(Count(), text);
    return Count() - 1;
}

void TStrings::Insert(int index, const std::wstring& text) {
    Check(index, Count() + 1);
    items_.insert(items_.begin() + index, text);
    Changed(TStringsChange::scAdded, index);
}

void TStrings::Delete(int index) {
    Check(index, Count());
    items_.erase(items_.begin() + index);
    Changed(TStringsChange::scDeleted, index);
}

void TStrings::Clear() {
    items_.clear();
    Changed(TStringsChange::scCleared, -1);
}

void TStrings::Assign(const std::vector<std::wstring>& items) {
    Clear();
    for (const std::wstring& s : items)
        Add(s);
}

int TStrings::IndexOf(const std::wstring& text) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i] == text) return int(i);
    return -1;
}

std::wstring TStrings::Text() const {
    std::wstring out;
    for (const std::wstring& s : items_)
        out += s + L"\r\n";
    return out;
}

void TStrings::SetText(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::wstring line;
    for (size_t i = 0; i < text.size(); ++i) {
        wchar_t c = text[i];
        if (c != L'\r' && c != L'\n') {
            line += c;
            continue;
        }
        if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
        lines.push_back(std::move(line));
        line.clear();
    }
    if (!line.empty()) lines.push_back(std::move(line));
    Assign(lines);
}

} // namespace yq
