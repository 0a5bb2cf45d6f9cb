#!/usr/bin/env python3
"""Writes embedded_waves.inc: the program's own short sounds as 8 kHz mono 16-bit wave files.

    python3 generate_waves.py > embedded_waves.inc

The hour chime is two bell strokes falling a major third, the half-hour chime one higher stroke,
the beep a short soft-edged tone.
"""
import math
import struct

RATE = 8000


def bell(freq, start, length, total, gain):
    """A struck bell: a few inharmonic partials, each dying away at its own speed."""
    partials = [(0.5, 0.35, 1.2), (1.0, 1.0, 2.2), (1.19, 0.45, 3.0),
                (1.5, 0.3, 3.5), (2.0, 0.25, 4.5), (2.74, 0.12, 6.0)]
    out = [0.0] * total
    first = int(start * RATE)
    for n in range(int(length * RATE)):
        if first + n >= total:
            break
        t = n / RATE
        attack = min(1.0, t / 0.004)
        value = sum(a * math.exp(-d * t) * math.sin(2 * math.pi * freq * r * t)
                    for r, a, d in partials if freq * r < RATE / 2)
        out[first + n] += gain * attack * value
    return out


def tone(freq, length):
    total = int(length * RATE)
    out = []
    for n in range(total):
        t = n / RATE
        edge = min(1.0, t / 0.005, (length - t) / 0.03)
        out.append(0.5 * edge * (math.sin(2 * math.pi * freq * t)
                                 + 0.2 * math.sin(4 * math.pi * freq * t)))
    return out


def mix(*tracks):
    return [sum(values) for values in zip(*tracks)]


def fade_out(samples, length):
    count = int(length * RATE)
    for i in range(count):
        samples[-count + i] *= 1.0 - i / count
    return samples


def wave_bytes(samples):
    peak = max(abs(s) for s in samples) or 1.0
    pcm = b"".join(struct.pack("<h", int(round(s / peak * 0.7 * 32767))) for s in samples)
    fmt = struct.pack("<HHIIHH", 1, 1, RATE, RATE * 2, 2, 16)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
    body += b"data" + struct.pack("<I", len(pcm)) + pcm
    return b"RIFF" + struct.pack("<I", len(body)) + body


def emit(name, comment, data):
    print(f"// {comment}")
    print(f"constexpr unsigned char {name}[] = {{")
    for i in range(0, len(data), 16):
        print("    " + ",".join(f"0x{b:02x}" for b in data[i:i + 16]) + ",")
    print("};")
    print()


def main():
    hour_len = 0.95
    hour_total = int(hour_len * RATE)
    hour = fade_out(mix(bell(659.25, 0.0, hour_len, hour_total, 1.0),
                        bell(523.25, 0.38, hour_len, hour_total, 1.0)), 0.08)
    half_len = 0.6
    half = fade_out(bell(783.99, 0.0, half_len, int(half_len * RATE), 1.0), 0.08)
    beep = tone(880.0, 0.2)

    print("// The program's own sounds, written by generate_waves.py; do not edit by hand.")
    print()
    emit("kHourChime", "Hour chime: two bell strokes, E5 then C5, 0.95 s.", wave_bytes(hour))
    emit("kHalfHourChime", "Half-hour chime: one bell stroke, G5, 0.6 s.", wave_bytes(half))
    emit("kDefaultBeep", "Default beep: 880 Hz, 0.2 s.", wave_bytes(beep))


if __name__ == "__main__":
    main()
