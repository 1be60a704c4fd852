#!/usr/bin/python3
"""Writes Orbitale's element records (apps/orbitale/ElementRecords.cpp) from public data sets.

Usage: generate.py NODE_MODULES > ElementRecords.cpp   (tools/elements/generate.sh does it all)

Sources, one per field, nothing filled in by hand except the three quoted records:
- npm "periodic-table" 0.0.8 (a course's element table): atomic mass (with its uncertainty
  dropped; a mass number in brackets, for elements without a stable isotope, becomes
  "(N)"), oxidation states, atomic radius (pm).
- npm "node-periodic-table" 0.0.6 (element data gathered from encyclopedia articles): name,
  melting and boiling point (K), density (gases in g/L at 0 C and 1 atm), Pauling
  electronegativity, first ionization energy (kJ/mol), molar heat capacity (J/(mol K)),
  electron configuration.
- Debian's python3-periodictable: crystal structure.
No source has the character of the oxide, the thermal conductivity or the three enthalpies;
those are "?". For the elements past 103 the data sets hold predictions, not measurements
(the configurations are marked so), so only the mass and an unmarked configuration are
taken.
"""
import json
import re
import sys
from decimal import ROUND_HALF_UP, Decimal

import periodictable

NUMBERS = list(range(1, 113)) + [114, 116, 118]  # the 115 elements the program shows
UNKNOWN = "?"
MIDDLE_DOTS = "\xb7\xb7"
FARADAY = Decimal("96.485")  # kJ/mol per eV
CORES = {"He": 2, "Ne": 10, "Ar": 18, "Kr": 36, "Xe": 54, "Rn": 86}

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
CRYSTALS = {"fcc": "F", "BCC": "B", "hcp": "H", "Rhombohedral": "R", "Monoclinic": "M",
            "Tetragonal": "T", "Orthorhombic": "O", "Cubic": "C", "SC": "C", "Diamond": "C"}


def dec(value):
    """A number of the data sets as a Decimal, or None when it is missing."""
    if value is None or value == "":
        return None
    return Decimal(str(value))


def text(d):
    """A Decimal without exponent or trailing zeros."""
    s = format(d, "f")
    if "." in s:
        s = s.rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


def rounded(d, places):
    return text(d.quantize(Decimal(1).scaleb(-places), rounding=ROUND_HALF_UP))


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
    k = dec(kelvin)
    if k is None:
        return UNKNOWN
    places = max(0, -k.as_tuple().exponent)
    return rounded(k - Decimal("273.15"), places)


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


def density(e):
    d = dec(e.get("density"))
    if d is None:
        return UNKNOWN
    if e.get("phase") == "Gas":
        return text(d) + " g/L @ 1 atm, 0"
    return text(d) + " g/cm\xb3"


def oxidation(states):
    states = str(states if states is not None else "").replace(" ", "")
    if not states:
        return UNKNOWN
    return states + "  " + UNKNOWN  # the oxide's character: no source


def crystal(number):
    el = periodictable.elements[number]
    c = getattr(el, "crystal_structure", None)
    return CRYSTALS.get(c["symmetry"], UNKNOWN) if c else UNKNOWN


def record(number, course, encyclopedia):
    if number in QUOTED:
        return QUOTED[number]
    c, e = course[number], encyclopedia[number]
    if number in SYSTEMATIC:
        return "|".join([SYSTEMATIC[number], mass(c["atomicMass"])] + [UNKNOWN] * 14)
    predicted = number > 103
    fields = [UNKNOWN] * 16
    fields[0] = e["name"]
    fields[1] = mass(c["atomicMass"])
    fields[15] = configuration(e.get("electron_configuration_semantic"), number)
    if not predicted:
        fields[2] = celsius(e.get("melt"))
        fields[3] = celsius(e.get("boil"))
        fields[4] = density(e)
        en = dec(e.get("electronegativity_pauling"))
        fields[5] = text(en) if en is not None else UNKNOWN
        fields[6] = oxidation(c.get("oxidationStates"))
        ion = dec((e.get("ionization_energies") or [None])[0])
        fields[7] = rounded(ion / FARADAY, 3) if ion is not None else UNKNOWN
        radius = dec(c.get("atomicRadius"))
        fields[8] = text(radius / 100) if radius is not None else UNKNOWN
        fields[9] = crystal(number)
        heat, m = dec(e.get("molar_heat")), dec(e.get("atomic_mass"))
        fields[10] = rounded(heat / m, 3) if heat is not None else UNKNOWN
    if number == 8:
        for i, v in QUOTED_OXYGEN.items():
            fields[i] = v
    for f in fields:
        if "|" in f or not f:
            sys.exit("bad field %r of %d" % (f, number))
    return "|".join(fields)


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


def main():
    modules = sys.argv[1]
    with open(modules + "/periodic-table/data.json", encoding="utf-8") as f:
        course = {int(e["atomicNumber"]): e for e in json.load(f)}
    with open(modules + "/node-periodic-table/elements.json", encoding="utf-8") as f:
        data = json.load(f)
        encyclopedia = {int(e["number"]): e for e in (data["elements"] if isinstance(data, dict) else data)}
    print("// Generated by tools/elements/generate.sh from public element data sets; do not edit.")
    print("// The element records in atomic-number order (1 to 112, 114, 116, 118), 16 fields")
    print("// each separated by '|', in Latin-1.")
    print('#include "element_records.h"')
    print()
    print("namespace orbitale {")
    print()
    print("const char* const kElementRecords[kElementCount] = {")
    for n in NUMBERS:
        print("    " + cpp_literal(record(n, course, encyclopedia)) + ",")
    print("};")
    print()
    print("}  // namespace orbitale")


main()
