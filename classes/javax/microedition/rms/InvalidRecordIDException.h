// javax/microedition/rms/InvalidRecordIDException
#pragma once
#include "javax/microedition/rms/RecordStoreException.h"

namespace javax::microedition::rms {
RMS_EXCEPTION_CLASS(InvalidRecordIDException)
}  // namespace javax::microedition::rms
