#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes Move.wav, the sound of a disc set down on the board: a soft wooden click.

A short burst of low-passed noise (the contact) over two damped tones (the body of the
disc and the board), 60 ms, 22050 Hz, 16-bit mono. Seeded, so every run writes the same
bytes. Standard library only.
"""
import math
import random
import struct
import sys
import wave
from pathlib import Path

RATE = 22050
DURATION = 0.060
PEAK = 0.45  # of full scale: soft enough to repeat four times at every new board


def samples():
    rng = random.Random(20261206)
    count = int(RATE * DURATION)
    smoothed = 0.0
    for n in range(count):
        t = n / RATE
        # One-pole low-pass takes the hiss out of the contact noise.
        smoothed += 0.35 * (rng.uniform(-1.0, 1.0) - smoothed)
        contact = smoothed * math.exp(-t / 0.004)
        body = 0.55 * math.sin(2 * math.pi * 1150 * t) * math.exp(-t / 0.010)
        board = 0.35 * math.sin(2 * math.pi * 420 * t) * math.exp(-t / 0.018)
        attack = min(1.0, n / 22.0)  # a 1 ms ramp avoids a pop at the start
        fade = min(1.0, (count - 1 - n) / 110.0)  # and a 5 ms fade at the end
        yield (contact + body + board) * attack * fade


def main(path):
    values = list(samples())
    scale = PEAK / max(abs(v) for v in values)
    frames = b"".join(struct.pack("<h", round(v * scale * 32767)) for v in values)
    with wave.open(str(path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


if __name__ == "__main__":
    main(Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).with_name("Move.wav"))
