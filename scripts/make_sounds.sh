#!/usr/bin/env bash
# Makes the game's sound files in assets/:
#   Paint.mp3    the background music: an upbeat piece in D major at 126 beats
#                a minute, 112 bars (about 3 minutes 35 seconds) of drums,
#                bass, chord pad, plucked arpeggio and a lead melody;
#   success.wav  a win fanfare;
#   nice.wav     our flag pick-up: a bright rising chime;
#   org1.wav     their flag pick-up: an ominous low motif;
#   org2.wav     our player out: a falling "aww";
#   smash.wav    their player out: a paint splat.
# Everything is synthesised note by note with sox and the music is encoded
# with lame. The output is the same on every run.
#
# Needs: sox, lame (Debian packages sox and lame).
# Usage: scripts/make_sounds.sh [OUTPUT_DIR]   (default: assets/ of the tree)

set -euo pipefail
export LC_ALL=C

ROOT=$(cd "$(dirname "$0")/.." && pwd)
OUT=${1:-$ROOT/assets}
mkdir -p "$OUT"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK/notes" "$WORK/bars"

RATE=44100
STEP=5250                  # samples in a sixteenth note at 126 beats a minute
BAR=$((STEP * 16))
# Repeatable (fixed noise seed), no dither, only errors on the terminal.
SOX=(sox -R -D -V1)
# Intermediate files keep floating-point samples, so mixing never clips.
RAW=(-r "$RATE" -c 1 -e floating-point -b 32)

# ---------------------------------------------------------------------------
# Pitches

# MIDI number of a note name such as D5, F#4 or Bb3.
midi() {
    local name=$1 letter=${1:0:1} rest=${1:1} acc=0 pc
    case $rest in
        \#*) acc=1; rest=${rest:1} ;;
        b*) acc=-1; rest=${rest:1} ;;
    esac
    case $letter in
        C) pc=0 ;; D) pc=2 ;; E) pc=4 ;; F) pc=5 ;; G) pc=7 ;; A) pc=9 ;; B) pc=11 ;;
        *) echo "bad note $name" >&2; exit 1 ;;
    esac
    echo $((12 * (rest + 1) + pc + acc))
}

# Frequency in Hz of MIDI note $1, times an optional factor $2.
freq() {
    awk -v m="$1" -v k="${2:-1}" 'BEGIN { printf "%.4f", k * 440 * 2 ^ ((m - 69) / 12) }'
}

# ---------------------------------------------------------------------------
# Instruments: each makes one note of an exact length in samples, faded in
# and out so that notes join without clicks. Notes are made once and reused.

rest_note() {  # samples
    local f=$WORK/notes/rest_$1.wav
    [[ -f $f ]] || "${SOX[@]}" "${RAW[@]}" -n "$f" trim 0 "$1s"
    echo "$f"
}

lead_note() {  # midi samples
    local f=$WORK/notes/lead_$1_$2.wav
    if [[ ! -f $f ]]; then
        local a b c
        a=$(freq "$1") b=$(freq "$1" 1.006) c=$(freq "$1" 0.5)
        "${SOX[@]}" "${RAW[@]}" -n "$f" \
            synth "$2s" square "$a" synth "$2s" sawtooth mix "$b" synth "$2s" sine mix "$c" \
            lowpass 2600 lowpass 3400 gain -16 fade q 0.008 "$2s" 0.05
    fi
    echo "$f"
}

bass_note() {  # midi samples
    local f=$WORK/notes/bass_$1_$2.wav
    if [[ ! -f $f ]]; then
        local a b
        a=$(freq "$1") b=$(freq "$1" 0.5)
        "${SOX[@]}" "${RAW[@]}" -n "$f" \
            synth "$2s" sawtooth "$a" synth "$2s" sine mix "$b" \
            lowpass 900 lowpass 900 gain -12 fade q 0.004 "$2s" 0.03
    fi
    echo "$f"
}

