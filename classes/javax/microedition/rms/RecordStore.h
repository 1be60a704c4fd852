// javax/microedition/rms/RecordStore
#pragma once
#include "java/lang/Object.h"

namespace javax::microedition::rms {

// The record-store interface the toolkit implements over palm databases. Records are
// addressed by their position in the store.
struct RecordStore {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Object)

  static inline Method<void(Ref)> m_closeRecordStore{"closeRecordStore()", &klass};
  static inline Method<Ref(Ref)> m_getName{"getName()", &klass};
  static inline Method<jint(Ref)> m_getVersion{"getVersion()", &klass};
  static inline Method<jint(Ref)> m_getNumRecords{"getNumRecords()", &klass};
  static inline Method<jint(Ref)> m_getSize{"getSize()", &klass};
  static inline Method<jint(Ref)> m_getSizeAvailable{"getSizeAvailable()", &klass};
  static inline Method<jlong(Ref)> m_getLastModified{"getLastModified()", &klass};
  static inline Method<void(Ref, Ref)> m_addRecordListener{
      "addRecordListener(Ljavax/microedition/rms/RecordListener;)", &klass};
  static inline Method<void(Ref, Ref)> m_removeRecordListener{
      "removeRecordListener(Ljavax/microedition/rms/RecordListener;)", &klass};
  static inline Method<jint(Ref)> m_getNextRecordID{"getNextRecordID()", &klass};
  static inline Method<jint(Ref, Ref, jint, jint)> m_addRecord{"addRecord([BII)", &klass};
  static inline Method<void(Ref, jint)> m_deleteRecord{"deleteRecord(I)", &klass};
  static inline Method<jint(Ref, jint)> m_getRecordSize{"getRecordSize(I)", &klass};
  static inline Method<Ref(Ref, jint)> m_getRecord{"getRecord(I)", &klass};
  static inline Method<jint(Ref, jint, Ref, jint)> m_getRecordInto{"getRecord(I[BI)", &klass};
  static inline Method<void(Ref, jint, Ref, jint, jint)> m_setRecord{"setRecord(I[BII)", &klass};

  static void init(Ref self);
};

}  // namespace javax::microedition::rms
