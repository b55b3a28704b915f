#!/usr/bin/python3
"""The pattern of a conical TE11 horn in numpy and scipy: the speed reference
for velmor-pattern.

    /usr/bin/python3 bench/pattern_reference.py [--unit in|cm] [--step DEG]
        [--to DEG] [--time REPEATS] --csv RADIUS SLANT FREQUENCY

The same formulas as velmor-pattern, written as a numpy programmer would:
the TE11 aperture field sampled once at Gauss-Legendre nodes, the radial
integrals A(u) and B(u) as matrix-vector products over all angles at once,
J0 and J1 from scipy.special on whole arrays. It prints the pattern table
as CSV on standard output, with velmor-pattern's header and columns, and the
summary (directivity, the four integrated beamwidths, the two phase centres,
the peak 45-degree cross-polar level) as one JSON object on standard error,
with velmor-pattern's key names.

--time REPEATS does the whole computation REPEATS times and prints to
standard error the fastest and the median time of one, in milliseconds,
without the interpreter's start-up and imports: the physics (table and
summary) and the CSV text apart.

Needs Debian's python3 with python3-numpy and python3-scipy.
"""

import argparse
import json
import math
import sys
import time

import numpy as np
from numpy.polynomial.legendre import leggauss
from scipy.optimize import brentq, minimize_scalar
from scipy.special import j0, j1

# lambda = c / f, c exactly; 1 in = 0.0254 m exactly.
SPEED_OF_LIGHT = 299792458.0
METRES_PER_UNIT = {"in": 0.0254, "cm": 0.01}
# The first zero of J1': the TE11 cut-off in a guide of radius a.
CHI = 1.8411837813406593

HALF_POWER = 0.5
TENTH_POWER = 0.1
CROSSING_SCAN_U = 0.01   # crossings: scan steps of at most 0.01 in u ...
PEAK_SCAN_U = 0.05       # ... the cross-polar peak: of at most 0.05
FEWEST_SCAN_STEPS = 900  # and never coarser than 0.1 degree
PHASE_FIT_STEP_DEG = 0.1
# Below this, J2(x) = 2 J1(x) / x - J0(x) is replaced by its series.
J2_SERIES_BELOW = 1e-2

CSV_HEADER = "theta_deg,e_plane_db,h_plane_db,cross_45_db,e_phase_deg,h_phase_deg"


def radial_nodes(u_max, s):
    """Gauss-Legendre nodes enough for u up to u_max at phase deviation s:
    the same rule as velmor-pattern, so both integrate alike."""
    w = CHI + u_max + 8 * math.pi * s
    return max(16, math.ceil(0.25 * w + 4 * np.cbrt(w / 2) + 10))


def bessel_j2(x, j0x, j1x):
    """J2 from J0 and J1 by the recurrence, or by its series near 0."""
    small = x < J2_SERIES_BELOW
    safe = np.where(small, 1.0, x)
    x2 = x * x
    series = x2 * (1 / 8 - x2 * (1 / 96 - x2 / 3072))
    return np.where(small, series, 2 * j1x / safe - j0x)


class Horn:
    """The far field of one horn: ka, S and the sampled aperture field."""

    def __init__(self, ka, s):
        self.ka = ka
        self.s = s
        x, w = leggauss(radial_nodes(ka, s))
        self.t = (x + 1) / 2
        w = w / 2
        chi_t = CHI * self.t
        mode_j0 = j0(chi_t)
        mode_j2 = bessel_j2(chi_t, mode_j0, j1(chi_t))
        weighted = w * self.t * np.exp(-2j * np.pi * s * self.t ** 2)
        self.a0 = weighted * mode_j0
        self.a2 = weighted * mode_j2
        self.on_axis = self.a0.sum()
        power = np.sum(w * self.t * (mode_j0 ** 2 + mode_j2 ** 2))
        self.efficiency = 2 * abs(self.on_axis) ** 2 / power

    def fields(self, theta):
        """P_E, P_H and X at the angles theta (radians, an array), each
        relative to the on-axis co-polar field, with the Huygens factor."""
        ut = np.multiply.outer(self.ka * np.sin(theta), self.t)
        j0ut = j0(ut)
        a = j0ut @ self.a0
        b = bessel_j2(ut, j0ut, j1(ut)) @ self.a2
        scale = (1 + np.cos(theta)) / 2 / self.on_axis
        return scale * (a - b), scale * (a + b), -scale * b

    def power(self, plane, theta):
        e, h, _ = self.fields(np.atleast_1d(theta))
        return np.abs(e if plane == "e" else h) ** 2

    def directivity_db(self):
        return 20 * math.log10(self.ka) + 10 * math.log10(self.efficiency)