pad_chord() {  # "m1 m2 m3" samples
    local key=${1// /-} f
    f=$WORK/notes/pad_${key}_$2.wav
    if [[ ! -f $f ]]; then
        local args=() first=1 m
        for m in $1; do
            if ((first)); then args+=(synth "$2s" triangle "$(freq "$m")"); first=0
            else args+=(synth "$2s" triangle mix "$(freq "$m")"); fi
            args+=(synth "$2s" triangle mix "$(freq "$m" 1.004)")
        done
        "${SOX[@]}" "${RAW[@]}" -n "$f" "${args[@]}" lowpass 2000 gain -24 fade q 0.06 "$2s" 0.12
    fi
    echo "$f"
}

pluck_note() {  # midi samples
    local f=$WORK/notes/pluck_$1_$2.wav
    [[ -f $f ]] || "${SOX[@]}" "${RAW[@]}" -n "$f" \
        synth "$2s" pluck "$(freq "$1")" lowpass 4000 gain -20 fade q 0.002 "$2s" 0.02
    echo "$f"
}

# Drum hits, with their natural length.
make_drums() {
    local d=$WORK/notes
    "${SOX[@]}" "${RAW[@]}" -n "$d/kick.wav" \
        synth 0.32 sine 160/42 fade q 0.002 0.32 0.3 gain -4
    "${SOX[@]}" "${RAW[@]}" -n "$d/snare.wav" \
        synth 0.2 whitenoise synth 0.2 sine mix 185/150 \
        highpass 180 lowpass 8000 fade l 0.001 0.2 0.19 gain -9
    "${SOX[@]}" "${RAW[@]}" -n "$d/hat.wav" \
        synth 0.06 whitenoise highpass 7500 lowpass 13000 fade l 0.001 0.06 0.055 gain -17
    "${SOX[@]}" "${RAW[@]}" -n "$d/openhat.wav" \
        synth 0.22 whitenoise highpass 6500 lowpass 13000 fade l 0.001 0.22 0.21 gain -20
    "${SOX[@]}" "${RAW[@]}" -n "$d/crash.wav" \
        synth 1.7 whitenoise highpass 3500 lowpass 11000 fade l 0.002 1.7 1.68 gain -17
}

# ---------------------------------------------------------------------------
# Mixing helpers

# mix_at OUT LENGTH "offset:volume:file"...  mixes the files, each starting at
# its offset in samples, into OUT of exactly LENGTH samples.
mix_at() {
    local out=$1 length=$2 item off vol file
    shift 2
    local inputs=()
    for item in "$@"; do
        IFS=: read -r off vol file <<<"$item"
        inputs+=(-v "$vol" "|sox -R -D -V1 $file -p pad ${off}s")
    done
    # Silence of the full length keeps sox -m happy with a single hit.
    inputs+=(-v 1 "$(rest_note "$length")")
    "${SOX[@]}" -m "${inputs[@]}" "${RAW[@]}" "$out" trim 0 "${length}s" fade 0 "${length}s" 0.004
}

# concat OUT FILE...  joins the files end to end.
concat() {
    local out=$1
    shift
    "${SOX[@]}" "$@" "${RAW[@]}" "$out"
}

# A cached bar: bar_file KIND CONTENT prints the path for that content.
bar_file() {
    local sum
    sum=$(printf '%s' "$1 $2" | md5sum | cut -c1-16)
    echo "$WORK/bars/$1_$sum.wav"
}

# ---------------------------------------------------------------------------
# Harmony: chord symbol -> bass root (MIDI) and pad voicing.

chord_root() {
    case $1 in
        D) echo 38 ;; E | Em) echo 40 ;; F#m) echo 42 ;; G) echo 43 ;; A) echo 45 ;; Bm) echo 47 ;;
        *) echo "bad chord $1" >&2; exit 1 ;;
    esac
}

