#!/usr/bin/python3
"""Full-wave far field of one conical TE11 horn, by FDTD with openEMS.

The horn: aperture radius a = 45 mm and slant length L = 150 mm at 10 GHz,
that is a = 1.501 lambda and L = 5.003 lambda: ka = 9.431 and
S = a^2 / (2 lambda L) = 0.2252. It sits on a circular guide of radius 12.5 mm (k a_w = 2.62: TE11
propagates; TM01 would too, but a y-polarised TE11 feed on a grid
symmetric in x and y cannot reach it, and every other mode is cut off). The
guide is closed by a short a quarter guide wavelength behind the feed.
All walls are perfect conductors 3 mm thick; the aperture is open, and the
horn hangs in free space inside an eight-cell PML on all six faces.

The feed is a waveguide port whose weight functions are the TE11 field of
the guide. A near-field box around the whole horn, feed and short included,
records the 10 GHz fields; its far-field transform gives
  - the E plane (phi = 90 deg), the H plane (phi = 0) and the 45 deg plane,
    co- and cross-polar in Ludwig's third definition, on a 0.1 deg grid in
    theta from 0 to 180 deg, each relative to the on-axis co-polar field,
    with phases referred to the centre of the aperture;
  - the directivity, from a Gauss-Legendre (in cos theta) by trapezoid (in
    phi) quadrature of the radiated power over the whole sphere.

The excitation is a Gaussian pulse at 10 GHz, 20 dB down at 9 and 11 GHz.
A pulse twice as wide reached a structure resonance near 12.1 GHz whose
slow decay, not the horn, then set the length of the run.

The mesh is uniform, of cell size --cell (mm), with lines placed
symmetrically about the axis, so the walls are staircased; a finer --cell
is the convergence check. A run ends when the field energy has fallen by
--end-energy (1e-5, 50 dB) from its peak.

Install and run (Debian 12), with Debian's own python3, which is the one
that sees the python3-openems package:
    sudo apt-get install openems python3-openems
    for cell in 1.0 0.75 0.5; do
        /usr/bin/python3 validation/fdtd/conical_horn.py --cell $cell \
            validation/fdtd/results/cell-${cell}mm
    done
On two cores the three runs take about 3, 6 and 20 minutes; the 0.75 mm
run is the one the suite compares with the aperture model, the 0.5 mm run
its convergence check. validation/fdtd/figures then redraws the pictures
of docs/validation.md. The run in results/cell-1.0mm-energy-1e-6, with
--end-energy 1e-6, checks the end criterion.

The script prints its progress and writes only inside the output folder:
farfield.csv, directivity.csv and metadata.json, and the engine's scratch
folder sim/, removed at the end unless --keep-sim is given.
"""

import argparse
import ctypes
import datetime
import json
import math
import os
import platform
import re
import shutil
import subprocess
import sys
import threading
import time

import numpy as np

# Debian's openEMS ports.py still calls np.float, an alias numpy 1.24 has
# removed; the waveguide port cannot be built without it.
np.float = float

from CSXCAD import ContinuousStructure, CSPrimitives  # noqa: E402
from openEMS import openEMS  # noqa: E402
from openEMS.physical_constants import C0  # noqa: E402

FREQUENCY = 10e9  # Hz
BANDWIDTH = 1e9  # Hz, the Gaussian pulse's -20 dB half-width
WAVELENGTH_MM = C0 / FREQUENCY * 1e3

APERTURE_RADIUS = 45.0  # mm, inner surface at the rim
SLANT_LENGTH = 150.0  # mm, apex to the inner rim
GUIDE_RADIUS = 12.5  # mm
WALL = 3.0  # mm, every wall
GUIDE_LENGTH = 30.0  # mm, short to throat
MEASURE_OFFSET = 4.5  # mm, feed plane to the port's measuring plane
AIR = 20.0  # mm of free space between the horn and the PML
BOX_GAP = 10.0  # mm from the horn to the near-field box
PML_CELLS = 8

CHI = 1.8411837813406593  # first zero of J1'

THETA_STEP = 0.1  # deg, the cuts
SPHERE_THETA_NODES = 64  # Gauss-Legendre in cos theta
SPHERE_PHI_POINTS = 96  # trapezoid in phi


def progress(text):
    print("conical_horn: " + text, flush=True)


