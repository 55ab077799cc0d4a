#include "filters/frmFiltroDISTANCIAS.h"

#include <QFontMetrics>
#include <QPainter>

#include "common/ValidarTecla.h"
#include "platform/Plataforma.h"

using namespace modGeneral;

namespace {

// The pairs in their order: the words that name a pair in the messages.
const char* const NombresPares[5] = {"números 1 y 2", "números 2 y 3", "números 3 y 4", "números 4 y 5",
                                     "números del 1 al 5"};

bool EnBlanco(const std::string& s) { return QString::fromStdString(s).trimmed().isEmpty(); }

}  // namespace

void EtiquetaPartida::paintEvent(QPaintEvent*) {
    if (piezas_.empty()) {
        QPainter p(this);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, text());
        return;
    }
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    for (const auto& [texto, x] : piezas_)
        p.drawText(QRect(x, 0, width() - x, height()), Qt::AlignLeft | Qt::AlignVCenter, texto);
}

frmFiltroDISTANCIAS::frmFiltroDISTANCIAS(ListaTexto& lstFiltros, QWidget* padre)
    : VentanaFiltro(lstFiltros, FilaLista, QStringLiteral("DISTANCIAS"), padre) {
    setObjectName(QStringLiteral("frmFiltroDISTANCIAS"));

    auto etiqueta = [this](const char* texto) -> QLabel* {
        return new EtiquetaPartida(QString::fromUtf8(texto), this);
    };
    lbl12 = etiqueta("Números 1 y 2 :         -");
    lbl23 = etiqueta("Números 2 y 3 :         -");
    lbl34 = etiqueta("Números 3 y 4 :         -");
    lb45 = etiqueta("Números 4 y 5 :         -");
    Label1 = etiqueta("General (números del 1 al 5) :         -");
    Label2 = etiqueta("Min.    Máx.");

    auto caja = [this] {
        auto* c = new CajaTexto(this);
        c->setMaxLength(2);
        c->setText(QStringLiteral("0"));
        c->setAlignment(Qt::AlignCenter);
        c->KeyPress = [this, c](int& tecla) {
            if (!TeclaDeLaVentana(tecla)) txtDistancia_KeyPress(c, tecla);
        };
        return c;
    };
    txtDistancia12Min = caja();
    txtDistancia12Max = caja();
    txtDistancia23Min = caja();
    txtDistancia23Max = caja();
    txtDistancia34Min = caja();
    txtDistancia34Max = caja();
    txtDistancia45Min = caja();
    txtDistancia45Max = caja();
    txtDistancia15Min = caja();
    txtDistancia15Max = caja();

    // A row label keeps its caption, blanks and "-" included, but draws its words where the
    // boxes leave room: the name at the left, the "-" between the two boxes.
    constexpr int x0 = 18, anchoCaja = 32, altoFila = 26, holgura = 8;
    QFont fuente = font();
    fuente.setPointSize(9);
    const QFontMetrics m(fuente);
    auto nombre = [](const QLabel* l) { return l->text().left(l->text().indexOf(QLatin1Char(':')) + 1); };
    int anchoNombre = 0;
    for (const QLabel* l : {lbl12, lbl23, lbl34, lb45}) anchoNombre = std::max(anchoNombre, m.horizontalAdvance(nombre(l)));
    const int anchoGuion = m.horizontalAdvance(QLatin1Char('-'));
    auto fila = [&](QLabel* l, CajaTexto* cMin, CajaTexto* cMax, int y, int anchoPrimero) {
        l->setFont(fuente);
        const int xMin = x0 + anchoPrimero + holgura;
        const int xGuion = xMin + anchoCaja + holgura;
        static_cast<EtiquetaPartida*>(l)->Piezas({{nombre(l), 0}, {QStringLiteral("-"), xGuion - x0}});
        l->setGeometry(x0, y, xGuion + anchoGuion - x0, altoFila);
        cMin->setGeometry(xMin, y, anchoCaja, altoFila);
        cMax->setGeometry(xGuion + anchoGuion + holgura, y, anchoCaja, altoFila);
    };
    const int yPrimera = 40;
    fila(lbl12, txtDistancia12Min, txtDistancia12Max, yPrimera, anchoNombre);
    fila(lbl23, txtDistancia23Min, txtDistancia23Max, yPrimera + 32, anchoNombre);
    fila(lbl34, txtDistancia34Min, txtDistancia34Max, yPrimera + 64, anchoNombre);
    fila(lb45, txtDistancia45Min, txtDistancia45Max, yPrimera + 96, anchoNombre);
    fila(Label1, txtDistancia15Min, txtDistancia15Max, yPrimera + 146, m.horizontalAdvance(nombre(Label1)));
    // The heading "Min.    Máx.": each word centred over its column of boxes.
    {
        Label2->setFont(fuente);
        const QString t = Label2->text();
        const QString primera = t.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        const QString segunda = t.section(QLatin1Char(' '), -1, -1, QString::SectionSkipEmpty);
        const int izquierda = txtDistancia12Min->x() + anchoCaja / 2 - m.horizontalAdvance(primera) / 2;
        const int segundaX = txtDistancia12Max->x() + anchoCaja / 2 - m.horizontalAdvance(segunda) / 2;
        static_cast<EtiquetaPartida*>(Label2)->Piezas({{primera, 0}, {segunda, segundaX - izquierda}});
        Label2->setGeometry(izquierda, 14, segundaX - izquierda + m.horizontalAdvance(segunda) + 2, 22);
    }

    // Tab order: pair by pair, the minimum first, then the frame.
    OrdenTabulacion({txtDistancia12Min, txtDistancia12Max, txtDistancia23Min, txtDistancia23Max, txtDistancia34Min,
                     txtDistancia34Max, txtDistancia45Min, txtDistancia45Max, txtDistancia15Min, txtDistancia15Max,
                     imgActivar, imgVolver});

    const int anchoVentana = txtDistancia15Max->geometry().right() + 22;
    const int yBotones = yPrimera + 146 + altoFila + 20;
    ColocarMarco(anchoVentana - AnchoMarco - 24, yBotones);
    setFixedSize(anchoVentana, yBotones + 32 + 14);
}

