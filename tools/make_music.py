#!/usr/bin/env python3
"""make_music.py OUT.mid: writes the background music as a standard MIDI
file (format 1): an original festive tune in the Chinese pentatonic scale
(gong mode on D), about a minute and a half long, for flute with a plucked
accompaniment, bass, a string pad in the quiet middle part and festive
percussion (drum, wood block, Chinese cymbal).

The tunes are written in numbered notation (jianpu), 1 = D, two beats to
the bar:  digits 1-7 are scale degrees, 0 a rest; ' raises and , lowers an
octave; a note lasts a beat, _ halves it (once per _), . adds half again;
notes of one beat are written together ("6_1'_"); - holds the previous note
one more beat; | is a bar line (checked).
"""
import re
import struct
import sys

TICKS = 480  # per beat
BEATS_PER_BAR = 2
TEMPO_BPM = 116
FINAL_BPM = 84  # the last bars broaden

TONIC = 62  # D4 is 1
DEGREES = {1: 0, 2: 2, 3: 4, 4: 5, 5: 7, 6: 9, 7: 11}
NOTE = re.compile(r"([0-7])([',]*)(_*)(\.?)")

# -- the tune ---------------------------------------------------------------
# A: a bright opening phrase and its answer.
A = """
5 6_1'_ | 6_5_ 3 | 2_3_ 5_6_ | 5 - | 6_1'_ 2'_1'_ | 6_5_ 6 | 3_2_ 1_2_ | 3 - |
5_6_ 1'_2'_ | 3'_2'_ 1' | 6_1'_ 5_6_ | 3_2_ 3 | 5_3_ 2_1_ | 6,_1_ 2_3_ | 2_1_ 6,_2_ | 1 - |
"""
A_ROOTS = "1 6 5 1 6 6 1 1 1 6 2 6 1 6 5 1"

# B: livelier, higher, with running sixteenths.
B = """
1'_1'_ 6_1'_ | 2' 1'_6_ | 5_6_ 1'_6_ | 5 - | 3_5_ 6_5_ | 3_2_ 1_2_ | 3_5_ 2_3_ | 5 - |
6_6_ 5_6_ | 1'_2'_ 1'_6_ | 5_3_ 5_6_ | 1' - | 2'_1'_ 6_5_ | 3__5__6__1'__ 5_6_ | 5_3_ 2_3_ | 1 - |
"""
B_ROOTS = "1 5 1 5 6 1 5 5 6 1 5 1 5 6 5 1"

# C: the quiet middle, like a lantern-lit street at night.
C = """
3 5_6_ | 5 3 | 2_3_ 2_1_ | 6, - | 1_2_ 3_5_ | 2 3_2_ | 1_6,_ 1_2_ | 3 - |
5 6_1'_ | 6 5_3_ | 2_3_ 5_3_ | 2 - | 3_5_ 2_3_ | 1_2_ 6,_5,_ | 6,_1_ 2_3_ | 1 - |
"""
C_ROOTS = "1 1 5 6 1 5 6 1 1 6 5 2 1 5 6 1"

INTRO_ROOTS = "1 5 1 5"
CODA = "5_6_ 1'_2'_ | 1' 6_5_ | 1' - | 1' 0 |"
CODA_ROOTS = "1 6 1 1"

# (name, tune, bass roots one per bar, texture) in playing order.
SECTIONS = [
    ("intro", None, INTRO_ROOTS, "intro"),
    ("A", A, A_ROOTS, "full"),
    ("B", B, B_ROOTS, "lively"),
    ("C", C, C_ROOTS, "quiet"),
    ("A", A, A_ROOTS, "full"),
    ("B", B, B_ROOTS, "lively"),
    ("coda", CODA, CODA_ROOTS, "coda"),
]

# -- channels and General MIDI programs --------------------------------------
FLUTE, VIOLIN, PLUCK, BASS, PAD, DRUMS = 0, 1, 2, 3, 4, 9
PROGRAMS = {FLUTE: 73, VIOLIN: 40, PLUCK: 107, BASS: 32, PAD: 48}  # flute, violin, koto, bass, strings
PAN = {FLUTE: 64, VIOLIN: 76, PLUCK: 40, BASS: 64, PAD: 92}
VOLUME = {FLUTE: 110, VIOLIN: 84, PLUCK: 92, BASS: 96, PAD: 70, DRUMS: 88}
LOW_TOM, HIGH_TOM, WOOD_BLOCK, CHINESE_CYMBAL, CRASH, BASS_DRUM = 45, 50, 76, 52, 49, 35


