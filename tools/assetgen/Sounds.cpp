#include "Sounds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

// Every sound is a recipe over a small kit: noise, sine partials, one-pole and state-variable
// filters, envelopes, and two ways to finish a sound (a one-shot, or a loop that closes on itself).
// Times are in seconds and frequencies in Hz; a Signal is one float sample per 1/kSampleRate s.

namespace {

using Signal = std::vector<float>;

constexpr double kRate = kSampleRate;
constexpr double kTau = 2 * std::numbers::pi;
// The first sample a voice plays.
constexpr size_t kStreamStartSample = (kStreamStartByte - kWaveHeaderSize) / 2;
static_assert((kStreamStartByte - kWaveHeaderSize) % 2 == 0, "byte 100 starts a sample");

size_t Samples(double seconds) {
    return static_cast<size_t>(std::lround(seconds * kRate));
}

double TimeOf(size_t sample) {
    return static_cast<double>(sample) / kRate;
}

// Small, fast, and the same sequence everywhere for the same seed.
class Noise {
  public:
    explicit Noise(uint32_t seed) : state_(seed) {}
    // Uniform in [-1, 1).
    float Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<float>(state_) / 2147483648.0f - 1.0f;
    }
    // Uniform in [0, 1).
    double Unit() { return (Next() + 1.0) / 2; }
    double Between(double low, double high) { return low + (high - low) * Unit(); }

  private:
    uint32_t state_;
};

// One-pole low-pass: a gentle 6 dB per octave slope above `corner`.
class LowPass {
  public:
    explicit LowPass(double corner) : smoothing_(1 - std::exp(-kTau * corner / kRate)) {}
    float operator()(float in) {
        state_ += static_cast<float>(smoothing_) * (in - state_);
        return state_;
    }

  private:
    double smoothing_;
    float state_ = 0;
};

class HighPass {
  public:
    explicit HighPass(double corner) : low_(corner) {}
    float operator()(float in) { return in - low_(in); }

  private:
    LowPass low_;
};

// Band-pass around `centre` (a trapezoidal state-variable filter: stable up to the Nyquist
// frequency, and its centre may move every sample). Unity gain at the centre.
class BandPass {
  public:
    BandPass(double centre, double q) : damping_(1 / q) { SetCentre(centre); }
    void SetCentre(double centre) {
        const double g = std::tan(std::numbers::pi * centre / kRate);
        a1_ = 1 / (1 + g * (g + damping_));
        a2_ = g * a1_;
        a3_ = g * a2_;
    }
    float operator()(float in) {
        const double v3 = in - ic2_;
        const double v1 = a1_ * ic1_ + a2_ * v3;
        const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
        ic1_ = 2 * v1 - ic1_;
        ic2_ = 2 * v2 - ic2_;
        return static_cast<float>(v1 * damping_);
    }

  private:
    double damping_;
    double a1_ = 0, a2_ = 0, a3_ = 0;
    double ic1_ = 0, ic2_ = 0;
};

// A sine whose frequency may change every sample without a jump in its wave.
class Oscillator {
  public:
    // The phase of this sample, in radians (0..2π); then steps on by one sample.
    double NextPhase(double frequency) {
        const double phase = phase_;
        phase_ = std::fmod(phase_ + kTau * frequency / kRate, kTau);
        return phase;
    }
    float Next(double frequency) { return static_cast<float>(std::sin(NextPhase(frequency))); }

  private:
    double phase_ = 0;
};

// Rises linearly over `attack`, then dies away with time constant `decay`; 0 before `t` = 0.
double Strike(double t, double attack, double decay) {
    if (t < 0) return 0;
    return std::min(1.0, t / attack) * std::exp(-t / decay);
}

// 0 at both ends of `length`, 1 between a rise of `in` and a fall of `out` seconds.
double Fade(double t, double length, double in, double out) {
    return std::clamp(std::min(t / in, (length - t) / out), 0.0, 1.0);
}

// One sine component of a struck body: a bell, a latch, a drop of water.
struct Partial {
    double frequency;
    double amplitude;
    double decay;  // s, time constant
};

