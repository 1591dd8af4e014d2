#include "Guard.h"

#include "Application.h"

namespace yq {

void ReportGuardedException(std::exception_ptr error, TGuardPolicy policy) noexcept {
    try {
        switch (policy) {
        case TGuardPolicy::gpShow:
            Application().HandleException(error);
            break;
        case TGuardPolicy::gpShowLater:
            Application().HandleExceptionLater(error);
            break;
        case TGuardPolicy::gpDrop:
            break;
        }
    } catch (...) {
        // Reporting failed too (no memory): nothing more can be done here.
    }
}

} // namespace yq
