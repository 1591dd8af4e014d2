#pragma once
// The columns of a TDBGrid: which field each shows, how wide it is and its
// title (text, alignment, font).  A change to any of them tells the grid
// through the callback given to the collection.
#include "Control.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace yq {

class TColumnTitle {
public:
    TColumnTitle(const TFont& font, std::function<void()> changed);
    TColumnTitle(const TColumnTitle&) = delete;
    TColumnTitle& operator=(const TColumnTitle&) = delete;

    // "" shows the field name.
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }

private:
    std::wstring caption_;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    TFont font_;
    std::function<void()> changed_;
};

class TColumn : public TPersistent {
    YQ_CLASS(TColumn, TPersistent)
public:
    static constexpr int kDefaultWidth = 64;

    TColumn(const TFont& titleFont, std::function<void()> changed);

    const std::wstring& FieldName() const { return fieldName_; }
    void SetFieldName(const std::wstring& name);
    int Width() const { return width_; }
    void SetWidth(int width);
    // Alignment of the cells' text.
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TColumnTitle& Title() { return title_; }
    const TColumnTitle& Title() const { return title_; }
    // The title's text as shown.
    std::wstring TitleText() const { return title_.Caption().empty() ? fieldName_ : title_.Caption(); }

private:
    std::wstring fieldName_;
    int width_ = kDefaultWidth;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    std::function<void()> changed_;
    TColumnTitle title_;
};

class TDBGridColumns {
public:
    // `titleFont` is the font a new column's title starts with.
    TDBGridColumns(const TFont& titleFont, std::function<void()> changed);

    TColumn& Add();
    int Count() const { return int(columns_.size()); }
    TColumn& Items(int index) const;
    TColumn& operator[](int index) const { return Items(index); }
    int IndexOf(const TColumn* column) const;
    void Clear();

private:
    const TFont& titleFont_;
    std::function<void()> changed_;
    std::vector<std::unique_ptr<TColumn>> columns_;
};

} // namespace yq
