// ElementInfo: the element tables, built once by the class initialiser, and the
// information lines of one element.
#include "ElementInfo.h"

#include "DialogInfo.h"
#include "element_records.h"
#include "java/lang/String.h"

namespace orbitale {

using java::lang::String;

ClassDecl ElementInfo::klass = {
    .name = "ElementInfo",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .classInit = &ElementInfo::staticInit,
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&java::lang::Object::klass, &orbitale::DialogInfo::klass, &java::lang::String::klass},
};

namespace {

struct Place {
  const char* symbol;
  jint number, column, row, category;
};

// In display order: the left half (groups 1a to 8, lanthanides and actinides to Am), then
// the right half.
constexpr Place kPlaces[ElementInfo::COUNT] = {
    {"H", 1, 0, 0, 6},       {"Li", 3, 0, 1, 1},      {"Be", 4, 1, 1, 2},
    {"Na", 11, 0, 2, 1},     {"Mg", 12, 1, 2, 2},     {"K", 19, 0, 3, 1},
    {"Ca", 20, 1, 3, 2},     {"Sc", 21, 2, 3, 3},     {"Ti", 22, 3, 3, 3},
    {"V", 23, 4, 3, 3},      {"Cr", 24, 5, 3, 3},     {"Mn", 25, 6, 3, 3},
    {"Fe", 26, 7, 3, 3},     {"Co", 27, 8, 3, 3},     {"Rb", 37, 0, 4, 1},
    {"Sr", 38, 1, 4, 2},     {"Y", 39, 2, 4, 3},      {"Zr", 40, 3, 4, 3},
    {"Nb", 41, 4, 4, 3},     {"Mo", 42, 5, 4, 3},     {"Tc", 43, 6, 4, 3},
    {"Ru", 44, 7, 4, 3},     {"Rh", 45, 8, 4, 3},     {"Cs", 55, 0, 5, 1},
    {"Ba", 56, 1, 5, 2},     {"Lu", 71, 2, 5, 9},     {"Hf", 72, 3, 5, 3},
    {"Ta", 73, 4, 5, 3},     {"W", 74, 5, 5, 3},      {"Re", 75, 6, 5, 3},
    {"Os", 76, 7, 5, 3},     {"Ir", 77, 8, 5, 3},     {"Fr", 87, 0, 6, 1},
    {"Ra", 88, 1, 6, 2},     {"Lr", 103, 2, 6, 10},   {"Rf", 104, 3, 6, 3},
    {"Db", 105, 4, 6, 3},    {"Sg", 106, 5, 6, 3},    {"Bh", 107, 6, 6, 3},
    {"Hs", 108, 7, 6, 3},    {"Mt", 109, 8, 6, 3},    {"La", 57, 2, 7, 9},
    {"Ce", 58, 3, 7, 9},     {"Pr", 59, 4, 7, 9},     {"Nd", 60, 5, 7, 9},
    {"Pm", 61, 6, 7, 9},     {"Sm", 62, 7, 7, 9},     {"Eu", 63, 8, 7, 9},
    {"Ac", 89, 2, 8, 10},    {"Th", 90, 3, 8, 10},    {"Pa", 91, 4, 8, 10},
    {"U", 92, 5, 8, 10},     {"Np", 93, 6, 8, 10},    {"Pu", 94, 7, 8, 10},
    {"Am", 95, 8, 8, 10},    {"He", 2, 17, 0, 8},     {"B", 5, 12, 1, 4},
    {"C", 6, 13, 1, 6},      {"N", 7, 14, 1, 6},      {"O", 8, 15, 1, 6},
    {"F", 9, 16, 1, 7},      {"Ne", 10, 17, 1, 8},    {"Al", 13, 12, 2, 5},
    {"Si", 14, 13, 2, 4},    {"P", 15, 14, 2, 6},     {"S", 16, 15, 2, 6},
    {"Cl", 17, 16, 2, 7},    {"Ar", 18, 17, 2, 8},    {"Ni", 28, 9, 3, 3},
    {"Cu", 29, 10, 3, 3},    {"Zn", 30, 11, 3, 3},    {"Ga", 31, 12, 3, 5},
    {"Ge", 32, 13, 3, 4},    {"As", 33, 14, 3, 4},    {"Se", 34, 15, 3, 6},
    {"Br", 35, 16, 3, 7},    {"Kr", 36, 17, 3, 8},    {"Pd", 46, 9, 4, 3},
    {"Ag", 47, 10, 4, 3},    {"Cd", 48, 11, 4, 3},    {"In", 49, 12, 4, 5},
    {"Sn", 50, 13, 4, 5},    {"Sb", 51, 14, 4, 4},    {"Te", 52, 15, 4, 4},
    {"I", 53, 16, 4, 7},     {"Xe", 54, 17, 4, 8},    {"Pt", 78, 9, 5, 3},
    {"Au", 79, 10, 5, 3},    {"Hg", 80, 11, 5, 3},    {"Tl", 81, 12, 5, 5},
    {"Pb", 82, 13, 5, 5},    {"Bi", 83, 14, 5, 5},    {"Po", 84, 15, 5, 4},
    {"At", 85, 16, 5, 7},    {"Rn", 86, 17, 5, 8},    {"Uun", 110, 9, 6, 3},
    {"Uuu", 111, 10, 6, 3},  {"Uub", 112, 11, 6, 3},  {"Uuq", 114, 13, 6, 11},
    {"Uuh", 116, 15, 6, 11}, {"Uuo", 118, 17, 6, 11}, {"Gd", 64, 9, 7, 9},
    {"Tb", 65, 10, 7, 9},    {"Dy", 66, 11, 7, 9},    {"Ho", 67, 12, 7, 9},
    {"Er", 68, 13, 7, 9},    {"Tm", 69, 14, 7, 9},    {"Yb", 70, 15, 7, 9},
    {"Cm", 96, 9, 8, 10},    {"Bk", 97, 10, 8, 10},   {"Cf", 98, 11, 8, 10},
    {"Es", 99, 12, 8, 10},   {"Fm", 100, 13, 8, 10},  {"Md", 101, 14, 8, 10},
    {"No", 102, 15, 8, 10},
};

Ref field(Ref fields, jint i) { return rt_array_load_ref(fields, i); }

constexpr jint kDensity = 4, kCrystal = 9;

// One information line: its label, the record field it shows and the unit after the field.
// Latin-1 in octal escapes, which end by themselves: \260 the degree sign, \267 the middle
// dot, \305 the angstrom sign.
struct Line {
  const char* label;
  jint field;
  const char* unit;
};

constexpr const char* kDegreesC = "\260C";
constexpr Line kLines[DialogInfo::LINES] = {
    {"Atomic Mass = ", 1, ""},
    {"Melting Point = ", 2, kDegreesC},
    {"Boiling Point = ", 3, kDegreesC},
    {"Density = ", kDensity, ""},  // a temperature after "@" takes the unit
    {"Electronegativity = ", 5, ""},
    {"Oxidation State = ", 6, ""},
    {"Ionization Potential = ", 7, " V"},
    {"Atomic Radius = ", 8, " \305"},
    {"Crystal = ", kCrystal, ""},  // the code's name
    {"Specific Heat Capacity = ", 10, " J/(g\267K) @ 1 atm, 25\260C"},
    {"Thermal Conductivity = ", 11, " W/(cm\267K) @ 1 atm, 25\260C"},
    {"Enthalpy of Atomization = ", 12, " kJ/mole @ 25\260C"},
    {"Enthalpy of Vaporization = ", 13, " kJ/mole @ boiling point"},
    {"Enthalpy of Fusion = ", 14, " kJ/mole @ melting point"},
    {"Electron Configuration = ", 15, ""},
};

// The name of a crystal structure code.
Ref crystal(Ref code) {
  static constexpr const char* kNames[][2] = {
      {"F", "face centered cubic"}, {"B", "body centered cubic"},
      {"H", "hexagonal"},           {"R", "rhombohedral"},
      {"M", "monoclinic"},          {"T", "tetragonal"},
      {"O", "orthorhombic"},        {"C", "cubic"},
  };
  for (const auto& [c, name] : kNames)
    if (String::equals(code, lit(c))) return lit(name);
  return lit("?");
}

}  // namespace

