#!/usr/bin/env bash
# Regenerates the example histograms with the program's own parametric generator.
# Usage: examples/generate.sh [path/to/dorvex-cli]
set -euo pipefail
cd "$(dirname "$0")"
cli=${1:-../build/release/src/cli/dorvex-cli}

# make FOLDER NAME TYPE PARAMETERS... : one example, 128 intervals, Discrete.
make() {
  local folder=$1 name=$2
  shift 2
  mkdir -p "Histograms/$folder"
  "$cli" param "$@" -o "Histograms/$folder/$name.dis" >/dev/null
}

make "Loads" "Dead_load" Normal 50 2.5
make "Loads" "Live_load_50_years" Gumbelovo_I 20 5
make "Loads" "Wind_load_50_years" Gumbelovo_I 12 2.4
make "Loads" "Bending_moment_live_load" Gumbelovo_I 100 15
make "Solidity and material characterics" "Yield_strength_S235" LogNormal_2P 280 22.4
make "Solidity and material characterics" "Concrete_strength_C30" LogNormal_2P 38 5
make "Solidity and material characterics" "Bending_resistance_IPE300" LogNormal_2P 180 14
make "Cross-section variability" "Cross_section_area_ratio" Normal 1 0.04
make "Initial imperfections" "Initial_bow_imperfection" Normal 0 1.5
make "Normal distributions" "Standard_normal" Normal 0 1