def parse(tune):
    """Numbered notation -> list of (pitch or None, ticks)."""
    notes = []
    bar = 0
    for token in tune.split():
        if token == "|":
            if bar != BEATS_PER_BAR * TICKS:
                raise ValueError(f"bar of {bar / TICKS} beats before note {len(notes)}")
            bar = 0
            continue
        if token == "-":
            pitch, length = notes[-1]
            notes[-1] = (pitch, length + TICKS)
            bar += TICKS
            continue
        for degree, marks, shorter, dot in NOTE.findall(token):
            octave = marks.count("'") - marks.count(",")
            length = TICKS >> len(shorter)
            if dot:
                length += length // 2
            pitch = None if degree == "0" else TONIC + DEGREES[int(degree)] + 12 * octave
            notes.append((pitch, length))
            bar += length
    if bar:
        raise ValueError("tune does not end on a bar line")
    return notes


def root_pitch(digit):
    return TONIC - 12 + DEGREES[int(digit)]


class Track:
    def __init__(self, name):
        self.name = name
        self.events = []  # (tick, order, bytes); note-offs sort before note-ons

    def note(self, channel, tick, pitch, length, velocity):
        self.events.append((tick, 1, bytes([0x90 | channel, pitch, velocity])))
        self.events.append((tick + length, 0, bytes([0x80 | channel, pitch, 0])))

    def raw(self, tick, data):
        self.events.append((tick, 0, data))

    def encode(self):
        out = bytearray(vlq(0) + b"\xff\x03" + vlq(len(self.name)) + self.name.encode("ascii"))
        now = 0
        for tick, _, data in sorted(self.events, key=lambda e: (e[0], e[1])):
            out += vlq(tick - now) + data
            now = tick
        out += vlq(0) + b"\xff\x2f\x00"
        return bytes(out)


