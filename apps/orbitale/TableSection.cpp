// TableSection1 and TableSection2: the two halves of the table.
#include "TableSection.h"

namespace orbitale {

template struct TableSection<kLeftHalf>;
template struct TableSection<kRightHalf>;

}  // namespace orbitale
