// The program's pseudo-random source: values in [0, 1). A fixed seed repeats its sequence;
// seeding from the clock folds the clock into the current state instead of restarting a
// fixed sequence, so reseeding many times within one clock tick still gives fresh draws.
// Cheap enough to reseed before every draw (splitmix64).
#pragma once

#include <chrono>
#include <cstdint>

class FuenteAzar {
public:
    explicit FuenteAzar(std::uint64_t semilla = 0x9E3779B97F4A7C15ull) { Sembrar(semilla); }

    void Sembrar(std::uint64_t semilla) { estado_ = semilla; }
    void SembrarDesdeReloj() {
        auto t = static_cast<std::uint64_t>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count());
        estado_ ^= Mezclar(t + 0x632BE59BD9B4E019ull);
        Siguiente();
    }
    double Rnd() { return static_cast<double>(Siguiente() >> 11) * (1.0 / 9007199254740992.0); }

private:
    static std::uint64_t Mezclar(std::uint64_t z) {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::uint64_t Siguiente() {
        estado_ += 0x9E3779B97F4A7C15ull;
        return Mezclar(estado_);
    }
    std::uint64_t estado_ = 0;
};
