// "GRUPOS RELACIONADOS": 40 related groups of four subgroups of numbers and four condition rows
// of hit counts (filter-list row 4), one group shown at a time. Every edit is written into
// SubgruposNumeros and CondicionesAciertos at once. The window is left only through imgVolver,
// which checks all 40 groups and, when they pass, moves the non-empty subgroups of every group
// to its front and the groups in use to the front of the 40 (the evaluator reads only the
// first ones of each); the close box is refused.
#pragma once

#include <QLabel>
#include <array>
#include <string>

#include "kit/RejillaNumeros.h"
#include "filters/VentanaFiltro.h"

class frmFiltroGRURELACIONADOS : public VentanaFiltro {
    Q_OBJECT
public:
    static constexpr int FilaLista = 4;
    static constexpr int TotalGrupos = 40;
    static constexpr int SubgruposPorGrupo = 4;

    // `numerosBase`: the main window's number grid; a number is in the base combination when
    // its label there has the marked look.
    frmFiltroGRURELACIONADOS(ListaTexto& lstFiltros, const RejillaNumeros::Etiquetas& numerosBase,
                             QWidget* padre = nullptr);

    // The grids of subgroups 1..4 of the group shown.
    RejillaNumeros::Etiquetas lblNumero{}, lblNumero_G2{}, lblNumero_G3{}, lblNumero_G4{};
    std::array<QLabel*, 4> lblTitGrupo{};
    QLabel* lblNumeroGrupo = nullptr;
    std::array<BotonImagen*, 4> imgININumeros{};
    QLabel* lblTitAciertos = nullptr;
    std::array<CajaTexto*, 4> txtAciertos{};
    std::array<Boton*, 4> cmdModificar{};
    Boton* cmdMENOSBloque = nullptr;
    Boton* cmdMASBloque = nullptr;

    // The first table row of the group shown, 4 x (PaginaGruposRelacionados - 1).
    int PrimeraFila = 0;

    void CargarControles() override;
    void imgVolver_Click() override;
    // Click on label `index` (number index + 1) of the grid of subgroup `rejilla` + 1.
    void lblNumero_Click(int rejilla, int index);
    void imgININumeros_Click(int index);
    void cmdModificar_Click(int index);
    void cmdMASBloque_Click();
    void cmdMENOSBloque_Click();
    void MostrarNumerosSubgrupos();
    void MostrarCondiciones();

    const RejillaNumeros::Etiquetas& Rejilla(int s) const;

    // The close check over all 40 groups: the message for the first failing group, or "".
    static std::string ComprobarGruposRelacionados();
    // Moves the non-empty subgroups of every group to its front, in their order; the rows
    // freed at the back become empty. The condition rows stay where they are.
    static void EmpaquetarSubgrupos();
    // Moves the groups in use (with a non-empty subgroup) to the front, in their order, each
    // with its condition rows: the evaluator stops at the first group without numbers, so a
    // group left after a gap would otherwise be ignored. Called once the check has passed,
    // when a group not in use has no ticked condition either.
    static void EmpaquetarGrupos();

protected:
    // The window is left only through imgVolver, which checks the groups first.
    bool AdmiteCierreUsuario() const override { return false; }

private:
    void CalcularPrimeraFila();
    void AplicarReglaPaginas();
    void MostrarTitulos();
    void CambiarPagina(int paso);

    RejillaNumeros::Etiquetas numerosBase_;
};