void AddStrike(Signal& out, double at, std::initializer_list<Partial> partials, double gain) {
    double longest = 0;
    for (const Partial& p : partials) longest = std::max(longest, p.decay);
    const size_t first = Samples(at);
    const size_t last = std::min(out.size(), first + Samples(7 * longest));
    for (size_t i = first; i < last; ++i) {
        const double t = TimeOf(i - first);
        double sum = 0;
        for (const Partial& p : partials) {
            sum += p.amplitude * std::sin(kTau * p.frequency * t) * Strike(t, 0.001, p.decay);
        }
        out[i] += static_cast<float>(gain * sum);
    }
}

// A burst of band-passed noise: a scrape, a crackle, a splash.
void AddNoiseBurst(Signal& out, double at, Noise& noise, BandPass filter, double attack,
                   double decay, double gain) {
    const size_t first = Samples(at);
    const size_t last = std::min(out.size(), first + Samples(attack + 7 * decay));
    for (size_t i = first; i < last; ++i) {
        out[i] += static_cast<float>(gain * Strike(TimeOf(i - first), attack, decay)) *
                  filter(noise.Next());
    }
}

// A tone rich in harmonics (k-th at 1/k), like a bowed string or a voice's buzz.
float Harmonics(double phase, int count) {
    double sum = 0;
    for (int k = 1; k <= count; ++k) sum += std::sin(k * phase) / k;
    return static_cast<float>(sum);
}

// Makes the end of `body` run on into its start: the loop is the first `period` samples, with
// the stretch after the period cross-faded into its opening. `body` holds at least `period` plus
// the fade; the last sample of the loop is followed, in the body, by what is now its first.
Signal CloseLoop(const Signal& body, size_t period) {
    const size_t fade = body.size() - period;
    Signal loop(body.begin(), body.begin() + static_cast<ptrdiff_t>(period));
    for (size_t i = 0; i < fade; ++i) {
        const float in = static_cast<float>(i) / static_cast<float>(fade);
        loop[i] = loop[i] * in + body[period + i] * (1 - in);
    }
    return loop;
}

// The file's samples for a loop: the loop's first sample lands where voices start, so that a
// voice restarting there continues without a step; the unplayed samples before it lead into it.
Signal StreamLoop(const Signal& loop) {
    Signal out(loop.size() + kStreamStartSample);
    for (size_t i = 0; i < out.size(); ++i) {
        out[i] = loop[(i + loop.size() - kStreamStartSample) % loop.size()];
    }
    return out;
}

