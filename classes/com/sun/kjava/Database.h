// com/sun/kjava/Database
#pragma once
#include "java/lang/Object.h"

namespace com::sun::kjava {

struct Database {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint dbRef;  // the open name file's descriptor; 0 when opening failed, -1 after close
  };
  JAVA_FIELDS(java::lang::Object)

  static inline Method<jbool(Ref)> m_isOpen{"isOpen()", &klass};
  static inline Method<jint(Ref)> m_getNumberOfRecords{"getNumberOfRecords()", &klass};
  static inline Method<Ref(Ref, jint)> m_getRecord{"getRecord(I)", &klass};
  static inline Method<jbool(Ref, jint, Ref)> m_setRecord{"setRecord(I[B)", &klass};
  static inline Method<jbool(Ref, Ref)> m_addRecord{"addRecord([B)", &klass};
  static inline Method<jbool(Ref, jint)> m_deleteRecord{"deleteRecord(I)", &klass};
  static inline Method<void(Ref)> m_close{"close()", &klass};

  static void init(Ref self, jint typeId, jint creatorId, jint mode);
  static jbool create(jint cardNo, Ref name, jint creatorId, jint typeId, jbool resDB);
  static jbool isOpen(Ref self);
  static jint getNumberOfRecords(Ref self);
  static Ref getRecord(Ref self, jint recordNumber);
  static jbool setRecord(Ref self, jint recordNumber, Ref data);
  static jbool addRecord(Ref self, Ref data);
  static jbool deleteRecord(Ref self, jint recordNumber);
  static void close(Ref self);
  // Not of the published class: addRecord that tells the number the record got (-1: none).
  static jint appendRecord(Ref self, Ref data);

 private:
  static jint openDatabase(jint typeId, jint creatorId, jint mode);
};

}  // namespace com::sun::kjava
