// javax/microedition/rms/RecordStoreNotOpenException
#pragma once
#include "javax/microedition/rms/RecordStoreException.h"

namespace javax::microedition::rms {
RMS_EXCEPTION_CLASS(RecordStoreNotOpenException)
}  // namespace javax::microedition::rms
