#!/usr/bin/env python3
"""Regenerates the example raw-data files (also the samples of the tests): fixed
seeds, so the files are the same every run.

Usage: examples/generate_raw_data.py
"""
import math
import random
from pathlib import Path

HERE = Path(__file__).resolve().parent / "Raw data"


def write(name, values, decimals, comma=False):
    lines = []
    for v in values:
        text = f"{v:.{decimals}f}"
        lines.append(text.replace(".", ",") if comma else text)
    (HERE / name).write_bytes(("\r\n".join(lines) + "\r\n").encode("ascii"))


def lognormal(rng, mean, sd):
    # Parameters of the underlying normal from the mean and deviation of the lognormal.
    s2 = math.log(1.0 + (sd / mean) ** 2)
    return rng.lognormvariate(math.log(mean) - s2 / 2.0, math.sqrt(s2))


def gumbel_max(rng, mean, sd):
    beta = sd * math.sqrt(6.0) / math.pi
    mode = mean - 0.5772156649 * beta
    return mode - beta * math.log(-math.log(rng.random()))


def main():
    # Yield strength of a structural steel from mill certificates, MPa: lognormal
    # with mean 400 and a coefficient of variation of 10 %.
    rng = random.Random(355)
    write("yield_strength.txt", [lognormal(rng, 400.0, 40.0) for _ in range(5000)], 1)

    # Two production batches mixed in one delivery, MPa: 360 and 440, deviation 12 each.
    rng = random.Random(2)
    write("bimodal_batches.txt",
          [rng.gauss(360.0 if rng.random() < 0.5 else 440.0, 12.0) for _ in range(5000)], 1)

    # Annual maxima of the wind pressure at a site, kN/m2 (Gumbel for maxima, mean 1.2,
    # deviation 0.3), exported with a decimal comma.
    rng = random.Random(50)
    write("wind_maxima.txt", [gumbel_max(rng, 1.2, 0.3) for _ in range(5000)], 4, comma=True)


if __name__ == "__main__":
    main()
