#!/usr/bin/env python3
"""make_music.py OUT.mid: writes the background music, a festive pentatonic
tune, as a standard MIDI file (format 0)."""
import struct
import sys

TICKS = 240  # per quarter note

# Melody in the Chinese pentatonic scale (gong mode on D): (note, beats).
PHRASE_A = [(62, 1), (64, 1), (66, 1), (69, 1), (71, 2), (69, 1), (66, 1),
            (64, 1), (66, 1), (69, 2), (66, 1), (64, 1), (62, 2)]
PHRASE_B = [(69, 1), (71, 1), (74, 2), (71, 1), (69, 1), (66, 2),
            (64, 1), (66, 1), (69, 1), (71, 1), (69, 4)]
PHRASE_C = [(74, 1), (71, 1), (69, 1), (66, 1), (69, 2), (64, 2),
            (66, 1), (64, 1), (62, 1), (64, 1), (62, 4)]
TUNE = (PHRASE_A + PHRASE_B + PHRASE_A + PHRASE_C) * 4


def vlq(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def track():
    ev = bytearray()
    ev += vlq(0) + b"\xff\x51\x03" + (600000).to_bytes(3, "big")  # 100 bpm
    ev += vlq(0) + b"\xc0\x49"  # flute
    ev += vlq(0) + b"\xc1\x6b"  # koto-like pluck for the drone
    for note, beats in TUNE:
        length = beats * TICKS
        ev += vlq(0) + bytes([0x90, note, 88])
        ev += vlq(0) + bytes([0x91, note - 24, 52])
        ev += vlq(length) + bytes([0x80, note, 0])
        ev += vlq(0) + bytes([0x81, note - 24, 0])
    ev += vlq(0) + b"\xff\x2f\x00"
    return bytes(ev)


def main(out):
    data = track()
    with open(out, "wb") as f:
        f.write(b"MThd" + struct.pack(">IHHH", 6, 0, 1, TICKS))
        f.write(b"MTrk" + struct.pack(">I", len(data)) + data)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])
