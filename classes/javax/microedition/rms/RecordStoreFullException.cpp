// javax/microedition/rms/RecordStoreFullException
#include "javax/microedition/rms/RecordStoreFullException.h"

namespace javax::microedition::rms {
RMS_EXCEPTION_BODY(RecordStoreFullException, "javax/microedition/rms/RecordStoreFullException")
}  // namespace javax::microedition::rms
