#include "platform/DocumentoXML.h"

#include <QByteArray>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>
#include <QStringDecoder>
#include <QXmlStreamReader>

struct DatosDocumentoXML {
    QDomDocument doc;
};

struct DatosNodoXML {
    std::shared_ptr<DatosDocumentoXML> documento;  // keeps the tree alive
    QDomNode nodo;
};

struct DatosListaNodosXML {
    std::shared_ptr<DatosDocumentoXML> documento;
    QDomNodeList lista;
};

namespace {

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string S(const QString& s) { return s.toUtf8().toStdString(); }

// The text as ISO-8859-1 bytes; characters beyond it become character references.
QByteArray ALatin1ConReferencias(const QString& texto) {
    QByteArray r;
    r.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        char32_t c = texto.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < texto.size() && texto.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(texto.at(i), texto.at(i + 1));
            ++i;
        }
        if (c <= 0xFF) r.append(static_cast<char>(c));
        else r.append("&#" + QByteArray::number(static_cast<qulonglong>(c)) + ";");
    }
    return r;
}

// True when the bytes begin with an XML declaration that names an encoding.
bool DeclaraCodificacion(const QByteArray& bytes) {
    QByteArray inicio = bytes.left(200);
    if (inicio.startsWith("\xEF\xBB\xBF")) inicio = inicio.mid(3);
    if (!inicio.startsWith("<?xml")) return false;
    qsizetype fin = inicio.indexOf("?>");
    return inicio.left(fin < 0 ? inicio.size() : fin).contains("encoding");
}

bool EsUtf8Valido(const QByteArray& bytes) {
    QStringDecoder decodificador(QStringDecoder::Utf8);
    QString descartado = decodificador.decode(bytes);
    (void)descartado;
    return !decodificador.hasError();
}

// What a first, streaming pass over the text finds, before any tree is built: a code other
// than 0 refuses the document. Well-formedness is left to the parser, which reports it.
struct Medida {
    long codigo = 0;
    std::string motivo;
};

Medida MedirDocumento(QXmlStreamReader& lector) {
    // As the parser reads it: no namespace processing.
    lector.setNamespaceProcessing(false);
    int profundidad = 0;
    long nodos = 0;
    long long caracteres = 0;
    while (!lector.atEnd()) {
        switch (lector.readNext()) {
        case QXmlStreamReader::StartElement: {
            if (++profundidad > DocumentoXML::ProfundidadMaximo)
                return {DocumentoXML::ErrorDemasiadoProfundo,
                        "Los elementos del documento XML se anidan más de " +
                            std::to_string(DocumentoXML::ProfundidadMaximo) + " niveles"};
            const QXmlStreamAttributes atributos = lector.attributes();
            nodos += 1 + atributos.size();
            for (const QXmlStreamAttribute& a : atributos) caracteres += a.value().size();
            break;
        }
        case QXmlStreamReader::EndElement:
            --profundidad;
            break;
        case QXmlStreamReader::Characters:
        case QXmlStreamReader::Comment:
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::ProcessingInstruction:
        case QXmlStreamReader::EntityReference:
            ++nodos;
            caracteres += lector.text().size() + lector.processingInstructionData().size();
            break;
        default:
            break;
        }
        if (nodos > DocumentoXML::NodosMaximos || caracteres > DocumentoXML::CaracteresMaximos)
            return {DocumentoXML::ErrorDemasiadoGrande, "El documento XML es demasiado grande"};
    }
    return {};
}

std::string TextoTamano() {
    return "El fichero es demasiado grande (más de " +
           std::to_string(DocumentoXML::TamanoMaximo / (1024 * 1024)) + " MB)";
}

}  // namespace

// ---- NodoXML ----
NodoXML::NodoXML() = default;
NodoXML::~NodoXML() = default;
NodoXML::NodoXML(std::unique_ptr<DatosNodoXML> d) : d_(std::move(d)) {}
NodoXML::NodoXML(const NodoXML& o) : d_(o.d_ ? std::make_unique<DatosNodoXML>(*o.d_) : nullptr) {}
NodoXML& NodoXML::operator=(const NodoXML& o) {
    if (this != &o) d_ = o.d_ ? std::make_unique<DatosNodoXML>(*o.d_) : nullptr;
    return *this;
}

bool NodoXML::isNull() const { return !d_ || d_->nodo.isNull(); }

const DatosNodoXML& NodoXML::Datos() const {
    if (isNull()) throw ErrorXML("Nodo XML inexistente");
    return *d_;
}

std::string NodoXML::nodeName() const { return S(Datos().nodo.nodeName()); }

std::string NodoXML::nodeValue() const { return S(Datos().nodo.nodeValue()); }