std::array<CajaTexto*, 10> frmFiltroDISTANCIAS::Cajas() const {
    return {txtDistancia12Min, txtDistancia23Min, txtDistancia34Min, txtDistancia45Min, txtDistancia15Min,
            txtDistancia12Max, txtDistancia23Max, txtDistancia34Max, txtDistancia45Max, txtDistancia15Max};
}

void frmFiltroDISTANCIAS::CargarControles() {
    const Integer valores[10] = {Distancia12Minima, Distancia23Minima, Distancia34Minima, Distancia45Minima,
                                 Distancia15Minima, Distancia12Maxima, Distancia23Maxima, Distancia34Maxima,
                                 Distancia45Maxima, Distancia15Maxima};
    const auto cajas = Cajas();
    for (std::size_t i = 0; i < cajas.size(); ++i) {
        // A value from a base file may be longer than two characters: it is shown whole, so
        // a close without an edit stores it back unchanged.
        cajas[i]->setMaxLength(2);
        PonerTextoCaja(cajas[i], QString::number(valores[i]));
    }
}

void frmFiltroDISTANCIAS::txtDistancia_KeyPress(CajaTexto* caja, int& tecla) {
    ValidarTecla(caja->Text().toStdString(), tecla, 1);
    ActivarFiltro();
}

std::string frmFiltroDISTANCIAS::ComprobarDistancias(const std::array<std::string, 10>& textos,
                                                     std::array<Integer, 10>& valores) {
    for (int i = 0; i < 5; ++i)
        if (EnBlanco(textos[static_cast<std::size_t>(i)]))
            return "ERROR: algún valor de distancia mínima esta en blanco";
    for (int i = 5; i < 10; ++i)
        if (EnBlanco(textos[static_cast<std::size_t>(i)]))
            return "ERROR: algún valor de distancia máxima esta en blanco";
    // Only pasting can put anything but digits in a box; such text is never stored.
    for (int i = 0; i < 10; ++i) {
        long v = 0;
        if (!LeerEnteroCaja(QString::fromStdString(textos[static_cast<std::size_t>(i)]), v))
            return std::string("ERROR: el valor de distancia ") + (i < 5 ? "mínima" : "máxima") + " (" +
                   NombresPares[i % 5] + ") no es un número entero";
        valores[static_cast<std::size_t>(i)] = static_cast<Integer>(v);
    }
    for (int p = 0; p < 5; ++p)
        if (valores[static_cast<std::size_t>(p)] > valores[static_cast<std::size_t>(p + 5)])
            return std::string("ERROR: La distancia máxima debe ser mayor que la mínima(") + NombresPares[p] + ")";
    return std::string();
}

void frmFiltroDISTANCIAS::Form_Unload(bool& cancelar) {
    std::array<std::string, 10> textos;
    const auto cajas = Cajas();
    for (std::size_t i = 0; i < cajas.size(); ++i) textos[i] = cajas[i]->Text().toStdString();
    std::array<Integer, 10> v{};
    const std::string error = ComprobarDistancias(textos, v);
    if (!error.empty()) {
        RechazarCierre(error, cancelar);
        return;
    }
    Distancia12Minima = v[0];
    Distancia23Minima = v[1];
    Distancia34Minima = v[2];
    Distancia45Minima = v[3];
    Distancia15Minima = v[4];
    Distancia12Maxima = v[5];
    Distancia23Maxima = v[6];
    Distancia34Maxima = v[7];
    Distancia45Maxima = v[8];
    Distancia15Maxima = v[9];
}
