// java/util/Random
#include "java/util/Random.h"

#include "java/lang/System.h"

namespace java::util {

ClassDecl Random::klass = {
    .name = "java/util/Random",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = static_cast<void (*)(Ref)>(&Random::init),
    .methods = {impl(m_setSeed, &Random::setSeed), impl(m_next, &Random::next),
                impl(m_nextInt, &Random::nextInt), impl(m_nextLong, &Random::nextLong)},
    .uses = {&java::lang::System::klass},
};

// The published 48-bit linear congruential generator.
constexpr uint64_t kMultiplier = 0x5DEECE66DULL;
constexpr uint64_t kAddend = 0xBULL;
constexpr uint64_t kMask = (1ULL << 48) - 1;

void Random::init(Ref self) { init(self, java::lang::System::currentTimeMillis()); }

void Random::init(Ref self, jlong seed) {
  java::lang::Object::init(self);
  vcall(m_setSeed, self, seed);
}

void Random::setSeed(Ref self, jlong seed) {
  f(self).seed = static_cast<jlong>((static_cast<uint64_t>(seed) ^ kMultiplier) & kMask);
}

jint Random::next(Ref self, jint bits) {
  uint64_t s = (static_cast<uint64_t>(f(self).seed) * kMultiplier + kAddend) & kMask;
  f(self).seed = static_cast<jlong>(s);
  return static_cast<jint>(static_cast<uint32_t>(s >> (48 - bits)));
}

jint Random::nextInt(Ref self) { return vcall(m_next, self, 32); }

jlong Random::nextLong(Ref self) {
  uint64_t hi = static_cast<uint32_t>(vcall(m_next, self, 32));
  jint lo = vcall(m_next, self, 32);
  return static_cast<jlong>((hi << 32) + static_cast<uint64_t>(static_cast<int64_t>(lo)));
}

}  // namespace java::util