// The file's samples for a one-shot: nothing before the first played sample, and a short fade at
// the end so that stopping there makes no click.
Signal StreamOneShot(Signal sound) {
    const size_t fade = std::min(sound.size(), Samples(0.02));
    for (size_t i = 0; i < fade; ++i) {
        sound[sound.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(fade);
    }
    sound.insert(sound.begin(), kStreamStartSample, 0.0f);
    return sound;
}

// A loop of `seconds` made by `fill`, which writes a body of the loop's length plus a fade.
template <typename Fill>
Signal MakeLoop(double seconds, double fadeSeconds, Fill fill) {
    Signal body(Samples(seconds + fadeSeconds));
    fill(body);
    return StreamLoop(CloseLoop(body, Samples(seconds)));
}

// ---- recipes ----

// A soft step on old boards: a low thump and the short scuff of a sole; also the menu tick.
Signal Footstep() {
    Noise noise(0x51E9);
    Signal s(Samples(1.1));
    AddStrike(s, 0.0, {{95, 0.8, 0.035}, {190, 0.3, 0.02}, {420, 0.1, 0.01}}, 1.0);
    AddNoiseBurst(s, 0.0, noise, BandPass(650, 1.2), 0.003, 0.03, 1.0);
    AddNoiseBurst(s, 0.05, noise, BandPass(900, 1.5), 0.002, 0.02, 0.5);
    return StreamOneShot(s);
}

// A wooden sliding door: the rumble of the door on its rail with the bumps of the runners, then
// the knock of the door reaching its stop (soft when opening, firm when closing).
Signal SlidingDoor(double slideSeconds, double railCentre, double knock, uint32_t seed) {
    Noise noise(seed);
    Signal s(Samples(std::max(1.2, slideSeconds + 0.9)));
    BandPass rail(railCentre, 0.8);
    LowPass roughness(25);
    const size_t slide = Samples(slideSeconds);
    for (size_t i = 0; i < slide; ++i) {
        const double t = TimeOf(i);
        const double grain = std::min(1.0, 0.5 + 6 * std::fabs(roughness(noise.Next())));
        s[i] += static_cast<float>(0.8 * Fade(t, slideSeconds, 0.08, 0.12) * grain) *
                rail(noise.Next());
    }
    for (double t = 0.03; t < slideSeconds - 0.05; t += 0.055) {
        AddNoiseBurst(s, t, noise, BandPass(1200, 2), 0.001, 0.008, 0.15);
    }
    AddStrike(s, slideSeconds, {{140, 1.0, 0.05}, {310, 0.5, 0.03}, {620, 0.2, 0.02}}, knock);
    AddNoiseBurst(s, slideSeconds, noise, BandPass(500, 1), 0.001, 0.04, 0.8 * knock);
    return StreamOneShot(s);
}

// A locked latch: the handle is tried and the bolt rattles in its keeper, the door knocking in
// its frame.
Signal LockedLatch() {
    Noise noise(0x10C4);
    Signal s(Samples(1.2));
    constexpr std::array<std::pair<double, double>, 6> kRattles{
        {{0.00, 1.0}, {0.06, 0.7}, {0.15, 0.9}, {0.21, 0.6}, {0.33, 0.8}, {0.41, 0.5}}};
    for (const auto& [at, gain] : kRattles) {
        AddStrike(s, at, {{2300, 0.6, 0.02}, {3650, 0.4, 0.015}, {5200, 0.25, 0.01}}, gain);
        AddNoiseBurst(s, at, noise, BandPass(2500, 2), 0.0005, 0.006, gain);
        AddStrike(s, at + 0.004, {{180, 0.5, 0.04}, {390, 0.2, 0.02}}, 0.5 * gain);
    }
    return StreamOneShot(s);
}

// A wood fire: the roar of the flames breathing slowly, a hiss, and crackles and pops at random.
Signal Fire() {
    return MakeLoop(4.0, 0.3, [](Signal& s) {
        Noise noise(0xF17E);
        LowPass roar(400);
        BandPass hiss(2500, 0.7);
        for (size_t i = 0; i < s.size(); ++i) {
            const double breath = 0.8 + 0.2 * std::sin(kTau * 0.5 * TimeOf(i));
            s[i] = static_cast<float>(breath) * (0.5f * roar(noise.Next())) +
                   0.05f * hiss(noise.Next());
        }
        for (size_t i = 0; i < s.size(); ++i) {
            const double u = noise.Unit();
            if (u < 14 / kRate) {
                const double size = noise.Unit();
                AddNoiseBurst(s, TimeOf(i), noise, BandPass(3000 + 1500 * size, 0.9), 0.0005,
                              0.004 + 0.01 * size, 0.3 + 0.7 * size * size);
            } else if (u < 16 / kRate) {
                AddNoiseBurst(s, TimeOf(i), noise, BandPass(900, 1.2), 0.001, 0.02, 0.6);
            }
        }
    });
}

// A fire extinguisher's spray: a hard fluttering hiss over a low whoosh.
Signal Spray() {
    return MakeLoop(3.0, 0.3, [](Signal& s) {
        Noise noise(0x5A7E);
        HighPass bright(1800);
        LowPass soft(7000);
        LowPass flutter(30);
        LowPass whoosh(300);
        for (float& sample : s) {
            const float wobble = std::clamp(0.85f + 8 * flutter(noise.Next()), 0.5f, 1.2f);
            sample = wobble * soft(bright(noise.Next())) + 0.4f * whoosh(noise.Next());
        }
    });
}

// Bell crickets in the grass at night: three callers, near and far, each ringing its trilled
// "riiin" on its own beat, over a faint night air. Their beats divide the loop, so the loop is
// one bar of their song.
Signal BellCrickets() {
    struct Cricket {
        double pitch, period, offset, length, gain;
    };
    constexpr std::array<Cricket, 3> kCrickets{
        {{4400, 1.5, 0.1, 0.45, 1.0}, {4700, 2.0, 0.7, 0.35, 0.6}, {4150, 1.2, 0.35, 0.5, 0.4}}};
    return MakeLoop(6.0, 0.4, [&kCrickets](Signal& s) {
        Noise noise(0x5E5E);
        LowPass air(200);
        BandPass chorus(4300, 6);
        for (float& sample : s) sample = 0.1f * air(noise.Next()) + 0.03f * chorus(noise.Next());
        for (const Cricket& c : kCrickets) {
            for (double at = c.offset; at < TimeOf(s.size()); at += c.period) {
                const size_t first = Samples(at);
                const size_t last = std::min(s.size(), first + Samples(c.length));
                for (size_t i = first; i < last; ++i) {
                    const double t = TimeOf(i - first);
                    const double trill = 0.6 + 0.4 * std::sin(kTau * 45 * t);
                    const double tone =
                        std::sin(kTau * c.pitch * t) + 0.15 * std::sin(kTau * 2 * c.pitch * t);
                    s[i] += static_cast<float>(c.gain * Fade(t, c.length, 0.02, 0.15) * trill *
                                               tone * 0.3);
                }
            }
        }
    });
}

// The boiler on the roof: a 50 Hz motor hum beating against a second motor, the rush of air in
// its ducts and a faint buzz of loose sheet metal. Every tone makes whole cycles in the loop.
Signal BoilerHum() {
    return MakeLoop(4.0, 0.3, [](Signal& s) {
        Noise noise(0xB011);
        LowPass airflow(350);
        BandPass sheet(1500, 3);
        constexpr std::array<std::pair<int, double>, 5> kHarmonics{
            {{1, 0.5}, {2, 0.35}, {3, 0.2}, {4, 0.12}, {6, 0.06}}};
        for (size_t i = 0; i < s.size(); ++i) {
            const double t = TimeOf(i);
            double hum = 0.2 * std::sin(kTau * 50.5 * t);
            for (const auto& [k, amplitude] : kHarmonics) {
                hum += amplitude * std::sin(kTau * 50 * k * t);
            }
            const double buzz = std::pow(0.5 + 0.5 * std::sin(kTau * 100 * t), 4);
            s[i] = static_cast<float>(hum) + 0.7f * airflow(noise.Next()) +
                   static_cast<float>(0.15 * buzz) * sheet(noise.Next());
        }
    });
}

// A quiet dawn: a breath of wind, a distant temple bell struck twice, and birds waking, few at
// first and more as the light comes.
Signal Dawn() {
    constexpr double kLength = 16.0;
    Noise noise(0xA5A0);
    Signal s(Samples(kLength));
    LowPass wind(250);
    for (size_t i = 0; i < s.size(); ++i) {
        const double swell = 0.7 + 0.3 * std::sin(kTau * 0.11 * TimeOf(i));
        s[i] = static_cast<float>(0.25 * swell) * wind(noise.Next());
    }
    for (double at : {1.0, 9.5}) {
        AddStrike(s, at,
                  {{98, 1.0, 4.5},
                   {98.6, 0.5, 4.5},
                   {196.7, 0.5, 3.5},
                   {270.5, 0.45, 2.8},
                   {343, 0.3, 2.2},
                   {529, 0.2, 1.4}},
                  0.35);
    }
    for (double group = 2.0; group < kLength - 2;
         group += noise.Between(1.8, 3.2) * (1 - group / 24)) {
        double at = group;
        const int chirps = 2 + static_cast<int>(noise.Unit() * 4);
        const double pitch = noise.Between(3200, 4800);
        for (int c = 0; c < chirps; ++c) {
            const double length = noise.Between(0.06, 0.11);
            const double sweep = noise.Between(-1200, 1200);
            Oscillator voice;
            const size_t first = Samples(at);
            for (size_t i = first; i < std::min(s.size(), first + Samples(length)); ++i) {
                const double t = TimeOf(i - first);
                const double shape = std::pow(std::sin(std::numbers::pi * t / length), 2);
                s[i] += static_cast<float>(0.12 * shape) * voice.Next(pitch + sweep * t / length);
            }
            at += length + noise.Between(0.03, 0.12);
        }
    }
    for (size_t i = 0; i < s.size(); ++i) {
        s[i] *= static_cast<float>(Fade(TimeOf(i), kLength, 1.5, 2.5));
    }
    return StreamOneShot(s);
}

// The opening: a slow minute over a dark drone on D with a rubbing E flat, a wind whose colour
// drifts, and sparse bell notes from the "in" scale, with a low drum now and then.
Signal OpeningPiece() {
    constexpr double kLength = 60.0;
    constexpr std::array<double, 7> kScale{293.7, 311.1, 392.0, 440.0, 466.2, 587.3, 622.3};
    constexpr std::array<std::pair<double, double>, 3> kDrone{
        {{73.4, 0.5}, {110.0, 0.3}, {77.8, 0.12}}};
    Noise noise(0x0BE1);
    Signal s(Samples(kLength));
    BandPass wind(500, 1.5);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = TimeOf(i);
        double drone = 0;
        for (size_t d = 0; d < kDrone.size(); ++d) {
            const auto [pitch, gain] = kDrone[d];
            const double swell =
                0.5 + 0.5 * std::sin(kTau * 0.07 * t + 2.1 * static_cast<double>(d));
            drone += gain * swell * (Harmonics(kTau * pitch * t, 3));
        }
        if (i % 64 == 0) wind.SetCentre(600 + 300 * std::sin(kTau * 0.03 * t));
        s[i] = static_cast<float>(0.5 * drone) + 0.5f * wind(noise.Next());
    }
    for (double at = 6.0; at < kLength - 6; at += noise.Between(2.8, 4.5)) {
        const double pitch = kScale[static_cast<size_t>(noise.Unit() * kScale.size())];
        AddStrike(s, at,
                  {{pitch, 1.0, 2.0},
                   {pitch * 1.003, 0.6, 2.0},
                   {pitch * 2.76, 0.35, 0.9},
                   {pitch * 5.4, 0.15, 0.4}},
                  0.25);
    }
    for (double at = 12.0; at < kLength - 8; at += 12.0) {
        AddStrike(s, at, {{55, 1.0, 0.6}, {110, 0.3, 0.3}}, 0.6);
    }
    for (size_t i = 0; i < s.size(); ++i) {
        s[i] *= static_cast<float>(Fade(TimeOf(i), kLength, 5.0, 8.0));
    }
    return StreamOneShot(s);
}