chord_voicing() {
    case $1 in
        D) echo "62 66 69" ;; A) echo "61 64 69" ;; Bm) echo "62 66 71" ;;
        G) echo "62 67 71" ;; Em) echo "64 67 71" ;; F#m) echo "61 66 69" ;;
        *) echo "bad chord $1" >&2; exit 1 ;;
    esac
}

# ---------------------------------------------------------------------------
# One bar of each part. A melody is "NOTE-LENGTH ..." with lengths in
# sixteenths (r is a rest) and always fills the bar.

melody_bar() {  # "notes"
    local out
    out=$(bar_file lead "$1")
    if [[ ! -f $out ]]; then
        local token name len files=() total=0
        for token in $1; do
            name=${token%-*} len=${token##*-}
            total=$((total + len))
            if [[ $name == r ]]; then files+=("$(rest_note $((len * STEP)))")
            else files+=("$(lead_note "$(midi "$name")" $((len * STEP)))"); fi
        done
        ((total == 16)) || { echo "melody bar of $total sixteenths: $1" >&2; exit 1; }
        concat "$out" "${files[@]}"
    fi
    echo "$out"
}

# Bass patterns over the chord root: R root, O octave, F fifth, r rest.
bass_pattern() {
    case $1 in
        long) echo "R-8 R-8" ;;
        verse) echo "R-2 R-2 O-2 R-2 R-2 R-2 O-2 F-2" ;;
        chorus) echo "R-2 O-2 R-2 O-2 R-2 O-2 R-2 O-2" ;;
        break) echo "R-12 F-4" ;;
        end) echo "R-16" ;;
        none) echo "r-16" ;;
    esac
}

bass_bar() {  # style chord
    local out
    out=$(bar_file bass "$1 $2")
    if [[ ! -f $out ]]; then
        local root token deg len files=() m
        root=$(chord_root "$2")
        for token in $(bass_pattern "$1"); do
            deg=${token%-*} len=${token##*-}
            case $deg in
                R) m=$root ;; O) m=$((root + 12)) ;; F) m=$((root + 7)) ;; r) m= ;;
            esac
            if [[ -z $m ]]; then files+=("$(rest_note $((len * STEP)))")
            else files+=("$(bass_note "$m" $((len * STEP)))"); fi
        done
        concat "$out" "${files[@]}"
    fi
    echo "$out"
}

pad_bar() {  # chord
    local out
    out=$(bar_file pad "$1")
    [[ -f $out ]] || cp "$(pad_chord "$(chord_voicing "$1")" "$BAR")" "$out"
    echo "$out"
}

# Eighth-note arpeggio over the chord, an octave above the pad.
arp_bar() {  # chord
    local out
    out=$(bar_file arp "$1")
    if [[ ! -f $out ]]; then
        local v files=() i
        read -r -a v <<<"$(chord_voicing "$1")"
        for i in 0 1 2 3 2 1 0 1; do
            local m=$((v[i % 3] + 12 + (i == 3 ? 12 : 0)))
            files+=("$(pluck_note "$m" $((2 * STEP)))")
        done
        concat "$out" "${files[@]}"
    fi
    echo "$out"
}

# Drum patterns: one line per instrument, 16 steps; X loud, x normal,
# o soft, . nothing.
drum_pattern() {
    case $1 in
        intro) echo "kick:x...x...x...x... hat:..x...x...x...x." ;;
        verse) echo "kick:x.....x.x....... snare:....x.......x..o hat:x.x.x.x.x.x.x.x. openhat:..............x." ;;
        chorus) echo "kick:x...x...x...x... snare:....X.......X... hat:oxoooxoooxoooxoo openhat:..x...x...x...x." ;;
        fill) echo "kick:x.......x....... snare:....x...ooxoxxXX hat:x.x.x.x........." ;;
        break) echo "kick:x.......x....... hat:o.x.o.x.o.x.o.x." ;;
        roll) echo "kick:x...x...x...x... snare:ooooooooxxxxXXXX" ;;
        end) echo "kick:X..............." ;;
        none) echo "" ;;
    esac
}

