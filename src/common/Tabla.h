// Byte (and other) tables with inclusive bounds that may start anywhere, as the program's
// data model needs them: a matrix stored column by column (the row index varies fastest),
// and a one-dimensional array. Re-dimensioning discards the contents; erasing frees them.
// Bounds are checked by assertions only in builds that define TV_COMPROBAR_LIMITES.
#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <utility>

#ifdef TV_COMPROBAR_LIMITES
#define TV_LIMITE(cond) assert(cond)
#else
#define TV_LIMITE(cond) ((void)0)
#endif

template <typename T>
class Tabla {
public:
    Tabla() = default;
    Tabla(const Tabla& o) { *this = o; }
    Tabla& operator=(const Tabla& o) {
        if (this != &o) {
            ReDim(o.fil0_, o.fil1_, o.col0_, o.col1_, false);
            if (Elementos()) std::memcpy(datos_.get(), o.datos_.get(), Elementos() * sizeof(T));
        }
        return *this;
    }
    // Moving hands the storage over without a copy and leaves the source empty.
    Tabla(Tabla&& o) noexcept { *this = std::move(o); }
    Tabla& operator=(Tabla&& o) noexcept {
        if (this != &o) {
            datos_ = std::move(o.datos_);
            fil0_ = o.fil0_; fil1_ = o.fil1_; col0_ = o.col0_; col1_ = o.col1_; filas_ = o.filas_;
            o.Erase();
        }
        return *this;
    }

    // Re-dimensions to (fil0 To fil1, col0 To col1). With limpiar every element becomes 0;
    // without it the contents are undefined (for writers that fill every element).
    // fil1 < fil0 gives an empty table.
    void ReDim(long fil0, long fil1, long col0, long col1, bool limpiar = true) {
        long filas = fil1 >= fil0 ? fil1 - fil0 + 1 : 0;
        long cols = col1 >= col0 ? col1 - col0 + 1 : 0;
        std::size_t n = static_cast<std::size_t>(filas) * static_cast<std::size_t>(cols);
        if (n != Elementos() || !datos_) datos_.reset(n ? new T[n] : nullptr);
        fil0_ = fil0; fil1_ = fil1; col0_ = col0; col1_ = col1;
        filas_ = static_cast<std::size_t>(filas);
        if (limpiar && n) std::memset(static_cast<void*>(datos_.get()), 0, n * sizeof(T));
    }
    void Erase() {
        datos_.reset();
        fil0_ = 0; fil1_ = -1; col0_ = 0; col1_ = -1; filas_ = 0;
    }
    // Sets every element to 0 and keeps the bounds.
    void Limpiar() {
        if (Elementos()) std::memset(static_cast<void*>(datos_.get()), 0, Elementos() * sizeof(T));
    }

    T& operator()(long fil, long col) {
        TV_LIMITE(fil >= fil0_ && fil <= fil1_ && col >= col0_ && col <= col1_);
        return datos_[static_cast<std::size_t>(col - col0_) * filas_ + static_cast<std::size_t>(fil - fil0_)];
    }
    const T& operator()(long fil, long col) const {
        TV_LIMITE(fil >= fil0_ && fil <= fil1_ && col >= col0_ && col <= col1_);
        return datos_[static_cast<std::size_t>(col - col0_) * filas_ + static_cast<std::size_t>(fil - fil0_)];
    }
    // Pointer to element (fil0, col): one column of every row is contiguous.
    T* Columna(long col) {
        TV_LIMITE(col >= col0_ && col <= col1_);
        return datos_.get() + static_cast<std::size_t>(col - col0_) * filas_;
    }
    const T* Columna(long col) const {
        TV_LIMITE(col >= col0_ && col <= col1_);
        return datos_.get() + static_cast<std::size_t>(col - col0_) * filas_;
    }

    bool Vacia() const { return Elementos() == 0; }
    long LBound1() const { return fil0_; }
    long UBound1() const { return fil1_; }
    long LBound2() const { return col0_; }
    long UBound2() const { return col1_; }
    long Filas() const { return static_cast<long>(filas_); }
    std::size_t Elementos() const {
        long cols = col1_ >= col0_ ? col1_ - col0_ + 1 : 0;
        return filas_ * static_cast<std::size_t>(cols);
    }

private:
    std::unique_ptr<T[]> datos_;
    long fil0_ = 0, fil1_ = -1, col0_ = 0, col1_ = -1;
    std::size_t filas_ = 0;
};

template <typename T>
class Arreglo {
public:
    Arreglo() = default;
    Arreglo(long lb, long ub) { ReDim(lb, ub); }
    Arreglo(const Arreglo& o) { *this = o; }
    Arreglo& operator=(const Arreglo& o) {
        if (this != &o) {
            ReDim(o.lb_, o.ub_, false);
            if (Elementos()) std::memcpy(static_cast<void*>(datos_.get()), o.datos_.get(), Elementos() * sizeof(T));
        }
        return *this;
    }
    Arreglo(Arreglo&& o) noexcept { *this = std::move(o); }
    Arreglo& operator=(Arreglo&& o) noexcept {
        if (this != &o) {
            datos_ = std::move(o.datos_);
            lb_ = o.lb_; ub_ = o.ub_;
            o.Erase();
        }
        return *this;
    }

    void ReDim(long lb, long ub, bool limpiar = true) {
        std::size_t n = ub >= lb ? static_cast<std::size_t>(ub - lb + 1) : 0;
        if (n != Elementos() || !datos_) datos_.reset(n ? new T[n] : nullptr);
        lb_ = lb; ub_ = ub;
        if (limpiar && n) std::memset(static_cast<void*>(datos_.get()), 0, n * sizeof(T));
    }
    void Erase() { datos_.reset(); lb_ = 0; ub_ = -1; }
    void Limpiar() {
        if (Elementos()) std::memset(static_cast<void*>(datos_.get()), 0, Elementos() * sizeof(T));
    }

    T& operator()(long i) {
        TV_LIMITE(i >= lb_ && i <= ub_);
        return datos_[static_cast<std::size_t>(i - lb_)];
    }
    const T& operator()(long i) const {
        TV_LIMITE(i >= lb_ && i <= ub_);
        return datos_[static_cast<std::size_t>(i - lb_)];
    }
    // Pointer to element LBound.
    T* Datos() { return datos_.get(); }
    const T* Datos() const { return datos_.get(); }

    bool Vacio() const { return Elementos() == 0; }
    long LBound() const { return lb_; }
    long UBound() const { return ub_; }
    std::size_t Elementos() const { return ub_ >= lb_ ? static_cast<std::size_t>(ub_ - lb_ + 1) : 0; }

private:
    std::unique_ptr<T[]> datos_;
    long lb_ = 0, ub_ = -1;
};
