#!/usr/bin/env bash
# Generates the voice recordings the calculator plays into Sound/ at the
# repository root, using espeak-ng's Mandarin voice and sox.
#
# Output format (all files): plain RIFF WAVE, fmt tag 1 (Microsoft PCM),
# 16-bit signed, mono, 22050 Hz -- the simplest form PlaySound accepts.
#
# Processing per file: synthesise -> trim leading/trailing silence ->
# 5 ms fade-in / 10 ms fade-out (no clicks at the cut points) ->
# gain to a common RMS level (-19 dBFS, peaks capped at -1 dBFS) ->
# write 16-bit PCM without dither.
# Dither is disabled (-D) so the output is byte-for-byte reproducible:
# running the script twice gives identical files.
#
# Usage: tools/make_voices.sh        (from anywhere; writes <repo>/Sound)
set -euo pipefail
export LC_ALL=C.UTF-8

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
OUT="$ROOT/Sound"

need() {
    local missing=()
    command -v espeak-ng >/dev/null 2>&1 || missing+=(espeak-ng)
    command -v sox >/dev/null 2>&1 || missing+=(sox)
    command -v soxi >/dev/null 2>&1 || missing+=(sox)
    if ((${#missing[@]})); then
        echo "installing: ${missing[*]}" >&2
        # wait for another apt/dpkg run to finish
        while command -v fuser >/dev/null 2>&1 &&
            fuser /var/lib/dpkg/lock-frontend /var/lib/dpkg/lock >/dev/null 2>&1; do sleep 3; done
        apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
    fi
}
need

VOICE=cmn
PITCH=55
RMS_DB=-19   # target RMS level of every recording, dBFS
PEAK_DB=-1   # peak ceiling, dBFS

# file name (without .wav) | text spoken | speaking rate (words/min) | key?
# Single syllables use rate 200 for clarity; the two-syllable words are
# spoken a little faster so that every key sound stays within ~0.6 s.
#
# E.wav: the exponent mark in a result such as "1.5E-7" is read as
# 乘十的 ("times ten to the"), so the readout 一 点 五 乘十的 负 七 is
# ordinary spoken Mandarin for 1.5 x 10^-7.  A bare Latin letter "E"
# inside Mandarin speech means nothing to a listener who cannot see the
# display.  It is never a key sound, so its length does not delay a key.
TABLE=(
    "0|零|200|key"
    "1|一|200|key"
    "2|二|200|key"
    "3|三|200|key"
    "4|四|200|key"
    "5|五|200|key"
    "6|六|200|key"
    "7|七|200|key"
    "8|八|200|key"
    "9|九|200|key"
    "10|点|200|key"
    "加|加|200|key"
    "减|减|200|key"
    "乘|乘|200|key"
    "除|除|200|key"
    "等于|等于|220|key"
    "清除|清除|240|key"
    "归零|归零|220|key"
    "负|负|200|readout"
    "E|乘十的|250|readout"
)

TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT
mkdir -p "$TMP/Sound"

fmt_tag() { # prints the WAVE fmt tag (1 = PCM) of a canonical sox WAV
    od -An -tu2 -j20 -N2 "$1" | tr -d ' '
}

for row in "${TABLE[@]}"; do
    IFS='|' read -r name text rate kind <<<"$row"
    raw="$TMP/raw.wav"
    dst="$TMP/Sound/$name.wav"
    espeak-ng -v "$VOICE" -s "$rate" -p "$PITCH" -w "$raw" -- "$text"
    trimmed="$TMP/trimmed.wav"
    # pass 1: trim silence (the fade below needs a known length)
    sox -D -V1 "$raw" "$trimmed" \
        silence 1 0.02 0.5% reverse silence 1 0.02 0.5% reverse
    # pass 2: short fades at the cut points (kept as float for precision)
    faded="$TMP/faded.wav"
    sox -D -V1 "$trimmed" -e floating-point -b 32 "$faded" fade q 0.005 -0 0.01
    # pass 3: loudness -- bring the RMS level to $RMS_DB dBFS so all words
    # sound equally loud, but never let the peak exceed $PEAK_DB dBFS.
    read -r pk rms < <(sox "$faded" -n stats 2>&1 |
        awk '/^Pk lev dB/{p=$NF} /^RMS lev dB/{r=$NF} END{print p, r}')
    gain="$(awk -v p="$pk" -v r="$rms" -v tr="$RMS_DB" -v tp="$PEAK_DB" \
        'BEGIN{g=tr-r; if (p+g>tp) g=tp-p; printf "%.2f", g}')"
    sox -D -V1 "$faded" -e signed-integer -b 16 -c 1 -r 22050 -t wav "$dst" \
        gain "$gain"
    enc="$(soxi -e "$dst")"
    tag="$(fmt_tag "$dst")"
    if [[ "$enc" != "Signed Integer PCM" || "$tag" != 1 ||
        "$(soxi -c "$dst")" != 1 || "$(soxi -r "$dst")" != 22050 ||
        "$(soxi -b "$dst")" != 16 ]]; then
        echo "error: $name.wav has an unexpected format (encoding=$enc tag=$tag)" >&2
        exit 1
    fi
done

# Replace Sound/ only after every file was made successfully.
rm -rf "$OUT"
mv "$TMP/Sound" "$OUT"

longest_name="" longest=0
printf '%-8s %-8s %-10s %s\n' seconds kind file text
for row in "${TABLE[@]}"; do
    IFS='|' read -r name text rate kind <<<"$row"
    d="$(soxi -D "$OUT/$name.wav")"
    printf '%-8.3f %-8s %-10s %s\n' "$d" "$kind" "$name.wav" "$text"
    if [[ "$kind" == key ]] && awk -v a="$d" -v b="$longest" 'BEGIN{exit !(a>b)}'; then
        longest="$d" longest_name="$name.wav"
    fi
done
printf 'longest key sound: %s (%.3f s)\n' "$longest_name" "$longest"
