#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Synthesize Numbloom's sound effects.

Writes five short 16-bit PCM mono wave files (22050 Hz):

    ding.wav    soft bell for each typed digit          (~0.12 s)
    uhoh.wav    friendly two-note "uh-oh" (wrong answer) (~0.60 s)
    tada.wav    rising "ta-da" fanfare (end of a drill)  (~1.20 s)
    single.wav  soft pop for each shape in a picture     (~0.15 s)
    boing.wav   springy boing for each finished row      (~0.35 s)

Usage:
    python3 tools/make-sounds.py [OUTPUT_FOLDER]

The default output folder is the assets/ folder next to this tools/ folder.
Only the Python standard library is used, and the output is deterministic.
"""

import math
import os
import struct
import sys
import wave

RATE = 22050
PEAK_DBFS = -3.0
TWO_PI = 2.0 * math.pi


# ---------------------------------------------------------------- helpers

def silence(seconds):
    return [0.0] * int(round(seconds * RATE))


def mix_into(buf, part, start_seconds, gain=1.0):
    """Add samples of part into buf starting at start_seconds (buf grows)."""
    start = int(round(start_seconds * RATE))
    end = start + len(part)
    if end > len(buf):
        buf.extend([0.0] * (end - len(buf)))
    for i, s in enumerate(part):
        buf[start + i] += gain * s
    return buf


def envelope(n, attack, decay_rate, release=0.0):
    """Attack (raised-cosine) + exponential decay + optional linear release.

    attack and release are in seconds, decay_rate in 1/seconds.
    """
    a = max(1, int(attack * RATE))
    r = int(release * RATE)
    out = []
    for i in range(n):
        t = i / RATE
        if i < a:
            g = 0.5 - 0.5 * math.cos(math.pi * i / a)
        else:
            g = math.exp(-decay_rate * (t - attack))
        if r and i >= n - r:
            g *= (n - i) / r
        out.append(g)
    return out


def tone(seconds, freq, partials, attack, decay_rate, release=0.02):
    """A note made of (ratio, amplitude, extra_decay) partials."""
    n = int(round(seconds * RATE))
    env = envelope(n, attack, decay_rate, release)
    out = []
    for i in range(n):
        t = i / RATE
        s = 0.0
        for ratio, amp, extra in partials:
            s += amp * math.exp(-extra * t) * math.sin(TWO_PI * freq * ratio * t)
        out.append(s * env[i])
    return out


def sweep(seconds, freq_of_t, partials, env):
    """Oscillator whose frequency follows freq_of_t(t) (phase accumulated)."""
    n = len(env)
    out = []
    phase = 0.0
    for i in range(n):
        t = i / RATE
        phase += TWO_PI * freq_of_t(t) / RATE
        s = 0.0
        for ratio, amp in partials:
            s += amp * math.sin(ratio * phase)
        out.append(s * env[i])
    return out


def finish(samples, fade_in=0.003, fade_out=0.012):
    """Remove DC, apply click-free fades and normalise to PEAK_DBFS."""
    n = len(samples)
    mean = sum(samples) / n
    samples = [s - mean for s in samples]
    fi = max(1, int(fade_in * RATE))
    fo = max(1, int(fade_out * RATE))
    for i in range(min(fi, n)):
        samples[i] *= 0.5 - 0.5 * math.cos(math.pi * i / fi)
    for i in range(min(fo, n)):
        samples[n - 1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / fo)
    samples[0] = 0.0
    samples[-1] = 0.0
    peak = max(abs(s) for s in samples) or 1.0
    target = 10.0 ** (PEAK_DBFS / 20.0)
    return [s * target / peak for s in samples]


def write_wav(path, samples):
    frames = bytearray()
    for s in samples:
        v = int(round(s * 32767.0))
        v = max(-32768, min(32767, v))
        frames += struct.pack("<h", v)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(bytes(frames))


# ---------------------------------------------------------------- sounds

def make_ding():
    # A small glockenspiel-like bell on C6.  The bright inharmonic partials
    # die away fast, so only a soft round tone is left: pleasant even after
    # a hundred digits.
    partials = [
        (1.00, 1.00, 0.0),
        (2.00, 0.22, 18.0),
        (2.76, 0.18, 30.0),
        (5.40, 0.06, 60.0),
    ]
    s = tone(0.12, 1046.5, partials, attack=0.004, decay_rate=28.0,
             release=0.025)
    return finish(s, fade_out=0.015)


def make_uhoh():
    # Two soft, rounded notes a minor third apart (G4 then E4), the second
    # one sagging a little in pitch like a sympathetic voice.
    voice = [(1, 1.0), (2, 0.30), (3, 0.10)]
    out = silence(0.60)

    n1 = int(0.22 * RATE)
    env1 = envelope(n1, 0.025, 4.0, release=0.05)
    note1 = sweep(0.22, lambda t: 392.0 * (1.0 + 0.01 * math.sin(TWO_PI * 5 * t)),
                  voice, env1)
    mix_into(out, note1, 0.0)

    n2 = int(0.34 * RATE)
    env2 = envelope(n2, 0.03, 3.5, release=0.12)
    note2 = sweep(0.34,
                  lambda t: 329.63 * (1.0 - 0.05 * min(1.0, t / 0.34))
                  * (1.0 + 0.012 * math.sin(TWO_PI * 5 * t)),
                  voice, env2)
    mix_into(out, note2, 0.25)
    return finish(out[:int(0.60 * RATE)], fade_out=0.02)


def make_tada():
    # Rising C-major arpeggio C5 E5 G5, then a held C6 chord that rings out.
    bright = [
        (1.0, 1.00, 0.0),
        (2.0, 0.35, 3.0),
        (3.0, 0.15, 6.0),
        (4.0, 0.06, 9.0),
    ]
    out = silence(1.20)
    arpeggio = [(523.25, 0.00), (659.26, 0.10), (783.99, 0.20)]
    for freq, start in arpeggio:
        mix_into(out, tone(0.30, freq, bright, 0.006, 9.0, release=0.08),
                 start, gain=0.8)
    chord_start = 0.32
    chord_len = 1.20 - chord_start
    for freq, gain in [(1046.5, 0.9), (783.99, 0.55), (659.26, 0.5),
                       (523.25, 0.45)]:
        n = int(round(chord_len * RATE))
        env = envelope(n, 0.01, 2.6, release=0.25)
        note = sweep(chord_len,
                     lambda t, f=freq: f * (1.0 + 0.004 * math.sin(TWO_PI * 5.5 * t)
                                            * min(1.0, t / 0.3)),
                     [(1, 1.0), (2, 0.30), (3, 0.12)], env)
        mix_into(out, note, chord_start, gain=gain)
    return finish(out[:int(1.20 * RATE)], fade_out=0.04)


def make_single():
    # A soft "blip": a sine that jumps quickly upward (like a bubble) and
    # fades away.
    seconds = 0.15
    n = int(round(seconds * RATE))
    env = envelope(n, 0.004, 30.0, release=0.03)

    def freq(t):
        return 520.0 + 420.0 * (1.0 - math.exp(-t / 0.018))

    s = sweep(seconds, freq, [(1, 1.0), (2, 0.08)], env)
    return finish(s, fade_out=0.02)


def make_boing():
    # A spring: pitch glides up and down again with a wobble (vibrato) that
    # starts wide and settles.
    seconds = 0.35
    n = int(round(seconds * RATE))
    env = envelope(n, 0.006, 6.0, release=0.06)

    def freq(t):
        x = t / seconds
        if x < 0.35:                      # spring stretches: pitch rises
            glide = 180.0 + 200.0 * math.sin(0.5 * math.pi * x / 0.35)
        else:                             # and relaxes back down
            glide = 380.0 - 140.0 * (x - 0.35) / 0.65
        wobble = 1.0 + 0.16 * math.exp(-t / 0.15) * math.sin(TWO_PI * 16.0 * t)
        return glide * wobble

    s = sweep(seconds, freq, [(1, 1.0), (2, 0.35), (3, 0.15)], env)
    return finish(s, fade_out=0.03)


SOUNDS = {
    "ding.wav": make_ding,
    "uhoh.wav": make_uhoh,
    "tada.wav": make_tada,
    "single.wav": make_single,
    "boing.wav": make_boing,
}


def main(argv):
    if len(argv) > 1:
        out_dir = argv[1]
    else:
        here = os.path.dirname(os.path.abspath(__file__))
        out_dir = os.path.join(os.path.dirname(here), "assets")
    os.makedirs(out_dir, exist_ok=True)
    for name, maker in SOUNDS.items():
        samples = maker()
        path = os.path.join(out_dir, name)
        write_wav(path, samples)
        print("%-11s %6d samples  %.3f s" % (name, len(samples),
                                            len(samples) / RATE))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
