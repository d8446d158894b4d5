#!/usr/bin/env python3
"""Compose and write Music.dat: the looping background tune (Standard MIDI File).

An original, calm piece in F major, 4/4, 80 BPM, written note by note below
and encoded by hand into a format-1 Standard MIDI File (no libraries).

Form (24 bars, about 73 s):
  Intro (2)  pad, harp and bass set the mood
  A     (4)  main theme, ends on a half cadence
  A'    (4)  theme answered, ends on the tonic
  B     (4)  contrasting, higher and syncopated
  B'    (4)  climax on the top note, leads back home
  A''   (4)  theme returns, slightly changed
  Coda  (2)  gentle ritardando, cadence IV - V7 - I on a held F chord

The game restarts the piece about three seconds after the last note ends, so
the coda ends on a resolved chord and there is no silence at the end.

Instruments (General MIDI): Electric Piano 1 melody, Warm Pad, Orchestral Harp
broken chords, Acoustic Bass.
"""
import itertools
import os
import struct

PPQ = 480
TEMPO_BPM = 80

# Channels / General MIDI programs (0-based program numbers).
MELODY, PAD, BASS, HARP = 0, 1, 2, 3
PROGRAMS = {MELODY: 4,     # Electric Piano 1
            PAD: 89,       # Pad 2 (warm)
            BASS: 32,      # Acoustic Bass
            HARP: 46}      # Orchestral Harp
TRACK_NAMES = {MELODY: "Melody", PAD: "Pad", BASS: "Bass", HARP: "Harp"}
# (volume CC7, pan CC10, reverb CC91, chorus CC93)
MIXER = {MELODY: (122, 56, 60, 10),
         PAD: (88, 64, 72, 40),
         BASS: (122, 64, 30, 0),
         HARP: (94, 76, 60, 0)}

# ---------------------------------------------------------------------------
# Harmony
# ---------------------------------------------------------------------------
# Chord symbol -> (root pitch class, chord pitch classes root/3rd/5th[/7th]).
CHORDS = {
    "F": (5, [5, 9, 0]),
    "Fmaj7": (5, [5, 9, 0, 4]),
    "Dm": (2, [2, 5, 9]),
    "Dm7": (2, [2, 5, 9, 0]),
    "Bb": (10, [10, 2, 5]),
    "Bbmaj7": (10, [10, 2, 5, 9]),
    "C": (0, [0, 4, 7]),
    "C7": (0, [0, 4, 7, 10]),
    "Csus4": (0, [0, 5, 7]),
    "Gm7": (7, [7, 10, 2, 5]),
    "Am": (9, [9, 0, 4]),
    "Am7": (9, [9, 0, 4, 7]),
}

# One entry per bar: list of (chord, beats). Section labels drive the texture.
SECTIONS = [
    ("intro", [[("Fmaj7", 4)], [("Bbmaj7", 4)]]),
    ("A", [[("F", 4)], [("Dm", 4)], [("Bb", 4)], [("C", 4)]]),
    ("A'", [[("F", 4)], [("Dm", 4)], [("Gm7", 2), ("C7", 2)], [("F", 4)]]),
    ("B", [[("Bb", 4)], [("C", 4)], [("Am", 4)], [("Dm", 4)]]),
    ("B'", [[("Bb", 4)], [("C", 4)], [("Am7", 2), ("Dm7", 2)],
            [("Gm7", 2), ("C7", 2)]]),
    ("A''", [[("F", 4)], [("Dm", 4)], [("Bb", 2), ("Gm7", 2)],
             [("Csus4", 2), ("C", 2)]]),
    ("coda", [[("Bb", 2), ("C7", 2)], [("F", 4)]]),
]

