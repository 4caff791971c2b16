#!/bin/sh
# Writes molecules/KEY.mol (MDL molfile with 3D coordinates) for every row of
# catalogue/molecules.tsv, with Open Babel (Debian package openbabel).
set -eu
cd "$(dirname "$0")"
grep -v '^#' ../catalogue/molecules.tsv | tail -n +2 | while IFS="$(printf '\t')" read -r key title formula smiles legacy text; do
  obabel -:"$smiles" -omol --gen3d -h --title "$key" -O "$key.mol" 2>/dev/null
done