// Something wet dragging itself along: a squelching step, a slap, the drag of a sodden body and
// drops falling from it; two steps to the loop.
Signal WetSteps() {
    constexpr double kStep = 1.2;
    return MakeLoop(2 * kStep, 0.3, [](Signal& s) {
        Noise noise(0xF15F);
        LowPass drag(300);
        for (double at = 0; at < TimeOf(s.size()); at += kStep) {
            const size_t first = Samples(at);
            BandPass squelch(600, 1.5);
            for (size_t i = first; i < std::min(s.size(), first + Samples(0.5)); ++i) {
                const double t = TimeOf(i - first);
                const double flutter = 0.5 + 0.5 * std::sin(kTau * 35 * t);
                s[i] += static_cast<float>(0.9 * Strike(t, 0.01, 0.09) * flutter) *
                        squelch(noise.Next());
            }
            AddStrike(s, at, {{80, 0.6, 0.05}, {160, 0.2, 0.03}}, 1.0);
            for (size_t i = first + Samples(0.15); i < std::min(s.size(), first + Samples(0.8));
                 ++i) {
                const double t = TimeOf(i - first) - 0.15;
                s[i] += static_cast<float>(1.2 * std::sin(std::numbers::pi * t / 0.65)) *
                        drag(noise.Next());
            }
            for (double drip : {0.25, 0.5}) {
                AddStrike(s, at + drip + noise.Between(0, 0.08),
                          {{noise.Between(1600, 2300), 0.25, 0.025}}, 1.0);
            }
        }
    });
}

