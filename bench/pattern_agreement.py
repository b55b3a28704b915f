#!/usr/bin/python3
"""Does velmor-pattern agree with the numpy reference within the accuracy it
claims?

    /usr/bin/python3 bench/pattern_agreement.py PROGRAM_CSV PROGRAM_JSON \\
        REFERENCE_CSV REFERENCE_SUMMARY

PROGRAM_CSV and PROGRAM_JSON are velmor-pattern's --csv and --json output
for one horn; REFERENCE_CSV and REFERENCE_SUMMARY are bench/pattern_reference.py's
standard output and standard error for the same horn and angles. Prints the
worst difference of each quantity beside its limit, on one line each, and
exits 1 when one is over its limit or the two tables do not have the same
angles:

    levels         0.01 dB, where either level is above -30 dB
    phases         0.1 degree, inside the plane's 10 dB beam
    beamwidths     0.01 degree
    phase centres  0.001 wavelength
    directivity    0.002 dB
"""

import csv
import json
import math
import sys

LEVEL_FLOOR_DB = -30.0
LIMITS = {
    "levels (dB)": 0.01,
    "phases (deg)": 0.1,
    "beamwidths (deg)": 0.01,
    "phase centres (wavelengths)": 0.001,
    "directivity (dB)": 0.002,
}
BEAMWIDTHS = ("3db_e", "3db_h", "10db_e", "10db_h")


def read_table(path):
    with open(path, newline="") as f:
        rows = list(csv.reader(f))
    header, body = rows[0], rows[1:]
    return header, [[float(v) for v in row] for row in body]


def phase_difference(a, b):
    """|a - b| in degrees, taken round the circle; 0 where neither field has
    a phase (nan), and inf where only one has."""
    if math.isnan(a) or math.isnan(b):
        return 0.0 if math.isnan(a) and math.isnan(b) else math.inf
    return abs((a - b + 180) % 360 - 180)


def worst(pairs):
    """The largest |a - b| over pairs, None where both values are missing,
    and inf where only one is."""
    result = 0.0
    for a, b in pairs:
        if a is None and b is None:
            continue
        result = max(result, math.inf if a is None or b is None else abs(a - b))
    return result


def main(argv):
    if len(argv) != 4:
        sys.exit(__doc__)
    program_csv, program_json, reference_csv, reference_summary = argv
    header, program = read_table(program_csv)
    reference_header, reference = read_table(reference_csv)
    with open(program_json) as f:
        summary = json.load(f)
    with open(reference_summary) as f:
        expected = json.loads(f.readline())

    if header != reference_header or [r[0] for r in program] != [r[0] for r in reference]:
        print("the two tables differ in their header or their angles")
        return 1

    expected_widths = expected["beamwidth_deg"]["integrated"]
    # The 10 dB half-angle of each plane bounds its phase comparison.
    edge = {plane: 90.0 if expected_widths[f"10db_{plane}"] is None else expected_widths[f"10db_{plane}"] / 2
            for plane in ("e", "h")}
    levels, phases = 0.0, 0.0
    identical = sum(all(a == b or math.isnan(a) and math.isnan(b) for a, b in zip(got, want))
                    for got, want in zip(program, reference))
    for got, want in zip(program, reference):
        for column in (1, 2, 3):
            if max(got[column], want[column]) > LEVEL_FLOOR_DB:
                levels = max(levels, abs(got[column] - want[column]))
        for column, plane in ((4, "e"), (5, "h")):
            if got[0] <= edge[plane]:
                phases = max(phases, phase_difference(got[column], want[column]))

    found = {
        "levels (dB)": levels,
        "phases (deg)": phases,
        "beamwidths (deg)": worst((summary["beamwidth_deg"]["integrated"][k], expected_widths[k])
                                  for k in BEAMWIDTHS),
        "phase centres (wavelengths)": worst((summary["phase_center_wavelengths"][p],
                                              expected["phase_center_wavelengths"][p]) for p in ("e", "h")),
        "directivity (dB)": abs(summary["directivity_db"] - expected["directivity_db"]),
    }
    # The tables are compared at their printed digits: 0.0001 dB, 0.001 degree.
    print(f"  {'rows with the same numbers':28} {identical} of {len(program)}")
    failed = False
    for name, limit in LIMITS.items():
        verdict = "ok" if found[name] <= limit else "OVER"
        failed |= found[name] > limit
        print(f"  {name:28} worst {found[name]:.3g}  limit {limit:g}  {verdict}")
    print(f"  {'cross-polar peak':28} {summary['cross_polar_peak_db']:.4f} dB at "
          f"{summary['cross_polar_peak_angle_deg']:.4f} deg; reference {expected['cross_polar_peak_db']:.4f} dB "
          f"at {expected['cross_polar_peak_angle_deg']:.4f} deg")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