def geometry():
    """The horn's wall as a polygon in (r, z), aperture plane at z = 0."""
    alpha = math.asin(APERTURE_RADIUS / SLANT_LENGTH)
    tan_a = math.tan(alpha)
    z_throat = -(APERTURE_RADIUS - GUIDE_RADIUS) / tan_a
    z_short = z_throat - GUIDE_LENGTH
    z_back = z_short - WALL
    # The outer cone is the inner one moved WALL along its outward normal
    # (cos alpha, -sin alpha); where it meets r = GUIDE_RADIUS + WALL and
    # z = 0 closes the polygon.
    r_out_guide = GUIDE_RADIUS + WALL
    r0 = GUIDE_RADIUS + WALL * math.cos(alpha)
    z0 = z_throat - WALL * math.sin(alpha)
    z_outer_throat = z0 + (r_out_guide - r0) / tan_a
    r_out_rim = r0 + (0.0 - z0) * tan_a
    polygon = [
        (0.0, z_back),
        (r_out_guide, z_back),
        (r_out_guide, z_outer_throat),
        (r_out_rim, 0.0),
        (APERTURE_RADIUS, 0.0),
        (GUIDE_RADIUS, z_throat),
        (GUIDE_RADIUS, z_short),
        (0.0, z_short),
    ]
    return {
        "alpha_deg": math.degrees(alpha),
        "z_throat": z_throat,
        "z_short": z_short,
        "z_back": z_back,
        "r_out_rim": r_out_rim,
        "polygon_r_z_mm": polygon,
    }


def symmetric_lines(half_width, cell):
    count = math.ceil(half_width / cell)
    return np.arange(-count, count + 1) * cell


def te11_weights(kc):
    """The guide's TE11 field, polarised along y, as CSXCAD expressions.

    With X = kc x, Y = kc y and q = X^2 + Y^2,
        E_x = 2 X Y g(q),    E_y = J0(sqrt q) - (X^2 - Y^2) g(q),
    where g(q) = J2(sqrt q) / q; both are power series in q, summed here by
    Horner's rule to 12 terms. q <= chi^2 = 3.39 inside the guide, where the
    truncation is below 1e-17. Zero outside the guide's radius, so that no
    cell of the air around the feed is driven."""
    terms = 12
    j0 = [(-1) ** k / (4 ** k * math.factorial(k) ** 2) for k in range(terms)]
    g = [(-1) ** k / (4 ** (k + 1) * math.factorial(k) * math.factorial(k + 2)) for k in range(terms)]

    def horner(coefficients):
        text = repr(coefficients[-1])
        for c in reversed(coefficients[:-1]):
            text = "({}+q*{})".format(repr(c), text)
        return text

    q = "(({kc}*x)*({kc}*x)+({kc}*y)*({kc}*y))".format(kc=repr(kc))
    inside = "(x*x+y*y<{})".format(repr(GUIDE_RADIUS ** 2))
    gq = horner(g).replace("q", q)
    ex = "2*({kc}*x)*({kc}*y)*{g}*{inside}".format(kc=repr(kc), g=gq, inside=inside)
    ey = "({j0}-(({kc}*x)*({kc}*x)-({kc}*y)*({kc}*y))*{g})*{inside}".format(
        j0=horner(j0).replace("q", q), kc=repr(kc), g=gq, inside=inside)
    # For a wave along +z, H = z x E / Z: H_x = -E_y, H_y = E_x.
    return [ex, ey, 0], ["-" + ey, ex, 0]


