// de/kawt/impl/AbstractRecordStore
#pragma once
#include "javax/microedition/rms/RecordStore.h"

namespace de::kawt::impl {

// What every platform's record store shares: the operations the platforms do not keep
// (versions, modification times, listeners, replacing a record) and copying a record
// into a caller's buffer.
struct AbstractRecordStore {
  static ClassDecl klass;
  JAVA_NO_FIELDS(javax::microedition::rms::RecordStore)

  static void init(Ref self);
  static jint getVersion(Ref self);
  static jlong getLastModified(Ref self);
  static void addRecordListener(Ref self, Ref listener);
  static void removeRecordListener(Ref self, Ref listener);
  static jint getRecord(Ref self, jint recordId, Ref buffer, jint offset);
  static void setRecord(Ref self, jint recordId, Ref data, jint offset, jint count);
};

}  // namespace de::kawt::impl
