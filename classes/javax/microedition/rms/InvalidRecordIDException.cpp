// javax/microedition/rms/InvalidRecordIDException
#include "javax/microedition/rms/InvalidRecordIDException.h"

namespace javax::microedition::rms {
RMS_EXCEPTION_BODY(InvalidRecordIDException, "javax/microedition/rms/InvalidRecordIDException")
}  // namespace javax::microedition::rms
