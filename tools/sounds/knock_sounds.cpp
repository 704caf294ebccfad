// Sounds of things hitting things: dice, the box lids, the abacus beads,
// coins, a hinge, and the hush of the dice sliding over the table.
#include <array>
#include <cmath>

#include "tools/sounds/sound_recipes.h"

namespace dakto::sounds {

namespace {

// One die knocking against the other or against the cup: bright, very short
// ringing of the bone-hard die, and a duller answer from the cup's wall.
void DieKnock(Samples& out, Rng& rng, double t, double amp) {
  AddMode(out, t, rng.Range(1900, 2500), rng.Range(0.003, 0.006), amp * 0.6);
  AddMode(out, t, rng.Range(3200, 4300), rng.Range(0.002, 0.005), amp * 0.45);
  AddMode(out, t, rng.Range(5200, 7000), 0.002, amp * 0.3);
  AddNoiseBurst(out, rng, t, 0.0015, amp * 0.7, Biquad::HighPass(2500, 0.7));
  AddMode(out, t, rng.Range(330, 380), 0.012, amp * 0.3);
  AddMode(out, t, rng.Range(780, 900), 0.008, amp * 0.22);
}

double SmoothStep(double x) {
  if (x <= 0) return 0;
  if (x >= 1) return 1;
  return x * x * (3 - 2 * x);
}

}  // namespace

Samples DiceRattle(std::uint64_t seed) {
  // One frame of a throw lasts about 130 ms; the rattle fills it and a little more,
  // since the next frame cuts it off anyway.
  Rng rng(seed);
  Samples out = Silence(0.23);
  for (double t = 0.003; t < 0.19; t += rng.Range(0.012, 0.034)) {
    DieKnock(out, rng, t, rng.Range(0.35, 1.0));
  }
  Finish(out, 0.002, 0.03);
  return out;
}

Samples DiceLanding() {
  // Two dice drop on the wooden board, bounce twice and settle.
  Rng rng(404);
  Samples out = Silence(0.33);
  struct Hit {
    double time, amp;
  };
  static constexpr std::array<Hit, 9> kHits{{{0.004, 1.0},
                                             {0.027, 0.85},
                                             {0.094, 0.45},
                                             {0.124, 0.38},
                                             {0.163, 0.22},
                                             {0.188, 0.18},
                                             {0.212, 0.1},
                                             {0.229, 0.07},
                                             {0.243, 0.05}}};
  for (const Hit& hit : kHits) {
    AddMode(out, hit.time, rng.Range(150, 185), 0.03, hit.amp * 0.8);  // the board
    AddMode(out, hit.time, rng.Range(380, 440), 0.018, hit.amp * 0.45);
    DieKnock(out, rng, hit.time, hit.amp * 0.8);
  }
  Finish(out, 0.002, 0.04);
  return out;
}

namespace {

void WoodenThump(Samples& out, Rng& rng, double t, double amp) {
  AddMode(out, t, 132, 0.07, amp);
  AddMode(out, t, 297, 0.05, amp * 0.6);
  AddMode(out, t, 655, 0.03, amp * 0.45);
  AddMode(out, t, 1180, 0.015, amp * 0.3);
  AddMode(out, t, 2100, 0.006, amp * 0.22);
  AddNoiseBurst(out, rng, t, 0.004, amp * 0.8, Biquad::BandPass(1800, 0.8));
}

}  // namespace

Samples LidClosing() {
  // The lid swings through the air and claps onto its box, with a small rebound.
  Rng rng(22);
  Samples out = Silence(0.5);
  const double landing = 0.07;
  Biquad air = Biquad::LowPass(900, 0.7);
  for (int i = 0; i < ToIndex(landing); ++i) {
    const double rise = static_cast<double>(i) / ToIndex(landing);
    out[static_cast<std::size_t>(i)] += 0.5 * rise * rise * air.Process(rng.Signed());
  }
  WoodenThump(out, rng, landing, 1.0);
  WoodenThump(out, rng, landing + 0.075, 0.22);
  Finish(out, 0.003, 0.06);
  return out;
}

Samples Creak() {
  // A hinge creaks by sticking and slipping: each slip is a tick that rings the
  // lid's wood; the ticks come faster as the lid swings and slower as it stops.
  Rng rng(7);
  Samples out = Silence(1.0);
  static constexpr std::array<double, 4> kBody{540, 1130, 1720, 2480};
  static constexpr std::array<double, 4> kGain{1.0, 0.8, 0.55, 0.35};
  std::array<Biquad, 4> body;
  double nextSlip = 0.0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    if (i % 64 == 0) {
      const double bend = 1.0 + 0.08 * std::sin(2 * kPi * 0.9 * t);
      for (std::size_t k = 0; k < body.size(); ++k)
        body[k].Retune(Biquad::BandPass(kBody[k] * bend, 18.0 + 2 * k));
    }
    double tick = 0;
    if (t >= nextSlip) {
      tick = rng.Range(0.6, 1.0);
      const double rate = 50 + 190 * std::pow(std::sin(kPi * t), 1.5) + 15 * std::sin(2 * kPi * 2.3 * t);
      nextSlip = t + rng.Range(0.9, 1.1) / rate;
    }
    double y = 0;
    for (std::size_t k = 0; k < body.size(); ++k) y += kGain[k] * body[k].Process(tick);
    const double swell = SmoothStep(t / 0.12) * (1.0 - SmoothStep((t - 0.8) / 0.2));
    out[i] = y * swell;
  }
  Finish(out, 0.005, 0.06);
  return out;
}

