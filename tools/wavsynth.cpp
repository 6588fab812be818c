// wavsynth <folder>: writes the game's sound effects into <folder> as 16-bit
// mono 22050 Hz PCM WAV files. Every sound is a short recipe of tones mixed
// together, so the game carries no recorded audio. The output is the same on
// every run: the noise comes from a fixed-seed generator.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Every file starts and ends with a short ramp so the speaker never clicks.
constexpr double kEdgeFade = 0.0015;

enum class Wave {
    Sine,
    Triangle,
    Buzz, // a soft sawtooth of the harmonics below 4 kHz
    Noise, // white noise through a band-pass centred on freq (0: unfiltered)
};

struct Tone {
    Wave wave = Wave::Sine;
    double start = 0.0; // seconds into the sound
    double length = 0.1; // seconds
    double freq = 440.0; // Hz at the start
    double freqEnd = 0.0; // Hz at the end, reached along an exponential glide; 0 keeps freq
    double amp = 1.0; // relative to the other tones of the recipe
    double attack = 0.005; // linear rise, seconds
    double decay = 0.0; // exponential fall-off time constant after the attack; 0 holds
    double release = 0.01; // linear fade at the end, seconds
    double damping = 1.0; // band-pass width of noise (smaller is narrower)
    double vibratoRate = 0.0; // Hz
    double vibratoDepth = 0.0; // fraction of the frequency
    double tremoloRate = 0.0; // Hz
    double tremoloDepth = 0.0; // 0..1
    double lowpass = 0.0; // one-pole low-pass cutoff in Hz; 0 leaves the tone as it is

    // Setters that chain, so each tone of a recipe reads as one line.
    Tone& at(double seconds)
    {
        start = seconds;
        return *this;
    }
    Tone& glide(double hz)
    {
        freqEnd = hz;
        return *this;
    }
    Tone& level(double a)
    {
        amp = a;
        return *this;
    }
    Tone& env(double a, double d, double r)
    {
        attack = a;
        decay = d;
        release = r;
        return *this;
    }
    Tone& narrow(double d)
    {
        damping = d;
        return *this;
    }
    Tone& vibrato(double rate, double depth)
    {
        vibratoRate = rate;
        vibratoDepth = depth;
        return *this;
    }
    Tone& tremolo(double rate, double depth)
    {
        tremoloRate = rate;
        tremoloDepth = depth;
        return *this;
    }
    Tone& dark(double hz)
    {
        lowpass = hz;
        return *this;
    }
};

Tone Make(Wave wave, double length, double freq)
{
    Tone t;
    t.wave = wave;
    t.length = length;
    t.freq = freq;
    return t;
}
Tone Sine(double length, double freq)
{
    return Make(Wave::Sine, length, freq);
}
Tone Tri(double length, double freq)
{
    return Make(Wave::Triangle, length, freq);
}
Tone Buzz(double length, double freq)
{
    return Make(Wave::Buzz, length, freq);
}
Tone Hiss(double length, double centre)
{
    return Make(Wave::Noise, length, centre);
}

struct Recipe {
    std::string name;
    double peak; // loudest sample as a fraction of full scale; never above 0.5
    std::vector<Tone> tones;
};

// xorshift32: small, fast and the same on every platform and compiler.
class Noise {
public:
    explicit Noise(uint32_t seed)
        : state_(seed ? seed : 1u)
    {
    }
    double next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

private:
    uint32_t state_;
};

double Envelope(const Tone& t, double time)
{
    double e = 1.0;
    if (t.attack > 0.0 && time < t.attack)
        e = time / t.attack;
    else if (t.decay > 0.0)
        e = std::exp(-(time - t.attack) / t.decay);
    const double left = t.length - time;
    if (t.release > 0.0 && left < t.release)
        e *= std::max(0.0, left / t.release);
    if (t.tremoloDepth > 0.0)
        e *= 1.0 - t.tremoloDepth * 0.5 * (1.0 - std::cos(kTwoPi * t.tremoloRate * time));
    return e;
}

double Frequency(const Tone& t, double time)
{
    double f = t.freq;
    if (t.freqEnd > 0.0 && t.freq > 0.0)
        f = t.freq * std::pow(t.freqEnd / t.freq, time / t.length);
    if (t.vibratoDepth > 0.0)
        f *= 1.0 + t.vibratoDepth * std::sin(kTwoPi * t.vibratoRate * time);
    return f;
}

double Oscillator(Wave wave, double phase, double freq)
{
    switch (wave) {
    case Wave::Sine:
        return std::sin(phase);
    case Wave::Triangle: {
        const double x = std::fmod(phase / kTwoPi, 1.0);
        return x < 0.5 ? 4.0 * x - 1.0 : 3.0 - 4.0 * x;
    }
    case Wave::Buzz: {
        // Built from its harmonics so nothing folds back above the Nyquist limit.
        double s = 0.0;
        for (int k = 1; k * freq < 4000.0 && k <= 40; ++k)
            s += std::sin(k * phase) / k;
        return s * 0.55;
    }
    case Wave::Noise:
        break;
    }
    return 0.0;
}

