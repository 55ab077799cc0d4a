#include "common/modLeerApuestas.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

#include "common/modCSN.h"
#include "common/modCommonDialog.h"
#include "common/modEncriptarFichero.h"
#include "platform/Ficheros.h"
#include "platform/Plataforma.h"

namespace modLeerApuestas {

namespace {

// Texts of the run-time errors, as the user reads them.
constexpr const char* ErrorFinArchivo = "La entrada pasa del final del archivo";
constexpr const char* ErrorTipos = "No coinciden los tipos";
constexpr const char* ErrorDesbordamiento = "Desbordamiento";
constexpr const char* ErrorSubindice = "El subíndice está fuera del intervalo";
constexpr const char* ErrorMemoria = "Memoria insuficiente";

// Bytes read from a file at a time; the reader's memory does not grow with the file.
constexpr std::size_t TamanoTrozo = std::size_t(1) << 20;
// A first line longer than this is classified by its separators alone (a line that long is
// no number).
constexpr std::size_t LongitudMaximaPrimeraLinea = std::size_t(1) << 20;
// Characters of a cleaned line that make a bet.
constexpr int CaracteresApuesta = 14;

// A run-time error: the file is refused with this text.
struct ErrorEjecucion : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// A failed check: the file is refused with this detail.
struct ComprobacionFallida : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// The caller asked to stop.
struct LecturaDetenida {};

std::string DescripcionErrorLectura(int codigo) {
    return Ficheros::DescripcionError(codigo, Ficheros::Operacion::Lectura);
}

// ---------------------------------------------------------------- sources of bytes

class Fuente {
public:
    virtual ~Fuente() = default;
    // Up to n bytes into destino; 0 at the end. Throws ErrorEjecucion on a read failure.
    virtual std::size_t Leer(char* destino, std::size_t n) = 0;
    virtual void Reiniciar() = 0;
    // Length in bytes.
    virtual std::uint64_t Tamano() const = 0;
};

class FuenteFichero : public Fuente {
public:
    explicit FuenteFichero(const std::string& ruta) {
        // Only a regular file is read: a folder, a pipe or a device (which may never end, or
        // block the window on opening) is refused before it is opened.
        int codigo = 0;
        const int fd = Ficheros::AbrirParaLeer(ruta, codigo);
        if (fd < 0) throw ErrorEjecucion(DescripcionErrorLectura(codigo));
        f_ = fdopen(fd, "rb");
        if (!f_) {
            codigo = errno ? errno : EIO;
            close(fd);
            throw ErrorEjecucion(DescripcionErrorLectura(codigo));
        }
        std::setvbuf(f_, nullptr, _IONBF, 0);  // we read in large pieces ourselves
        struct stat st {};
        if (fstat(fd, &st) == 0) tamano_ = st.st_size > 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
    }
    ~FuenteFichero() override {
        if (f_) std::fclose(f_);
    }
    FuenteFichero(const FuenteFichero&) = delete;
    FuenteFichero& operator=(const FuenteFichero&) = delete;

