// SPDX-License-Identifier: GPL-3.0-or-later
// One header, included through one layer: its test says whether the layer may
// see it.
#include KORVANE_PROBE