void Render(const Tone& t, uint32_t seed, std::vector<double>& mix)
{
    Noise noise(seed);
    const auto first = static_cast<size_t>(std::lround(t.start * kRate));
    const auto count = static_cast<size_t>(std::lround(t.length * kRate));
    const double lowpassCoeff = t.lowpass > 0.0 ? 1.0 - std::exp(-kTwoPi * t.lowpass / kRate) : 1.0;
    double phase = 0.0;
    double low = 0.0, band = 0.0; // band-pass state of the noise
    double smooth = 0.0; // low-pass state
    for (size_t i = 0; i < count && first + i < mix.size(); ++i) {
        const double time = static_cast<double>(i) / kRate;
        const double f = Frequency(t, time);
        double s = 0.0;
        if (t.wave == Wave::Noise) {
            s = noise.next();
            if (f > 0.0) {
                // Chamberlin state-variable filter; stable for the centres used here (< 4 kHz).
                const double g = 2.0 * std::sin(std::numbers::pi * std::min(f, 4000.0) / kRate);
                low += g * band;
                const double high = s - low - t.damping * band;
                band += g * high;
                s = band;
            }
        } else {
            s = Oscillator(t.wave, phase, f);
            phase = std::fmod(phase + kTwoPi * f / kRate, kTwoPi);
        }
        smooth += lowpassCoeff * (s - smooth);
        mix[first + i] += t.amp * Envelope(t, time) * smooth;
    }
}

std::vector<int16_t> Synthesise(const Recipe& r)
{
    double end = 0.0;
    for (const Tone& t : r.tones)
        end = std::max(end, t.start + t.length);
    std::vector<double> mix(static_cast<size_t>(std::lround(end * kRate)), 0.0);
    uint32_t seed = 0x2545F491u;
    for (const Tone& t : r.tones)
        Render(t, seed++, mix);

    double loudest = 0.0;
    for (double s : mix)
        loudest = std::max(loudest, std::abs(s));
    const double gain = loudest > 0.0 ? std::min(r.peak, 0.5) / loudest : 0.0;
    const auto edge = static_cast<size_t>(kEdgeFade * kRate);
    std::vector<int16_t> pcm(mix.size());
    for (size_t i = 0; i < mix.size(); ++i) {
        double s = mix[i] * gain;
        const size_t fromEnd = mix.size() - 1 - i;
        if (i < edge)
            s *= static_cast<double>(i) / edge;
        if (fromEnd < edge)
            s *= static_cast<double>(fromEnd) / edge;
        pcm[i] = static_cast<int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767.0));
    }
    return pcm;
}

