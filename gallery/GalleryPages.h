#pragma once
// The gallery's pages: each fills one tab sheet with a family of controls
// in their interesting states.  Controls are owned by the form and named
// as a designer would name them, so tests and wininspect can find them.
#include "WinControl.h"

#include <string>

namespace yq {
class TTabSheet;
}

namespace yq::gallery {

class TGalleryForm;

// Creates a control owned by `form` on `parent` at the given bounds.
template <class T>
T* Place(TGalleryForm& form, TWinControl* parent, const char* name, int left, int top, int width, int height);

void BuildButtonsPage(TGalleryForm& form, TTabSheet* sheet);
void BuildChoicesPage(TGalleryForm& form, TTabSheet* sheet);
void BuildEditsPage(TGalleryForm& form, TTabSheet* sheet);
void BuildListsPage(TGalleryForm& form, TTabSheet* sheet);
void BuildBarsPage(TGalleryForm& form, TTabSheet* sheet);
void BuildTabsPage(TGalleryForm& form, TTabSheet* sheet);
void BuildDataPage(TGalleryForm& form, TTabSheet* sheet);
void BuildDialogsPage(TGalleryForm& form, TTabSheet* sheet);

} // namespace yq::gallery

#include "GalleryForm.h"

namespace yq::gallery {

template <class T>
T* Place(TGalleryForm& form, TWinControl* parent, const char* name, int left, int top, int width,
         int height) {
    auto* c = new T(&form);
    c->SetName(name);
    c->SetBounds(left, top, width, height);
    c->SetParent(parent);
    return c;
}

} // namespace yq::gallery