    std::size_t Leer(char* destino, std::size_t n) override {
        errno = 0;
        std::size_t leidos = std::fread(destino, 1, n, f_);
        if (leidos < n && std::ferror(f_)) throw ErrorEjecucion(DescripcionErrorLectura(errno ? errno : EIO));
        return leidos;
    }
    void Reiniciar() override {
        errno = 0;
        if (std::fseek(f_, 0, SEEK_SET) != 0) throw ErrorEjecucion(DescripcionErrorLectura(errno ? errno : EIO));
        std::clearerr(f_);
    }
    std::uint64_t Tamano() const override { return tamano_; }

private:
    std::FILE* f_ = nullptr;
    std::uint64_t tamano_ = 0;
};

class FuenteMemoria : public Fuente {
public:
    FuenteMemoria(const void* datos, std::size_t tam, std::size_t trozo)
        : datos_(static_cast<const char*>(datos)), tam_(tam), trozo_(trozo) {}
    std::size_t Leer(char* destino, std::size_t n) override {
        if (trozo_ > 0 && n > trozo_) n = trozo_;
        if (n > tam_ - pos_) n = tam_ - pos_;
        if (n) std::memcpy(destino, datos_ + pos_, n);
        pos_ += n;
        return n;
    }
    void Reiniciar() override { pos_ = 0; }
    std::uint64_t Tamano() const override { return tam_; }

private:
    const char* datos_;
    std::size_t tam_, pos_ = 0, trozo_;
};

// ---------------------------------------------------------------- common to both readers

// The reading buffer: a piece of TamanoTrozo, or less for a smaller file (a file that grows
// while it is read is still read whole, in smaller pieces).
std::size_t Cabida(const Fuente& f) {
    const std::uint64_t t = f.Tamano() + 1;
    return t < 4096 ? 4096 : (t < TamanoTrozo ? static_cast<std::size_t>(t) : TamanoTrozo);
}

// A value as the program's conversions read it: blanks around, an optional sign, digits with
// at most one decimal point ("." or ","). False when the text is no number.
bool LeerNumero(const char* s, std::size_t n, double& valor) {
    std::size_t i = 0;
    while (i < n && (s[i] == ' ' || s[i] == '\t')) ++i;
    bool negativo = false;
    if (i < n && (s[i] == '+' || s[i] == '-')) negativo = s[i++] == '-';
    double v = 0, escala = 0;
    bool digitos = false;
    for (; i < n; ++i) {
        const char c = s[i];
        if (c >= '0' && c <= '9') {
            digitos = true;
            if (escala == 0) {
                v = v * 10 + (c - '0');
            } else {
                v += (c - '0') * escala;
                escala /= 10;
            }
        } else if ((c == '.' || c == ',') && escala == 0) {
            escala = 0.1;
        } else {
            break;
        }
    }
    while (i < n && (s[i] == ' ' || s[i] == '\t')) ++i;
    if (!digitos || i != n) return false;
    valor = negativo ? -v : v;
    return true;
}

// A whole number rounded half to even, within [minimo, maximo].
long LeerEntero(const char* s, std::size_t n, double minimo, double maximo) {
    double v = 0;
    if (!LeerNumero(s, n, v)) throw ErrorEjecucion(ErrorTipos);
    v = std::nearbyint(v);
    if (v < minimo || v > maximo) throw ErrorEjecucion(ErrorDesbordamiento);
    return static_cast<long>(v);
}

std::string DetalleApuesta(const char* que, Long n) {
    return std::string(que) + " (Apuesta " + std::to_string(n) + ")";
}

// Where the bets go, with the checks every bet passes.
class Destino {
public:
    Destino(LecturaApuestas& r, const OpcionesLectura& o) : r_(r), o_(o) {}

    void Dimensionar(Long filas) {
        r_.apuestas.ReDim(0, filas, 1, 7, false);
        TomarColumnas();
    }
    long Filas() const { return r_.apuestas.UBound1(); }

    // Room for bet n: a text file's table grows when its lines were shorter than planned.
    void AsegurarFila(Long n) {
        if (n <= r_.apuestas.UBound1()) return;
        const Long viejas = static_cast<Long>(r_.apuestas.UBound1());
        Long nuevas = viejas < 1024 ? 1024 : (viejas > MaximoApuestas / 2 ? MaximoApuestas : viejas * 2);
        if (nuevas < n) nuevas = n;
        Tabla<Byte> mayor;
        mayor.ReDim(0, nuevas, 1, 7, false);
        const std::size_t copiar = static_cast<std::size_t>(viejas) + 1;
        for (int c = 1; c <= 7; ++c) std::memcpy(mayor.Columna(c), r_.apuestas.Columna(c), copiar);
        r_.apuestas = std::move(mayor);
        TomarColumnas();
    }