def build(cell, end_energy):
    geo = geometry()
    fdtd = openEMS(EndCriteria=end_energy, NrTS=200000)
    fdtd.SetGaussExcite(FREQUENCY, BANDWIDTH)
    fdtd.SetBoundaryCond(["PML_8"] * 6)
    csx = ContinuousStructure()
    fdtd.SetCSX(csx)
    grid = csx.GetGrid()
    grid.SetDeltaUnit(1e-3)

    pml = PML_CELLS * cell
    half = geo["r_out_rim"] + AIR + pml
    xy = symmetric_lines(half, cell)
    z_min = geo["z_back"] - AIR - pml
    z_max = AIR + pml
    count_z = math.ceil((z_max - z_min) / cell)
    z = z_min + np.arange(count_z + 1) * cell
    grid.SetLines("x", xy)
    grid.SetLines("y", xy)
    grid.SetLines("z", z)

    wall = csx.AddMetal("horn")
    r = [p[0] for p in geo["polygon_r_z_mm"]]
    zz = [p[1] for p in geo["polygon_r_z_mm"]]
    # A polygon normal to y lists its points as (z, x); turned about z.
    # Built as a primitive, as Debian's AddRotPoly passes SetRotAxisDir
    # one argument too many.
    body = CSPrimitives.CSPrimRotPoly(csx.GetParameterSet(), wall, norm_dir="y")
    body.SetCoords(zz, r)
    body.SetRotAxisDir("z")
    body.SetAngle(0, 2 * math.pi)
    body.SetPriority(10)

    kc = CHI / GUIDE_RADIUS
    e_func, h_func = te11_weights(kc)
    # The feed and measuring planes must lie on mesh lines, or the engine
    # finds no edge of the driven sheet.
    z_feed = nearest(z, geo["z_short"] + guide_wavelength(kc) / 4)
    z_measure = nearest(z, z_feed + MEASURE_OFFSET)
    start = [-GUIDE_RADIUS, -GUIDE_RADIUS, z_feed]
    stop = [GUIDE_RADIUS, GUIDE_RADIUS, z_measure]
    port = fdtd.AddWaveGuidePort(0, start, stop, "z", e_func, h_func, kc * 1e3, excite=1)

    gap = BOX_GAP
    box_half = geo["r_out_rim"] + gap
    nf2ff = fdtd.CreateNF2FFBox("nf2ff", [-box_half, -box_half, geo["z_back"] - gap],
                                [box_half, box_half, gap], frequency=[FREQUENCY])
    mesh = {
        "cell_mm": cell,
        "lines_x": len(xy),
        "lines_y": len(xy),
        "lines_z": len(z),
        "cells": (len(xy) - 1) ** 2 * (len(z) - 1),
        "x_mm": [float(xy[0]), float(xy[-1])],
        "z_mm": [float(z[0]), float(z[-1])],
        "pml_cells": PML_CELLS,
        "near_field_box_mm": {"half_width": box_half, "z": [geo["z_back"] - gap, gap]},
        "feed_plane_z_mm": z_feed,
    }
    return fdtd, csx, port, nf2ff, geo, mesh


def nearest(lines, value):
    return float(lines[np.argmin(np.abs(lines - value))])


def guide_wavelength(kc):
    k = 2 * math.pi / WAVELENGTH_MM
    return 2 * math.pi / math.sqrt(k * k - kc * kc)


def ludwig3(e_theta, e_phi, phi_deg):
    """Co- and cross-polar fields for a y-polarised source."""
    s, c = math.sin(math.radians(phi_deg)), math.cos(math.radians(phi_deg))
    return e_theta * s + e_phi * c, e_theta * c - e_phi * s


def far_field(nf2ff, sim_dir):
    theta = np.round(np.arange(0, 1800 + 1) * THETA_STEP, 10)
    phis = [0.0, 45.0, 90.0]
    progress("far field: {} directions in three cuts".format(len(theta) * len(phis)))
    result = nf2ff.CalcNF2FF(sim_dir, [FREQUENCY], theta, phis, center=[0, 0, 0], outfile="cuts.h5")
    e_theta, e_phi = result.E_theta[0], result.E_phi[0]  # [theta, phi]
    h_co, _ = ludwig3(e_theta[:, 0], e_phi[:, 0], 0.0)
    co45, cross45 = ludwig3(e_theta[:, 1], e_phi[:, 1], 45.0)
    e_co, _ = ludwig3(e_theta[:, 2], e_phi[:, 2], 90.0)
    axis = e_co[0]
    cuts = {"E": e_co / axis, "H": h_co / axis, "co45": co45 / axis, "cross45": cross45 / axis}
    return theta, cuts, abs(axis) ** 2