# ---------------------------------------------------------------------------
# Melody: per bar, a list of (note name or None for a rest, beats).
# ---------------------------------------------------------------------------
MELODY_BARS = {
    "intro": [[(None, 4)], [(None, 4)]],
    "A": [
        [("A4", 1), ("C5", 1), ("F5", 1.5), ("E5", 0.5)],
        [("D5", 1.5), ("C5", 0.5), ("A4", 2)],
        [("F5", 1.5), ("D5", 0.5), ("C5", 1), ("Bb4", 1)],
        [("C5", 1), ("Bb4", 0.5), ("A4", 0.5), ("G4", 2)],
    ],
    "A'": [
        [("A4", 1), ("C5", 1), ("F5", 1.5), ("G5", 0.5)],
        [("A5", 1.5), ("G5", 0.5), ("F5", 1), ("D5", 1)],
        [("D5", 1), ("Bb4", 1), ("C5", 1), ("E5", 1)],
        [("F5", 3), (None, 1)],
    ],
    "B": [
        [(None, 0.5), ("F5", 0.5), ("D5", 0.5), ("F5", 0.5), ("A5", 2)],
        [(None, 0.5), ("E5", 0.5), ("C5", 0.5), ("E5", 0.5), ("G5", 2)],
        [("A5", 1.5), ("G5", 0.5), ("E5", 1), ("C5", 1)],
        [("D5", 1.5), ("E5", 0.5), ("F5", 2)],
    ],
    "B'": [
        [(None, 0.5), ("F5", 0.5), ("D5", 0.5), ("F5", 0.5), ("Bb5", 2)],
        [("A5", 1.5), ("G5", 0.5), ("E5", 2)],
        [("C5", 1), ("E5", 1), ("D5", 1), ("F5", 1)],
        [("G5", 1.5), ("F5", 0.5), ("E5", 1), ("C5", 1)],
    ],
    "A''": [
        [("A4", 1), ("C5", 1), ("F5", 1.5), ("E5", 0.5)],
        [("D5", 1.5), ("E5", 0.5), ("F5", 1), ("A5", 1)],
        [("F5", 1.5), ("D5", 0.5), ("Bb4", 1), ("D5", 1)],
        [("C5", 1), ("F5", 1), ("E5", 2)],
    ],
    "coda": [
        [("D5", 1.5), ("C5", 0.5), ("Bb4", 1), ("G4", 1)],
        [("A4", 4)],
    ],
}

# Base melody loudness per section (phrase dynamics).
MELODY_LEVEL = {"A": 82, "A'": 84, "B": 85, "B'": 87, "A''": 83, "coda": 76}
PAD_LEVEL = {"intro": 50, "A": 52, "A'": 53, "B": 56, "B'": 58, "A''": 53,
             "coda": 50}
HARP_LEVEL = {"intro": 52, "A": 48, "A'": 48, "B": 50, "B'": 52, "A''": 48,
              "coda": 46}
BASS_LEVEL = {"intro": 56, "A": 60, "A'": 60, "B": 62, "B'": 63, "A''": 60,
              "coda": 56}

# Gentle ritardando in the coda: (bar index, beat, BPM).
TEMPO_CHANGES = [(22, 0, 77), (22, 2, 73), (23, 0, 68)]

NOTE_INDEX = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def note_number(name):
    """'Bb4' -> 70 (middle C = C4 = 60)."""
    pc = NOTE_INDEX[name[0]]
    rest = name[1:]
    while rest and rest[0] in "b#":
        pc += -1 if rest[0] == "b" else 1
        rest = rest[1:]
    return 12 * (int(rest) + 1) + pc


def beats(b):
    return int(round(b * PPQ))


class Score:
    def __init__(self):
        self.notes = {ch: [] for ch in PROGRAMS}   # [start, end, pitch, vel]

    def add(self, ch, start, length, pitch, vel):
        start, end = beats(start), beats(start + length)
        vel = max(1, min(127, int(round(vel))))
        # Never overlap two notes of the same pitch on a channel.
        for n in self.notes[ch]:
            if n[2] == pitch and n[0] < start < n[1]:
                n[1] = start
        self.notes[ch].append([start, end, pitch, vel])


def accent(beat_in_bar):
    """Small metric accents so the parts breathe rather than sound mechanical."""
    if beat_in_bar == 0:
        return 5
    if beat_in_bar == 2:
        return 2
    if beat_in_bar == int(beat_in_bar):
        return 0
    return -4