void PutLe(std::ostream& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool WriteWav(const std::filesystem::path& path, const std::vector<int16_t>& pcm)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const auto dataBytes = static_cast<uint32_t>(pcm.size() * 2);
    out.write("RIFF", 4);
    PutLe(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    PutLe(out, 16, 4); // fmt chunk size
    PutLe(out, 1, 2); // PCM
    PutLe(out, 1, 2); // mono
    PutLe(out, kRate, 4);
    PutLe(out, kRate * 2, 4); // bytes per second
    PutLe(out, 2, 2); // bytes per frame
    PutLe(out, 16, 2); // bits per sample
    out.write("data", 4);
    PutLe(out, dataBytes, 4);
    for (int16_t s : pcm)
        PutLe(out, static_cast<uint16_t>(s), 2);
    return static_cast<bool>(out.flush());
}

// A click of the user interface: a short tick of noise over a tiny pitched blip.
std::vector<Tone> Click(double at, double pitch, double tickCentre, double level)
{
    return {
        Sine(0.035, pitch).at(at).glide(pitch * 0.75).level(level).env(0.0008, 0.008, 0.01),
        Hiss(0.014, tickCentre).at(at).level(level * 0.8).env(0.0005, 0.003, 0.004).narrow(0.8),
    };
}

// One struck note of a chime: the note, and a quieter octave that dies sooner.
std::vector<Tone> Chime(double at, double freq, double length, double level)
{
    return {
        Sine(length, freq).at(at).level(level).env(0.003, length * 0.35, 0.04),
        Sine(length, freq * 2.0).at(at).level(level * 0.22).env(0.003, length * 0.12, 0.04),
    };
}

std::vector<Tone> Join(std::initializer_list<std::vector<Tone>> parts)
{
    std::vector<Tone> all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

// A rising fanfare, G C E G, the last note held; a soft octave below gives it body.
std::vector<Tone> Fanfare()
{
    std::vector<Tone> tones;
    const double notes[] = { 392.0, 523.25, 659.25, 783.99 };
    for (int i = 0; i < 4; ++i) {
        const bool last = i == 3;
        const double at = 0.1 * i;
        const double length = last ? 0.45 : 0.11;
        const double release = last ? 0.2 : 0.03;
        tones.push_back(Tri(length, notes[i]).at(at).env(0.008, 0, release).dark(3000));
        tones.push_back(Sine(length, notes[i] / 2).at(at).level(0.3).env(0.008, 0, release));
        if (last)
            tones[tones.size() - 2].vibrato(5, 0.01);
    }
    return tones;
}

std::vector<Recipe> Recipes()
{
    return {
        // A card snapping onto the table; it follows every fourth dealt card, so it is kept very short.
        { "deal", 0.3,
            { Hiss(0.05, 2400).glide(1200).env(0.001, 0.009, 0.012).narrow(0.7),
                Sine(0.06, 220).glide(140).level(0.6).env(0.001, 0.015, 0.015) } },
        // A bell: a strong fundamental with inharmonic partials that fade first.
        { "ding", 0.4,
            { Sine(0.55, 784).env(0.002, 0.17, 0.06), Sine(0.55, 1568).level(0.3).env(0.002, 0.08, 0.06),
                Sine(0.55, 784 * 2.76).level(0.1).env(0.002, 0.04, 0.06),
                Sine(0.55, 392).level(0.2).env(0.004, 0.25, 0.06) } },
        // Two low buzzes a few hertz apart beat against each other.
        { "Error", 0.4,
            { Buzz(0.3, 110).glide(100).env(0.01, 0, 0.07).dark(1400),
                Buzz(0.3, 116).glide(105).level(0.8).env(0.01, 0, 0.07).dark(1400) } },
        // Putting a card back: a soft drop in pitch.
        { "Bloop", 0.35,
            { Sine(0.12, 520).glide(200).env(0.004, 0.05, 0.03),
                Tri(0.1, 1040).glide(420).level(0.12).env(0.004, 0.03, 0.03) } },
        // Picking a card: a pop that rises.
        { "Bloop2", 0.35,
            { Sine(0.1, 260).glide(620).env(0.004, 0.05, 0.03),
                Tri(0.08, 520).glide(1240).level(0.1).env(0.004, 0.03, 0.03) } },
        // A bright rising arpeggio: C, E, G, C.
        { "scor1", 0.45,
            Join({ Chime(0.0, 523.25, 0.3, 0.8), Chime(0.07, 659.25, 0.3, 0.8), Chime(0.14, 783.99, 0.3, 0.85),
                Chime(0.21, 1046.5, 0.42, 1.0) }) },
        // Columns sliding together: noise swept up and back down over a low slide.
        { "ColGone", 0.4,
            { Hiss(0.22, 400).glide(1600).env(0.12, 0, 0.1).narrow(0.5).dark(2500),
                Hiss(0.22, 1600).at(0.14).glide(500).level(0.9).env(0.06, 0, 0.15).narrow(0.5).dark(2500),
                Sine(0.34, 180).glide(90).level(0.3).env(0.05, 0, 0.15) } },
        // Cards landing: a low thump under a brief tick.
        { "buttup", 0.4,
            { Sine(0.07, 160).glide(70).env(0.001, 0.025, 0.02),
                Hiss(0.012, 1800).level(0.5).env(0.0005, 0.003, 0.004) } },
        // Taking a play back: a wobbling tone that sinks a little.
        { "Nervous", 0.35,
            { Tri(0.45, 420).glide(330).env(0.02, 0, 0.1).vibrato(11, 0.06).tremolo(11, 0.5).dark(2000) } },
        // "Sorry": a note, then a lower one that sags further.
        { "Schz", 0.35,
            { Tri(0.2, 392).env(0.01, 0, 0.05).dark(1800),
                Tri(0.35, 330).at(0.2).glide(262).env(0.01, 0, 0.15).vibrato(5, 0.015).dark(1800) } },
        // A shimmer: a chord whose notes flutter at different rates.
        { "Shim", 0.3,
            { Sine(0.75, 784).env(0.15, 0, 0.4).tremolo(9, 0.6),
                Sine(0.75, 1046.5).at(0.05).level(0.8).env(0.15, 0, 0.4).tremolo(11, 0.6),
                Sine(0.75, 1318.5).at(0.1).level(0.6).env(0.15, 0, 0.4).tremolo(13, 0.6),
                Sine(0.75, 1568).at(0.15).level(0.45).env(0.15, 0, 0.4).tremolo(7, 0.6) } },
        // A big low hit: a falling drum tone with a burst of dark noise.
        { "TWham", 0.5,
            { Sine(0.6, 120).glide(40).env(0.002, 0.2, 0.1), Tri(0.6, 60).glide(45).level(0.4).env(0.002, 0.3, 0.1),
                Hiss(0.25, 400).glide(150).level(0.8).env(0.001, 0.05, 0.05) } },
        { "UpGo4", 0.45, Fanfare() },
        // A window passing by: a soft swish of rising noise.
        { "message2", 0.25, { Hiss(0.28, 600).glide(2000).env(0.1, 0, 0.16).narrow(0.6).dark(2500) } },
        { "ClickBg", 0.35, Click(0.0, 1200, 2500, 1.0) },
        { "bgclick", 0.3, Click(0.0, 700, 1500, 1.0) },
    };
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: wavsynth <folder>\n";
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    for (const Recipe& recipe : Recipes()) {
        const auto path = folder / (recipe.name + ".wav");
        if (!WriteWav(path, Synthesise(recipe))) {
            std::cerr << "wavsynth: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
