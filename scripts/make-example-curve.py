#!/usr/bin/env python3
"""Makes data/messkurve-beispiel.csv: a synthetic measured drying curve.

A laboratory test at constant air is run with the headless runner (the
counter-current section ends at the air temperature, so the plate sees the
chamber's air from the start) with known clay parameters; about 40 readings of
the mean moisture and the surface temperature are taken from its series,
linearly interpolated at whole minutes, and Gaussian noise with a fixed seed is
added. The file names all of this in its comment lines.

Usage: scripts/make-example-curve.py [LAMVERO_BATCH] [OUTPUT]
"""

import csv
import io
import random
import subprocess
import sys

BATCH = sys.argv[1] if len(sys.argv) > 1 else "build/tools/lamvero-batch"
OUTPUT = sys.argv[2] if len(sys.argv) > 2 else "data/messkurve-beispiel.csv"

# The chamber's air and the parameters the curve is made with; every other input keeps its default.
INPUTS = [
    ("txt_Lufttemp", "40"),
    ("txt_AbluftFeuchte", "50"),
    ("txt_ThetaGegenstromende", "40"),
    ("txt_Feuchteleit", "30"),
    ("txt_KappaSteig", "6"),
    ("txt_Waermeuebergang", "40"),
]
READINGS = 40
# Readings stop where the mean moisture falls to this: below it the noise
# would outweigh the moisture left (and could make it negative).
LAST_MOISTURE = 0.01
SIGMA_MOISTURE = 0.003  # kg/kg
SIGMA_TEMPERATURE = 0.3  # K
SEED = 19


def run_series():
    args = [BATCH, "--series", "-", "--csv-dialect", "plain"] + [f"{k}={v}" for k, v in INPUTS]
    text = subprocess.run(args, check=True, capture_output=True, text=True).stdout
    rows = list(csv.reader(io.StringIO(text)))
    keys = rows[1]
    columns = {k: [] for k in keys}
    for row in rows[2:]:
        for k, cell in zip(keys, row):
            columns[k].append(float(cell) if cell else float("nan"))
    return columns


def interpolate(ts, values, t):
    lo, hi = 0, len(ts) - 1
    while hi - lo > 1:
        mid = (lo + hi) // 2
        if ts[mid] <= t:
            lo = mid
        else:
            hi = mid
    w = (t - ts[lo]) / (ts[hi] - ts[lo])
    return values[lo] + w * (values[hi] - values[lo])


def german(value, decimals):
    return f"{value:.{decimals}f}".replace(".", ",")


def main():
    s = run_series()
    t, x, surface = s["tReihe"], s["XReihe"], s["ThetaObReihe"]
    end = next(ti for ti, xi in zip(t, x) if xi <= LAST_MOISTURE)
    rng = random.Random(SEED)
    minutes = sorted({round(k * end / 60 / (READINGS - 1)) for k in range(READINGS)})
    lines = []
    for m in minutes:
        moisture = interpolate(t, x, 60.0 * m) + rng.gauss(0.0, SIGMA_MOISTURE)
        temperature = interpolate(t, surface, 60.0 * m) + rng.gauss(0.0, SIGMA_TEMPERATURE)
        if moisture < 0:
            sys.exit(f"negative moisture at {m} min: choose another seed or a higher LAST_MOISTURE")
        lines.append(f"{m};{german(moisture, 4)};{german(temperature, 2)}")
    inputs = ", ".join(f"{k}={v}" for k, v in INPUTS)
    header = [
        "# Beispiel einer Messkurve - SYNTHETISCH, keine echte Messung.",
        "# Erzeugt von scripts/make-example-curve.py mit lamvero-batch --series (Laborversuch, Luft konstant):",
        f"# Eingaben: {inputs}; alle anderen Eingaben mit ihren Vorgabewerten.",
        "# Wahre Parameter: Feuchteleitfähigkeit 30e-9 m²/s, Kappa-Steigung 6, Wärmeübergangskoeffizient 40 W/(m² K).",
        f"# {len(minutes)} Messpunkte zu ganzen Minuten, bis die mittlere Wasserbeladung "
        f"{german(LAST_MOISTURE, 2)} kg/kg erreicht.",
        f"# Rauschen: normalverteilt, sigma = {german(SIGMA_MOISTURE, 3)} kg/kg (Wasserbeladung) und "
        f"{german(SIGMA_TEMPERATURE, 1)} K (Oberflächentemperatur); Python random.Random({SEED}).gauss.",
        "Zeit in min;mittlere Wasserbeladung in kg/kg;Oberflächentemperatur in °C",
    ]
    with open(OUTPUT, "w", encoding="utf-8", newline="\n") as f:
        f.write("\ufeff" + "\n".join(header + lines) + "\n")


if __name__ == "__main__":
    main()
