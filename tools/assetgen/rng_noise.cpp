// Seeded randomness for the painters: a PCG32 generator and lattice value noise.
#include "assetgen.h"

#include <cmath>

namespace quill::assetgen {

Rng::Rng(uint64_t seed) : state_(0), inc_((seed << 1u) | 1u) {
    next();
    state_ += 0x853c49e6748fea9bULL ^ seed;
    next();
}

uint32_t Rng::next() {
    const uint64_t old = state_;
    state_ = old * 6364136223846793005ULL + inc_;
    const auto xorshifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
    const auto rot = static_cast<uint32_t>(old >> 59u);
    return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
}

double Rng::uniform() {
    return next() * (1.0 / 4294967296.0);
}

double Rng::range(double lo, double hi) {
    return lo + (hi - lo) * uniform();
}

int Rng::below(int n) {
    return n <= 0 ? 0 : static_cast<int>(uniform() * n);
}

namespace {

uint32_t hashLattice(int x, int y, uint32_t seed) {
    uint32_t h = seed ^ (static_cast<uint32_t>(x) * 0x27d4eb2dU);
    h ^= static_cast<uint32_t>(y) * 0x165667b1U;
    h ^= h >> 15;
    h *= 0x2c1b3c6dU;
    h ^= h >> 12;
    h *= 0x297a2d39U;
    h ^= h >> 15;
    return h;
}

double lattice(int x, int y, uint32_t seed) {
    return hashLattice(x, y, seed) * (1.0 / 4294967295.0);
}

}  // namespace

double ValueNoise::at(double x, double y) const {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    double tx = x - fx;
    double ty = y - fy;
    tx = tx * tx * (3.0 - 2.0 * tx);
    ty = ty * ty * (3.0 - 2.0 * ty);
    const double a = lattice(ix, iy, seed_);
    const double b = lattice(ix + 1, iy, seed_);
    const double c = lattice(ix, iy + 1, seed_);
    const double d = lattice(ix + 1, iy + 1, seed_);
    const double top = a + (b - a) * tx;
    const double bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

double ValueNoise::fbm(double x, double y, int octaves) const {
    double sum = 0.0;
    double amp = 1.0;
    double total = 0.0;
    double freq = 1.0;
    // Each octave is turned a little so the lattice never lines up into visible squares.
    constexpr double kCos = 0.8253356149;  // cos(0.6)
    constexpr double kSin = 0.5646424734;  // sin(0.6)
    double rx = x;
    double ry = y;
    for (int i = 0; i < octaves; ++i) {
        const ValueNoise layer(seed_ + 0x9e3779b9U * static_cast<uint32_t>(i + 1));
        sum += amp * layer.at(rx * freq + 17.3 * i, ry * freq - 5.1 * i);
        total += amp;
        amp *= 0.5;
        freq *= 2.0;
        const double nx = rx * kCos - ry * kSin;
        ry = rx * kSin + ry * kCos;
        rx = nx;
    }
    return sum / total;
}

}  // namespace quill::assetgen