drum_bar() {  # style crash(0/1)
    local out
    out=$(bar_file drums "$1 $2")
    if [[ ! -f $out ]]; then
        local lane inst steps i c vol items=()
        for lane in $(drum_pattern "$1"); do
            inst=${lane%%:*} steps=${lane#*:}
            for ((i = 0; i < 16; i++)); do
                c=${steps:i:1}
                case $c in X) vol=1.4 ;; x) vol=1 ;; o) vol=0.55 ;; *) continue ;; esac
                items+=("$((i * STEP)):$vol:$WORK/notes/$inst.wav")
            done
        done
        (($2)) && items+=("0:1:$WORK/notes/crash.wav")
        mix_at "$out" "$BAR" "${items[@]}"
    fi
    echo "$out"
}

# ---------------------------------------------------------------------------
# The song, bar by bar: bar DRUMS CRASH BASS ARP(0/1) CHORD "MELODY"

DRUM_BARS=() BASS_BARS=() PAD_BARS=() ARP_BARS=() LEAD_BARS=()

bar() {
    DRUM_BARS+=("$(drum_bar "$1" "$2")")
    BASS_BARS+=("$(bass_bar "$3" "$5")")
    PAD_BARS+=("$(pad_bar "$5")")
    if (($4)); then ARP_BARS+=("$(arp_bar "$5")"); else ARP_BARS+=("$(rest_note "$BAR")"); fi
    LEAD_BARS+=("$(melody_bar "$6")")
}

REST="r-16"

intro() {
    bar intro 0 long 0 D "$REST"
    bar intro 0 long 0 A "$REST"
    bar intro 0 long 0 Bm "$REST"
    bar fill 0 long 0 G "$REST"
    bar verse 1 verse 1 D "D5-2 F#5-2 A5-4 F#5-2 A5-2 D6-4"
    bar verse 0 verse 1 A "C#6-4 A5-4 E5-8"
    bar verse 0 verse 1 G "B4-2 D5-2 G5-4 B5-8"
    bar fill 0 verse 1 A "A5-4 G5-4 F#5-4 E5-4"
}

verse() {  # $1 = 1 for the verse that leads into a chorus
    local round
    for round in 1 2; do
        bar verse $((round == 1)) verse 1 D "F#5-2 A5-2 D6-4 A5-2 F#5-2 E5-2 F#5-2"
        bar verse 0 verse 1 A "E5-4 C#5-2 E5-2 A5-6 r-2"
        bar verse 0 verse 1 Bm "F#5-2 D5-2 F#5-2 B5-4 A5-2 F#5-2 D5-2"
        bar verse 0 verse 1 G "E5-2 D5-2 B4-2 D5-4 r-2 E5-2 F#5-2"
        bar verse 0 verse 1 D "F#5-2 A5-2 D6-4 E6-2 D6-2 A5-4"
        bar verse 0 verse 1 A "C#6-2 B5-2 A5-2 E5-2 A5-4 C#6-4"
        bar verse 0 verse 1 Bm "D6-3 C#6-1 B5-4 A5-2 F#5-2 B5-4"
        if ((round == 1)); then
            bar verse 0 verse 1 G "A5-4 G5-2 F#5-2 E5-4 r-4"
        else
            bar fill 0 verse 1 A "E5-2 F#5-2 G5-2 A5-2 B5-2 C#6-2 D6-2 E6-2"
        fi
    done
}

