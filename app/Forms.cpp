#include "Forms.h"

namespace yq {

TForm4* Form4 = nullptr;
TForm1* Form1 = nullptr;
TForm3* Form3 = nullptr;
TForm5* Form5 = nullptr;

} // namespace yq