def directivity(nf2ff, sim_dir, axis_power):
    nodes, weights = np.polynomial.legendre.leggauss(SPHERE_THETA_NODES)
    theta = np.degrees(np.arccos(nodes[::-1]))
    weights = weights[::-1]
    phi = np.arange(SPHERE_PHI_POINTS) * (360.0 / SPHERE_PHI_POINTS)
    progress("directivity: {} directions over the sphere".format(len(theta) * len(phi)))
    result = nf2ff.CalcNF2FF(sim_dir, [FREQUENCY], theta, phi, center=[0, 0, 0], outfile="sphere.h5")
    power = np.abs(result.E_theta[0]) ** 2 + np.abs(result.E_phi[0]) ** 2  # [theta, phi]
    # Integral of |E|^2 over the sphere: weights in cos theta, 2pi/N in phi.
    total = float(np.sum(weights[:, None] * power) * (2 * math.pi / SPHERE_PHI_POINTS))
    return 10 * math.log10(4 * math.pi * axis_power / total), float(10 * math.log10(result.Dmax[0]))


def degrees(z):
    return np.degrees(np.angle(z))


def level_db(z):
    with np.errstate(divide="ignore"):
        return 20 * np.log10(np.abs(z))


def write_far_field(path, theta, cuts):
    with open(path, "w") as out:
        out.write("theta_deg,e_db,e_phase_deg,h_db,h_phase_deg,co45_db,co45_phase_deg,cross45_db,cross45_phase_deg\n")
        columns = []
        for name in ("E", "H", "co45", "cross45"):
            columns += [level_db(cuts[name]), degrees(cuts[name])]
        for i, t in enumerate(theta):
            out.write("{:.1f}".format(t) + "".join(",{:.6f}".format(c[i]) for c in columns) + "\n")


def openems_version():
    try:
        text = subprocess.run(["openEMS", "--help"], capture_output=True, text=True).stdout
    except OSError:
        return "unknown"
    for line in text.splitlines():
        if "version" in line:
            return line.split("version", 1)[1].strip()
    return "unknown"


def debian_version(package):
    try:
        return subprocess.run(["dpkg-query", "-W", "-f=${Version}", package],
                              capture_output=True, text=True).stdout.strip() or "unknown"
    except OSError:
        return "unknown"


