// javax/microedition/rms/RecordStoreNotOpenException
#include "javax/microedition/rms/RecordStoreNotOpenException.h"

namespace javax::microedition::rms {
RMS_EXCEPTION_BODY(RecordStoreNotOpenException,
                   "javax/microedition/rms/RecordStoreNotOpenException")
}  // namespace javax::microedition::rms