    // Checks and stores bet n (values in file order: five numbers, two stars). The numbers
    // are checked one after another, then the stars; the first failure refuses the file.
    void Guardar(Long n, const int v[7]) {
        int anterior = 0;
        for (int i = 0; i < 5; ++i) {
            if (v[i] < 1 || v[i] > 50)
                throw ComprobacionFallida(DetalleApuesta("Apuestas con números fuera del intervalo 1-50", n));
            if (v[i] <= anterior)
                throw ComprobacionFallida(DetalleApuesta("Apuestas con números no en orden ascendente", n));
            anterior = v[i];
        }
        for (int i = 5; i < 7; ++i)
            if (v[i] < 1 || v[i] > 12)
                throw ComprobacionFallida(DetalleApuesta("Apuestas con estrellas fuera del intervalo 1-12", n));
        const std::size_t fila = static_cast<std::size_t>(n);
        for (int i = 0; i < 5; ++i) {
            col_[i][fila] = static_cast<Byte>(v[i]);
            ++r_.UsosNumeros[static_cast<std::size_t>(v[i])];
        }
        for (int i = 5; i < 7; ++i) {
            col_[i][fila] = static_cast<Byte>(v[i]);
            ++r_.UsosEstrellas[static_cast<std::size_t>(v[i])];
        }
    }

    // Progress and a yield; the caller's stop flag is looked at here.
    void Ceder(Long n) {
        if (o_.progreso) o_.progreso(n);
        CederSolo();
    }
    void CederSolo() {
        Plataforma::Activa().DoEvents();
        if (o_.detener && *o_.detener) throw LecturaDetenida{};
    }

    void AvisarLimite() {
        r_.limiteAlcanzado = true;
        if (o_.avisarLimite) Plataforma::Activa().MsgBox(MensajeLimite(), EstiloMensaje::Exclamacion);
    }

private:
    void TomarColumnas() {
        for (int c = 0; c < 7; ++c) col_[c] = r_.apuestas.Columna(c + 1);
    }

    LecturaApuestas& r_;
    const OpcionesLectura& o_;
    Byte* col_[7] = {};
};

// ---------------------------------------------------------------- text files

class LectorTexto {
public:
    LectorTexto(Fuente& f, Destino& d) : f_(f), d_(d), cabida_(Cabida(f)), buffer_(new char[cabida_]) {}

    // Reads every bet; returns how many.
    Long Leer(Integer& formato) {
        formato = ClasePrimeraLinea();
        modGeneral::FormatoLineaASCII = formato;
        for (int c = 0; c < 256; ++c) quitar_[c] = false;
        switch (formato) {
        case 1: quitar_[static_cast<unsigned char>('*')] = quitar_[static_cast<unsigned char>(' ')] = true; break;
        case 2: quitar_[static_cast<unsigned char>(',')] = quitar_[static_cast<unsigned char>('+')] = true; break;
        case 3: quitar_[static_cast<unsigned char>(' ')] = true; break;
        default: break;
        }
        // 16 bytes a line: fourteen digits and CR LF.
        const std::uint64_t previstas = f_.Tamano() / 16 + 2;
        d_.Dimensionar(previstas > static_cast<std::uint64_t>(MaximoApuestas) ? MaximoApuestas
                                                                             : static_cast<Long>(previstas));
        f_.Reiniciar();
        pos_ = fin_ = 0;
        fin_fichero_ = false;
        LeerLineas();
        return n_ - 1;
    }

private:
    bool Rellenar() {
        if (fin_fichero_) return false;
        pos_ = 0;
        fin_ = f_.Leer(buffer_.get(), cabida_);
        if (fin_ == 0) {
            fin_fichero_ = true;
            return false;
        }
        return true;
    }

