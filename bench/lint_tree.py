#!/usr/bin/env python3
"""Writes a simulator folder for timing `corvane-scn lint`: the sample configuration and a
scenario tree of SCENARIOS files in folders of 50, each with SHIPS ships (orbiting, landed on
the pads of Cape Canaveral, docked at the Gateway station) and two stations.

    bench/lint_tree.py OUT SCENARIOS SHIPS
"""
import os
import shutil
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


def scenario(ships):
    lines = ["BEGIN_DESC", "A generated scenario for timing.", "END_DESC", "",
             "BEGIN_ENVIRONMENT", "  System Sol", "  Date MJD 60311.5", "END_ENVIRONMENT", "",
             "BEGIN_FOCUS", "  Ship S0", "END_FOCUS", "",
             "BEGIN_STATIONS"]
    for name, cls, ref, a in (("Gateway", "Ringstation", "Earth", 6778000),
                              ("Selene", "Outpost", "Moon", 1937400)):
        lines += [f"{name}:{cls}", f"  REF {ref}", "  EL_MJD 60311.5",
                  f"  ELEMENTS {a} 0.0006 51.64 247.5 130.2 85", "  AROT 0 90 0", "END"]
    lines += ["END_STATIONS", "", "BEGIN_SHIPS"]
    for i in range(ships):
        lines.append(f"S{i}:Skipper")
        if i % 50 == 1:
            lines += ["  STATUS Landed Earth", f"  BASE Cape Canaveral:{i % 3 + 1}", "  HEADING 90"]
        elif i % 50 == 2:
            lines += [f"  STATUS Docked Earth:Gateway:{i % 4 + 1}"]
        else:
            lines += ["  STATUS Orbiting Earth", f"  RPOS 4230000 -5120000 {1650000 + i}",
                      "  RVEL 5357.44 5076.31 2017.4", "  AROT 12.5 -40 175", "  VROT 0.5"]
        lines += ["  FUEL 0.4", "END"]
    lines.append("END_SHIPS")
    return "\r\n".join(lines) + "\r\n"


def main():
    out, count, ships = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    sample = os.path.join(HERE, "..", "sample")
    shutil.rmtree(out, ignore_errors=True)
    shutil.copytree(os.path.join(sample, "Config"), os.path.join(out, "Config"))
    shutil.copy(os.path.join(sample, "corvane.cfg"), out)
    text = scenario(ships).encode("cp1252")
    for n in range(count):
        folder = os.path.join(out, "Scenarios", f"Set{n // 50:03d}")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, f"Scenario{n:04d}.scn"), "wb") as f:
            f.write(text)


if __name__ == "__main__":
    main()
