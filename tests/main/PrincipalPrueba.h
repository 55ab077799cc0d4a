// The main window for tests: the operations other units fill in are recorded instead of run,
// and a test may act in place of the windows they would open.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "main/frmPrincipal.h"
#include "support/DatosIniciales.h"
#include "support/PlataformaGuion.h"

class frmPrincipalPrueba : public frmPrincipal {
public:
    std::vector<std::string> llamadas;     // operations called, in order
    int casillaAlCalcular = -1;            // chkGuardarAutomaticamente when Calcular ran
    std::vector<int> filasAbiertas;
    std::function<void(int)> alAbrirFila;  // stands in for a row's settings window
    std::function<bool()> alVisualizar;    // stands in for the viewer: true when it replaced the bets
    Long apuestasEscrutar = -1, apuestasAnalisis = -1;

    int Veces(const std::string& nombre) const {
        int n = 0;
        for (const auto& l : llamadas) n += l == nombre;
        return n;
    }

    void Calcular() override {
        llamadas.push_back("Calcular");
        casillaAlCalcular = chkGuardarAutomaticamente->Value();
    }
    void GuardarApuestasEUR() override { llamadas.push_back("GuardarApuestasEUR"); }
    void GuardarBaseXML() override { llamadas.push_back("GuardarBaseXML"); }
    void AbrirBaseXML() override { llamadas.push_back("AbrirBaseXML"); }
    void ImportarApuestasDesdeArchivo() override { llamadas.push_back("ImportarApuestasDesdeArchivo"); }
    void InformeResumenFiltros() override { llamadas.push_back("InformeResumenFiltros"); }
    void InformeApuestasEliminadas() override { llamadas.push_back("InformeApuestasEliminadas"); }
    void AbrirVentanaFila(int fila) override {
        filasAbiertas.push_back(fila);
        if (alAbrirFila) alAbrirFila(fila);
    }
    void AbrirVentanaEscrutar(Long n) override {
        llamadas.push_back("Escrutar");
        apuestasEscrutar = n;
    }
    bool AbrirVentanaVisualizar() override {
        llamadas.push_back("Visualizar");
        return alVisualizar && alVisualizar();
    }
    void AbrirVentanaGarantias() override { llamadas.push_back("Garantias"); }
    void AbrirVentanaSistemasPropios() override { llamadas.push_back("SistemasPropios"); }
    void AbrirVentanaGeneradorApuestas() override { llamadas.push_back("GeneradorApuestas"); }
    void AbrirVentanaGeneradorApuestasXPorcentaje() override { llamadas.push_back("GeneradorXPorcentaje"); }
    void AbrirVentanaAnalisis(Long n) override {
        llamadas.push_back("Analisis");
        apuestasAnalisis = n;
    }
};

// A loaded main window of class V on a scripted platform P, over the shared data as at start-up.
template <typename V = frmPrincipal, typename P = PlataformaGuion>
class ConPrincipal : public DatosIniciales {
protected:
    P guion;
    V f;

    void SetUp() override { f.Cargar(); }
};

// The main window whose other units' operations are recorded, with helpers.
class PruebaPrincipal : public ConPrincipal<frmPrincipalPrueba> {
protected:
    std::string Texto(const QString& s) const { return s.toStdString(); }
    std::string Fila(int k) const { return f.lstFiltros->List(k).toStdString(); }
    // A row's ELIMINAN end: everything after its first 35 characters.
    std::string Cola(int k) const { return f.lstFiltros->List(k).mid(35).toStdString(); }
    std::string Caption(const Etiqueta* l) const { return l->Caption().toStdString(); }
    int NumerosMarcados() const {
        int n = 0;
        for (auto* l : f.lblNumero) n += RejillaNumeros::EtiquetaMarcada(l);
        return n;
    }
    int EstrellasMarcadas() const {
        int n = 0;
        for (auto* l : f.lblEstrella) n += RejillaNumeros::EtiquetaMarcada(l);
        return n;
    }
    void MarcarNumeros(std::initializer_list<int> numeros) {
        for (int n : numeros) f.lblNumero_Click(n - 1);
    }
    void MarcarEstrellas(int cuantas) {
        for (int i = 0; i < cuantas; ++i) f.lblEstrella_Click(i);
    }
    // Sets the mode combo as a user would, answering the questions it may ask.
    void ElegirModo(int indice) { f.cboTipoCombinacion->SetListIndex(indice); }
};
