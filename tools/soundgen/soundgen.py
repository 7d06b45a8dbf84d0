#!/usr/bin/env python3
# Makes the game's ten sound effects from code and writes them as 16-bit mono WAV files.
import argparse
import math
import os
import struct
import sys
import wave

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from synth import (  # noqa: E402
    RATE, Noise, b_weighted, envelope, fade_edges, highpass, loudest_window_rms, lowpass, mix_into, multiply,
    n_samples, note, peak, resonant, saw_partials, scale, silence, soft_clip, square_partials, tone)

# Every effect is scaled to the same loudness (the B-weighted RMS of its loudest 50 ms), unless that
# would take its peak above -1 dBFS; then the peak decides.
TARGET_RMS_DB = -17.0
PEAK_LIMIT_DB = -1.0


def brass(freq, seconds, vibrato=0.0):
    """A bright brass note: sawtooth harmonics that open up with the attack, a little vibrato."""
    count = n_samples(seconds)
    bright = tone(lambda t: freq * (1 + vibrato * math.sin(2 * math.pi * 5.5 * t) * min(1, t / 0.3)),
                  seconds, saw_partials(14, tilt=1.15))
    dark = tone(freq, seconds, saw_partials(4, tilt=1.6))
    open_up = envelope(count, 0.04, decay=0.5)
    body = [d * (1 - o) + b * o * 0.9 + d * 0.4 for b, d, o in zip(bright, dark, open_up)]
    return multiply(body, envelope(count, 0.015, release=min(0.12, seconds / 3)))


def wingame():
    """Fanfare: three quick pick-up notes, then a held major chord with vibrato."""
    out = []
    for i, (name, start) in enumerate((("G4", 0.0), ("C5", 0.14), ("E5", 0.28))):
        mix_into(out, brass(note(name), 0.13), start, 0.8 + 0.05 * i)
    mix_into(out, brass(note("G5"), 0.26), 0.42, 0.9)
    mix_into(out, brass(note("E5"), 0.13), 0.70, 0.8)
    held = 1.65
    mix_into(out, brass(note("G5"), held, vibrato=0.006), 0.84, 1.0)
    mix_into(out, brass(note("E5"), held, vibrato=0.005), 0.84, 0.55)
    mix_into(out, brass(note("C5"), held, vibrato=0.004), 0.84, 0.5)
    mix_into(out, brass(note("C4"), held, vibrato=0.003), 0.84, 0.45)
    count = len(out)
    swell = [1.0 if i < n_samples(0.84) else 1.0 + 0.25 * min(1, (i - n_samples(0.84)) / n_samples(0.6))
             for i in range(count)]
    return multiply(out, swell)


def makefzzy():
    """Fuzzing: a detuned, overdriven buzz whose resonant filter squelches shut as its pitch sags."""
    seconds = 0.5
    pitch = lambda t: 150 * (1 - 0.45 * t / seconds) * (1 + 0.05 * math.sin(2 * math.pi * 23 * t))
    buzz = tone(pitch, seconds, saw_partials(40))
    buzz2 = tone(lambda t: pitch(t) * 1.013, seconds, saw_partials(40), phase=1.0)
    noise = Noise(0xF022).samples(seconds)
    raw = [a + b + 0.35 * n for a, b, n in zip(buzz, buzz2, noise)]
    squelch = resonant(raw, lambda t: 2600 * math.exp(-t * 5.5) + 180, q=6.0)
    fuzzed = soft_clip(scale(squelch, 0.6), 3.0)
    return multiply(fuzzed, envelope(len(fuzzed), 0.01, release=0.12))


def bell(freq, seconds, decay, ratios=((1, 1.0), (2.0, 0.25), (3.01, 0.08))):
    count = n_samples(seconds)
    return multiply(tone(freq, seconds, ratios), envelope(count, 0.002, decay=decay, release=0.01))