chorus() {  # $1 = 1 for the last chorus, which climbs higher at its end
    local round
    for round in 1 2; do
        bar chorus 1 chorus 1 G "D6-4 D6-2 B5-2 D6-4 E6-4"
        bar chorus 0 chorus 1 A "C#6-4 A5-2 E5-2 A5-4 C#6-4"
        bar chorus 0 chorus 1 D "D6-6 F#6-2 E6-4 D6-4"
        bar chorus 0 chorus 1 Bm "F#6-4 E6-2 D6-2 B5-8"
        bar chorus 0 chorus 1 G "D6-4 D6-2 B5-2 D6-4 G6-4"
        bar chorus 0 chorus 1 A "F#6-4 E6-2 C#6-2 E6-4 A5-4"
        bar chorus 0 chorus 1 D "D6-8 E6-2 F#6-2 E6-4"
        if ((round == 2 && $1 == 0)); then
            bar fill 0 chorus 1 D "D6-8 r-2 A5-2 B5-2 C#6-2"
        elif ((round == 2)); then
            bar fill 0 chorus 1 D "D6-4 F#6-4 A6-8"
        else
            bar chorus 0 chorus 1 D "D6-12 r-4"
        fi
    done
}

breakdown() {
    bar break 1 break 0 Bm "B5-8 A5-4 F#5-4"
    bar break 0 break 0 G "G5-8 D5-8"
    bar break 0 break 0 D "F#5-8 A5-4 D6-4"
    bar break 0 break 0 A "C#6-12 r-4"
    bar break 0 break 1 Bm "D6-8 C#6-4 B5-4"
    bar break 0 break 1 G "B5-8 G5-8"
    bar verse 0 verse 1 D "A5-8 F#5-4 A5-4"
    bar fill 0 verse 1 A "E5-4 F#5-4 G5-4 A5-4"
}

bridge() {
    bar verse 1 verse 1 Em "E5-2 G5-2 B5-4 G5-2 B5-2 E6-4"
    bar verse 0 verse 1 G "D6-4 B5-4 G5-4 B5-4"
    bar verse 0 verse 1 Bm "F#5-2 B5-2 D6-4 C#6-4 B5-4"
    bar verse 0 verse 1 A "C#6-8 A5-8"
    bar verse 0 verse 1 Em "E6-4 D6-2 B5-2 G5-4 E5-4"
    bar verse 0 verse 1 G "D5-4 G5-4 B5-4 D6-4"
    bar verse 0 verse 1 A "E6-4 C#6-4 A5-4 C#6-4"
    bar roll 0 chorus 1 A "E6-2 E6-2 E6-2 E6-2 E6-4 r-4"
}

outro() {
    bar chorus 1 chorus 1 D "A5-4 D6-4 F#6-8"
    bar chorus 0 chorus 1 A "E6-4 C#6-4 A5-8"
    bar chorus 0 chorus 1 Bm "B5-4 D6-4 F#6-8"
    bar chorus 0 chorus 1 G "G6-4 F#6-4 E6-4 D6-4"
    bar verse 0 verse 1 D "F#6-4 E6-4 D6-8"
    bar verse 0 verse 1 A "C#6-4 E6-4 A5-8"
    bar fill 0 long 0 D "D6-16"
    bar end 1 end 0 D "$REST"
}