    // The class of the first line; an empty file has no first line to read.
    Integer ClasePrimeraLinea() {
        pos_ = fin_ = 0;
        fin_fichero_ = false;
        if (!Rellenar()) throw ErrorEjecucion(ErrorFinArchivo);
        std::string linea;
        bool estrella = false, mas = false, blanco = false, larga = false;
        for (;;) {
            const char* p = buffer_.get() + pos_;
            const char* e = buffer_.get() + fin_;
            const char* q = p;
            while (q < e && *q != '\r' && *q != '\n') ++q;
            for (const char* x = p; x < q; ++x) {
                estrella |= *x == '*';
                mas |= *x == '+';
                blanco |= *x == ' ';
            }
            if (!larga) {
                const std::size_t cabe = LongitudMaximaPrimeraLinea - linea.size();
                const std::size_t n = static_cast<std::size_t>(q - p);
                if (n > cabe) larga = true;
                else linea.append(p, n);
            }
            if (q < e || !Rellenar()) break;
        }
        if (!larga) return modGeneral::DetectarFormatoLinea(linea);
        return estrella ? 1 : mas ? 2 : blanco ? 3 : 0;
    }

    void LeerLineas() {
        bool tras_cr = false;    // the last byte was a CR: an LF right after it ends no line
        bool en_linea = false;   // bytes of a line not yet ended
        int k = 0;               // characters kept of the current line (at most 14)
        char guardados[CaracteresApuesta];
        const bool* quitar = quitar_;
        for (;;) {
            if (pos_ == fin_) {
                if (!Rellenar()) break;
                d_.CederSolo();  // a file of lines that give no bet still lets the window draw
            }
            const char* p = buffer_.get() + pos_;
            const char* const e = buffer_.get() + fin_;
            if (tras_cr) {
                tras_cr = false;
                if (*p == '\n') ++p;
            }
            while (p < e) {
                const char c = *p;
                if (c == '\r' || c == '\n') {
                    ++p;
                    if (c == '\r') {
                        if (p < e) {
                            if (*p == '\n') ++p;
                        } else {
                            tras_cr = true;
                        }
                    }
                    pos_ = static_cast<std::size_t>(p - buffer_.get());
                    en_linea = false;
                    const int kk = k;
                    k = 0;
                    if (kk == CaracteresApuesta && !Apuesta(guardados)) return;
                    continue;
                }
                en_linea = true;
                if (k < CaracteresApuesta) {
                    if (!quitar[static_cast<unsigned char>(c)]) guardados[k++] = c;
                    ++p;
                } else {
                    // The rest of a bet line is never read: straight to its end.
                    while (p < e && *p != '\r' && *p != '\n') ++p;
                }
            }
            pos_ = fin_;
        }
        if (en_linea && k == CaracteresApuesta) Apuesta(guardados);
    }

    static int ValorPar(const char* s) {
        const unsigned a = static_cast<unsigned char>(s[0]) - '0', b = static_cast<unsigned char>(s[1]) - '0';
        if (a < 10 && b < 10) return static_cast<int>(a * 10 + b);
        return static_cast<int>(LeerEntero(s, 2, -32768, 32767));
    }

    // One line of at least 14 characters after cleaning: bet n. False when reading stops.
    bool Apuesta(const char* s) {
        int v[7] = {};
        // Values are converted one at a time, each checked before the next is read.
        int anterior = 0;
        for (int i = 0; i < 7; ++i) {
            v[i] = ValorPar(s + 2 * i);
            if (i < 5) {
                if (v[i] < 1 || v[i] > 50 || v[i] <= anterior) break;  // Guardar names the failure
                anterior = v[i];
            } else if (v[i] < 1 || v[i] > 12) {
                break;
            }
        }
        d_.AsegurarFila(n_);
        d_.Guardar(n_, v);
        if (n_ % ApuestasPorCesion == 0) d_.Ceder(n_);
        ++n_;
        if (n_ > MaximoApuestas) {
            // Only a file that goes on after the last bet the table takes was cut.
            if (QuedaFichero()) d_.AvisarLimite();
            return false;
        }
        return true;
    }

    // Whether anything but the end of the bet line just read is left.
    bool QuedaFichero() {
        for (;;) {
            if (pos_ == fin_ && !Rellenar()) return false;
            const char c = buffer_[pos_];
            if (c != '\r' && c != '\n') return true;
            ++pos_;
        }
    }

