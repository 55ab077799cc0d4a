#include "common/modEncriptarFichero.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/Plataforma.h"

namespace modEncriptarFichero {

using modGeneral::Byte;

namespace {

// RC4 state after the key schedule.
std::array<Byte, 256> EstadoInicial(const std::string& clave) {
    std::array<Byte, 256> s;
    for (int i = 0; i < 256; ++i) s[static_cast<std::size_t>(i)] = static_cast<Byte>(i);
    const std::size_t l = clave.size() < 256 ? clave.size() : 256;
    unsigned j = 0;
    for (std::size_t i = 0; i < 256; ++i) {
        j = (j + static_cast<Byte>(clave[i % l]) + s[i]) & 0xFF;
        std::swap(s[i], s[j]);
    }
    return s;
}

// The first n keystream bytes of a fresh state.
std::vector<Byte> FlujoClave(const std::string& clave, std::size_t n) {
    std::array<Byte, 256> s = EstadoInicial(clave);
    std::vector<Byte> flujo(n);
    unsigned i = 0, j = 0;
    for (std::size_t p = 0; p < n; ++p) {
        i = (i + 1) & 0xFF;
        j = (j + s[i]) & 0xFF;
        std::swap(s[i], s[j]);
        flujo[p] = s[(s[i] + s[j]) & 0xFF];
    }
    return flujo;
}

// Every record restarts the cipher with the same key, so the keystream of ClaveEUR is the
// same for every record: computed once.
const std::vector<Byte>& FlujoEUR() {
    static const std::vector<Byte> flujo = FlujoClave(ClaveEUR, LongitudMaximaRC4);
    return flujo;
}

std::string CifrarConFlujo(const std::string& texto, const std::vector<Byte>& flujo) {
    std::string r(texto);
    for (std::size_t p = 0; p < r.size(); ++p) r[p] = static_cast<char>(static_cast<Byte>(r[p]) ^ flujo[p]);
    return r;
}

// Record text enciphered with ClaveEUR, or "0" when refused.
std::string CifrarEUR(const std::string& texto) {
    if (texto.empty() || texto.size() > LongitudMaximaRC4) return TextoRechazadoRC4;
    return CifrarConFlujo(texto, FlujoEUR());
}

// Buffered writer of records: the file is written in large chunks. After a failed write
// nothing more reaches the file (the safe write refuses every later step).
class EscritorRegistros {
public:
    explicit EscritorRegistros(Ficheros::EscrituraSegura& destino)
        : destino_(destino), buffer_(new char[Capacidad]) {}

    void Registro(const std::string& texto) {
        char* r = Reservar(texto.size() + 2);
        r[0] = static_cast<char>(texto.size() & 0xFF);
        r[1] = static_cast<char>((texto.size() >> 8) & 0xFF);
        std::memcpy(r + 2, texto.data(), texto.size());
    }
    // Room for n more bytes (n is at most a record) at the end; returns where they go.
    char* Reservar(std::size_t n) {
        if (usado_ + n > Capacidad) Vaciar();
        char* r = buffer_.get() + usado_;
        usado_ += n;
        return r;
    }
    // Writes what is buffered; false on failure.
    bool Vaciar() {
        const bool ok = usado_ == 0 || destino_.Escribir(buffer_.get(), usado_);
        usado_ = 0;
        return ok;
    }

private:
    static constexpr std::size_t Capacidad = std::size_t(1) << 22;
    Ficheros::EscrituraSegura& destino_;
    std::unique_ptr<char[]> buffer_;
    std::size_t usado_ = 0;
};

// The 22 bytes of a bet record: length, then the enciphered text. Separators are fixed; each
// two-digit value has its enciphered pair looked up by position.
struct PlantillaApuesta {
    static constexpr int Posiciones[7] = {0, 3, 6, 9, 12, 15, 18};
    char registro[22];
    Byte par[7][100][2];

