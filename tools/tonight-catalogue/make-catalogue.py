#!/usr/bin/env python3
"""Makes a synthetic catalogue of element sets from the bundled orbit kinds, for the tonight
benchmark and the agreement test: each set copies one bundled set with its node, mean anomaly
and inclination varied, a catalogue number of its own and its checksums made again.

The kinds are drawn in the proportions of the real catalogue by default (most satellites in
low orbits, a few per cent each in navigation, geostationary and eccentric orbits), or in equal
shares with --mix equal. The same seed always gives the same catalogue.

usage: make-catalogue.py SAMPLES_DIR COUNT OUTPUT [--seed N] [--mix catalogue|equal]
"""
import argparse
import pathlib
import random

# Shares of the catalogue by sample file when drawn as the real catalogue is made up.
CATALOGUE_SHARES = {"sample-leo": 0.85, "sample-nav": 0.04, "sample-geo": 0.07, "sample-heo": 0.04}
# Inclination is varied by up to this many degrees, except for orbits that stay put over the
# equator, which stay below the one degree that keeps them geostationary.
INCLINATION_SPREAD = 3.0
STAY_PUT_INCLINATION = 0.9
FIRST_NUMBER = 10000


def checksum(line):
    total = sum(int(c) if c.isdigit() else (1 if c == "-" else 0) for c in line[:68])
    return str(total % 10)


def read_sets(path):
    lines = [l.rstrip("\r\n") for l in path.read_text().splitlines() if l.strip()]
    for i in range(0, len(lines) - 2, 3):
        yield lines[i].split("[")[0].strip(), lines[i + 1], lines[i + 2]


def varied(name, line1, line2, number, rng):
    inclination = float(line2[8:16])
    if inclination < 1.0:
        inclination = rng.uniform(0.0, STAY_PUT_INCLINATION)
    else:
        inclination = min(179.9, max(0.0, inclination + rng.uniform(-INCLINATION_SPREAD,
                                                                     INCLINATION_SPREAD)))
    node = rng.uniform(0.0, 360.0)
    anomaly = rng.uniform(0.0, 360.0)
    catalog = "%05d" % number
    l1 = "1 " + catalog + line1[7:68]
    l2 = ("2 " + catalog + " %8.4f %8.4f" % (inclination, node) + line2[25:43] +
          "%8.4f" % anomaly + line2[51:68])
    return ("%s %05d" % (name, number), l1 + checksum(l1), l2 + checksum(l2))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("samples", type=pathlib.Path)
    parser.add_argument("count", type=int)
    parser.add_argument("output", type=pathlib.Path)
    parser.add_argument("--seed", type=int, default=16)
    parser.add_argument("--mix", choices=["catalogue", "equal"], default="catalogue")
    args = parser.parse_args()

    kinds = {f: list(read_sets(args.samples / (f + ".txt"))) for f in CATALOGUE_SHARES}
    if args.mix == "equal":
        templates = [(s, 1.0) for sets in kinds.values() for s in sets]
    else:
        templates = [(s, CATALOGUE_SHARES[f] / len(sets)) for f, sets in kinds.items() for s in sets]
    rng = random.Random(args.seed)
    chosen = rng.choices([t for t, _ in templates], weights=[w for _, w in templates], k=args.count)
    out = []
    for i, (name, line1, line2) in enumerate(chosen):
        out.extend(varied(name, line1, line2, FIRST_NUMBER + i, rng))
    args.output.write_text("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