def vlq(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def setup(track, channel):
    track.raw(0, bytes([0xC0 | channel, PROGRAMS[channel]]))
    track.raw(0, bytes([0xB0 | channel, 10, PAN[channel]]))
    track.raw(0, bytes([0xB0 | channel, 7, VOLUME[channel]]))
    track.raw(0, bytes([0xB0 | channel, 91, 40]))  # a little hall reverb


def melody(track, channel, tune, start, octave=0, velocity=96):
    tick = start
    for pitch, length in parse(tune):
        if pitch is not None:
            on_beat = (tick - start) % TICKS == 0
            track.note(channel, tick, pitch + 12 * octave, max(length - 24, length * 7 // 8),
                       velocity + (8 if on_beat else 0))
        tick += length
    return tick


def pluck_bar(track, tick, root, texture):
    """Broken chord in eighths: root, fifth, octave, fifth."""
    bass = root_pitch(root)
    figure = [bass, bass + 7, bass + 12, bass + 7]
    if texture == "quiet":
        figure = [bass, bass + 12]
    step = BEATS_PER_BAR * TICKS // len(figure)
    for i, pitch in enumerate(figure):
        track.note(PLUCK, tick + i * step, pitch, step, 78 if i == 0 else 62)


def bass_bar(track, tick, root, texture):
    pitch = root_pitch(root) - 12
    if texture == "quiet":
        track.note(BASS, tick, pitch, 2 * TICKS - 30, 70)
        return
    track.note(BASS, tick, pitch, TICKS - 40, 92)
    track.note(BASS, tick + TICKS, pitch + 7, TICKS - 40, 80)


def pad_bar(track, tick, root):
    low = root_pitch(root)
    for pitch in (low, low + 7, low + 12):
        track.note(PAD, tick, pitch, 2 * TICKS - 10, 58)


def drum_bar(track, tick, bar, texture):
    hit = lambda offset, key, velocity: track.note(DRUMS, tick + offset, key, TICKS // 4, velocity)
    half = TICKS // 2
    if texture == "quiet":
        hit(0, WOOD_BLOCK, 52)
        hit(TICKS, WOOD_BLOCK, 44)
        return
    hit(0, LOW_TOM, 100)
    hit(3 * half, LOW_TOM, 78)
    for i in range(4):
        hit(i * half, WOOD_BLOCK, 70 if i % 2 == 0 else 50)
    if texture == "lively":
        hit(TICKS + half // 2, HIGH_TOM, 64)
    if bar % 2 == 1:
        hit(TICKS, CHINESE_CYMBAL, 66)


def compose():
    tempo = Track("tempo")
    tempo.raw(0, b"\xff\x58\x04" + bytes([BEATS_PER_BAR, 2, 24, 8]))  # 2/4
    tempo.raw(0, b"\xff\x59\x02\x02\x00")  # D major key signature
    tempo.raw(0, b"\xff\x51\x03" + (60_000_000 // TEMPO_BPM).to_bytes(3, "big"))
    tracks = {channel: Track(name) for channel, name in
              [(FLUTE, "flute"), (VIOLIN, "violin"), (PLUCK, "koto"), (BASS, "bass"), (PAD, "strings"),
               (DRUMS, "drums")]}
    for channel, track in tracks.items():
        if channel != DRUMS:
            setup(track, channel)
        else:
            track.raw(0, bytes([0xB0 | DRUMS, 7, VOLUME[DRUMS]]))

    tick = 0
    bar_length = BEATS_PER_BAR * TICKS
    for index, (name, tune, roots, texture) in enumerate(SECTIONS):
        roots = roots.split()
        if tune is not None:
            bars = sum(length for _, length in parse(tune)) // bar_length
            if bars != len(roots):
                raise ValueError(f"section {name}: {bars} bars, {len(roots)} roots")
            if texture == "quiet":
                melody(tracks[VIOLIN], VIOLIN, tune, tick, velocity=84)
            else:
                melody(tracks[FLUTE], FLUTE, tune, tick)
            if texture == "full" and index > 2:
                melody(tracks[VIOLIN], VIOLIN, tune, tick, octave=-1, velocity=70)
        # A crash and a deep drum open every section after the intro.
        if index > 0:
            tracks[DRUMS].note(DRUMS, tick, CRASH, TICKS, 84)
            tracks[DRUMS].note(DRUMS, tick, BASS_DRUM, TICKS // 2, 100)
        for bar, root in enumerate(roots):
            at = tick + bar * bar_length
            last_bars = texture == "coda" and bar >= len(roots) - 2
            if texture == "coda" and bar == len(roots) - 2:
                tempo.raw(at, b"\xff\x51\x03" + (60_000_000 // FINAL_BPM).to_bytes(3, "big"))
            if last_bars:
                if bar == len(roots) - 1:
                    tracks[PLUCK].note(PLUCK, at, root_pitch(root), bar_length, 80)
                    tracks[BASS].note(BASS, at, root_pitch(root) - 12, bar_length, 90)
                    tracks[DRUMS].note(DRUMS, at, CHINESE_CYMBAL, TICKS, 96)
                    tracks[DRUMS].note(DRUMS, at, LOW_TOM, TICKS, 110)
                else:
                    pluck_bar(tracks[PLUCK], at, root, "full")
                    bass_bar(tracks[BASS], at, root, "full")
                    pad_bar(tracks[PAD], at, root)
                continue
            pluck_bar(tracks[PLUCK], at, root, texture)
            if texture != "intro" or bar >= 2:
                bass_bar(tracks[BASS], at, root, texture)
            if texture == "quiet":
                pad_bar(tracks[PAD], at, root)
            drum_bar(tracks[DRUMS], at, bar, texture)
        tick += len(roots) * bar_length
    return [tempo] + list(tracks.values()), tick


def duration_seconds(total_ticks):
    slow = 2 * BEATS_PER_BAR * TICKS  # the last two bars
    return (total_ticks - slow) / TICKS * 60 / TEMPO_BPM + slow / TICKS * 60 / FINAL_BPM


def main(out):
    tracks, total = compose()
    seconds = duration_seconds(total)
    if not 60 <= seconds <= 120:
        raise SystemExit(f"the tune lasts {seconds:.0f} s, not one to two minutes")
    with open(out, "wb") as f:
        f.write(b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), TICKS))
        for track in tracks:
            data = track.encode()
            f.write(b"MTrk" + struct.pack(">I", len(data)) + data)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])
