#pragma once
// The four windows of the program, created at start-up in this order:
// browser (main window), quiz (owns the riddle store), edit, user riddle
// list.  Each window reaches the others through these pointers.
#include "BrowserForm.h"
#include "EditForm.h"
#include "ListForm.h"
#include "QuizForm.h"

namespace yq {

extern TForm4* Form4;
extern TForm1* Form1;
extern TForm3* Form3;
extern TForm5* Form5;

} // namespace yq