void ElementInfo::staticInit() {
  Ref volatile symbols = rt_new_ref_array(rt_class_index_by_name("[[Ljava/lang/String;"),
                                          rt_class_index_by_name("[Ljava/lang/String;"), COUNT);
  S().symbols = symbols;
  S().records =
      rt_new_ref_array(rt_class_index_by_name("[Ljava/lang/String;"), String::klass.index, COUNT);
  S().layout = rt_new_ref_array(rt_class_index_by_name("[[I"), rt_class_index_by_name("[I"), COUNT);
  for (jint i = 0; i < COUNT; i++) {
    const Place& p = kPlaces[i];
    Ref volatile pair =
        rt_new_ref_array(rt_class_index_by_name("[Ljava/lang/String;"), String::klass.index, 2);
    rt_array_store_ref(S().symbols, i, pair);
    rt_array_store_ref(pair, 0, lit(p.symbol));
    rt_array_store_ref(pair, 1, String::valueOf(p.number));
    rt_array_store_ref(S().records, i, lit(element_record(p.number)));
    Ref volatile place = rt_new_array(rt_class_index_by_name("[I"), 4, 3);
    rt_array_store_ref(S().layout, i, place);
    rt_array_store32(place, COLUMN, p.column);
    rt_array_store32(place, ROW, p.row);
    rt_array_store32(place, CATEGORY, p.category);
  }
}

Ref ElementInfo::getSymbol(jint i) { return rt_array_load_ref(S().symbols, i); }

Ref ElementInfo::getLayout(jint i) { return rt_array_load_ref(S().layout, i); }

// The record split at every '|' into 16 fields (the last runs to the end), each shown as a
// label, the field and its unit.
Ref ElementInfo::getInfo(jint i) {
  Ref volatile record = rt_array_load_ref(S().records, i);
  Ref volatile fields =
      rt_new_ref_array(rt_class_index_by_name("[Ljava/lang/String;"), String::klass.index, 16);
  jint start = 0;
  for (jint k = 0; k < 15; k++) {
    jint bar = String::indexOf(record, '|', start);
    rt_array_store_ref(fields, k, String::substring(record, start, bar));
    start = bar + 1;
  }
  rt_array_store_ref(fields, 15, String::substring(record, start));

  Ref volatile info = jnew<DialogInfo>();
  DialogInfo::f(info).title = field(fields, 0);
  for (jint k = 0; k < DialogInfo::LINES; k++) {
    const Line& line = kLines[k];
    Ref volatile value = field(fields, line.field);
    const char* unit = line.unit;
    if (line.field == kCrystal) value = crystal(value);
    if (line.field == kDensity && String::indexOf(value, '@') > 0) unit = kDegreesC;
    rt_array_store_ref(DialogInfo::f(info).lines, k, jconcat({lit(line.label), value, lit(unit)}));
  }
  return info;
}

}  // namespace orbitale