    Fuente& f_;
    Destino& d_;
    std::size_t cabida_;
    std::unique_ptr<char[]> buffer_;
    std::size_t pos_ = 0, fin_ = 0;
    bool fin_fichero_ = false;
    bool quitar_[256] = {};
    Long n_ = 1;
};

// ---------------------------------------------------------------- .EUR files

class LectorEUR {
public:
    LectorEUR(Fuente& f, Destino& d) : f_(f), d_(d), cabida_(Cabida(f)), buffer_(new char[cabida_]) {
        // Every record starts the cipher afresh with the same key: its keystream is the
        // encipherment of zero bytes, computed once.
        const std::string flujo =
            modEncriptarFichero::EncriptarRC4(std::string(modEncriptarFichero::LongitudMaximaRC4, '\0'),
                                              modEncriptarFichero::ClaveEUR);
        std::memcpy(flujo_, flujo.data(), sizeof flujo_);
    }

    Long Leer() {
        std::size_t l = 0;
        const char* registro = Registro(l);  // the header: not read
        (void)registro;
        registro = Registro(l);
        const std::string texto = Descifrar(registro, l);
        long cuenta = LeerEntero(texto.data(), texto.size(), -2147483648.0, 2147483647.0);
        if (cuenta < 0) throw ErrorEjecucion(ErrorSubindice);
        if (cuenta > MaximoApuestas) {
            d_.AvisarLimite();
            cuenta = MaximoApuestas;
        }
        const Long total = static_cast<Long>(cuenta);
        // A count the file cannot hold (a record takes at least 2 bytes) ends at the end of
        // the file; its table need not be larger than the records there can be.
        const std::uint64_t caben = (f_.Tamano() > leidos_ ? f_.Tamano() - leidos_ : 0) / 2;
        d_.Dimensionar(static_cast<std::uint64_t>(total) <= caben ? total + 1 : static_cast<Long>(caben) + 1);
        for (Long r = 1; r <= total; ++r) {
            if (r % ApuestasPorCesion == 0) d_.Ceder(r);
            registro = Registro(l);
            int v[7];
            Valores(registro, l, v);
            d_.AsegurarFila(r);
            d_.Guardar(r, v);
        }
        return total;
    }

private:
    // The next record: its bytes (valid until the next call) and its length. A file that
    // ends before a record does is an error.
    const char* Registro(std::size_t& l) {
        unsigned char cabeza[2];
        Tomar(reinterpret_cast<char*>(cabeza), 2);
        l = static_cast<std::size_t>(cabeza[0]) | (static_cast<std::size_t>(cabeza[1]) << 8);
        if (fin_ - pos_ >= l) {
            const char* r = buffer_.get() + pos_;
            pos_ += l;
            leidos_ += l;
            return r;
        }
        registro_.resize(l);
        Tomar(registro_.data(), l);
        return registro_.data();
    }

    void Tomar(char* destino, std::size_t n) {
        while (n > 0) {
            if (pos_ == fin_) {
                pos_ = 0;
                fin_ = f_.Leer(buffer_.get(), cabida_);
                if (fin_ == 0) throw ErrorEjecucion(ErrorFinArchivo);
            }
            std::size_t m = fin_ - pos_ < n ? fin_ - pos_ : n;
            std::memcpy(destino, buffer_.get() + pos_, m);
            pos_ += m;
            leidos_ += m;
            destino += m;
            n -= m;
        }
    }

    // The record's text: a text the cipher refuses (empty, or longer than 100 bytes) comes
    // back as "0", as the cipher gives it.
    std::string Descifrar(const char* r, std::size_t l) const {
        if (l == 0 || l > modEncriptarFichero::LongitudMaximaRC4) return modEncriptarFichero::TextoRechazadoRC4;
        std::string t(r, l);
        for (std::size_t i = 0; i < l; ++i) t[i] = static_cast<char>(static_cast<unsigned char>(t[i]) ^ flujo_[i]);
        return t;
    }

