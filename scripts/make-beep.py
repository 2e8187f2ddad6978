#!/usr/bin/env python3
"""Writes resources/beep.wav, the default alarm sound: a soft two-note chime followed by
a pause, one second in all, so that it loops calmly. Uses the standard library only."""
import math
import struct
import sys
import wave

RATE = 22050
NOTES = [(659.25, 0.0, 0.35), (987.77, 0.18, 0.45)]  # E5 then B5: (hertz, start, length)
LENGTH = 1.0


def sample(t):
    value = 0.0
    for hertz, start, length in NOTES:
        local = t - start
        if 0.0 <= local < length:
            attack = min(1.0, local / 0.01)  # no click at the start
            decay = math.exp(-local * 7.0)
            release = min(1.0, (length - local) / 0.03)  # nor at the end
            tone = math.sin(2 * math.pi * hertz * local) + 0.25 * math.sin(4 * math.pi * hertz * local)
            value += 0.35 * attack * decay * release * tone
    return max(-1.0, min(1.0, value))


def main(path):
    frames = bytearray()
    for i in range(int(RATE * LENGTH)):
        frames += struct.pack("<h", int(sample(i / RATE) * 32767))
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(bytes(frames))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "resources/beep.wav")
