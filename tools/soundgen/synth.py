# Small synthesis kit for the game's sound effects: oscillators, envelopes, filters and noise on
# plain lists of floats at one sample rate. Deterministic: the noise comes from a fixed-seed generator.
import math

RATE = 44100


def n_samples(seconds):
    return int(round(seconds * RATE))


def silence(seconds):
    return [0.0] * n_samples(seconds)


class Noise:
    """White noise in [-1, 1) from a 32-bit xorshift generator with a fixed seed."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF or 1

    def next(self):
        x = self.state
        x ^= (x << 13) & 0xFFFFFFFF
        x ^= x >> 17
        x ^= (x << 5) & 0xFFFFFFFF
        self.state = x
        return x / 2147483648.0 - 1.0

    def samples(self, seconds):
        return [self.next() for _ in range(n_samples(seconds))]


def tone(freqs, seconds, partials=((1, 1.0),), phase=0.0):
    """Additive tone. freqs is a number or a function of time (s) giving the fundamental in Hz;
    partials are (ratio, amplitude) pairs. Partials above the Nyquist limit are left out."""
    count = n_samples(seconds)
    out = [0.0] * count
    freq_at = freqs if callable(freqs) else (lambda t, f=freqs: f)
    theta = phase
    for i in range(count):
        f = freq_at(i / RATE)
        s = 0.0
        for ratio, amp in partials:
            if f * ratio < RATE / 2 - 1000:
                s += amp * math.sin(theta * ratio)
        out[i] = s
        theta += 2 * math.pi * f / RATE
    return out


def saw_partials(count, tilt=1.0):
    """Harmonics of a sawtooth, 1/n, with an extra 1/n**(tilt-1) roll-off for a darker sound."""
    return tuple((n, 1.0 / n**tilt) for n in range(1, count + 1))


def square_partials(count):
    return tuple((n, 1.0 / n) for n in range(1, count + 1, 2))


def envelope(count, attack, decay=None, release=0.0, sustain_until=None):
    """Gain curve: linear attack (s), then either an exponential decay with time constant `decay`
    (s) or a hold, and a linear release (s) at the end."""
    out = [1.0] * count
    a = max(1, n_samples(attack))
    r = n_samples(release)
    for i in range(count):
        t = i / RATE
        g = min(1.0, i / a)
        if decay is not None and i >= a:
            g *= math.exp(-(t - attack) / decay)
        if r and i >= count - r:
            g *= (count - i) / r
        out[i] = g
    return out


def multiply(a, b):
    return [x * y for x, y in zip(a, b)]


def scale(a, gain):
    return [x * gain for x in a]


def mix_into(dest, src, at_seconds=0.0, gain=1.0):
    """Adds src into dest starting at a time, growing dest when needed."""
    start = n_samples(at_seconds)
    end = start + len(src)
    if end > len(dest):
        dest.extend([0.0] * (end - len(dest)))
    for i, x in enumerate(src):
        dest[start + i] += x * gain
    return dest


def lowpass(samples, cutoff):
    """One-pole low-pass; cutoff is a number or a function of the sample index's time."""
    out = []
    y = 0.0
    cut_at = cutoff if callable(cutoff) else (lambda t, c=cutoff: c)
    for i, x in enumerate(samples):
        k = 1.0 - math.exp(-2 * math.pi * cut_at(i / RATE) / RATE)
        y += k * (x - y)
        out.append(y)
    return out


def highpass(samples, cutoff):
    low = lowpass(samples, cutoff)
    return [x - y for x, y in zip(samples, low)]


def resonant(samples, cutoff, q, mode="low"):
    """State-variable filter (Chamberlin) with a cutoff that may follow time; mode low/band."""
    out = []
    low = band = 0.0
    cut_at = cutoff if callable(cutoff) else (lambda t, c=cutoff: c)
    damp = 1.0 / q
    for i, x in enumerate(samples):
        f = 2 * math.sin(math.pi * min(cut_at(i / RATE), RATE / 6) / RATE)
        low += f * band
        high = x - low - damp * band
        band += f * high
        out.append(low if mode == "low" else band)
    return out


def soft_clip(samples, drive):
    norm = math.tanh(drive)
    return [math.tanh(x * drive) / norm for x in samples]


def fade_edges(samples, fade_in=0.002, fade_out=0.005):
    """Short linear fades so that no sound starts or stops with a click."""
    count = len(samples)
    fi = min(count, n_samples(fade_in))
    fo = min(count, n_samples(fade_out))
    out = list(samples)
    for i in range(fi):
        out[i] *= i / fi
    for i in range(fo):
        out[count - 1 - i] *= i / fo
    return out


def peak(samples):
    return max(abs(x) for x in samples)


# The B-weighting curve: the ear's sensitivity at a moderate listening level (about 70 phon), where a
# low hum counts for less than a whistle of the same level, but not as little as A-weighting says.
B_WEIGHT_HIGHPASS = (20.6, 20.6, 158.5)
B_WEIGHT_LOWPASS = (12194.0, 12194.0)


def _b_filters(samples):
    x = samples
    for corner in B_WEIGHT_HIGHPASS:
        x = highpass(x, corner)
    for corner in B_WEIGHT_LOWPASS:
        x = lowpass(x, corner)
    return x


def _gain_at_1khz():
    probe = [math.sin(2 * math.pi * 1000 * i / RATE) for i in range(RATE // 5)]
    out = _b_filters(probe)
    tail = RATE // 10
    return math.sqrt(sum(v * v for v in probe[-tail:]) / sum(v * v for v in out[-tail:]))


B_WEIGHT_GAIN_1KHZ = _gain_at_1khz()


def b_weighted(samples):
    """The samples weighted as the ear hears them (the B curve's poles as one-pole filters, 0 dB at 1 kHz)."""
    return scale(_b_filters(samples), B_WEIGHT_GAIN_1KHZ)


def loudest_window_rms(samples, window=0.05):
    """RMS of the loudest window (50 ms by default); past the end counts as silence, so that a
    short click is not rated louder than it sounds."""
    w = n_samples(window)
    squares = [x * x for x in samples] + [0.0] * w
    total = sum(squares[:w])
    best = total
    for i in range(w, len(squares)):
        total += squares[i] - squares[i - w]
        best = max(best, total)
    return math.sqrt(max(best, 0.0) / w)


def note(name):
    """Frequency of a note such as 'C5' or 'F#4' (A4 = 440 Hz)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semis = steps[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        semis += 1
        rest = rest[1:]
    elif rest.startswith("b"):
        semis -= 1
        rest = rest[1:]
    octave = int(rest)
    return 440.0 * 2 ** ((semis + 12 * (octave - 4)) / 12)