    // The seven values of a bet record: "+" counts as ",", the text is split at the commas
    // and the first seven pieces are bytes.
    void Valores(const char* r, std::size_t l, int v[7]) const {
        if (l == 20) {
            // The record as the writer makes it: "NN,NN,NN,NN,NN+EE,EE".
            unsigned char t[20];
            for (int i = 0; i < 20; ++i) t[i] = static_cast<unsigned char>(r[i]) ^ flujo_[i];
            bool normal = true;
            for (int i = 0; i < 7 && normal; ++i) {
                const unsigned a = t[3 * i] - '0', b = t[3 * i + 1] - '0';
                normal = a < 10 && b < 10 && (i == 6 || t[3 * i + 2] == (i == 4 ? '+' : ','));
                v[i] = static_cast<int>(a * 10 + b);
            }
            if (normal) return;
        }
        const std::string t = Descifrar(r, l);
        std::size_t desde = 0;
        for (int i = 0; i < 7; ++i) {
            if (desde > t.size()) throw ErrorEjecucion(ErrorSubindice);  // fewer than seven pieces
            std::size_t hasta = desde;
            while (hasta < t.size() && t[hasta] != ',' && t[hasta] != '+') ++hasta;
            v[i] = static_cast<int>(LeerEntero(t.data() + desde, hasta - desde, 0, 255));
            desde = hasta + 1;
        }
    }