bool NodoXML::hasChildNodes() const { return Datos().nodo.hasChildNodes(); }

ListaNodosXML NodoXML::childNodes() const {
    const DatosNodoXML& d = Datos();
    ListaNodosXML l;
    l.d_ = std::make_unique<DatosListaNodosXML>(DatosListaNodosXML{d.documento, d.nodo.childNodes()});
    return l;
}

AtributosXML NodoXML::attributes() const {
    const DatosNodoXML& d = Datos();
    AtributosXML a;
    if (d.nodo.isElement()) a.d_ = std::make_unique<DatosNodoXML>(d);
    return a;
}

// ---- ListaNodosXML ----
ListaNodosXML::ListaNodosXML() = default;
ListaNodosXML::~ListaNodosXML() = default;
ListaNodosXML::ListaNodosXML(const ListaNodosXML& o)
    : d_(o.d_ ? std::make_unique<DatosListaNodosXML>(*o.d_) : nullptr) {}
ListaNodosXML& ListaNodosXML::operator=(const ListaNodosXML& o) {
    if (this != &o) d_ = o.d_ ? std::make_unique<DatosListaNodosXML>(*o.d_) : nullptr;
    return *this;
}

long ListaNodosXML::length() const { return d_ ? static_cast<long>(d_->lista.length()) : 0; }

NodoXML ListaNodosXML::item(long i) const {
    if (!d_ || i < 0 || i >= length()) return NodoXML();
    return NodoXML(std::make_unique<DatosNodoXML>(DatosNodoXML{d_->documento, d_->lista.item(static_cast<int>(i))}));
}

// ---- AtributosXML ----
AtributosXML::AtributosXML() = default;
AtributosXML::~AtributosXML() = default;
AtributosXML::AtributosXML(const AtributosXML& o) : d_(o.d_ ? std::make_unique<DatosNodoXML>(*o.d_) : nullptr) {}
AtributosXML& AtributosXML::operator=(const AtributosXML& o) {
    if (this != &o) d_ = o.d_ ? std::make_unique<DatosNodoXML>(*o.d_) : nullptr;
    return *this;
}

long AtributosXML::length() const { return d_ ? static_cast<long>(d_->nodo.attributes().length()) : 0; }

NodoXML AtributosXML::getNamedItem(const std::string& nombre) const {
    if (!d_) return NodoXML();
    QDomAttr atributo = d_->nodo.toElement().attributeNode(Q(nombre));
    if (atributo.isNull()) return NodoXML();
    return NodoXML(std::make_unique<DatosNodoXML>(DatosNodoXML{d_->documento, atributo}));
}

// ---- DocumentoXML ----
DocumentoXML::DocumentoXML() : d_(std::make_shared<DatosDocumentoXML>()) {}
DocumentoXML::~DocumentoXML() = default;

bool DocumentoXML::load(const std::string& ruta) {
    // Nodes handed out before keep the old tree; the document starts a new one.
    d_ = std::make_shared<DatosDocumentoXML>();
    error_ = ErrorAnalisisXML();
    QFile f(Q(ruta));
    if (!f.open(QIODevice::ReadOnly)) {
        error_.errorCode = ErrorFicheroNoLeido;
        error_.reason = "No se puede abrir el fichero: " + S(f.errorString());
        return false;
    }
    // One byte past the limit is enough to refuse: a huge file or a device is never swallowed.
    const QByteArray bytes = f.read(TamanoMaximo + 1);
    if (f.error() != QFileDevice::NoError) {
        error_.errorCode = ErrorFicheroNoLeido;
        error_.reason = "No se puede leer el fichero: " + S(f.errorString());
        return false;
    }
    if (bytes.size() > TamanoMaximo) {
        AnotarRechazo(ErrorDemasiadoGrande, TextoTamano());
        return false;
    }
    return cargarBytes(bytes.toStdString());
}

bool DocumentoXML::cargarBytes(const std::string& datos) {
    d_ = std::make_shared<DatosDocumentoXML>();
    error_ = ErrorAnalisisXML();
    if (static_cast<long long>(datos.size()) > TamanoMaximo) {
        AnotarRechazo(ErrorDemasiadoGrande, TextoTamano());
        return false;
    }
    const QByteArray bytes = QByteArray::fromRawData(datos.data(), static_cast<qsizetype>(datos.size()));
    // Without a declared encoding, a text that is not valid UTF-8 is Latin-1.
    const bool comoLatin1 = !DeclaraCodificacion(bytes) && !EsUtf8Valido(bytes);
    const QString texto = comoLatin1 ? QString::fromLatin1(bytes) : QString();
    {
        QXmlStreamReader porTexto(texto), porBytes(bytes);
        const Medida m = MedirDocumento(comoLatin1 ? porTexto : porBytes);
        if (m.codigo != 0) {
            AnotarRechazo(m.codigo, m.motivo);
            return false;
        }
    }
    QString mensaje;
    int linea = 0, columna = 0;
    const bool ok = comoLatin1 ? d_->doc.setContent(texto, &mensaje, &linea, &columna)
                               : d_->doc.setContent(bytes, false, &mensaje, &linea, &columna);
    if (!ok) AnotarMalFormado(S(mensaje), linea, columna);
    return ok;
}

