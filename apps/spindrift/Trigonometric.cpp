// Trigonometric: Spindrift's own copy of the integer trigonometry class, by name only.
#include "Trigonometric.h"

template struct com::sun::kjava::TrigonometricClass<spindrift::kTrigonometricName>;
