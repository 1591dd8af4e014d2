#include "DBGridColumns.h"

#include <stdexcept>

namespace yq {

// ---- TColumnTitle -----------------------------------------------------------

TColumnTitle::TColumnTitle(const TFont& font, std::function<void()> changed)
    : font_(font), changed_(std::move(changed)) {
    font_.OnChange = [this] { changed_(); };
}

void TColumnTitle::SetCaption(const std::wstring& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    changed_();
}

void TColumnTitle::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    changed_();
}

// ---- TColumn ----------------------------------------------------------------

YQ_PUBLISHED(TColumn, TPersistent) {
    r.WStr("FieldName", &TColumn::FieldName, &TColumn::SetFieldName);
    r.Int("Width", &TColumn::Width, &TColumn::SetWidth);
    r.Enum("Alignment", &TColumn::Alignment, &TColumn::SetAlignment,
           {"taLeftJustify", "taRightJustify", "taCenter"});
}

TColumn::TColumn(const TFont& titleFont, std::function<void()> changed)
    : changed_(std::move(changed)), title_(titleFont, changed_) {}

void TColumn::SetFieldName(const std::wstring& name) {
    if (name == fieldName_) return;
    fieldName_ = name;
    changed_();
}

void TColumn::SetWidth(int width) {
    width = std::max(width, 0);
    if (width == width_) return;
    width_ = width;
    changed_();
}

void TColumn::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    changed_();
}

// ---- TDBGridColumns ---------------------------------------------------------

TDBGridColumns::TDBGridColumns(const TFont& titleFont, std::function<void()> changed)
    : titleFont_(titleFont), changed_(std::move(changed)) {}

TColumn& TDBGridColumns::Add() {
    columns_.push_back(std::make_unique<TColumn>(titleFont_, changed_));
    changed_();
    return *columns_.back();
}

TColumn& TDBGridColumns::Items(int index) const {
    if (index < 0 || index >= Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    return *columns_[size_t(index)];
}

int TDBGridColumns::IndexOf(const TColumn* column) const {
    for (size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i].get() == column) return int(i);
    return -1;
}

void TDBGridColumns::Clear() {
    columns_.clear();
    changed_();
}

} // namespace yq