make_music() {
    make_drums
    intro
    verse
    chorus 0
    breakdown
    verse
    chorus 0
    bridge
    chorus 1
    outro

    local t=$WORK/tracks
    mkdir -p "$t"
    concat "$t/drums.wav" "${DRUM_BARS[@]}"
    concat "$t/bass.wav" "${BASS_BARS[@]}"
    concat "$t/pad.wav" "${PAD_BARS[@]}"
    concat "$t/arp.wav" "${ARP_BARS[@]}"
    concat "$t/lead.wav" "${LEAD_BARS[@]}"

    # Room for the melodic parts; the drums and bass stay dry and tight.
    "${SOX[@]}" "$t/lead.wav" "${RAW[@]}" "$t/lead_room.wav" reverb 35 50 70 pad 0 2
    "${SOX[@]}" "$t/pad.wav" "${RAW[@]}" "$t/pad_room.wav" reverb 50 50 90 pad 0 2
    "${SOX[@]}" "$t/arp.wav" "${RAW[@]}" "$t/arp_room.wav" reverb 40 50 80 pad 0 2

    # The melody in front, drums and bass just behind it, pad and arpeggio
    # underneath.
    "${SOX[@]}" -m -v 0.7 "$t/drums.wav" -v 1 "$t/bass.wav" -v 2.8 "$t/pad_room.wav" \
        -v 1.6 "$t/arp_room.wav" -v 2.2 "$t/lead_room.wav" "${RAW[@]}" "$t/mix.wav"
    # Even out the loudness, leave room above the peaks for the effects, fade
    # out the tail.
    "${SOX[@]}" "$t/mix.wav" "${RAW[@]}" "$t/even.wav" \
        compand 0.01,0.25 -60,-60,-20,-14,0,-8 0 -90 0.05 reverse silence 1 0.01 -70d reverse
    "${SOX[@]}" "$t/even.wav" -r "$RATE" -c 1 -b 16 "$t/master.wav" gain -n -3 fade q 0 -0 1.5
    lame --quiet -b 96 -m m -q 2 --noreplaygain "$t/master.wav" "$OUT/Paint.mp3"
}

# ---------------------------------------------------------------------------
# Effects

finish_effect() {  # in out: normalised 16-bit mono
    "${SOX[@]}" "$1" -r "$RATE" -c 1 -b 16 "$2" gain -n -1
}

brass_note() {  # midi seconds
    local a b
    a=$(freq "$1") b=$(freq "$1" 1.005)
    "${SOX[@]}" "${RAW[@]}" -n "$WORK/fx_brass_$1_$2.wav" \
        synth "$2" sawtooth "$a" synth "$2" sawtooth mix "$b" synth "$2" square mix "$(freq "$1" 0.5)" \
        lowpass 3000 gain -14 fade q 0.02 "$2" 0.08
    echo "$WORK/fx_brass_$1_$2.wav"
}

# A win fanfare: three quick pick-ups to a held high note, then the tonic
# chord in full, with a cymbal.
make_success() {
    local s=$RATE items=()
    items+=("0:1:$(brass_note 67 0.13)")                        # G4
    items+=("$((s * 14 / 100)):1:$(brass_note 67 0.13)")        # G4
    items+=("$((s * 28 / 100)):1:$(brass_note 67 0.13)")        # G4
    items+=("$((s * 42 / 100)):1:$(brass_note 72 0.40)")        # C5
    items+=("$((s * 84 / 100)):1:$(brass_note 67 0.16)")        # G4
    items+=("$((s * 102 / 100)):1:$(brass_note 72 0.9)")        # C5, held
    items+=("$((s * 102 / 100)):0.8:$(brass_note 76 0.9)")      # E5
    items+=("$((s * 102 / 100)):0.8:$(brass_note 79 0.9)")      # G5
    items+=("$((s * 102 / 100)):0.35:$WORK/notes/crash.wav")
    mix_at "$WORK/fx_success.wav" $((s * 195 / 100)) "${items[@]}"
    finish_effect "$WORK/fx_success.wav" "$OUT/success.wav"
}

bell_note() {  # midi seconds
    local f=$WORK/fx_bell_$1_$2.wav
    "${SOX[@]}" "${RAW[@]}" -n "$f" \
        synth "$2" sine "$(freq "$1")" synth "$2" sine mix "$(freq "$1" 2)" synth "$2" sine mix "$(freq "$1" 3.01)" \
        gain -12 fade t 0.002 "$2" "$(awk -v d="$2" 'BEGIN { print d - 0.003 }')"
    echo "$f"
}

