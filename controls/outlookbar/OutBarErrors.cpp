#include "OutBarErrors.h"

namespace yq {

namespace {
std::string ListIndexText(int index) {
    return "List index out of bounds (" + std::to_string(index) + ")";
}
} // namespace

EListError::EListError(int index) : std::out_of_range(ListIndexText(index)) {}

} // namespace yq
