// javax/microedition/rms/RecordStoreFullException
#pragma once
#include "javax/microedition/rms/RecordStoreException.h"

namespace javax::microedition::rms {
RMS_EXCEPTION_CLASS(RecordStoreFullException)
}  // namespace javax::microedition::rms
