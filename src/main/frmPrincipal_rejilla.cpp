// The base combination grids and their counters. The look of a grid label is the mark of its
// number or star; every count below asks the labels.
#include "main/frmPrincipal.h"

#include "platform/Plataforma.h"

using namespace modGeneral;

using AyudaVentanas::Cuenta;
using RejillaNumeros::EtiquetaMarcada;
using RejillaNumeros::LiberarEtiqueta;
using RejillaNumeros::MarcarEtiqueta;

double frmPrincipal::LeerContador(const Etiqueta* etiqueta) {
    return LeerCuenta(etiqueta->Caption().toStdString());
}

// A label is a group of one.
void frmPrincipal::lblNumero_Click(int index) {
    if (index < 0 || index >= static_cast<int>(lblNumero.size())) return;
    CambiarGrupo({lblNumero[static_cast<std::size_t>(index)]});
}

void frmPrincipal::lblEstrella_Click(int index) {
    if (index < 0 || index >= static_cast<int>(lblEstrella.size())) return;
    CambiarGrupo({lblEstrella[static_cast<std::size_t>(index)]});
}

// The first label of a group decides: free, the whole group is marked; marked, it is freed.
void frmPrincipal::CambiarGrupo(const std::vector<Etiqueta*>& grupo) {
    if (grupo.empty()) return;
    const bool marcar = !EtiquetaMarcada(grupo.front());
    for (Etiqueta* l : grupo) {
        if (marcar) MarcarEtiqueta(l);
        else LiberarEtiqueta(l);
    }
    ActualizarContadoresBase();
    BaseGuardada = false;
}

void frmPrincipal::imgINIFila_Click(int fila) {
    if (fila < 0 || fila > 8) return;
    std::vector<Etiqueta*> grupo;
    for (int c = 0; c < 6; ++c)
        if (fila + 9 * c < 50) grupo.push_back(lblNumero[static_cast<std::size_t>(fila + 9 * c)]);
    CambiarGrupo(grupo);
}

void frmPrincipal::imgINIColumna_Click(int columna) {
    if (columna < 0 || columna > 5) return;
    std::vector<Etiqueta*> grupo;
    for (int r = 0; r < 9; ++r)
        if (9 * columna + r < 50) grupo.push_back(lblNumero[static_cast<std::size_t>(9 * columna + r)]);
    CambiarGrupo(grupo);
}

void frmPrincipal::imgINIFilaEstrellas_Click(int fila) {
    if (fila < 0 || fila > 3) return;
    std::vector<Etiqueta*> grupo;
    for (int c = 0; c < 3; ++c) grupo.push_back(lblEstrella[static_cast<std::size_t>(fila + 4 * c)]);
    CambiarGrupo(grupo);
}

void frmPrincipal::lblMarcarDesmarcarTODOS_Click() {
    if (ContarNumerosMarcados() > 0) DesmarcarTodosNumeros();
    else MarcarTodosNumeros();
}

void frmPrincipal::MarcarTodosNumeros() {
    for (auto* l : lblNumero) MarcarEtiqueta(l);
    BaseGuardada = false;
    ActualizarContadoresBase();
}

void frmPrincipal::DesmarcarTodosNumeros() {
    for (auto* l : lblNumero) LiberarEtiqueta(l);
    ActualizarContadoresBase();
}

void frmPrincipal::DesmarcarTodasEstrellas() {
    for (auto* l : lblEstrella) LiberarEtiqueta(l);
    ActualizarContadoresBase();
}

frmPrincipal::Integer frmPrincipal::ContarNumerosMarcados() const {
    Integer n = 0;
    for (const auto* l : lblNumero) n += EtiquetaMarcada(l) ? 1 : 0;
    return n;
}

frmPrincipal::Integer frmPrincipal::ContarEstrellasMarcadas() const {
    Integer n = 0;
    for (const auto* l : lblEstrella) n += EtiquetaMarcada(l) ? 1 : 0;
    return n;
}

void frmPrincipal::CargarNumerosMarcados() {
    const long n = TotalNumerosBase > 0 ? TotalNumerosBase : 0;
    CombinacionBase.ReDim(1, n);
    long p = 0;
    // A caller's count that disagrees with the grid never writes past the table.
    for (int i = 0; i < 50 && p < n; ++i)
        if (EtiquetaMarcada(lblNumero[static_cast<std::size_t>(i)])) CombinacionBase(++p) = static_cast<Byte>(i + 1);
}

void frmPrincipal::PonerCuentasMarcadas(int numeros, int estrellas) {
    lblTipoCombinacion->SetCaption(Cuenta(numeros, QStringLiteral("Número"), QStringLiteral("Números")));
    lblTipoCombinacionEstrellas->SetCaption(Cuenta(estrellas, QStringLiteral("Estrella"), QStringLiteral("Estrellas")));
}

void frmPrincipal::ActualizarContadoresBase() {
    const Integer n = ContarNumerosMarcados();
    lblApuestasIniciales->SetCaption(Cuenta(n >= 5 ? NumeroCombinaciones(n, 5) : 0));
    PonerCuentasMarcadas(n, ContarEstrellasMarcadas());
    lblApuestasCondicionadas->SetCaption(lblApuestasIniciales->Caption());
    lblApuestasReducidas->SetCaption(QStringLiteral("0"));
    ActualizarContadoresApuestas();
}

void frmPrincipal::ActualizarContadoresApuestas() {
    if (ModoDesdeArchivo()) {
        lblEstrellasInicialesAUX->SetCaption(QStringLiteral("1"));
    } else {
        const int s = ContarEstrellasMarcadas();
        if (s < 2) {
            lblEstrellasInicialesAUX->SetCaption(QStringLiteral("0"));
        } else {
            switch (Reduccion.Estrellas) {
            case 0:
                lblEstrellasInicialesAUX->SetCaption(Cuenta(s * (s - 1) / 2));
                break;
            case 1:
                // Consecutive pairs; the eleventh of eleven stars goes in no pair.
                lblEstrellasInicialesAUX->SetCaption(
                    Cuenta(s % 2 == 0 ? s / 2 : (s == 11 ? 5 : (s + 1) / 2)));
                break;
            case 2:
            case 3:
                lblEstrellasInicialesAUX->SetCaption(QStringLiteral("1"));
                break;
            default:
                break;
            }
        }
    }
    lblEstrellasCondicionadasAUX->SetCaption(lblEstrellasInicialesAUX->Caption());
    lblEstrellasReducidasAUX->SetCaption(lblEstrellasInicialesAUX->Caption());
    lblTOTALInicialesAUX->SetCaption(
        Cuenta(LeerContador(lblApuestasIniciales) * LeerContador(lblEstrellasInicialesAUX)));
    lblTOTALCondicionadasAUX->SetCaption(
        Cuenta(LeerContador(lblApuestasCondicionadas) * LeerContador(lblEstrellasCondicionadasAUX)));
    lblTOTALReducidasAUX->SetCaption(
        Cuenta(LeerContador(lblApuestasReducidas) * LeerContador(lblEstrellasReducidasAUX)));
}