// A low murmur that is not quite a voice: a buzzing throat too deep for a person, its pitch
// wandering, shaped by slowly moving mouth resonances into syllables, with a rough ring.
Signal Murmur() {
    return MakeLoop(4.0, 0.4, [](Signal& s) {
        Noise noise(0x7011);
        LowPass wander(3);
        BandPass mouth(400, 4), throat(1000, 5), breath(800, 1);
        Oscillator glottis, under;
        for (size_t i = 0; i < s.size(); ++i) {
            const double t = TimeOf(i);
            const double pitch = 62 + 4 * std::sin(kTau * 0.25 * t) + 200 * wander(noise.Next());
            if (i % 32 == 0) {
                mouth.SetCentre(400 + 150 * std::sin(kTau * 0.7 * t));
                throat.SetCentre(1000 + 250 * std::sin(kTau * 0.45 * t + 1));
            }
            const double buzz =
                Harmonics(glottis.NextPhase(pitch), 12) + 0.4 * under.Next(pitch * 0.7);
            const double mouthOpen = std::sin(kTau * 1.5 * t + 0.8 * std::sin(kTau * 0.5 * t));
            const double syllables = 0.35 + 0.65 * std::pow(std::max(0.0, mouthOpen), 1.5);
            const double ring = 0.8 + 0.2 * std::sin(kTau * 31 * t);
            const auto source = static_cast<float>(buzz * syllables * ring);
            s[i] = 3 * mouth(source) + 2 * throat(source) + 0.3f * breath(noise.Next());
        }
    });
}

