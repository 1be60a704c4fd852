#!/usr/bin/python3
"""Writes Orbitale's element records (apps/orbitale/ElementRecords.cpp) from public data sets.

Usage: generate.py SOURCES > ElementRecords.cpp   (tools/elements/generate.sh does it all)
SOURCES holds the unpacked npm packages (periodic-table/, node-periodic-table/,
exabyte-io-periodic-table.js/) and the unpacked Debian packages (deb/).

The data sets:
- "course": npm "periodic-table" 0.0.8 (a course's element table);
- "encyclopedia": npm "node-periodic-table" 0.0.6 (element data gathered from encyclopedia
  articles);
- "handbook": npm "@exabyte-io/periodic-table.js" 2.0.5 (handbook values per element; its
  hydrogen radius, conductivity and crystal are those of the program's own hydrogen record);
- "crystals": Debian's python3-periodictable (crystal structures after a solid-state
  textbook);
- "materials": Debian's python3-pymatgen (its element table, periodic_table.json).

Each field from the first of its sources that has it, converted to the record's unit:
  name                     encyclopedia
  atomic mass              course (uncertainty dropped; "[N]", a mass number for elements
                           without a stable isotope, becomes "(N)")
  melting, boiling point   encyclopedia, handbook (K to C)
  density                  encyclopedia (gases in g/L at 0 C and 1 atm), handbook (solids)
  electronegativity        encyclopedia, handbook (Pauling)
  oxidation states         course, handbook
  first ionization         encyclopedia, handbook (kJ/mol to V)
  atomic radius            handbook, course, materials' metallic radius (pm or angstrom)
  crystal structure        handbook, crystals
  specific heat            encyclopedia (molar heat over mass), handbook
  thermal conductivity     handbook, materials (W/(m K) to W/(cm K))
  enthalpy of vaporization handbook (per mole of molecules for the diatomic elements, halved
  and of fusion            to a mole of atoms as in the hydrogen record)
  electron configuration   encyclopedia
No source has the enthalpy of atomization or the character of the oxide: those are "?",
except where they do not apply (below). Values a source marks as estimates, in brackets or
with "~", are taken as given. Two kinds of handbook value are not taken: its radii past
americium (282 to 299 pm, nearly twice americium's 173, so not radii of the same kind), and
a pair of enthalpies whose fusion value exceeds the vaporization value (potassium's are
inverted; which one is right the data cannot tell).

Not applicable ("---"): the electronegativity and oxidation states of helium, neon and argon,
which form no compounds, and the oxide of a noble gas that forms none (krypton forms a
fluoride only). Xenon and radon do form oxides; their character stays "?". The enthalpy of
atomization of a noble gas is 0: the element is already a gas of single atoms.

Carbon is given in one form, diamond: the crystals set's structure (cubic) and the density
that its lattice constant gives (eight atoms a cell), not a graphite or amorphous density.
The data sets' specific heat (0.709 J/(g K), graphite's) and thermal conductivity (1.59
W/(m K), a thousandth of diamond's) are of other forms, so those two are "?".

For the elements past 103 the data sets hold predictions, not measurements (the
configurations are marked so), so only the mass and an unmarked configuration are taken.
The three records the program's documentation quotes are kept exactly.
"""
import json
import re
import runpy
import sys
from decimal import ROUND_HALF_UP, Decimal

NUMBERS = list(range(1, 113)) + [114, 116, 118]  # the 115 elements the program shows
UNKNOWN = "?"
NOT_APPLICABLE = "---"
MIDDLE_DOTS = "\xb7\xb7"
FARADAY = Decimal("96.485")  # kJ/mol per eV
AVOGADRO = Decimal("6.02214076e23")
CORES = {"He": 2, "Ne": 10, "Ar": 18, "Kr": 36, "Xe": 54, "Rn": 86}
NO_COMPOUNDS = {2, 10, 18}  # helium, neon, argon
NOBLE_GASES = {2, 10, 18, 36, 54, 86}
NO_OXIDE = {2, 10, 18, 36}
CARBON = 6
AMERICIUM = 95