# Our flag pick-up: a bright chime rising over a major arpeggio.
make_nice() {
    local s=$RATE items=()
    items+=("0:1:$(bell_note 84 0.45)")                          # C6
    items+=("$((s * 7 / 100)):1:$(bell_note 88 0.45)")           # E6
    items+=("$((s * 14 / 100)):1:$(bell_note 91 0.45)")          # G6
    items+=("$((s * 21 / 100)):1.2:$(bell_note 96 0.55)")        # C7
    mix_at "$WORK/fx_nice.wav" $((s * 78 / 100)) "${items[@]}"
    finish_effect "$WORK/fx_nice.wav" "$OUT/nice.wav"
}

low_note() {  # midi seconds
    local f=$WORK/fx_low_$1_$2.wav
    "${SOX[@]}" "${RAW[@]}" -n "$f" \
        synth "$2" sawtooth "$(freq "$1")" synth "$2" sawtooth mix "$(freq "$1" 1.01)" synth "$2" sine mix "$(freq "$1" 0.5)" \
        lowpass 500 lowpass 700 gain -10 fade q 0.01 "$2" 0.15
    echo "$f"
}

# Their flag pick-up: "dum, dum, duuum" falling by a tritone, low and dark,
# over a rumble.
make_org1() {
    local s=$RATE items=()
    "${SOX[@]}" "${RAW[@]}" -n "$WORK/fx_rumble.wav" synth 1.4 brownnoise lowpass 200 gain -20 fade q 0.2 1.4 0.5
    items+=("0:1:$WORK/fx_rumble.wav")
    items+=("0:1:$(low_note 50 0.22)")                           # D3
    items+=("$((s * 26 / 100)):1:$(low_note 50 0.22)")           # D3
    items+=("$((s * 52 / 100)):1.1:$(low_note 44 0.85)")         # Ab2
    mix_at "$WORK/fx_org1.wav" $((s * 140 / 100)) "${items[@]}"
    finish_effect "$WORK/fx_org1.wav" "$OUT/org1.wav"
}

# Our player out: a voice-like "aww" that sighs downwards.
make_org2() {
    "${SOX[@]}" "${RAW[@]}" -n "$WORK/fx_aww.wav" \
        synth 1.1 sawtooth 330/196 synth 1.1 sawtooth mix 332/197 \
        equalizer 750 1.5q +12 equalizer 1150 2q +8 lowpass 2500 gain -18 \
        tremolo 5.5 25 fade q 0.06 1.1 0.45
    finish_effect "$WORK/fx_aww.wav" "$OUT/org2.wav"
}

# Their player out: a wet paint ball bursting, a thud and some droplets.
make_smash() {
    local s=$RATE items=()
    "${SOX[@]}" "${RAW[@]}" -n "$WORK/fx_burst.wav" synth 0.09 whitenoise highpass 1500 fade l 0.001 0.09 0.085 gain -6
    "${SOX[@]}" "${RAW[@]}" -n "$WORK/fx_body.wav" synth 0.4 pinknoise lowpass 1800 fade l 0.002 0.4 0.39 gain -6
    "${SOX[@]}" "${RAW[@]}" -n "$WORK/fx_thud.wav" synth 0.18 sine 120/45 fade q 0.002 0.18 0.17 gain -4
    "${SOX[@]}" "${RAW[@]}" -n "$WORK/fx_drop.wav" synth 0.03 whitenoise bandpass 2500 1q fade l 0.001 0.03 0.028 gain -10
    items+=("0:1:$WORK/fx_burst.wav" "0:1:$WORK/fx_body.wav" "0:1:$WORK/fx_thud.wav")
    items+=("$((s * 12 / 100)):0.8:$WORK/fx_drop.wav")
    items+=("$((s * 19 / 100)):0.6:$WORK/fx_drop.wav")
    items+=("$((s * 27 / 100)):0.4:$WORK/fx_drop.wav")
    mix_at "$WORK/fx_smash.wav" $((s * 45 / 100)) "${items[@]}"
    finish_effect "$WORK/fx_smash.wav" "$OUT/smash.wav"
}

make_music
make_success
make_nice
make_org1
make_org2
make_smash
