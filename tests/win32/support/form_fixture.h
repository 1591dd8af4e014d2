#pragma once
// Shared by the standard-control tests: a borderless form to put controls
// on, and a recorder of the framework notifications a control receives.
#include "Form.h"

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

namespace yq::test {

class FormFixture : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        form->BorderStyle = TFormBorderStyle::bsNone;
        form->SetBounds(0, 0, 480, 360);
        form->Handle();
    }
    void TearDown() override { delete form; }

    template <class T> T* Add(int left, int top, int width, int height, TWinControl* parent = nullptr) {
        auto* c = new T(form);
        c->SetParent(parent ? parent : form);
        c->SetBounds(left, top, width, height);
        return c;
    }

    TForm* form = nullptr;
};

// Counts the messages of one kind that pass a control's message method.
class TMessageCounter {
public:
    TMessageCounter(TControl& control, UINT msg) : control_(control), msg_(msg), saved_(control.WindowProc) {
        control.WindowProc = [this](TMessage& m) {
            if (m.Msg == msg_) ++count;
            saved_(m);
        };
    }
    ~TMessageCounter() { control_.WindowProc = saved_; }
    TMessageCounter(const TMessageCounter&) = delete;
    TMessageCounter& operator=(const TMessageCounter&) = delete;
    int count = 0;

private:
    TControl& control_;
    UINT msg_;
    TWndMethod saved_;
};

inline LONG StyleOf(TWinControl& c) {
    return GetWindowLongW(c.Handle(), GWL_STYLE);
}

} // namespace yq::test
