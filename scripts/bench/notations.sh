#!/usr/bin/env bash
# The five notation texts of every colour, natively: colours per second.
set -euo pipefail
"$1/notation_bench"