# The records the program's documentation quotes, exactly.
QUOTED = {
    1: "Hydrogen|1.00794|-259.34|-252.87|0.0899 g/L @ 1 atm, 0|2.2|-1,1  amphoteric|13.598|0.79|H"
       "|14.304|0.002|217.6|0.449|0.059|1s1",
    114: "Ununquadium|(289)|?|?|?|?|?|?|?|?|?|?|?|?|?|?",
}
# Oxygen: these fields are quoted; the rest comes from the data.
QUOTED_OXYGEN = {0: "Oxygen", 4: "1.429 g/L @ 1 atm, 0", 11: "< 0.001",
                 15: "1s2" + MIDDLE_DOTS + "2s2" + MIDDLE_DOTS + "2p4"}
# Not yet named when the program was written: systematic names.
SYSTEMATIC = {110: "Ununnilium", 111: "Unununium", 112: "Ununbium", 114: "Ununquadium",
              116: "Ununhexium", 118: "Ununoctium"}
HANDBOOK_CRYSTALS = {"FCC": "F", "BCC": "B", "HEX": "H", "RHL": "R", "MCL": "M", "TET": "T",
                     "ORC": "O", "CUB": "C", "SC": "C", "DIA": "C"}
CRYSTALS = {"fcc": "F", "BCC": "B", "hcp": "H", "Rhombohedral": "R", "Monoclinic": "M",
            "Tetragonal": "T", "Orthorhombic": "O", "Cubic": "C", "SC": "C", "Diamond": "C"}


# ---- numbers

def dec(value):
    """A number of the data sets as a Decimal, or None when it is missing. The handbook
    writes estimates as "(13.4)" or "~340", and per-molecule values as "0.117 (H-H)"."""
    if value is None or isinstance(value, bool):
        return None
    if isinstance(value, (int, float)):
        return Decimal(str(value))
    m = re.fullmatch(r"\s*[~(]?\s*(-?[0-9]+(?:\.[0-9]+)?)\)?(?:\s*\(\w+-\w+\))?\s*", value)
    return Decimal(m.group(1)) if m else None


def text(d):
    """A Decimal without exponent or trailing zeros."""
    s = format(d, "f")
    if "." in s:
        s = s.rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


def rounded(d, places):
    return text(d.quantize(Decimal(1).scaleb(-places), rounding=ROUND_HALF_UP))


def significant(d, digits):
    return rounded(d, max(0, digits - 1 - d.adjusted()))


def places_of(d):
    return max(0, -d.as_tuple().exponent)


def first(*values):
    """The first value that is not None."""
    return next((v for v in values if v is not None), None)


def per_molecule(value):
    return isinstance(value, str) and re.search(r"\(\w+-\w+\)", value) is not None


# ---- fields

def mass(raw):
    if isinstance(raw, list):  # the package's JSON reads "[98]" as a list
        raw = "[%d]" % raw[0]
    raw = str(raw).strip()
    m = re.fullmatch(r"\[(\d+)\]", raw)
    if m:
        return "(" + m.group(1) + ")"
    m = re.fullmatch(r"([0-9.]+)(\(\d+\))?", raw)
    if not m:
        sys.exit("unreadable mass " + raw)
    return m.group(1)


def celsius(kelvin):
    """Kelvin to Celsius, kept to the decimals the source gives."""
    if kelvin is None:
        return UNKNOWN
    return rounded(kelvin - Decimal("273.15"), places_of(kelvin))


def configuration(semantic, number):
    if not semantic or semantic.startswith("*"):
        return UNKNOWN
    m = re.fullmatch(r"(?:\[(\w+)\])?\s*((?:\s*\d[spdf](?:1[0-4]|\d))+)\s*", semantic)
    if not m:
        sys.exit("unreadable configuration " + semantic)
    core, shells = m.group(1), re.findall(r"\d[spdf](?:1[0-4]|\d)", m.group(2))
    if core == "He" and number <= 10:  # the second period spells the core out
        core, shells = None, ["1s2"] + shells
    electrons = (CORES[core] if core else 0) + sum(int(s[2:]) for s in shells)
    if electrons != number:
        sys.exit("configuration of %d holds %d electrons" % (number, electrons))
    return ("[" + core + "]" if core else "") + MIDDLE_DOTS.join(shells)


