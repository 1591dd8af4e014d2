// TDCVertListView: the in-place caption editor.
#include "CaptionText.h"
#include "VertListView.h"

#include <algorithm>

namespace yq {

bool TDCVertListView::EditCaption(TDCVertListItem& item) {
    if (readOnly_ || !Contains(&item)) return false;
    if (IsEditing()) EndEdit(true);
    bool allow = true;
    if (OnEditing) OnEditing(this, &item, allow);
    if (!allow || !Contains(&item)) return false;
    if (!editor_) {
        editor_ = std::make_unique<TDCListCaptionEdit>(nullptr);
        editor_->SetParent(this);
        editor_->OnDone = [this](bool accept) { EndEdit(accept); };
        editor_->OnChange = [this](TComponent*) {
            if (!IsEditing()) return;
            editorChanged_ = true;
            PlaceEditor();
        };
    }
    editor_->SetWordWrap(viewStyle_ == TViewStyle::vsIcon);
    editor_->Font().Assign(Font());
    editItem_ = &item;
    ++suppress_; // selection changes while editing raise no button click
    editor_->Start(item.Caption());
    editorChanged_ = false;
    PlaceEditor();
    editor_->Show();
    if (CanFocus()) editor_->SetFocus();
    editor_->SelectAll();
    return true;
}

// The editor stays over the item's label: one line for small icons; for
// large icons across the list, as tall as its wrapped text once it changed.
void TDCVertListView::PlaceEditor() {
    if (!editItem_ || !editor_) return;
    const RECT label = DisplayRect(*editItem_, TDisplayCode::drLabel);
    const int cw = ClientWidth(), ch = ClientHeight(), h = textHeight_;
    const int lineBox = h + 4;
    if (viewStyle_ == TViewStyle::vsSmallIcon) {
        const int left = label.left + 3;
        editor_->SetBounds(left, label.top, cw - left - kTextMargin, lineBox);
        return;
    }
    const bool narrow = cw < 2 * kTextMargin;
    const int left = narrow ? 0 : kTextMargin, width = narrow ? cw : cw - 2 * kTextMargin;
    const int top = label.top - 2;
    int height = lineBox;
    if (editorChanged_) {
        TSelectObject font(measureDc_.Get(), Font().Handle());
        height = MeasureWrappedText(measureDc_.Get(), editor_->Text(), width).lines * h + 4;
        height = std::min(height, ch - top);
    }
    editor_->SetBounds(left, top, width, height);
}

void TDCVertListView::EndEdit(bool accept) {
    if (!editItem_) return;
    TDCVertListItem* item = editItem_;
    editItem_ = nullptr;
    editor_->Stop();
    --suppress_;
    std::wstring text = editor_->Text();
    if (editor_->Focused() && CanFocus()) SetFocus();
    editor_->Hide();
    if (!accept || !Contains(item)) return;
    if (OnEdited) OnEdited(this, item, text);
    if (Contains(item)) item->SetCaption(text);
}

void TDCVertListView::CancelEdit() {
    EndEdit(false);
}

} // namespace yq
