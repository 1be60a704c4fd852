// VorelObject: Glimmer's word logo, its rotation and its projection.
#include "VorelObject.h"

#include "apps/shared/WireFrame.h"
#include "com/sun/kjava/Trigonometric.h"

namespace glimmer {

using Model = apps::WireFrame<VorelObject, com::sun::kjava::Trigonometric>;

ClassDecl VorelObject::klass = {
    .name = "VorelObject",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(rx), JAVA_REF(ry), JAVA_REF(rz), JAVA_REF(sx), JAVA_REF(sy)},
    .classInit = &VorelObject::staticInit,
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&com::sun::kjava::Trigonometric::klass},
};

// The word "GEM" in bold outline letters side by side in the plane z = 0, then the axis.
// G (0..54) starts on its terminal's cut and ends on its own second vertex; E (55..88)
// and M (89..121) are closed.
static const jint kModel[VorelObject::kVertices][3] = {
    // G
    {-1501, 807, 0},
    {-1349, 959, 0},
    {-1488, 1086, 0},
    {-1649, 1178, 0},
    {-1822, 1229, 0},
    {-2001, 1238, 0},
    {-2178, 1205, 0},
    {-2345, 1130, 0},
    {-2494, 1017, 0},
    {-2619, 872, 0},
    {-2714, 700, 0},
    {-2775, 510, 0},
    {-2800, 309, 0},
    {-2786, 107, 0},
    {-2735, -87, 0},
    {-2650, -265, 0},
    {-2533, -419, 0},
    {-2390, -542, 0},
    {-2227, -627, 0},
    {-2052, -673, 0},
    {-1873, -676, 0},
    {-1697, -637, 0},
    {-1532, -556, 0},
    {-1386, -439, 0},
    {-1265, -289, 0},
    {-1175, -114, 0},
    {-1119, 79, 0},
    {-1100, 280, 0},
    {-1100, 380, 0},
    {-1750, 380, 0},
    {-1750, 110, 0},
    {-1530, 110, 0},
    {-1561, 81, 0},
    {-1610, -31, 0},
    {-1679, -125, 0},
    {-1765, -196, 0},
    {-1861, -238, 0},
    {-1963, -250, 0},
    {-2064, -230, 0},
    {-2158, -181, 0},
    {-2240, -104, 0},
    {-2305, -4, 0},
    {-2348, 112, 0},
    {-2369, 238, 0},
    {-2364, 367, 0},
    {-2336, 490, 0},
    {-2284, 601, 0},
    {-2213, 694, 0},
    {-2126, 761, 0},
    {-2029, 801, 0},
    {-1927, 809, 0},
    {-1827, 787, 0},
    {-1733, 734, 0},
    {-1653, 655, 0},
    {-1349, 959, 0},
    // E
    {-850, -680, 0},
    {-510, -680, 0},
    {-170, -680, 0},
    {170, -680, 0},
    {510, -680, 0},
    {850, -680, 0},
    {850, -260, 0},
    {530, -260, 0},
    {210, -260, 0},
    {-110, -260, 0},
    {-430, -260, 0},
    {-430, 100, 0},
    {-70, 100, 0},
    {290, 100, 0},
    {650, 100, 0},
    {650, 460, 0},
    {290, 460, 0},
    {-70, 460, 0},
    {-430, 460, 0},
    {-430, 820, 0},
    {-110, 820, 0},
    {210, 820, 0},
    {530, 820, 0},
    {850, 820, 0},
    {850, 1240, 0},
    {425, 1240, 0},
    {0, 1240, 0},
    {-425, 1240, 0},
    {-850, 1240, 0},
    {-850, 856, 0},
    {-850, 472, 0},
    {-850, 88, 0},
    {-850, -296, 0},
    {-850, -680, 0},
    // M
    {1100, -680, 0},
    {1520, -680, 0},
    {1520, -294, 0},
    {1520, 91, 0},
    {1520, 477, 0},
    {1663, 225, 0},
    {1807, -28, 0},
    {1950, -280, 0},
    {2093, -28, 0},
    {2237, 225, 0},
    {2380, 477, 0},
    {2380, 91, 0},
    {2380, -294, 0},
    {2380, -680, 0},
    {2800, -680, 0},
    {2800, -296, 0},
    {2800, 88, 0},
    {2800, 472, 0},
    {2800, 856, 0},
    {2800, 1240, 0},
    {2400, 1240, 0},
    {2250, 977, 0},
    {2100, 713, 0},
    {1950, 450, 0},
    {1800, 713, 0},
    {1650, 977, 0},
    {1500, 1240, 0},
    {1100, 1240, 0},
    {1100, 856, 0},
    {1100, 472, 0},
    {1100, 88, 0},
    {1100, -296, 0},
    {1100, -680, 0},
    // the axis
    {0, 0, 0},
    {0, 0, 2000},
};

void VorelObject::staticInit() {
  S().model = Model::newModel();
  for (jint i = 0; i < kVertices; i++)
    Model::setVertex(S().model, i, kModel[i][0], kModel[i][1], kModel[i][2]);
}

void VorelObject::init(Ref self, jint x, jint y, jint z) {
  java::lang::Object::init(self);
  Model::init(self, x, y, z);
}

jint VorelObject::worldX(Ref self, jint i) { return Model::worldX(self, i); }
jint VorelObject::worldY(Ref self, jint i) { return Model::worldY(self, i); }
jint VorelObject::worldZ(Ref self, jint i) { return Model::worldZ(self, i); }

void VorelObject::setPosition(Ref self, jint x, jint y, jint z) {
  Model::setPosition(self, x, y, z);
}

void VorelObject::translate(Ref self, jint dx, jint dy, jint dz) {
  Model::translate(self, dx, dy, dz, kNearest);
}

jint VorelObject::getZ(Ref self) { return f(self).z; }

void VorelObject::rotate(Ref self, jint a, jint b, jint c) { Model::rotate(self, a, b, c); }

void VorelObject::project(Ref self, jint ox, jint oy, jint oz) { Model::project(self, ox, oy, oz); }

void VorelObject::draw(Ref self, Ref) { Model::draw(self); }

}  // namespace glimmer