Samples BeadClick() {
  // Two hardwood beads knock; the moved bead settles against its neighbour.
  Rng rng(5);
  Samples out = Silence(0.045);
  AddMode(out, 0.001, 2650, 0.004, 1.0);
  AddMode(out, 0.001, 4300, 0.003, 0.6);
  AddMode(out, 0.001, 1250, 0.006, 0.35);
  AddNoiseBurst(out, rng, 0.001, 0.0012, 0.8, Biquad::HighPass(3000, 0.7));
  AddMode(out, 0.011, 2730, 0.003, 0.3);
  AddMode(out, 0.011, 4390, 0.002, 0.2);
  Finish(out, 0.0008, 0.01);
  return out;
}

Samples Coins() {
  // A handful of coins dropped on a small heap: every clink rings with a few
  // inharmonic partials, as thin metal discs do.
  Rng rng(1234);
  Samples out = Silence(0.95);
  struct Clink {
    double time, amp;
  };
  static constexpr std::array<Clink, 11> kClinks{{{0.005, 1.0},
                                                  {0.07, 0.7},
                                                  {0.11, 0.85},
                                                  {0.17, 0.5},
                                                  {0.23, 0.65},
                                                  {0.28, 0.4},
                                                  {0.35, 0.45},
                                                  {0.42, 0.3},
                                                  {0.5, 0.28},
                                                  {0.6, 0.18},
                                                  {0.7, 0.12}}};
  static constexpr std::array<double, 4> kRatio{1.0, 1.53, 2.11, 2.68};
  static constexpr std::array<double, 4> kDecay{0.16, 0.09, 0.06, 0.04};
  static constexpr std::array<double, 4> kLevel{1.0, 0.6, 0.45, 0.3};
  for (const Clink& clink : kClinks) {
    const double base = rng.Range(2600, 4000);
    for (std::size_t p = 0; p < kRatio.size(); ++p) {
      AddMode(out, clink.time, base * kRatio[p], kDecay[p] * rng.Range(0.7, 1.2), clink.amp * kLevel[p]);
    }
    AddNoiseBurst(out, rng, clink.time, 0.001, clink.amp * 0.5, Biquad::HighPass(4000, 0.7));
    AddMode(out, clink.time, rng.Range(900, 1300), 0.01, clink.amp * 0.2);
  }
  Finish(out, 0.002, 0.15);
  return out;
}

Samples Hush() {
  // "Shh": breath noise shaped like the fricative, strongest around 3 kHz.
  Rng rng(31);
  Samples out = Silence(0.6);
  Biquad air = Biquad::HighPass(1800, 0.7);
  Biquad body = Biquad::BandPass(2900, 1.1);
  Biquad edge = Biquad::BandPass(5200, 1.5);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double envelope = SmoothStep(t / 0.09) * (1.0 - SmoothStep((t - 0.38) / 0.2));
    const double wobble = 1.0 + 0.12 * std::sin(2 * kPi * 3.3 * t);
    const double n = rng.Signed();
    out[i] = envelope * wobble * (body.Process(air.Process(n)) + 0.35 * edge.Process(n));
  }
  Finish(out, 0.005, 0.05);
  return out;
}

}  // namespace dakto::sounds