// Voices of a cluster, each a buzzing tone darkened to "ooo", with a slow vibrato.
float Choir(std::span<Oscillator> voices, std::span<const double> pitches, double bend, double t) {
    double sum = 0;
    for (size_t v = 0; v < voices.size(); ++v) {
        const double vibrato = 1 + 0.004 * std::sin(kTau * 5 * t + static_cast<double>(v));
        sum += Harmonics(voices[v].NextPhase(pitches[v] * bend * vibrato), 8);
    }
    return static_cast<float>(sum);
}

// A stinger: a dissonant choir swelling into a long "ooo" that sinks as it fades, over a sub.
Signal ChoirStinger() {
    constexpr double kLength = 4.5;
    constexpr std::array<double, 4> kPitches{110.0, 116.5, 164.8, 174.6};
    std::array<Oscillator, kPitches.size()> voices;
    Oscillator sub;
    BandPass vowel(350, 2);
    Signal s(Samples(kLength));
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = TimeOf(i);
        const double bend = 1 - 0.06 * t / kLength;
        const float choir = vowel(Choir(voices, kPitches, bend, t));
        s[i] =
            static_cast<float>(Fade(t, kLength, 1.2, 1.5)) * (choir + 0.3f * sub.Next(55 * bend));
    }
    return StreamOneShot(s);
}

// A stinger: a falling boom and a screech of high strings trembling and dying away.
Signal BoomStinger() {
    constexpr std::array<double, 3> kScreech{1046.5, 1108.7, 1480.0};
    Noise noise(0x00F0);
    Oscillator boom;
    std::array<Oscillator, kScreech.size()> strings;
    Signal s(Samples(2.8));
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = TimeOf(i);
        const double pitch = 40 + 50 * std::exp(-t / 0.15);
        double screech = 0;
        for (size_t k = 0; k < kScreech.size(); ++k) {
            screech += Harmonics(strings[k].NextPhase(kScreech[k]), 5);
        }
        const double tremble = 0.7 + 0.3 * std::sin(kTau * 9 * t);
        s[i] = static_cast<float>(Strike(t, 0.005, 0.6)) * boom.Next(pitch) +
               static_cast<float>(0.12 * Strike(t, 0.02, 0.9) * tremble * screech);
    }
    AddNoiseBurst(s, 0, noise, BandPass(300, 0.7), 0.002, 0.15, 1.2);
    return StreamOneShot(s);
}