def density(number, e, h, crystals, atomic_mass):
    if number == CARBON:  # diamond: eight atoms in a cube of the lattice constant
        lattice = crystals[number]
        if lattice["symmetry"] != "Diamond":
            sys.exit("carbon's crystal is no longer diamond")
        cell = (Decimal(str(lattice["a"])) * Decimal("1e-8")) ** 3  # cm3
        return significant(8 * atomic_mass / AVOGADRO / cell, 3) + " g/cm\xb3"
    d = dec(e.get("density"))
    if d is not None:
        if e.get("phase") == "Gas":
            return text(d) + " g/L @ 1 atm, 0"
        return text(d) + " g/cm\xb3"
    d = h.get("density_g_per_cm3")
    if isinstance(d, (int, float)):  # a plain number is the solid at room temperature
        return text(Decimal(str(d))) + " g/cm\xb3"
    return UNKNOWN


def oxidation(number, course_states, handbook_states):
    if number in NO_COMPOUNDS:
        return NOT_APPLICABLE
    states = str(course_states if course_states is not None else "").replace(" ", "")
    if not states and dec(str(handbook_states).split(",")[0]) is not None:
        states = ",".join(str(s) for s in sorted(int(s) for s in str(handbook_states).split(",")))
    if not states:
        states = UNKNOWN
    return states + "  " + (NOT_APPLICABLE if number in NO_OXIDE else UNKNOWN)


def crystal(h, lattice):
    code = HANDBOOK_CRYSTALS.get(h.get("lattice_structure"))
    if code is None and lattice:
        code = CRYSTALS.get(lattice["symmetry"])
    return code or UNKNOWN


def conductivity(watts_per_metre):
    """W/(m K) to W/(cm K): three decimals at most, and a bound below that."""
    if watts_per_metre is None:
        return UNKNOWN
    d = watts_per_metre / 100
    if d < Decimal("0.0005"):
        return "< 0.001"
    return rounded(d, 3) if places_of(d) > 3 else text(d)


def enthalpy(raw):
    """kJ per mole of atoms; a diatomic molecule's value halved, to the source's decimals."""
    d = dec(raw)
    if d is None:
        return UNKNOWN
    return rounded(d / 2, places_of(d)) if per_molecule(raw) else text(d)


def enthalpies(h):
    """Vaporization and fusion, or neither when the pair is inverted."""
    vaporization, fusion = dec(h["evaporation_heat_kJ_mol"]), dec(h["fusion_heat_kJ_mol"])
    if vaporization is not None and fusion is not None and fusion >= vaporization:
        return UNKNOWN, UNKNOWN
    return enthalpy(h["evaporation_heat_kJ_mol"]), enthalpy(h["fusion_heat_kJ_mol"])


def materials_number(raw):
    """A number of the materials table, which writes units and "no data" into its text."""
    m = re.match(r"\s*(-?[0-9]+(?:\.[0-9]+)?)\s", str(raw or "") + " ")
    return Decimal(m.group(1)) if m else None


