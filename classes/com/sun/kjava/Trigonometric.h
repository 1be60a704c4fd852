// com/sun/kjava/Trigonometric
#pragma once
#include "java/lang/Object.h"

namespace com::sun::kjava {

// Integer sine and cosine of whole degrees by rational tables: sin(d) is
// numerator[d] / denominator[d] for d in 0..90. One implementation serves every class
// name the tables are known by (this package's, and an application's own copy); each
// name is a class of its own with its own tables.
template <const char* Name>
struct TrigonometricClass {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Object)
  struct Statics {
    Ref numerator;    // int[91]
    Ref denominator;  // int[91]
  };
  JAVA_STATICS

  static void staticInit();
  static void init(Ref self) { java::lang::Object::init(self); }
  static jint scaledSin(jint value, jint degrees);
  static jint sin(jint value, jint angle);
  static jint cos(jint value, jint angle);
};

// The table initialiser's content, shared by every name.
void trigonometric_tables(Ref numerator, Ref denominator);

template <const char* Name>
ClassDecl TrigonometricClass<Name>::klass = {
    .name = Name,
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .classInit = &TrigonometricClass<Name>::staticInit,
    .defaultCtor = &TrigonometricClass<Name>::init,
    .staticWords = JAVA_STATIC_WORDS,
};

template <const char* Name>
void TrigonometricClass<Name>::staticInit() {
  S().numerator = rt_new_array(rt_class_index_by_name("[I"), 4, 91);
  S().denominator = rt_new_array(rt_class_index_by_name("[I"), 4, 91);
  trigonometric_tables(S().numerator, S().denominator);
}

// Multiplies first, then divides, in 32 bits.
template <const char* Name>
jint TrigonometricClass<Name>::scaledSin(jint value, jint degrees) {
  clinit<TrigonometricClass>();
  return rt_idiv(static_cast<jint>(static_cast<uint32_t>(value) *
                                   static_cast<uint32_t>(rt_array_load32(S().numerator, degrees))),
                 rt_array_load32(S().denominator, degrees));
}

// Any int angle: reduced into 0..359 first, then folded onto 0..90.
template <const char* Name>
jint TrigonometricClass<Name>::sin(jint value, jint angle) {
  clinit<TrigonometricClass>();
  if (angle < 0) angle = angle % 360 + 360;  // as adding 360 until it is not negative
  angle %= 360;
  if (angle <= 90) return scaledSin(value, angle);
  if (angle <= 180) return scaledSin(value, 180 - angle);
  if (angle <= 270) return -scaledSin(value, angle - 180);
  return -scaledSin(value, 360 - angle);
}

template <const char* Name>
jint TrigonometricClass<Name>::cos(jint value, jint angle) {
  clinit<TrigonometricClass>();
  return sin(value, static_cast<jint>(static_cast<uint32_t>(angle) + 90u));
}

inline constexpr char kTrigonometricName[] = "com/sun/kjava/Trigonometric";
using Trigonometric = TrigonometricClass<kTrigonometricName>;
extern template struct TrigonometricClass<kTrigonometricName>;

}  // namespace com::sun::kjava
