#pragma once
// TForm4, the riddle browser and main window: category bar filled from
// sk2.skn, the grid and answer label on the quiz window's store, sort
// toggle, searches and the buttons that open the other windows.
#include "Form.h"

namespace yq {

class TDataSource;

class TForm4 : public TForm {
public:
    explicit TForm4(TComponent* owner);
    const char* ClassName() const override { return "TForm4"; }

    // Binds the grid and the answer label to the store's data source; the
    // quiz window calls it when it has made the store.
    void BindStore(TDataSource* source);
};

} // namespace yq