def record(number, src):
    if number in QUOTED:
        return QUOTED[number]
    c, e = src["course"][number], src["encyclopedia"][number]
    if number in SYSTEMATIC:
        return "|".join([SYSTEMATIC[number], mass(c["atomicMass"])] + [UNKNOWN] * 14)
    fields = [UNKNOWN] * 16
    fields[0] = e["name"]
    fields[1] = mass(c["atomicMass"])
    fields[15] = configuration(e.get("electron_configuration_semantic"), number)
    if number <= 103:
        h, m = src["handbook"][number], src["materials"][number]
        lattice = src["crystals"][number]
        fields[2] = celsius(first(dec(e.get("melt")), dec(h["melting_point_K"])))
        fields[3] = celsius(first(dec(e.get("boil")), dec(h["boiling_point_K"])))
        fields[4] = density(number, e, h, src["crystals"], Decimal(fields[1].strip("()")))
        en = first(dec(e.get("electronegativity_pauling")), dec(h["pauling_negativity"]))
        fields[5] = (NOT_APPLICABLE if number in NO_COMPOUNDS
                     else text(en) if en is not None else UNKNOWN)
        fields[6] = oxidation(number, c.get("oxidationStates"), h["oxidation_states"])
        ion = first(dec((e.get("ionization_energies") or [None])[0]),
                    dec(h["first_ionizing_kJ_mol"]))
        fields[7] = rounded(ion / FARADAY, 3) if ion is not None else UNKNOWN
        handbook_radius = dec(h["atomic_radius_pm"]) if number <= AMERICIUM else None
        radius = first(handbook_radius or None, dec(c.get("atomicRadius")))  # helium's is 0
        if radius is not None:
            fields[8] = text(radius / 100)
        elif materials_number(m.get("Metallic radius")) is not None:
            fields[8] = text(materials_number(m.get("Metallic radius")))
        fields[9] = crystal(h, lattice)
        heat, atomic_mass = dec(e.get("molar_heat")), dec(e.get("atomic_mass"))
        if heat is not None:
            fields[10] = rounded(heat / atomic_mass, 3)
        elif dec(h["specific_heat_J_g_mol"]) is not None:
            fields[10] = text(dec(h["specific_heat_J_g_mol"]))
        fields[11] = conductivity(first(dec(h["thermal_conductivity_25C_W_m_K"]),
                                        materials_number(m.get("Thermal conductivity"))))
        fields[12] = "0" if number in NOBLE_GASES else UNKNOWN
        fields[13], fields[14] = enthalpies(h)
    if number == CARBON:
        fields[10] = fields[11] = UNKNOWN  # the data sets' values are not diamond's
    if number == 8:
        for i, v in QUOTED_OXYGEN.items():
            fields[i] = v
    for f in fields:
        if "|" in f or not f:
            sys.exit("bad field %r of %d" % (f, number))
    return "|".join(fields)


# ---- output

def cpp_literal(s):
    """A C++ string literal of Latin-1 text; a hex escape is closed off so that a following
    digit does not extend it."""
    out, escaped = [], False
    for ch in s:
        code = ord(ch)
        if code > 0x7E:
            out.append("\\x%02X" % code)
            escaped = True
            continue
        if escaped and ch in "0123456789abcdefABCDEF":
            out.append('" "')
        escaped = False
        out.append("\\" + ch if ch in '"\\' else ch)
    return '"' + "".join(out) + '"'


def load(root):
    def read(path):
        with open(root + "/" + path, encoding="utf-8") as f:
            return json.load(f)

    encyclopedia = read("node-periodic-table/elements.json")
    if isinstance(encyclopedia, dict):
        encyclopedia = encyclopedia["elements"]
    dist = "deb/usr/lib/python3/dist-packages/"
    materials = read(dist + "pymatgen/core/periodic_table.json")
    # The crystal table is plain data: read without importing the package and its needs.
    crystals = runpy.run_path(root + "/" + dist + "periodictable/crystal_structure.py")
    return {
        "course": {int(e["atomicNumber"]): e for e in read("periodic-table/data.json")},
        "encyclopedia": {int(e["number"]): e for e in encyclopedia},
        "handbook": {e["atomic_number"]: e
                     for e in read("exabyte-io-periodic-table.js/periodic-table.json").values()},
        "crystals": dict(enumerate(crystals["crystal_structures"])),
        "materials": {e["Atomic no"]: e for e in materials.values()},
    }


def main():
    src = load(sys.argv[1])
    print("// Generated by tools/elements/generate.sh from public element data sets; do not edit.")
    print("// The element records in atomic-number order (1 to 112, 114, 116, 118), 16 fields")
    print("// each separated by '|', in Latin-1.")
    print('#include "element_records.h"')
    print()
    print("namespace orbitale {")
    print()
    print("const char* const kElementRecords[kElementCount] = {")
    for n in NUMBERS:
        print("    " + cpp_literal(record(n, src)) + ",")
    print("};")
    print()
    print("}  // namespace orbitale")


main()
