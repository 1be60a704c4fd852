// javax/microedition/rms/RecordStoreException
#include "javax/microedition/rms/RecordStoreException.h"

namespace javax::microedition::rms {
JAVA_EXCEPTION_BODY(RecordStoreException, java::lang::Exception,
                    "javax/microedition/rms/RecordStoreException")
}  // namespace javax::microedition::rms