bool DocumentoXML::loadXML(const std::string& texto) {
    d_ = std::make_shared<DatosDocumentoXML>();
    error_ = ErrorAnalisisXML();
    if (static_cast<long long>(texto.size()) > TamanoMaximo) {
        AnotarRechazo(ErrorDemasiadoGrande, "El texto XML es demasiado grande");
        return false;
    }
    const QString q = Q(texto);
    {
        QXmlStreamReader lector(q);
        const Medida m = MedirDocumento(lector);
        if (m.codigo != 0) {
            AnotarRechazo(m.codigo, m.motivo);
            return false;
        }
    }
    QString mensaje;
    int linea = 0, columna = 0;
    // The text is already decoded: an encoding named in its declaration does not apply.
    if (!d_->doc.setContent(q, &mensaje, &linea, &columna)) {
        AnotarMalFormado(S(mensaje), linea, columna);
        return false;
    }
    return true;
}

void DocumentoXML::AnotarRechazo(long codigo, const std::string& mensaje) {
    d_ = std::make_shared<DatosDocumentoXML>();
    error_ = ErrorAnalisisXML();
    error_.errorCode = codigo;
    error_.reason = mensaje;
}

void DocumentoXML::AnotarMalFormado(const std::string& mensaje, int linea, int columna) {
    // A failed parse leaves the document empty, as if nothing had been loaded.
    d_ = std::make_shared<DatosDocumentoXML>();
    error_.errorCode = ErrorMalFormado;
    error_.reason = mensaje;
    error_.line = linea;
    error_.linepos = columna;
}

namespace {
// The document as text: our declaration, then the tree one element per line, CR LF ends.
QString Serializar(const QDomDocument& doc) {
    QDomDocument copia = doc.cloneNode(true).toDocument();
    QDomNode n = copia.firstChild();
    while (!n.isNull()) {
        QDomNode siguiente = n.nextSibling();
        if (n.isProcessingInstruction() && n.nodeName() == QLatin1String("xml")) copia.removeChild(n);
        n = siguiente;
    }
    QString cuerpo = copia.toString(0);
    cuerpo.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    cuerpo.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n") + cuerpo;
}
}  // namespace

std::string DocumentoXML::xml() const {
    if (d_->doc.documentElement().isNull()) return std::string();
    return S(Serializar(d_->doc));
}

bool DocumentoXML::save(const std::string& ruta) {
    errorGuardar_.clear();
    if (d_->doc.documentElement().isNull()) {
        errorGuardar_ = "El documento XML está vacío";
        return false;
    }
    const QString nombre = Q(ruta);
    QFileInfo info(nombre);
    // A file marked read-only is kept, even for a user whom permissions do not bind.
    const auto escritura = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (info.exists() && (!info.isFile() || !info.isWritable() || !(info.permissions() & escritura))) {
        errorGuardar_ = "Permiso denegado";
        return false;
    }
    QByteArray bytes = ALatin1ConReferencias(Serializar(d_->doc));
    // Written beside the target and renamed over it: a failed write leaves the old file whole.
    QSaveFile f(nombre);
    if (!f.open(QIODevice::WriteOnly)) {
        errorGuardar_ = S(f.errorString());
        return false;
    }
    if (f.write(bytes) != bytes.size() || !f.commit()) {
        errorGuardar_ = S(f.errorString());
        f.cancelWriting();
        return false;
    }
    return true;
}

NodoXML DocumentoXML::documentElement() const {
    QDomElement raiz = d_->doc.documentElement();
    if (raiz.isNull()) return NodoXML();
    return NodoXML(std::make_unique<DatosNodoXML>(DatosNodoXML{d_, raiz}));
}

ListaNodosXML DocumentoXML::childNodes() const {
    ListaNodosXML l;
    l.d_ = std::make_unique<DatosListaNodosXML>(DatosListaNodosXML{d_, d_->doc.childNodes()});
    return l;
}

bool DocumentoXML::hasChildNodes() const { return d_->doc.hasChildNodes(); }
