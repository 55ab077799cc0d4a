// The author window: a picture and a back button that lights up while the mouse is over it
// and goes back to rest when the mouse moves onto the panel behind it.
#pragma once

#include <QPixmap>

#include "platform/Controles.h"
#include "platform/Ventana.h"

class frmAutor : public Ventana {
    Q_OBJECT
public:
    explicit frmAutor(QWidget* padre = nullptr);

    void cmdVolver_MouseMove(int boton, int mayus, double x, double y);
    void picICONOS_MouseMove(int boton, int mayus, double x, double y);
    void cmdVolver_Click();

    // The two pictures of the back button, never shown themselves.
    const QPixmap& ImagenVolverNormal() const { return imagenNormal_; }
    const QPixmap& ImagenVolverResaltada() const { return imagenResaltada_; }
    bool VolverResaltado() const { return resaltado_; }

    QLabel* Image1;
    Etiqueta* picICONOS;
    Etiqueta* cmdVolver;

private:
    void PonerImagenVolver(bool resaltada);

    QPixmap imagenNormal_;
    QPixmap imagenResaltada_;
    bool resaltado_ = false;
};
