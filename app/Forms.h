#pragma once
// The four windows of the program, created at start-up in this order.
#include "Form.h"

namespace yq {

// Riddle browser, the main window.
class TForm4 : public TForm {
public:
    explicit TForm4(TComponent* owner);
    const char* ClassName() const override { return "TForm4"; }
};

// Quiz window; owns the riddle store.
class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* owner);
    const char* ClassName() const override { return "TForm1"; }
};

// Riddle edit window.
class TForm3 : public TForm {
public:
    explicit TForm3(TComponent* owner);
    const char* ClassName() const override { return "TForm3"; }
};

// User riddle list window.
class TForm5 : public TForm {
public:
    explicit TForm5(TComponent* owner);
    const char* ClassName() const override { return "TForm5"; }
};

extern TForm4* Form4;
extern TForm1* Form1;
extern TForm3* Form3;
extern TForm5* Form5;

} // namespace yq