    PlantillaApuesta() {
        const std::vector<Byte>& flujo = FlujoEUR();
        const char* muestra = "00,00,00,00,00+00,00";
        registro[0] = 20;
        registro[1] = 0;
        for (int p = 0; p < 20; ++p)
            registro[2 + p] = static_cast<char>(static_cast<Byte>(muestra[p]) ^ flujo[static_cast<std::size_t>(p)]);
        for (int c = 0; c < 7; ++c)
            for (int v = 0; v < 100; ++v) {
                int p = Posiciones[c];
                par[c][v][0] = static_cast<Byte>(('0' + v / 10) ^ flujo[static_cast<std::size_t>(p)]);
                par[c][v][1] = static_cast<Byte>(('0' + v % 10) ^ flujo[static_cast<std::size_t>(p + 1)]);
            }
    }
};

const PlantillaApuesta& Plantilla() {
    static const PlantillaApuesta plantilla;
    return plantilla;
}

// Rows 1..n of ApuestasGrabacion that exist with all seven columns.
Long FilasDisponibles(Long n) {
    const Tabla<Byte>& t = modGeneral::ApuestasGrabacion;
    if (t.Vacia() || t.LBound2() > 1 || t.UBound2() < 7 || t.LBound1() > 1) return 0;
    return t.UBound1() < n ? static_cast<Long>(t.UBound1()) : n;
}

}  // namespace

std::string EncriptarRC4(const std::string& texto, const std::string& clave) {
    if (clave.empty() || texto.empty() || texto.size() > LongitudMaximaRC4) return TextoRechazadoRC4;
    if (clave == ClaveEUR) return CifrarConFlujo(texto, FlujoEUR());
    return CifrarConFlujo(texto, FlujoClave(clave, texto.size()));
}

std::string TextoApuestaEUR(const Byte apuesta[7]) {
    std::string t;
    t.reserve(20);
    char dos[8];
    for (int c = 0; c < 7; ++c) {
        if (c > 0) t += (c == 5) ? '+' : ',';
        std::snprintf(dos, sizeof dos, "%02u", static_cast<unsigned>(apuesta[c]));
        t += dos;
    }
    return t;
}

namespace {

// The records into destino; false with the description in error.
bool EscribirRegistros(Ficheros::EscrituraSegura& destino, const std::string& Cabecera, Long NumApuestas,
                       const Progreso& progreso, std::string& error) {
    if (destino.Fallida()) {
        error = destino.Descripcion();
        return false;
    }
    EscritorRegistros escritor(destino);
    escritor.Registro(CifrarEUR(Cabecera));
    escritor.Registro(CifrarEUR(std::to_string(NumApuestas)));

    const PlantillaApuesta& plantilla = Plantilla();
    Plataforma& plataforma = Plataforma::Activa();
    Long disponibles = FilasDisponibles(NumApuestas);
    const Byte* col[7] = {};
    auto tomarColumnas = [&] {
        disponibles = FilasDisponibles(NumApuestas);
        if (disponibles > 0) {
            Tabla<Byte>& t = modGeneral::ApuestasGrabacion;
            // Column pointers at row 1 (the table starts at row 0 or 1).
            for (int c = 0; c < 7; ++c) col[c] = t.Columna(c + 1) + (1 - t.LBound1());
        }
    };
    tomarColumnas();

    for (Long b = 1; b <= NumApuestas; ++b) {
        if (b % 5000 == 0) {
            if (progreso) progreso(static_cast<double>(b) / NumApuestas * AnchoProgresoEUR);
            plataforma.DoEvents();
            tomarColumnas();  // the table may only be read as it stands after the yield
        }
        if (destino.Fallida()) break;
        if (b > disponibles) {
            error = "El subíndice está fuera del intervalo";
            destino.Abandonar();
            return false;
        }

        const std::size_t fila = static_cast<std::size_t>(b - 1);
        Byte v[7];
        bool dosCifras = true;
        for (int c = 0; c < 7; ++c) {
            v[c] = col[c][fila];
            dosCifras &= v[c] < 100;
        }
        if (dosCifras) {
            char* r = escritor.Reservar(22);
            std::memcpy(r, plantilla.registro, 22);
            for (int c = 0; c < 7; ++c)
                std::memcpy(r + 2 + PlantillaApuesta::Posiciones[c], plantilla.par[c][v[c]], 2);
        } else {
            // A value of three digits makes a longer text, still within the cipher's limit.
            escritor.Registro(CifrarEUR(TextoApuestaEUR(v)));
        }
    }
    if (escritor.Vaciar() && !destino.Fallida()) return true;
    error = destino.Descripcion();
    return false;
}

bool Fallar(const std::string& descripcion) {
    Plataforma::Activa().MsgBox("ERROR AL GUARDAR EL FICHERO (" + descripcion + ")", EstiloMensaje::Critico);
    return false;
}

}  // namespace

bool EscribirFicheroEUR(Ficheros::EscrituraSegura& destino, const std::string& Cabecera, Long NumApuestas,
                        const Progreso& progreso) {
    std::string error;
    return EscribirRegistros(destino, Cabecera, NumApuestas, progreso, error) || Fallar(error);
}

bool ConfirmarFicheroEUR(Ficheros::EscrituraSegura& destino, Ficheros::EscrituraSegura* companero) {
    const bool puesto = companero ? Ficheros::ConfirmarJuntas(destino, *companero) : destino.Confirmar();
    return puesto || (destino.Fallida() && Fallar(destino.Descripcion()));
}

bool GuardarFicheroEUR(const std::string& NombreFichero, const std::string& Cabecera, Long NumApuestas,
                       const Progreso& progreso) {
    Ficheros::EscrituraSegura destino(NombreFichero);
    return EscribirFicheroEUR(destino, Cabecera, NumApuestas, progreso) && ConfirmarFicheroEUR(destino);
}

std::string CabeceraEUR(const std::vector<Byte>& numeros, const std::vector<Byte>& estrellas) {
    auto dosCifras = [](std::string& s, Byte v) {
        s += static_cast<char>('0' + v / 10 % 10);
        s += static_cast<char>('0' + v % 10);
    };
    std::string cabecera;
    cabecera.reserve(2 * (numeros.size() + estrellas.size()) + 1);
    for (Byte v : numeros) dosCifras(cabecera, v);
    cabecera += '+';
    for (Byte v : estrellas) dosCifras(cabecera, v);
    return cabecera;
}

}  // namespace modEncriptarFichero
