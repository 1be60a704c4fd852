// de/kawt/impl/kjava/RecordStoreImpl
#pragma once
#include "de/kawt/impl/AbstractRecordStore.h"

namespace de::kawt::impl::kjava {

// A record store kept in a palm database "kAWT-RS:" + name, found through the index
// database "kAWT-RmsStores", whose records are creator id, type id and store name.
struct RecordStoreImpl {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref index;  // com/sun/kjava/Database; null once closed
    Ref store;  // com/sun/kjava/Database; null once closed
    jint indexCreator;
    jint indexType;
    jint creator;
    jint type;
    Ref name;
  };
  JAVA_FIELDS(de::kawt::impl::AbstractRecordStore)

  // Opens the store of that name, creating it (and the index) when there is none.
  static void init(Ref self, Ref name);
  static void closeRecordStore(Ref self);
  static Ref getName(Ref self);
  static jint getNumRecords(Ref self);
  static jint getSize(Ref self);
  static jint getSizeAvailable(Ref self);
  static jint getNextRecordID(Ref self);
  static jint addRecord(Ref self, Ref data, jint offset, jint count);
  static void deleteRecord(Ref self, jint recordId);
  static jint getRecordSize(Ref self, jint recordId);
  static Ref getRecord(Ref self, jint recordId);

  // "KRMS" as the big-endian int of its four characters.
  static jint id(Ref fourLetters);
};

}  // namespace de::kawt::impl::kjava
