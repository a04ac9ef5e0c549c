#!/usr/bin/env bash
# Synthesises the program's sound effects with SoX. The results are committed, so
# building never needs audio tools; run this again after changing it.
#
# Each theme has a sound for three events: "activation" when the launcher window pops up,
# "changing" when the shown section of panels changes, and "launching" when an item is
# launched. Balloon and Clock use one "common" sound for activation and changing, and
# Balloon launches with basic-launching.wav.
#
# Every sound is built from plain sine partials, each with a short rounded attack and a
# smooth decay to silence, placed at its start time and mixed. Nothing random is used
# (no noise, no dither), so running this twice gives byte-identical files. The files are
# 16-bit mono PCM at 22050 Hz with a plain WAVE header, which PlaySound plays everywhere,
# each shorter than half a second and peaking at -12 dBFS so that they sit quietly under
# whatever else is playing.
set -euo pipefail
cd "$(dirname "$0")"

command -v sox >/dev/null || { echo "make_sounds.sh: needs sox (Debian: apt-get install sox)" >&2; exit 1; }

rate=22050
peak=-12
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# -R seeds anything pseudo-random with a fixed number and -D turns off dither, which
# would otherwise add random noise when reducing to 16 bits.
sox_() { sox -R -D -V1 "$@"; }
float=(-r "$rate" -c 1 -b 32 -e floating-point)
final=(-r "$rate" -c 1 -b 16 -e signed-integer -t wav)

# Equal-tempered note frequencies in hertz.
A5=880.00 C6=1046.50 E6=1318.51 G6=1567.98 C7=2093.00 E7=2637.02 B7=3951.07

# mult X Y : X times Y, for lengths and frequencies; a sweep A/B gives A*Y/B*Y.
mult() {
    awk -v x="$1" -v y="$2" 'BEGIN {
        n = split(x, f, "/")
        for (i = 1; i <= n; i++) printf "%s%.2f", (i > 1 ? "/" : ""), f[i] * y
    }'
}

# The partials of the sound being built; mix turns them into a file and starts afresh.
parts=()
count=0

# part START LENGTH FREQUENCY GAIN_DB [ATTACK [DECAY_POWER]]
# One sine partial at FREQUENCY hertz (or a sweep A/B, moving by equal steps of pitch),
# delayed by START seconds, rising over ATTACK seconds and decaying as
# (1 - t/LENGTH)^DECAY_POWER: higher powers give a more percussive note.
part() {
    local start=$1 length=$2 freq=$3 db=$4 attack=${5:-0.003} power=${6:-3}
    local decay=() i file
    for ((i = 0; i < power; i++)); do
        decay+=(fade t 0 "$length" "$length")
    done
    count=$((count + 1))
    file=$work/part$count.wav
    sox_ -n "${float[@]}" "$file" synth "$length" sine "$freq" \
        fade q "$attack" "${decay[@]}" gain "$db" pad "$start"
    parts+=("$file")
}