def pad_voicing(pcs, previous, low=53, high=69, centre=61.0):
    """Closest-movement close voicing of the chord pitch classes."""
    options = [[p for p in range(low, high + 1) if p % 12 == pc] for pc in pcs]
    best, best_cost = None, None
    for combo in itertools.product(*options):
        v = sorted(combo)
        if v[-1] - v[0] > 12:
            continue
        if previous is None:
            cost = abs(sum(v) / len(v) - centre)
        else:
            cost = sum(min(abs(a - b) for b in previous) for a in v)
            cost += sum(min(abs(a - b) for a in v) for b in previous)
            cost += 0.5 * abs(sum(v) / len(v) - centre)   # don't drift
        if best_cost is None or cost < best_cost:
            best, best_cost = v, cost
    return best


def nearest(pc, target, low, high):
    cands = [p for p in range(low, high + 1) if p % 12 == pc]
    return min(cands, key=lambda p: (abs(p - target), p))


def compose():
    score = Score()
    t = 0.0            # running position in beats
    bar_starts = []
    pad_prev = None
    pad_active = {}    # pitch -> note list entry (to tie common tones)
    bass_prev = 41     # F2
    total_bars = sum(len(bars) for _, bars in SECTIONS)
    bar_no = 0

    for label, bars in SECTIONS:
        for bar_idx, bar in enumerate(bars):
            bar_starts.append(t)
            last_bar = bar_no == total_bars - 1

            # --- melody ---
            if label != "intro":
                pos = t
                for name, length in MELODY_BARS[label][bar_idx]:
                    if name is not None:
                        pitch = note_number(name)
                        vel = MELODY_LEVEL[label] + accent(pos - t)
                        vel += (pitch - 74) * 0.35          # higher = a touch louder
                        legato = 1.0 if last_bar else 0.94
                        score.add(MELODY, pos, length * legato, pitch, vel)
                    pos += length
                assert abs(pos - t - 4) < 1e-9, (label, bar_idx)

            cpos = t
            for chord, length in bar:
                root_pc, pcs = CHORDS[chord]

                # --- pad: smooth voice leading, common tones held over ---
                voicing = pad_voicing(pcs, pad_prev)
                new_active = {}
                for p in voicing:
                    if p in pad_active and label != "coda":
                        n = pad_active[p]
                        n[1] = beats(cpos + length)
                        new_active[p] = n
                    else:
                        score.add(PAD, cpos, length, p, PAD_LEVEL[label])
                        new_active[p] = score.notes[PAD][-1]
                pad_active, pad_prev = new_active, voicing

                # --- bass ---
                root = nearest(root_pc, bass_prev, 34, 48)
                fifth = nearest((root_pc + 7) % 12, root, 34, 50)
                lvl = BASS_LEVEL[label]
                if label == "intro" or last_bar:
                    score.add(BASS, cpos, length * 0.97, root, lvl + 3)
                elif length == 2:
                    score.add(BASS, cpos, 1.9, root, lvl + 3)
                elif label in ("B", "B'"):
                    score.add(BASS, cpos, 1.4, root, lvl + 4)
                    score.add(BASS, cpos + 1.5, 0.9, fifth, lvl - 3)
                    score.add(BASS, cpos + 2.5, 1.4, root, lvl)
                else:
                    score.add(BASS, cpos, 2.9, root, lvl + 4)
                    score.add(BASS, cpos + 3, 0.9, fifth, lvl - 4)
                bass_prev = root

                # --- harp: broken chords in eighths ---
                third_pc = pcs[1]
                h_root = nearest(root_pc, 50, 45, 56)
                h_third = h_root + ((third_pc - root_pc) % 12) + 12
                h_fifth = h_root + 7
                tones = [h_root, h_fifth, h_root + 12, h_third, h_fifth + 12]
                lvl = HARP_LEVEL[label]
                if last_bar:
                    # final rolled chord, left ringing
                    for i, p in enumerate([h_root, h_fifth, h_root + 12, h_third,
                                           h_fifth + 12]):
                        score.add(HARP, cpos + 0.12 * i, length - 0.12 * i, p,
                                  lvl + 4 - i)
                else:
                    if length == 4:
                        pattern = ([0, 1, 2, 3, 4, 3, 2, 1]
                                   if label not in ("B", "B'")
                                   else [0, 2, 1, 3, 2, 4, 3, 1])
                    else:
                        pattern = [0, 1, 2, 3] if label not in ("B", "B'") \
                            else [0, 1, 3, 2]
                    for i, idx in enumerate(pattern):
                        pos = cpos + 0.5 * i
                        score.add(HARP, pos, 0.95, tones[idx],
                                  lvl + accent(pos - t) * 0.6)
                cpos += length
            assert abs(cpos - t - 4) < 1e-9
            t += 4
            bar_no += 1
    return score, bar_starts, t


