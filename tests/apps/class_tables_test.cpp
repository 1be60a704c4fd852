// Each program's class table carries the classes its application reaches, plus those found
// by name at run time, and a statics area sized for their static fields.
#include <gtest/gtest.h>

#include <cstring>

#include "apps/glimmer/class_list.h"
#include "apps/orbitale/class_list.h"
#include "apps/spindrift/class_list.h"
#include "apps/tumbler/class_list.h"
#include "com/sun/cldc/io/j2me/events/PrivateInputStream.h"
#include "com/sun/kjava/Button.h"
#include "com/sun/kjava/Spotlet.h"

namespace {

bool carries(const ProgramImage& image, const char* name) {
  for (int32_t i = 0; i < image.classCount; i++)
    if (strcmp(image.classes[i].name, name) == 0) return true;
  return false;
}

// Whether the program's class of that name has a method entry with that code.
template <class F>
bool has_code(const ProgramImage& image, const char* name, F* code) {
  for (int32_t i = 0; i < image.classCount; i++) {
    const ClassRecord& r = image.classes[i];
    for (uint16_t k = 0; strcmp(r.name, name) == 0 && k < r.methodCount; k++)
      if (r.methods[k].code == reinterpret_cast<void*>(code)) return true;
  }
  return false;
}

// Static words are 32-bit words as on i686, where a statics slot is one word; on 64-bit
// targets two ints of a class share a slot, so Orbitale's count is one less there. The documented
// counts are 85/19, 84/18 and 90/19: each program here also carries java/lang/Integer,
// java/lang/Character and the default case converter, which the datagram handler (found by name)
// reaches through parseInt. A class's method list depends on what the program names: Orbitale's
// Spotlet carries unregister (between register and penDown) and its events stream carries close;
// Glimmer's Button carries setText, before paint. The other programs omit them.
struct Program {
  const char* name;
  std::vector<ClassDecl*> (*classes)();
  int32_t classCount, staticWords;
  std::vector<const char*> present, absent;
  bool unregister, setText;
};

TEST(ClassTableTest, EachProgramCarriesWhatItReachesAndTheOperationsItNames) {
  using com::sun::kjava::Button;
  using com::sun::kjava::Spotlet;
  using EventStream = com::sun::cldc::io::j2me::events::PrivateInputStream;
  // Orbitale carries the whole toolkit package (its implementation classes are found by
  // name) and the collections it uses; documented: 177 and 70.
  const Program programs[] = {
      {"Spindrift",
       spindrift::classes,
       86,
       21,
       {"java/lang/Long", "[[I"},
       {"java/util/Random"},
       false,
       false},
      {"Glimmer",
       glimmer::classes,
       85,
       20,
       {"java/util/Random", "[[I"},
       {"java/lang/Long"},
       false,
       true},
      {"Tumbler",
       tumbler::classes,
       90,
       20,
       {"java/util/Random", "[LAnimChar;"},
       {"java/lang/Long"},
       false,
       false},
      {"Orbitale",
       orbitale::classes,
       171,
       sizeof(void*) == 4 ? 75 : 74,
       {"de/kawt/impl/kjava/ToolkitImpl", "de/kawt/impl/kjava/LafImpl",
        "de/kawt/impl/kjava/GraphicsImpl", "de/kawt/impl/kjava/RecordStoreImpl", "java/util/Vector",
        "[[Ljava/lang/String;"},
       {"java/lang/Math", "java/util/Random"},
       true,
       false},
  };
  for (const Program& p : programs) {
    SCOPED_TRACE(p.name);
    const ProgramImage& image = rt_build_program(p.classes());
    EXPECT_EQ(image.classCount, p.classCount);
    EXPECT_EQ(image.staticWords, p.staticWords);
    for (const char* name : p.present) EXPECT_TRUE(carries(image, name)) << name;
    for (const char* name : p.absent) EXPECT_FALSE(carries(image, name)) << name;
    for (const char* name :
         {"com/sun/cldc/io/j2me/socket/Protocol", "com/sun/cldc/i18n/j2me/ISO8859_1_Reader"})
      EXPECT_TRUE(carries(image, name)) << name;  // found by name

    EXPECT_EQ(has_code(image, "com/sun/kjava/Spotlet", &Spotlet::unregister), p.unregister);
    EXPECT_EQ(
        has_code(image, "com/sun/cldc/io/j2me/events/PrivateInputStream", &EventStream::close),
        p.unregister);
    int registered = Spotlet::m_register.vsel;
    EXPECT_EQ(Spotlet::m_unregister.vsel, p.unregister ? registered + 1 : RT_NO_SELECTOR);
    EXPECT_EQ(Spotlet::m_penDown.vsel, registered + (p.unregister ? 2 : 1));
    EXPECT_EQ(has_code(image, "com/sun/kjava/Button", &Button::setText), p.setText);
    EXPECT_TRUE(!p.setText || Button::m_setText.vsel < Button::m_paint.vsel) << "before paint";
  }
}

}  // namespace