def scan_angles(ka, u_step):
    steps = max(FEWEST_SCAN_STEPS, math.ceil(math.pi / 2 * ka / u_step))
    return np.linspace(0, math.pi / 2, steps + 1)


def first_crossings(horn, levels):
    """For each plane and level, the first theta in (0, pi/2] at which the
    power falls to the level (radians), or None: a scan in steps of at most
    0.01 in u, then Brent's method in the bracketing step."""
    theta = scan_angles(horn.ka, CROSSING_SCAN_U)
    e, h, _ = horn.fields(theta)
    crossings = {}
    for plane, field in (("e", e), ("h", h)):
        power = np.abs(field) ** 2
        for level in levels:
            below = np.flatnonzero(power[1:] <= level)
            if below.size == 0:
                crossings[plane, level] = None
                continue
            k = below[0] + 1
            crossings[plane, level] = brentq(
                lambda x: horn.power(plane, x)[0] - level, theta[k - 1], theta[k],
                xtol=1e-14, rtol=4 * np.finfo(float).eps)
    return crossings


def phase_centre_wavelengths(horn, plane, edge):
    """d / lambda behind the aperture: the slope over 2 pi of the
    least-squares line of the unwrapped phase against 1 - cos theta, over
    theta = 0, 0.1, 0.2, ... degrees up to edge."""
    count = math.floor(math.degrees(edge) / PHASE_FIT_STEP_DEG + 1e-9) + 1
    theta = np.radians(PHASE_FIT_STEP_DEG * np.arange(count))
    theta = theta[theta <= edge]
    if theta.size < 2:
        return None
    e, h, _ = horn.fields(theta)
    psi = np.unwrap(np.angle(e if plane == "e" else h))
    slope, _ = np.polyfit(2 * np.sin(theta / 2) ** 2, psi, 1)
    return slope / (2 * math.pi)


def cross_polar_peak(horn):
    """|X|^2 at its maximum over [0, pi/2] and the angle: the largest sample
    of a scan in steps of at most 0.05 in u, then a bounded search between
    its neighbours."""
    theta = scan_angles(horn.ka, PEAK_SCAN_U)
    power = np.abs(horn.fields(theta)[2]) ** 2
    k = int(np.argmax(power))
    lo, hi = theta[max(k - 1, 0)], theta[min(k + 1, theta.size - 1)]
    found = minimize_scalar(lambda x: -abs(horn.fields(np.array([x]))[2][0]) ** 2,
                            bounds=(lo, hi), method="bounded", options={"xatol": 1e-10})
    if -found.fun > power[k]:
        return -found.fun, found.x
    return power[k], theta[k]


def db(power):
    with np.errstate(divide="ignore"):
        return 10 * np.log10(power)


def phase_deg(field):
    """arg in degrees in (-180, 180]; nan where the field is exactly 0."""
    phase = np.degrees(np.angle(field))
    phase = np.where(phase <= -180, phase + 360, phase)
    return np.where(field == 0, np.nan, phase)


def horn_parameters(unit, radius, slant, frequency_ghz):
    wavelength = SPEED_OF_LIGHT / (frequency_ghz * 1e9) / METRES_PER_UNIT[unit]
    ka = 2 * math.pi * radius / wavelength
    s = (radius / wavelength) * (radius / slant) / 2
    return wavelength, ka, s


def pattern_angles_deg(step, to):
    count = math.floor(to / step * (1 + 1e-12)) + 1
    return step * np.arange(count)