def main():
    parser = argparse.ArgumentParser(description="FDTD far field of the validation horn.")
    parser.add_argument("output", help="output folder; created, and nothing is written outside it")
    parser.add_argument("--cell", type=float, default=1.0, help="mesh cell size in mm (default 1.0)")
    parser.add_argument("--end-energy", type=float, default=1e-5,
                        help="stop when the field energy has fallen by this factor (default 1e-5)")
    parser.add_argument("--threads", type=int, default=0, help="engine threads (default 0: all)")
    parser.add_argument("--keep-sim", action="store_true", help="keep the engine's scratch folder")
    args = parser.parse_args()
    if not (0.2 <= args.cell <= 3.0):
        parser.error("--cell must lie between 0.2 and 3 mm")

    out = os.path.abspath(args.output)
    os.makedirs(out, exist_ok=True)
    sim_dir = os.path.join(out, "sim")
    fdtd, csx, port, nf2ff, geo, mesh = build(args.cell, args.end_energy)
    progress("cell {} mm (lambda/{:.1f}), {} x {} x {} lines, {:.2f} million cells".format(
        args.cell, WAVELENGTH_MM / args.cell, mesh["lines_x"], mesh["lines_y"], mesh["lines_z"],
        mesh["cells"] / 1e6))

    began = time.time()
    progress("running the engine in " + sim_dir)
    with EngineTranscript() as transcript:
        fdtd.Run(sim_dir, cleanup=True, verbose=1, numThreads=args.threads)
    engine_seconds = time.time() - began
    engine = transcript.summary()
    progress("engine done in {:.0f} s".format(engine_seconds))

    port.CalcPort(sim_dir, np.array([FREQUENCY]))
    s11_db = float(20 * math.log10(abs(port.uf_ref[0] / port.uf_inc[0])))
    theta, cuts, axis_power = far_field(nf2ff, sim_dir)
    directivity_dbi, engine_dmax_dbi = directivity(nf2ff, sim_dir, axis_power)
    wall_seconds = time.time() - began

    write_far_field(os.path.join(out, "farfield.csv"), theta, cuts)
    with open(os.path.join(out, "directivity.csv"), "w") as f:
        f.write("frequency_ghz,aperture_radius_mm,slant_length_mm,directivity_dbi\n")
        f.write("{:.1f},{:.1f},{:.1f},{:.4f}\n".format(FREQUENCY / 1e9, APERTURE_RADIUS, SLANT_LENGTH, directivity_dbi))
    metadata = {
        "horn": {
            "frequency_ghz": FREQUENCY / 1e9,
            "wavelength_mm": WAVELENGTH_MM,
            "aperture_radius_mm": APERTURE_RADIUS,
            "slant_length_mm": SLANT_LENGTH,
            "ka": 2 * math.pi * APERTURE_RADIUS / WAVELENGTH_MM,
            "s_wavelengths": APERTURE_RADIUS ** 2 / (2 * WAVELENGTH_MM * SLANT_LENGTH),
            "guide_radius_mm": GUIDE_RADIUS,
            "guide_length_mm": GUIDE_LENGTH,
            "wall_mm": WALL,
            "flare_half_angle_deg": geo["alpha_deg"],
            "wall_polygon_r_z_mm": geo["polygon_r_z_mm"],
        },
        "feed": "TE11 waveguide port (y-polarised), a quarter guide wavelength before the short",
        "mesh": mesh,
        "excitation": {"gauss_centre_ghz": FREQUENCY / 1e9, "gauss_20db_halfwidth_ghz": BANDWIDTH / 1e9},
        "end_criterion": {"energy_fall": args.end_energy, **engine},
        "far_field": {
            "cuts": "phi 0 (H), 45 (Ludwig-3 co and cross), 90 (E); theta 0 to 180 step 0.1 deg",
            "reference": "levels and phases relative to the on-axis co-polar field; phase origin at the aperture centre",
            "sphere_quadrature": "{} Gauss-Legendre nodes in cos theta by {} in phi".format(
                SPHERE_THETA_NODES, SPHERE_PHI_POINTS),
        },
        "directivity_dbi": directivity_dbi,
        "engine_dmax_dbi": engine_dmax_dbi,
        "s11_db": s11_db,
        "openems_version": openems_version(),
        "debian_package": "openems " + debian_version("openems"),
        "threads": args.threads,
        "cpu": platform.processor() or platform.machine(),
        "engine_seconds": round(engine_seconds, 1),
        "wall_seconds": round(wall_seconds, 1),
        "date": datetime.date.today().isoformat(),
    }
    with open(os.path.join(out, "metadata.json"), "w") as f:
        json.dump(metadata, f, indent=2)
        f.write("\n")
    if not args.keep_sim:
        shutil.rmtree(sim_dir)
    progress("directivity {:.3f} dBi, S11 {:.1f} dB, {:.0f} s in all; results in {}".format(
        directivity_dbi, s11_db, wall_seconds, out))


class EngineTranscript:
    """Passes the engine's own printout through to the terminal while
    keeping a copy, from which the number of time steps is read. The engine
    writes to file descriptor 1 from C++, below Python's sys.stdout."""

    def __enter__(self):
        sys.stdout.flush()
        # C stdio buffers a pipe in full; line buffering shows the engine's
        # progress lines as they come.
        libc = ctypes.CDLL(None)
        libc.setvbuf(ctypes.c_void_p.in_dll(libc, "stdout"), None, 1, 0)  # _IOLBF
        self.saved = os.dup(1)
        read_end, write_end = os.pipe()
        os.dup2(write_end, 1)
        os.close(write_end)
        self.chunks = []

        def pump():
            while True:
                data = os.read(read_end, 65536)
                if not data:
                    break
                self.chunks.append(data)
                os.write(self.saved, data)
            os.close(read_end)

        self.thread = threading.Thread(target=pump)
        self.thread.start()
        return self

    def __exit__(self, *exc):
        sys.stdout.flush()
        os.dup2(self.saved, 1)  # closes the pipe's last write end
        self.thread.join()
        os.close(self.saved)
        return False

    def summary(self):
        """The engine's own count of time steps and of cells (its cells are
        the mesh's nodes, lines_x * lines_y * lines_z), and its time step."""
        text = b"".join(self.chunks).decode(errors="replace")
        steps = re.findall(r"Time for (\d+) iterations with ([0-9.]+) cells", text)
        step = re.findall(r"Timestep \(s\)\s*: ([0-9.eE+-]+)", text)
        return {
            "timesteps": int(steps[-1][0]) if steps else None,
            "engine_cells": int(float(steps[-1][1])) if steps else None,
            "timestep_s": float(step[-1]) if step else None,
        }


if __name__ == "__main__":
    sys.exit(main())
