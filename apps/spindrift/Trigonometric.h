// Trigonometric: Spindrift's own copy of the integer trigonometry class, by name only.
#pragma once
#include "com/sun/kjava/Trigonometric.h"

namespace spindrift {

inline constexpr char kTrigonometricName[] = "Trigonometric";
using Trigonometric = com::sun::kjava::TrigonometricClass<kTrigonometricName>;

}  // namespace spindrift

extern template struct com::sun::kjava::TrigonometricClass<spindrift::kTrigonometricName>;