def repcryst():
    """Replication: a soft shimmer of high pings, staggered and fading."""
    out = silence(0.26)
    pings = (("E7", 0.0, 0.6), ("B7", 0.025, 0.45), ("G#7", 0.05, 0.4), ("E8", 0.08, 0.25), ("B7", 0.11, 0.2))
    for name, start, gain in pings:
        mix_into(out, bell(note(name), 0.26 - start, 0.045, ((1, 1.0), (2.0, 0.1))), start, gain)
    # A breath of high noise under the pings.
    air = highpass(Noise(0x5A4C).samples(0.26), 5000)
    mix_into(out, multiply(air, envelope(len(air), 0.02, decay=0.05)), 0.0, 0.12)
    return multiply(out, envelope(len(out), 0.006, release=0.04))


def drpcryst():
    """Dropping a crystal: a small glassy clink and one quieter bounce."""
    partials = ((1, 1.0), (2.76, 0.45), (5.40, 0.15))
    out = bell(1760, 0.22, 0.035, partials)
    mix_into(out, bell(1830, 0.12, 0.025, partials), 0.09, 0.4)
    tap = highpass(Noise(0xD80F).samples(0.004), 3000)
    mix_into(out, tap, 0.0, 0.3)
    mix_into(out, silence(0.25), 0.0)
    return out


def pckcryst():
    """Picking up a crystal: a quick rising three-note chime."""
    out = []
    for name, start in (("E6", 0.0), ("G#6", 0.06), ("B6", 0.12), ("E7", 0.18)):
        mix_into(out, bell(note(name), 0.28 - start, 0.06), start, 0.7)
    return out


def maxcryst():
    """A crystal lost at the limit: a dull, falling two-note buzz ("uh-uh")."""
    out = []
    for freq, start, seconds in ((196.0, 0.0, 0.15), (147.0, 0.17, 0.2)):
        body = tone(freq, seconds, square_partials(15))
        body = lowpass(body, 1000)
        mix_into(out, multiply(body, envelope(len(body), 0.01, release=0.05)), start)
    return out


def whistle_blast(length):
    """One blast of a three-chime whistle (D#4, F#4, A#4) that slides up to pitch, with breath."""
    blast = []
    for freq, gain in ((311.1, 0.55), (370.0, 0.5), (466.2, 0.45)):
        slide = lambda tt, f=freq: f * (0.9 + 0.1 * min(1.0, tt / 0.1))
        voice = tone(slide, length, ((1, 1.0), (2, 0.3), (3, 0.12), (4, 0.05)))
        breath = resonant(Noise(int(freq)).samples(length), freq, q=30.0, mode="band")
        mix_into(blast, [v + 0.6 * b for v, b in zip(voice, breath)], 0.0, gain)
    return multiply(blast, envelope(len(blast), 0.05, release=min(0.3, length / 4)))


# The game plays this sound when a train comes in and again, cutting into it, when the train whistles
# before leaving 0.75 to 0.9 s later. A short blast, a gap around that moment and a long blast make
# one toot on arrival and toot-toooot on departure, and the cut falls where no whistle sounds.
def train():
    """A train coming in: a short and a long whistle blast over a rumbling, clacking train."""
    seconds = 2.3
    count = n_samples(seconds)
    noise = Noise(0x7A11)
    rumble = lowpass(lowpass([noise.next() for _ in range(count)], 120), 160)
    rumble = scale(rumble, 6.0)
    # Wheels on rail joints: pairs of knocks, four a second, slowing a little as it brakes.
    clack = [0.0] * count
    knock = multiply(lowpass(Noise(0xC1AC).samples(0.03), 900), envelope(n_samples(0.03), 0.001, decay=0.008))
    t = 0.05
    gap = 0.27
    while t < seconds - 0.1:
        mix_into(clack, knock, t, 3.0)
        mix_into(clack, knock, t + 0.09, 2.4)
        t += gap
        gap *= 1.04
    ground = [r + c for r, c in zip(rumble, clack[:count])]
    ground = multiply(ground, [min(1.0, i / n_samples(0.05)) * (1 - 0.4 * i / count) for i in range(count)])
    out = list(ground)
    mix_into(out, whistle_blast(0.5), 0.03, 0.7)
    mix_into(out, whistle_blast(1.05), 0.95, 0.7)
    return multiply(out, envelope(len(out), 0.01, release=0.3))