// A sharp scare: a bright dissonant stab bent up into pitch, a slash of noise and a thump.
Signal ScareSting() {
    constexpr std::array<double, 4> kStab{880.0, 932.3, 1244.5, 1864.7};
    Noise noise(0x5A5A);
    std::array<Oscillator, kStab.size()> voices;
    Signal s(Samples(1.5));
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = TimeOf(i);
        const double bend = 1 - 0.04 * std::exp(-t / 0.05);
        double stab = 0;
        for (size_t k = 0; k < kStab.size(); ++k) {
            stab += Harmonics(voices[k].NextPhase(kStab[k] * bend), 6);
        }
        s[i] = static_cast<float>(0.3 * Strike(t, 0.003, 0.35) * stab);
    }
    AddNoiseBurst(s, 0, noise, BandPass(4000, 0.8), 0.001, 0.08, 1.5);
    AddStrike(s, 0, {{60, 1.0, 0.15}}, 1.0);
    return StreamOneShot(s);
}

// A radio cassette left playing: tape hiss and clicks, and far off an old tune in a thin band,
// its pitch wavering with the tape. One bar of the tune is the loop; the waver makes whole cycles.
Signal RadioCassette() {
    constexpr double kNote = 0.5;  // s
    constexpr std::array<double, 12> kTune{659.3, 587.3, 523.3, 440.0, 523.3, 587.3,
                                           659.3, 784.0, 659.3, 587.3, 523.3, 587.3};
    constexpr std::array<double, 6> kBass{110.0, 87.3, 98.0, 130.8, 110.0, 98.0};
    return MakeLoop(kNote * kTune.size(), 0.3, [&](Signal& s) {
        Noise noise(0xCA55);
        HighPass hiss(3000);
        BandPass radio(1200, 0.7);
        for (size_t i = 0; i < s.size(); ++i) {
            const double t = TimeOf(i);
            const double wow = 1 + 0.006 * std::sin(kTau * 0.5 * t);
            const double bar = std::fmod(t, kNote * kTune.size());
            const auto note = static_cast<size_t>(bar / kNote);
            const double sinceNote = bar - kNote * static_cast<double>(note);
            const auto bassNote = static_cast<size_t>(bar / (2 * kNote));
            const double sinceBass = bar - 2 * kNote * static_cast<double>(bassNote);
            const double tune =
                Strike(sinceNote, 0.01, 0.35) * Harmonics(kTau * kTune[note] * wow * sinceNote, 3) +
                0.6 * Strike(sinceBass, 0.01, 0.6) *
                    std::sin(kTau * kBass[bassNote] * wow * sinceBass);
            const double drift = 0.8 + 0.2 * std::sin(kTau * t / (kNote * kTune.size()));
            s[i] = radio(static_cast<float>(0.5 * drift * tune)) + 0.12f * hiss(noise.Next());
        }
        for (size_t i = 0; i < s.size(); ++i) {
            if (noise.Unit() < 5 / kRate) {
                AddNoiseBurst(s, TimeOf(i), noise, BandPass(2000, 1), 0.0005, 0.003, 0.3);
            }
        }
    });
}