    Fuente& f_;
    Destino& d_;
    std::size_t cabida_;
    std::unique_ptr<char[]> buffer_;
    std::size_t pos_ = 0, fin_ = 0;
    std::uint64_t leidos_ = 0;   // bytes of the file taken so far
    std::string registro_;
    unsigned char flujo_[modEncriptarFichero::LongitudMaximaRC4] = {};
};

LecturaApuestas Leer(const std::function<std::unique_ptr<Fuente>()>& abrir, FormatoFichero formato,
                     const OpcionesLectura& opciones) {
    LecturaApuestas r;
    r.formato = formato;
    try {
        std::unique_ptr<Fuente> fuente = abrir();
        Destino destino(r, opciones);
        if (formato == FormatoFichero::EUR) {
            LectorEUR lector(*fuente, destino);
            r.total = lector.Leer();
        } else {
            LectorTexto lector(*fuente, destino);
            r.total = lector.Leer(r.formatoLinea);
        }
        r.resultado = Resultado::Leido;
        return r;
    } catch (const ComprobacionFallida& e) {
        r.detalle = e.what();
    } catch (const ErrorEjecucion& e) {
        r.error = e.what();
    } catch (const std::bad_alloc&) {
        r.error = ErrorMemoria;
    } catch (const LecturaDetenida&) {
        r.resultado = Resultado::Detenido;
    }
    // Nothing of a refused or stopped file is kept.
    if (r.resultado != Resultado::Detenido) r.resultado = Resultado::Error;
    r.apuestas.Erase();
    r.total = 0;
    r.limiteAlcanzado = false;
    r.UsosNumeros.fill(0);
    r.UsosEstrellas.fill(0);
    return r;
}

}  // namespace

FormatoFichero FormatoPorExtension(const std::string& ruta) {
    const std::size_t punto = ruta.rfind('.');
    const std::string ext = punto == std::string::npos ? ruta : ruta.substr(punto + 1);
    if (ext.size() != 3) return FormatoFichero::Texto;
    auto igual = [](char c, char mayuscula) { return c == mayuscula || c == mayuscula + ('a' - 'A'); };
    return igual(ext[0], 'E') && igual(ext[1], 'U') && igual(ext[2], 'R') ? FormatoFichero::EUR
                                                                           : FormatoFichero::Texto;
}

LecturaApuestas LeerFicheroApuestas(const std::string& ruta, const OpcionesLectura& opciones) {
    return Leer([&ruta] { return std::make_unique<FuenteFichero>(ruta); }, FormatoPorExtension(ruta), opciones);
}

LecturaApuestas LeerApuestasMemoria(const void* datos, std::size_t tam, FormatoFichero formato,
                                    const OpcionesLectura& opciones, std::size_t trozo) {
    return Leer([&] { return std::make_unique<FuenteMemoria>(datos, tam, trozo); }, formato, opciones);
}

std::string MensajeError(const LecturaApuestas& lectura) {
    return std::string(TextoErrorImportar) + " (" + lectura.error + " " + lectura.detalle + ")";
}

std::string MensajeLimite() { return "SOLO SE PUEDEN IMPORTAR " + std::to_string(MaximoApuestas) + " APUESTAS"; }

std::string MensajeCeroApuestas() {
    // Every line needs the two stars too: the forms shown are ones the reader takes.
    return "AVISO: Se han importado 0 apuestas.\r\n"
           "El fichero ha de estar en formato: 01020304050607 o 01,02,03,04,05+06,07 o 01 02 03 04 05 06 07";
}

std::string ElegirFicheroApuestas() {
    modCommonDialog::FiltroDialogo =
        "Ficheros de Apuestas (*.TXT)|*.TXT|"
        "Ficheros en formato TORNAVENTURA (*.EUR)|*.EUR|"
        "Todos los archivos (*.*)|*.*|";
    modCommonDialog::IndiceFiltro = 2;
    modCommonDialog::FicheroDialogo.clear();
    modCommonDialog::TituloDialogo = "Abrir Fichero";
    return modCommonDialog::MostrarDialogoAbrir();
}

Repetidas EliminarRepetidas(const Tabla<Byte>& origen, Long total, Tabla<Byte>& destino) {
    Repetidas r;
    if (total <= 0) return r;
    // Checked again after every yield: a window closed meanwhile may have freed the tables.
    auto comprobar = [&] {
        if (origen.Vacia() || destino.Vacia() || origen.LBound1() > 1 || origen.UBound1() < total ||
            origen.LBound2() > 1 || origen.UBound2() < 5 || destino.LBound1() > 1 || destino.UBound1() < total ||
            destino.LBound2() > 1 || destino.UBound2() < 5)
            throw std::out_of_range(ErrorSubindice);
    };
    comprobar();
    // One mark per 5-of-50 combination, by its lexicographic index.
    // calloc: the pages of marks no bet reaches are never touched.
    std::unique_ptr<Byte, void (*)(void*)> marcas(
        static_cast<Byte*>(std::calloc(static_cast<std::size_t>(MaximoApuestas) + 1, 1)), std::free);
    if (!marcas) throw std::bad_alloc();
    const Byte* o[5];
    Byte* d[5];
    for (int c = 0; c < 5; ++c) {
        o[c] = origen.Columna(c + 1) + (1 - origen.LBound1());
        d[c] = destino.Columna(c + 1) + (1 - destino.LBound1());
    }
    Plataforma& plataforma = Plataforma::Activa();
    for (Long fila = 1; fila <= total; ++fila) {
        if (fila % ApuestasPorCesion == 0) {
            plataforma.DoEvents();
            // The tables may only be read as they stand after the yield.
            comprobar();
            for (int c = 0; c < 5; ++c) {
                o[c] = origen.Columna(c + 1) + (1 - origen.LBound1());
                d[c] = destino.Columna(c + 1) + (1 - destino.LBound1());
            }
        }
        const std::size_t i = static_cast<std::size_t>(fila - 1);
        Byte c[6] = {0, o[0][i], o[1][i], o[2][i], o[3][i], o[4][i]};
        if (c[1] < 1 || c[5] > 50 || !(c[1] < c[2] && c[2] < c[3] && c[3] < c[4] && c[4] < c[5]))
            throw std::out_of_range(ErrorSubindice);
        const Long indice = modCSN::IndiceCombinacion(5, 50, c);
        if (marcas.get()[static_cast<std::size_t>(indice)]) {
            ++r.repetidas;
            continue;
        }
        marcas.get()[static_cast<std::size_t>(indice)] = 1;
        const std::size_t j = static_cast<std::size_t>(r.distintas++);
        for (int k = 0; k < 5; ++k) d[k][j] = c[k + 1];
    }
    return r;
}

}  // namespace modLeerApuestas