# ---------------------------------------------------------------------------
# Standard MIDI File encoding
# ---------------------------------------------------------------------------
def vlq(value):
    """MIDI variable-length quantity."""
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def track_chunk(events, end_tick):
    """events: list of (tick, order, bytes). Returns an MTrk chunk whose
    end-of-track event sits at end_tick (the end of the last bar)."""
    events.sort(key=lambda e: (e[0], e[1]))
    data = bytearray()
    last = 0
    for tick, _, payload in events:
        data += vlq(tick - last) + payload
        last = tick
    data += vlq(end_tick - last) + b"\xff\x2f\x00"       # end of track
    return b"MTrk" + struct.pack(">I", len(data)) + bytes(data)


def meta(kind, payload):
    return bytes([0xFF, kind]) + vlq(len(payload)) + payload


def tempo_event(bpm):
    return meta(0x51, struct.pack(">I", int(round(60000000 / bpm)))[1:])


def build_midi(score, bar_starts, end_beat):
    end_tick = beats(end_beat)
    tracks = []

    conductor = [
        (0, 0, meta(0x03, b"The Dorv")),
        (0, 1, meta(0x58, bytes([4, 2, 24, 8]))),        # 4/4
        (0, 2, meta(0x59, bytes([0xFF, 0]))),            # F major (1 flat)
        (0, 3, tempo_event(TEMPO_BPM)),
    ]
    for bar, beat, bpm in TEMPO_CHANGES:
        conductor.append((beats(bar_starts[bar] + beat), 3, tempo_event(bpm)))
    tracks.append(track_chunk(conductor, end_tick))

    for ch in sorted(PROGRAMS):
        vol, pan, rev, cho = MIXER[ch]
        ev = [
            (0, 0, meta(0x03, TRACK_NAMES[ch].encode("ascii"))),
            (0, 1, bytes([0xB0 | ch, 121, 0])),          # reset controllers
            (0, 2, bytes([0xC0 | ch, PROGRAMS[ch]])),
            (0, 3, bytes([0xB0 | ch, 7, vol])),
            (0, 4, bytes([0xB0 | ch, 10, pan])),
            (0, 5, bytes([0xB0 | ch, 91, rev])),
            (0, 6, bytes([0xB0 | ch, 93, cho])),
        ]
        for start, end, pitch, vel in score.notes[ch]:
            assert start < end <= end_tick
            # note-offs sort before note-ons on the same tick
            ev.append((start, 20, bytes([0x90 | ch, pitch, vel])))
            ev.append((end, 10, bytes([0x80 | ch, pitch, 0x40])))
        tracks.append(track_chunk(ev, end_tick))

    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), PPQ)
    return header + b"".join(tracks)


def main():
    score, bar_starts, end_beat = compose()
    data = build_midi(score, bar_starts, end_beat)
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "Music.dat")
    with open(out, "wb") as f:
        f.write(data)
    count = sum(len(v) for v in score.notes.values())
    print("wrote %s (%d bytes, %d bars, %d notes)"
          % (out, len(data), len(bar_starts), count))


if __name__ == "__main__":
    main()
