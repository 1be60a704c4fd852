// java/util/Vector
#pragma once
#include "java/lang/Object.h"

namespace java::util {

struct Vector {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref elementData;  // Object[]; its length is the capacity
    jint elementCount;
    jint capacityIncrement;  // 0 or less: doubling
  };
  JAVA_FIELDS(java::lang::Object)

  // Slot order: toString, then these.
  static inline Method<jint(Ref)> m_size{"size()", &klass};
  static inline Method<Ref(Ref)> m_elements{"elements()", &klass};
  static inline Method<jint(Ref, Ref)> m_indexOf{"indexOf(Ljava/lang/Object;)", &klass};
  static inline Method<jint(Ref, Ref, jint)> m_indexOfFrom{"indexOf(Ljava/lang/Object;I)", &klass};
  static inline Method<Ref(Ref, jint)> m_elementAt{"elementAt(I)", &klass};
  static inline Method<void(Ref, jint)> m_removeElementAt{"removeElementAt(I)", &klass};
  static inline Method<void(Ref, Ref, jint)> m_insertElementAt{"insertElementAt(Ljava/lang/Object;I)", &klass};
  static inline Method<void(Ref, Ref)> m_addElement{"addElement(Ljava/lang/Object;)", &klass};
  static inline Method<jbool(Ref, Ref)> m_removeElement{"removeElement(Ljava/lang/Object;)", &klass};
  static inline Method<void(Ref)> m_removeAllElements{"removeAllElements()", &klass};

  static void init(Ref self, jint initialCapacity, jint capacityIncrement);
  static void init(Ref self, jint initialCapacity);
  static void init(Ref self);
  static jint capacity(Ref self);
  static jint size(Ref self);
  static jbool isEmpty(Ref self);
  static Ref elements(Ref self);
  static jbool contains(Ref self, Ref elem);
  static jint indexOf(Ref self, Ref elem);
  static jint indexOf(Ref self, Ref elem, jint index);
  static Ref elementAt(Ref self, jint index);
  static Ref firstElement(Ref self);
  static Ref lastElement(Ref self);
  static void setElementAt(Ref self, Ref obj, jint index);
  static void removeElementAt(Ref self, jint index);
  static void insertElementAt(Ref self, Ref obj, jint index);
  static void addElement(Ref self, Ref obj);
  static jbool removeElement(Ref self, Ref obj);
  static void removeAllElements(Ref self);
  static Ref toString(Ref self);
};

}  // namespace java::util
