#!/usr/bin/env python3
"""Synthesise sound.dat: the short "tock" played when a ball is taken off the board.

The sound is built from scratch with plain math (Python standard library only):
  * four damped, slightly inharmonic sine modes (a small wooden/glass body),
    each starting a little sharp and settling down (a tiny pitch drop);
  * a low, very short "thump" that gives the tock some body;
  * a band-passed noise burst of a few milliseconds for the contact click.
The result is DC-blocked, faded in and out so it never clicks, normalised to
-3 dBFS and written as a 16-bit, 44.1 kHz mono RIFF WAVE file next to this
script. A fixed seed makes every run byte-for-byte identical.
"""
import math
import os
import random
import struct
import wave

RATE = 44100
LENGTH_S = 0.160          # total length, tail included (must stay <= 0.200)
PEAK_DBFS = -3.0
SEED = 20240611

FADE_IN_S = 0.0015        # soft but still percussive attack
FADE_OUT_S = 0.030        # smooth tail to exact silence

# Body modes: (frequency ratio, amplitude, decay time constant in seconds).
BASE_HZ = 698.46          # F5, so the tock sits in the key of the music
MODES = [
    (1.000, 1.00, 0.040),
    (2.756, 0.42, 0.020),
    (5.404, 0.18, 0.011),
    (8.933, 0.07, 0.006),
]
PITCH_DROP = 0.030        # modes start 3 % sharp ...
PITCH_DROP_TAU = 0.012    # ... and settle within a few tens of ms

THUMP_HZ = 233.0
THUMP_AMP = 0.45
THUMP_TAU = 0.014
THUMP_DROP = 0.10

CLICK_AMP = 0.30
CLICK_TAU = 0.0025
CLICK_CENTRE_HZ = 3200.0
CLICK_Q = 1.1


def swept_phase(freq, t, drop, tau):
    """Phase of a sine whose frequency glides from freq*(1+drop) down to freq."""
    return 2.0 * math.pi * freq * (t + drop * tau * (1.0 - math.exp(-t / tau)))


def bandpass(samples, centre, q):
    """RBJ band-pass biquad (constant 0 dB peak gain)."""
    w0 = 2.0 * math.pi * centre / RATE
    alpha = math.sin(w0) / (2.0 * q)
    a0 = 1.0 + alpha
    b0, b1, b2 = alpha / a0, 0.0, -alpha / a0
    a1, a2 = -2.0 * math.cos(w0) / a0, (1.0 - alpha) / a0
    out = []
    x1 = x2 = y1 = y2 = 0.0
    for x in samples:
        y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
        x2, x1, y2, y1 = x1, x, y1, y
        out.append(y)
    return out


def synthesise():
    n = int(round(LENGTH_S * RATE))
    rng = random.Random(SEED)

    noise = [rng.uniform(-1.0, 1.0) for _ in range(n)]
    click = bandpass(noise, CLICK_CENTRE_HZ, CLICK_Q)

    sig = []
    for i in range(n):
        t = i / RATE
        s = 0.0
        for ratio, amp, tau in MODES:
            s += amp * math.exp(-t / tau) * math.sin(
                swept_phase(BASE_HZ * ratio, t, PITCH_DROP, PITCH_DROP_TAU))
        s += THUMP_AMP * math.exp(-t / THUMP_TAU) * math.sin(
            swept_phase(THUMP_HZ, t, THUMP_DROP, PITCH_DROP_TAU))
        s += CLICK_AMP * math.exp(-t / CLICK_TAU) * click[i]
        sig.append(s)

    # DC blocker (one-pole high-pass at ~20 Hz).
    r = 1.0 - 2.0 * math.pi * 20.0 / RATE
    prev_x = prev_y = 0.0
    for i, x in enumerate(sig):
        y = x - prev_x + r * prev_y
        prev_x, prev_y = x, y
        sig[i] = y

    # Raised-cosine fades so the first and last samples are exactly zero.
    n_in = int(FADE_IN_S * RATE)
    n_out = int(FADE_OUT_S * RATE)
    for i in range(n):
        g = 1.0
        if i < n_in:
            g *= 0.5 - 0.5 * math.cos(math.pi * i / n_in)
        k = n - 1 - i
        if k < n_out:
            g *= 0.5 - 0.5 * math.cos(math.pi * k / n_out)
        sig[i] *= g

    # Remove any remaining DC with a Hann-shaped correction (keeps the ends at 0).
    hann = [0.5 - 0.5 * math.cos(2.0 * math.pi * i / (n - 1)) for i in range(n)]
    k = sum(sig) / sum(hann)
    sig = [s - k * h for s, h in zip(sig, hann)]

    peak = max(abs(s) for s in sig)
    gain = (10.0 ** (PEAK_DBFS / 20.0)) / peak
    return [s * gain for s in sig]


def write_wav(path, samples):
    frames = b"".join(
        struct.pack("<h", max(-32767, min(32767, int(round(s * 32767.0)))))
        for s in samples)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "sound.dat")
    samples = synthesise()
    write_wav(out, samples)
    print("wrote %s (%.3f s, %d samples)" % (out, len(samples) / RATE, len(samples)))


if __name__ == "__main__":
    main()