def makectzn():
    """Curing: two clean, round notes a fifth apart, rising."""
    out = []
    for name, start, seconds in (("C5", 0.0, 0.2), ("G5", 0.17, 0.28)):
        body = tone(note(name), seconds, ((1, 1.0), (2, 0.18), (3, 0.05)))
        mix_into(out, multiply(body, envelope(len(body), 0.012, decay=0.25, release=0.06)), start)
    return out


def zapped():
    """An electric zap: a crackling, mains-buzzing burst that drops in pitch and dies away."""
    seconds = 0.42
    pitch = lambda t: 1600 * math.exp(-t * 9) + 90
    arc = tone(pitch, seconds, square_partials(25))
    noise = Noise(0x2A99)
    crackle = []
    for i in range(n_samples(seconds)):
        x = noise.next()
        crackle.append(x if abs(x) > 0.9 - 0.3 * i / n_samples(seconds) else 0.1 * x)
    hum = [0.6 + 0.4 * math.sin(2 * math.pi * 60 * i / RATE) for i in range(n_samples(seconds))]
    body = [(0.6 * a + 0.7 * c) * h for a, c, h in zip(arc, crackle, hum)]
    body = soft_clip(resonant(body, lambda t: 4000 * math.exp(-t * 4) + 400, q=2.5), 2.0)
    return multiply(body, envelope(len(body), 0.003, decay=0.16, release=0.05))


def tick():
    """One minute of a journey: a short, dry wooden tick."""
    seconds = 0.03
    body = tone(1800, seconds, ((1, 1.0), (2.3, 0.4)))
    body = multiply(body, envelope(len(body), 0.0005, decay=0.004))
    click = multiply(highpass(Noise(0x71C4).samples(seconds), 2000), envelope(n_samples(seconds), 0.0002, decay=0.0015))
    return [b + 0.5 * c for b, c in zip(body, click)]


EFFECTS = (
    ("wingame.wav", wingame),
    ("makefzzy.wav", makefzzy),
    ("repcryst.wav", repcryst),
    ("drpcryst.wav", drpcryst),
    ("pckcryst.wav", pckcryst),
    ("maxcryst.wav", maxcryst),
    ("train.wav", train),
    ("makectzn.wav", makectzn),
    ("zapped.wav", zapped),
    ("tick.wav", tick),
)


def level(samples):
    """Scales a sound to the common loudness, keeping its peak under the limit."""
    rms = loudest_window_rms(b_weighted(samples))
    gain = 10 ** (TARGET_RMS_DB / 20) / rms
    top = 10 ** (PEAK_LIMIT_DB / 20) * 0.995
    gain = min(gain, top / peak(samples))
    return scale(samples, gain)


def write_wav(path, samples):
    frames = b"".join(struct.pack("<h", max(-32767, min(32767, int(round(x * 32767))))) for x in samples)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description="Writes the game's sound effects as WAV files.")
    parser.add_argument("--out", default=os.path.join(here, "..", "..", "assets"), help="folder to write to")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    for name, make in EFFECTS:
        samples = level(fade_edges(make()))
        write_wav(os.path.join(args.out, name), samples)
        print(f"{name:14} {len(samples) / RATE:5.3f} s  peak {20 * math.log10(peak(samples)):6.2f} dBFS  "
              f"loudness {20 * math.log10(loudest_window_rms(b_weighted(samples))):6.2f} dBFS(B)")


if __name__ == "__main__":
    main()
