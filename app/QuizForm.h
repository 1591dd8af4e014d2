#pragma once
// TForm1, the quiz window: one riddle in large type, random and sequential
// riddles with a counter, the answer on request, reading aloud, music and
// the user's own riddles.  Owns the riddle store (adoquery1, ds1) and the
// skin component.
#include "Form.h"

#include <memory>
#include <string>

namespace yq {

class TDataSource;
class TRiddleQuery;

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* owner);
    ~TForm1() override;
    const char* ClassName() const override { return "TForm1"; }

    // The riddle store: one query and its data source, shared by the views
    // of every window.
    std::unique_ptr<TRiddleQuery> adoquery1;
    TDataSource* ds1 = nullptr;

    // Replaces the store's statement (UTF-8) and opens it.
    void RunStatement(const std::string& sql);

    // Commands, also run by the browser window.
    void ReadAloud();
    void EditRiddle();
};

} // namespace yq
