// Helpers of the filter-window tests: a scripted platform, the shared data as at start-up, and
// a filter list with the twelve rows the main window starts with.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <functional>
#include <initializer_list>
#include <string>

#include "common/modGeneral.h"
#include "filters/frmAciertos.h"
#include "platform/Controles.h"
#include "support/DatosIniciales.h"
#include "support/PlataformaGuion.h"

namespace ayuda {

// The row texts of a fresh list: "No   ", the name padded to 22, "-" and 7 blanks, 11 blanks
// and "-".
inline QString FilaInicial(int k) {
    static const char* const nombres[12] = {"Bajos y Altos", "Decenas", "Distancias", "Grupos de Números",
                                            "Grupos Relacionados", "Pares e Impares", "Seguidos", "Sumas",
                                            "Terminaciones", "Posiciones", "Estrellas", "Reducción"};
    return QStringLiteral("No   ") + QString::fromUtf8(nombres[k]).leftJustified(22, QLatin1Char(' ')) +
           QStringLiteral("-       ") + QString(11, QLatin1Char(' ')) + QStringLiteral("-");
}

class PruebaVentanaFiltro : public DatosIniciales {
protected:
    PlataformaGuion guion;
    ListaTexto lista;

    void SetUp() override {
        for (int k = 0; k < 12; ++k) lista.AddItem(FilaInicial(k));
    }
    std::string Fila(int k) const { return lista.List(k).toStdString(); }
    bool Activa(int k) const { return lista.List(k).startsWith(QStringLiteral("Sí")); }
    void PonerActiva(int k) {
        QString t = lista.List(k);
        t.replace(QStringLiteral("No"), QStringLiteral("Sí"));
        lista.SetList(k, t);
    }
    // The next hit-count dialogs are driven by these callbacks, one per opening, in order.
    void AlDialogo(std::function<void(frmAciertos&)> accion) {
        guion.alMostrar["frmAciertos"] = [accion](Ventana& v) { accion(static_cast<frmAciertos&>(v)); };
    }
    // Shows a window of this list modally through the platform; `accion` plays the user while
    // it is open (the platform closes it from code afterwards if it is still loaded).
    template <typename V>
    void Abrir(std::function<void(V&)> accion) {
        V w(lista);
        const std::string clave = w.objectName().toStdString();
        guion.alMostrar[clave] = [&accion](Ventana& v) { accion(static_cast<V&>(v)); };
        guion.MostrarModal(w);
        guion.alMostrar.erase(clave);
    }
    // The recorded critical messages.
    std::vector<std::string> Errores() const {
        std::vector<std::string> r;
        for (const auto& m : guion.mensajes)
            if (m.estilo == EstiloMensaje::Critico) r.push_back(m.texto);
        return r;
    }
};

}  // namespace ayuda