def compute(args):
    """The pattern table (degrees, dB, dB, dB, degrees, degrees) and the
    summary."""
    wavelength, ka, s = horn_parameters(args.unit, args.radius, args.slant, args.frequency)
    horn = Horn(ka, s)
    theta_deg = pattern_angles_deg(args.step, args.to)
    e, h, cross = horn.fields(np.radians(theta_deg))
    table = (theta_deg, db(np.abs(e) ** 2), db(np.abs(h) ** 2), db(np.abs(cross) ** 2),
             phase_deg(e), phase_deg(h))

    crossings = first_crossings(horn, (HALF_POWER, TENTH_POWER))
    beamwidth = {}
    for name, level in (("3db", HALF_POWER), ("10db", TENTH_POWER)):
        for plane in ("e", "h"):
            theta = crossings[plane, level]
            beamwidth[f"{name}_{plane}"] = None if theta is None else 2 * math.degrees(theta)
    centre = {}
    for plane in ("e", "h"):
        edge = crossings[plane, TENTH_POWER]
        centre[plane] = phase_centre_wavelengths(horn, plane, math.pi / 2 if edge is None else edge)
    peak_power, peak_theta = cross_polar_peak(horn)
    summary = {
        "unit": args.unit, "wavelength": wavelength, "ka": ka, "s": s,
        "directivity_db": horn.directivity_db(),
        "beamwidth_deg": {"integrated": beamwidth},
        "phase_center": {p: None if d is None else d * wavelength for p, d in centre.items()},
        "phase_center_wavelengths": centre,
        "cross_polar_peak_db": float(db(peak_power)),
        "cross_polar_peak_angle_deg": math.degrees(peak_theta),
    }
    return table, summary


def fixed(values, decimals):
    """Fixed decimals; -inf and nan as such, and no "-0.000"."""
    negative_zero = "-" + format(0.0, f".{decimals}f")
    texts = [format(v, f".{decimals}f") for v in values.tolist()]
    return [t[1:] if t == negative_zero else t for t in texts]


def csv_text(table):
    theta, e_db, h_db, x_db, e_phase, h_phase = table
    columns = ([format(v, ".10g") for v in theta.tolist()],
               fixed(e_db, 4), fixed(h_db, 4), fixed(x_db, 4), fixed(e_phase, 3), fixed(h_phase, 3))
    return CSV_HEADER + "\n" + "\n".join(",".join(row) for row in zip(*columns)) + "\n"


def positive(text):
    value = float(text)
    if not (math.isfinite(value) and value > 0):
        raise argparse.ArgumentTypeError(f"{text!r} is not a finite number above 0")
    return value


def parse_arguments(argv):
    parser = argparse.ArgumentParser(prog="pattern_reference.py",
                                     description="The pattern of a conical TE11 horn in numpy and scipy.")
    parser.add_argument("--unit", choices=("in", "cm"), default="in")
    parser.add_argument("--step", type=positive, default=1.0, help="degrees between rows (default 1)")
    parser.add_argument("--to", type=positive, default=90.0, help="the last angle in degrees (default 90)")
    parser.add_argument("--csv", action="store_true", required=True, help="print the pattern table as CSV")
    parser.add_argument("--time", type=int, metavar="REPEATS", help="time REPEATS computations")
    parser.add_argument("radius", type=positive)
    parser.add_argument("slant", type=positive)
    parser.add_argument("frequency", type=positive, help="GHz")
    args = parser.parse_args(argv)
    if args.radius >= args.slant:
        parser.error("RADIUS must be below SLANT: no cone has a >= L")
    if args.to > 180:
        parser.error("--to must be in (0, 180]")
    if args.time is not None and args.time < 1:
        parser.error("--time needs at least one repeat")
    return args


def main(argv):
    args = parse_arguments(argv)
    physics_ms, text_ms = [], []
    for _ in range(args.time or 1):
        start = time.perf_counter()
        table, summary = compute(args)
        middle = time.perf_counter()
        text = csv_text(table)
        end = time.perf_counter()
        physics_ms.append(1e3 * (middle - start))
        text_ms.append(1e3 * (end - middle))
    sys.stdout.write(text)
    sys.stdout.flush()
    print(json.dumps(summary), file=sys.stderr)
    if args.time:
        total_ms = [p + t for p, t in zip(physics_ms, text_ms)]
        for name, times in (("physics", physics_ms), ("csv text", text_ms), ("both", total_ms)):
            print(f"time {name}: fastest {min(times):.3f} ms, median {float(np.median(times)):.3f} ms"
                  f" of {len(times)}", file=sys.stderr)


if __name__ == "__main__":
    main(sys.argv[1:])
