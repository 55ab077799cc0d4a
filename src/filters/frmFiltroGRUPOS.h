// "GRUPOS DE NUMEROS": up to 120 groups of numbers, each with the hit counts a combination may
// have in it (filter-list row 3), three groups a page on 40 pages. Every edit is written into
// GruposNumeros or GruposAciertos at once; a close only checks that no group has numbers
// without counts or counts without numbers.
#pragma once

#include <QLabel>
#include <array>
#include <string>

#include "kit/RejillaNumeros.h"
#include "filters/VentanaFiltro.h"

class frmFiltroGRUPOS : public VentanaFiltro {
    Q_OBJECT
public:
    static constexpr int FilaLista = 3;
    static constexpr int TotalGrupos = 120;
    static constexpr int GruposPorPagina = 3;
    static constexpr int TotalPaginas = TotalGrupos / GruposPorPagina;

    // `numerosBase`: the main window's number grid; a number is in the base combination when
    // its label there has the marked look.
    frmFiltroGRUPOS(ListaTexto& lstFiltros, const RejillaNumeros::Etiquetas& numerosBase,
                    QWidget* padre = nullptr);

    // The grids of slots 0, 1, 2.
    RejillaNumeros::Etiquetas lblNumero{}, lblNumero_G2{}, lblNumero_G3{};
    std::array<QLabel*, 3> lblTitGrupo{};
    std::array<CajaTexto*, 3> txtAciertos{};
    std::array<Boton*, 3> cmdModificar{};
    std::array<BotonImagen*, 3> imgININumeros{};
    Boton* cmdMENOSBloque = nullptr;
    Boton* cmdMASBloque = nullptr;

    // Groups before the page shown: slot s shows group BaseGrupos + s + 1.
    int BaseGrupos = 0;

    void CargarControles() override;
    void Form_Unload(bool& cancelar) override;
    // Click on label `index` (number index + 1) of the grid of slot `rejilla`.
    void lblNumero_Click(int rejilla, int index);
    void imgININumeros_Click(int index);
    void cmdModificar_Click(int index);
    void cmdMASBloque_Click();
    void cmdMENOSBloque_Click();
    void MostrarNumerosGrupos();
    void MostrarAciertosGrupos();

    const RejillaNumeros::Etiquetas& Rejilla(int s) const;

    // The close check over all 120 groups: the message for the first failing group, or "".
    static std::string ComprobarGrupos();

private:
    void CalcularBase();
    void AplicarReglaPaginas();
    void MostrarTitulos();
    void CambiarPagina(int paso);

    RejillaNumeros::Etiquetas numerosBase_;
};