# mix NAME : mixes the partials into NAME.wav, 16-bit PCM normalised to the peak level.
# mix NAME float : mixes them into $work/NAME.wav as float, for further processing.
# SoX scales each of n mixed inputs by 1/n, so the sum cannot clip before normalising.
mix() {
    local name=$1 kind=${2:-final} inputs=("${parts[@]}")
    if ((${#inputs[@]} > 1)); then
        inputs=(-m "${inputs[@]}")
    fi
    if [[ $kind == float ]]; then
        sox_ "${inputs[@]}" "${float[@]}" "$work/$name.wav"
    else
        sox_ "${inputs[@]}" "${final[@]}" "$name.wav" gain -n "$peak"
    fi
    parts=()
}

# blip START LENGTH FREQUENCY [ATTACK] : a clean electronic note, the fundamental with a
# touch of second and third harmonic so that it is heard on small speakers.
blip() {
    local start=$1 length=$2 freq=$3 attack=${4:-0.004}
    part "$start" "$length" "$freq" 0 "$attack" 2
    part "$start" "$length" "$(mult "$freq" 2)" -14 "$attack" 3
    part "$start" "$length" "$(mult "$freq" 3)" -24 "$attack" 4
}

# bell START LENGTH FREQUENCY : a bright struck-metal ding. Above the fundamental sit an
# octave and the stretched partials of a small bell, the higher ones dying away faster,
# as they do on a real bell.
bell() {
    local start=$1 length=$2 freq=$3 short
    short=$(mult "$length" 0.5)
    part "$start" "$length" "$freq" 0 0.001 3
    part "$start" "$length" "$(mult "$freq" 2)" -6 0.001 4
    part "$start" "$short" "$(mult "$freq" 2.76)" -9 0.001 3
    part "$start" "$short" "$(mult "$freq" 4.07)" -15 0.001 4
}

# tick START FREQUENCY : the dry click of a clock escapement, a cluster of short high
# partials over a brief body resonance an octave and a half below FREQUENCY.
tick() {
    local start=$1 freq=$2
    part "$start" 0.030 "$freq" 0 0.0008 4
    part "$start" 0.022 "$(mult "$freq" 1.47)" -4 0.0008 4
    part "$start" 0.016 "$(mult "$freq" 2.13)" -9 0.0008 4
    part "$start" 0.045 "$(mult "$freq" 0.36)" -5 0.0015 3
}

# Basic: short clean blips. Activation sweeps up an octave, changing is one short neutral
# blip and launching a falling two-note figure. Echo reuses these.
basic_activation() { blip 0 0.110 620/1240 0.005; }
basic_changing() { blip 0 0.045 1000 0.003; }
basic_launching() { blip 0 0.085 "$E6"; blip 0.075 0.170 "$A5"; }

basic_activation; mix basic-activation
basic_changing; mix basic-changing
basic_launching; mix basic-launching

# Echo: the Basic sounds, softened a little, with three fading repeats and a small room
# around them; the tail is faded out to finish well inside half a second.
echo_of() {
    local dry=$1 out=$2
    "$dry"
    mix "dry-$out" float
    sox_ "$work/dry-$out.wav" "${float[@]}" "$work/wet-$out.wav" lowpass 5000 gain -4 \
        pad 0 0.45 echo 0.6 0.8 70 0.38 140 0.17 210 0.07 reverb 25 60 12
    sox_ "$work/wet-$out.wav" "${final[@]}" "$out.wav" fade t 0 0.48 0.18 gain -n "$peak"
}
echo_of basic_activation echo-activation
echo_of basic_changing echo-changing
echo_of basic_launching echo-launching

# Balloon: one round "bloop", a low tone swooping up an octave and a half, with a soft
# pop at its start.
part 0 0.140 230/660 0 0.004 3
part 0 0.140 460/1320 -11 0.004 4
part 0 0.018 1400/700 -18 0.0015 3
mix balloon-common

# Pinball: bright bumper bells. Activation rings two bells rising, changing one short
# high ding over a light bumper knock, and launching a flipper thump followed by bells
# falling to the tonic.
bell 0 0.200 "$C6"
bell 0.070 0.230 "$G6"
mix pinball-activation

bell 0 0.100 "$C7"
part 0 0.020 220/90 -8 0.002 2
mix pinball-changing

part 0 0.060 150/50 -2 0.003 2
bell 0.035 0.120 "$G6"
bell 0.110 0.120 "$E6"
bell 0.185 0.260 "$C6"
mix pinball-launching

# Clock: a dry escapement tick for activation and changing; launching is a lower "tock",
# a "tick" and a small soft chime.
tick 0 3300
mix clock-common

tick 0 2100
tick 0.110 3300
part 0.200 0.280 "$E6" -3 0.003 3
part 0.200 0.200 "$E7" -12 0.002 3
part 0.200 0.120 "$B7" -20 0.002 3
mix clock-launching