// The hidden room: a deep hum felt more than heard, two low tones beating slowly, a pale
// overtone breathing above them, and the pressure of still air. Every tone makes whole cycles.
Signal HiddenRoomHum() {
    constexpr std::array<std::pair<double, double>, 5> kTones{
        {{41.0, 0.6}, {43.5, 0.5}, {82.0, 0.3}, {123.0, 0.15}, {2950.0, 0.01}}};
    return MakeLoop(4.0, 0.3, [&kTones](Signal& s) {
        Noise noise(0x9004);
        LowPass pressure(120);
        for (size_t i = 0; i < s.size(); ++i) {
            const double t = TimeOf(i);
            double hum = 0;
            for (const auto& [pitch, gain] : kTones) hum += gain * std::sin(kTau * pitch * t);
            const double breathe = 0.5 + 0.5 * std::sin(kTau * 0.25 * t);
            hum += 0.05 * breathe * (std::sin(kTau * 220 * t) + std::sin(kTau * 221.5 * t));
            s[i] = static_cast<float>(hum) + 0.9f * pressure(noise.Next());
        }
    });
}

// Each sound row, what makes it, and how loud its loudest sample is (of full scale).
struct SoundRecipe {
    std::string_view name;
    Signal (*make)();
    float peak;
};

const SoundRecipe kSounds[] = {
    {"ari.wav", BoilerHum, 0.35f},
    {"asa.wav", Dawn, 0.35f},
    {"doorclose.wav", [] { return SlidingDoor(0.55, 450, 1.0, 0xC105); }, 0.4f},
    {"dooropen.wav", [] { return SlidingDoor(0.8, 380, 0.4, 0x0BE2); }, 0.4f},
    {"fire.wav", Fire, 0.4f},
    {"fish.wav", WetSteps, 0.4f},
    {"karappo.wav", RadioCassette, 0.35f},
    {"keylock.wav", LockedLatch, 0.4f},
    {"ooo.wav", ChoirStinger, 0.45f},
    {"oop.wav", BoomStinger, 0.45f},
    {"opening.wav", OpeningPiece, 0.4f},
    {"room.wav", HiddenRoomHum, 0.35f},
    {"sa.wav", ScareSting, 0.45f},
    {"step2.wav", Footstep, 0.35f},
    {"suzumusi.wav", BellCrickets, 0.3f},
    {"voice.wav", Murmur, 0.4f},
    {"water.wav", Spray, 0.35f},
};

std::vector<int16_t> ToPcm(const Signal& signal, float peak) {
    float loudest = 0;
    for (float sample : signal) loudest = std::max(loudest, std::fabs(sample));
    const float scale = loudest > 0 ? peak * 32767 / loudest : 0;
    std::vector<int16_t> pcm(signal.size());
    std::transform(signal.begin(), signal.end(), pcm.begin(), [scale](float sample) {
        return static_cast<int16_t>(std::lround(sample * scale));
    });
    return pcm;
}

}  // namespace

Bytes EncodeWave(std::span<const int16_t> samples) {
    constexpr uint16_t kBytesPerSample = 2;
    const auto dataSize = static_cast<uint32_t>(samples.size() * kBytesPerSample);
    Bytes out;
    out.reserve(kWaveHeaderSize + dataSize);
    AppendText(out, "RIFF");
    AppendLe32(out, kWaveHeaderSize - 8 + dataSize);
    AppendText(out, "WAVEfmt ");
    AppendLe32(out, 16);  // fmt chunk size
    AppendLe16(out, 1);   // PCM
    AppendLe16(out, 1);   // mono
    AppendLe32(out, kSampleRate);
    AppendLe32(out, kSampleRate * kBytesPerSample);  // bytes per second
    AppendLe16(out, kBytesPerSample);                // block align
    AppendLe16(out, 16);                             // bits per sample
    AppendText(out, "data");
    AppendLe32(out, dataSize);
    for (int16_t sample : samples) AppendLe16(out, static_cast<uint16_t>(sample));
    return out;
}

Bytes SynthesiseSound(std::string_view name) {
    const auto recipe = std::find_if(std::begin(kSounds), std::end(kSounds),
                                     [name](const SoundRecipe& r) { return r.name == name; });
    if (recipe == std::end(kSounds)) {
        throw std::runtime_error("no sound recipe for \"" + std::string(name) + "\"");
    }
    return EncodeWave(ToPcm(recipe->make(), recipe->peak));
}
