#include "platform/DocumentoXML.h"

#include <cerrno>

#include <QByteArray>
#include <QDomDocument>
#include <QString>
#include <QStringDecoder>
#include <QXmlStreamReader>
#include <algorithm>
#include <vector>

#include "platform/Ficheros.h"

struct DatosDocumentoXML {
    QDomDocument doc;
    // The attribute names of each element, elements in document order, as the parsed text
    // gives them: the tree keeps attributes in a hash, whose order changes from run to run.
    std::vector<QStringList> ordenAtributos;
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

// The encoding named by the XML declaration at the start of ASCII-compatible bytes ("" when
// none is named).
QByteArray CodificacionDeclarada(const QByteArray& bytes) {
    const QByteArray inicio = bytes.left(200);
    if (!inicio.startsWith("<?xml")) return QByteArray();
    const qsizetype fin = inicio.indexOf("?>");
    const QByteArray declaracion = inicio.left(fin < 0 ? inicio.size() : fin);
    qsizetype p = declaracion.indexOf("encoding");
    if (p < 0) return QByteArray();
    p = declaracion.indexOf('=', p);
    if (p < 0) return QByteArray();
    while (++p < declaracion.size() && (declaracion[p] == ' ' || declaracion[p] == '\t')) {
    }
    if (p >= declaracion.size() || (declaracion[p] != '"' && declaracion[p] != '\'')) return QByteArray();
    const qsizetype cierre = declaracion.indexOf(declaracion[p], p + 1);
    return cierre < 0 ? QByteArray() : declaracion.mid(p + 1, cierre - p - 1);
}

// The bytes of a file as text, in the encoding a parser would read them with: a byte-order
// mark (or UTF-16 without one) first, then the encoding the declaration names, else UTF-8,
// and Latin-1 when they are not valid UTF-8. False when the encoding is unknown or the bytes
// do not fit it.
bool Decodificar(const QByteArray& bytes, QString& texto) {
    struct Marca {
        const char* bytes;
        qsizetype largo;
        QStringConverter::Encoding codificacion;
    };
    static const Marca marcas[] = {
        {"\x00\x00\xFE\xFF", 4, QStringConverter::Utf32BE}, {"\xFF\xFE\x00\x00", 4, QStringConverter::Utf32LE},
        {"\xEF\xBB\xBF", 3, QStringConverter::Utf8},         {"\xFE\xFF", 2, QStringConverter::Utf16BE},
        {"\xFF\xFE", 2, QStringConverter::Utf16LE},
    };
    static const Marca sinMarca[] = {
        {"\x00\x00\x00<", 4, QStringConverter::Utf32BE}, {"<\x00\x00\x00", 4, QStringConverter::Utf32LE},
        {"\x00<\x00?", 4, QStringConverter::Utf16BE},     {"<\x00?\x00", 4, QStringConverter::Utf16LE},
    };
    auto decodificar = [&](QStringDecoder decodificador, qsizetype desde) {
        texto = decodificador.decode(QByteArrayView(bytes).sliced(desde));
        return !decodificador.hasError();
    };
    for (const Marca& m : marcas)
        if (bytes.startsWith(QByteArrayView(m.bytes, m.largo))) return decodificar(QStringDecoder(m.codificacion), m.largo);
    for (const Marca& m : sinMarca)
        if (bytes.startsWith(QByteArrayView(m.bytes, m.largo))) return decodificar(QStringDecoder(m.codificacion), 0);
    const QByteArray nombre = CodificacionDeclarada(bytes);
    if (!nombre.isEmpty()) {
        QStringDecoder declarada(nombre.constData());
        return declarada.isValid() && decodificar(std::move(declarada), 0);
    }
    if (decodificar(QStringDecoder(QStringDecoder::Utf8), 0)) return true;
    texto = QString::fromLatin1(bytes);
    return true;
}

// Before a parser reads the text: the number of attributes of the busiest start tag (a
// parser's check for repeated attributes takes time growing with their square, and it runs
// when the tag ends), and whether the text declares a DTD. Comments, CDATA sections and
// processing instructions are passed over; a quote opens a value only inside a tag. Linear.
struct Marcas {
    long atributosMaximos = 0;
    bool dtd = false;
};

Marcas ExplorarMarcas(const QString& texto) {
    Marcas r;
    const qsizetype n = texto.size();
    const QChar* t = texto.constData();
    auto empieza = [&](qsizetype i, QLatin1StringView s) { return QStringView(t + i, n - i).startsWith(s); };
    auto saltarHasta = [&](qsizetype desde, QLatin1StringView fin) {
        const qsizetype p = texto.indexOf(fin, desde);
        return p < 0 ? n : p + fin.size();
    };
    // Text and quoted values are passed over by search, not a character at a time.
    for (qsizetype i = 0; (i = texto.indexOf(u'<', i)) >= 0;) {
        if (empieza(i, QLatin1StringView("<!--"))) {
            i = saltarHasta(i + 4, QLatin1StringView("-->"));
        } else if (empieza(i, QLatin1StringView("<![CDATA["))) {
            i = saltarHasta(i + 9, QLatin1StringView("]]>"));
        } else if (empieza(i, QLatin1StringView("<?"))) {
            i = saltarHasta(i + 2, QLatin1StringView("?>"));
        } else if (empieza(i, QLatin1StringView("<!"))) {
            r.dtd = true;
            return r;
        } else {
            long atributos = 0;
            for (++i; i < n; ++i) {
                const QChar c = t[i];
                if (c == u'"' || c == u'\'') {
                    const qsizetype cierre = texto.indexOf(c, i + 1);
                    if (cierre < 0) i = n - 1;  // the value runs to the end of the text
                    else i = cierre;
                } else if (c == u'=') {
                    ++atributos;
                } else if (c == u'>' || c == u'<') {
                    break;  // the tag ends here (or is broken here, where a parser stops)
                }
            }
            if (atributos > r.atributosMaximos) r.atributosMaximos = atributos;
        }
    }
    return r;
}

// What a first, streaming pass over the text finds, before any tree is built: a code other
// than 0 refuses the document (a text that is not well-formed is refused here too, so the
// parser never reads past where this pass stopped).
struct Medida {
    long codigo = 0;
    std::string motivo;
    long linea = 0, columna = 0;
};

std::string TextoEntidades() { return "El documento XML declara una DTD o entidades"; }

std::string TextoMalFormado(long linea, long columna) {
    return "El documento XML no est\xC3\xA1 bien formado (l\xC3\xADnea " + std::to_string(linea) + ", columna " +
           std::to_string(columna) + ")";
}

Medida MedirDocumento(QXmlStreamReader& lector, std::vector<QStringList>& ordenAtributos) {
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
                        "Los elementos del documento XML se anidan m\xC3\xA1s de " +
                            std::to_string(DocumentoXML::ProfundidadMaximo) + " niveles"};
            const QXmlStreamAttributes atributos = lector.attributes();
            nodos += 1 + atributos.size();
            QStringList nombres;
            for (const QXmlStreamAttribute& a : atributos) {
                caracteres += a.value().size();
                if (atributos.size() > 1) nombres.append(a.qualifiedName().toString());  // one needs no order
            }
            ordenAtributos.push_back(std::move(nombres));
            break;
        }
        case QXmlStreamReader::EndElement:
            --profundidad;
            break;
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
            // The DTD comes before the first element: refused here, before any entity it
            // declares is expanded (a few KB of them can expand to gigabytes).
            return {DocumentoXML::ErrorEntidades, TextoEntidades()};
        case QXmlStreamReader::Characters:
        case QXmlStreamReader::Comment:
        case QXmlStreamReader::ProcessingInstruction:
            ++nodos;
            caracteres += lector.text().size() + lector.processingInstructionData().size();
            break;
        default:
            break;
        }
        if (nodos > DocumentoXML::NodosMaximos || caracteres > DocumentoXML::CaracteresMaximos)
            return {DocumentoXML::ErrorDemasiadoGrande, "El documento XML es demasiado grande"};
    }
    if (lector.hasError()) {
        const long linea = static_cast<long>(lector.lineNumber()), columna = static_cast<long>(lector.columnNumber());
        return {DocumentoXML::ErrorMalFormado, TextoMalFormado(linea, columna), linea, columna};
    }
    return {};
}

std::string TextoTamano() {
    return "El fichero es demasiado grande (más de " +
           std::to_string(DocumentoXML::TamanoMaximo / (1024 * 1024)) + " MB)";
}

// The decoded text through the limits and, when it passes them, into the document.
Medida Analizar(const QString& texto, DatosDocumentoXML& d) {
    const Marcas marcas = ExplorarMarcas(texto);
    if (marcas.dtd) return {DocumentoXML::ErrorEntidades, TextoEntidades()};
    if (marcas.atributosMaximos > DocumentoXML::AtributosMaximos)
        return {DocumentoXML::ErrorDemasiadoGrande, "Un elemento del documento XML tiene m\xC3\xA1s de " +
                                                        std::to_string(DocumentoXML::AtributosMaximos) + " atributos"};
    {
        QXmlStreamReader lector(texto);
        const Medida m = MedirDocumento(lector, d.ordenAtributos);
        if (m.codigo != 0) return m;
    }
    int linea = 0, columna = 0;
    // The text is already decoded: an encoding named in its declaration does not apply.
    if (!d.doc.setContent(texto, nullptr, &linea, &columna))
        return {DocumentoXML::ErrorMalFormado, TextoMalFormado(linea, columna), linea, columna};
    return {};
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
    // Only a regular file is read, and one byte past the limit is enough to refuse it.
    std::string bytes;
    int codigo = 0;
    switch (Ficheros::LeerFichero(ruta, static_cast<std::size_t>(TamanoMaximo), bytes, codigo)) {
    case Ficheros::ResultadoLectura::Leido: return cargarBytes(bytes);
    case Ficheros::ResultadoLectura::DemasiadoGrande: AnotarRechazo(ErrorDemasiadoGrande, TextoTamano()); return false;
    case Ficheros::ResultadoLectura::Error: break;
    }
    if (codigo == Ficheros::ErrorParSinTerminar || codigo == EBUSY) {
        error_.errorCode = ErrorGuardadoAMedias;
        error_.reason = Ficheros::DescripcionError(codigo, Ficheros::Operacion::Lectura);
        return false;
    }
    error_.errorCode = ErrorFicheroNoLeido;
    error_.reason = "No se puede abrir el fichero: " + Ficheros::DescripcionError(codigo, Ficheros::Operacion::Lectura);
    return false;
}

bool DocumentoXML::cargarBytes(const std::string& datos) {
    d_ = std::make_shared<DatosDocumentoXML>();
    error_ = ErrorAnalisisXML();
    if (static_cast<long long>(datos.size()) > TamanoMaximo) {
        AnotarRechazo(ErrorDemasiadoGrande, TextoTamano());
        return false;
    }
    // Decoded here, so that what is measured is exactly what is parsed.
    QString texto;
    if (!Decodificar(QByteArray::fromRawData(datos.data(), static_cast<qsizetype>(datos.size())), texto)) {
        AnotarRechazo(ErrorMalFormado, "La codificaci\xC3\xB3n de caracteres del documento XML no es v\xC3\xA1lida");
        return false;
    }
    const Medida m = Analizar(texto, *d_);
    return AceptarMedida(m.codigo, m.motivo, m.linea, m.columna);
}

bool DocumentoXML::loadXML(const std::string& texto) {
    d_ = std::make_shared<DatosDocumentoXML>();
    error_ = ErrorAnalisisXML();
    if (static_cast<long long>(texto.size()) > TamanoMaximo) {
        AnotarRechazo(ErrorDemasiadoGrande, "El texto XML es demasiado grande");
        return false;
    }
    const Medida m = Analizar(Q(texto), *d_);
    return AceptarMedida(m.codigo, m.motivo, m.linea, m.columna);
}

void DocumentoXML::AnotarRechazo(long codigo, const std::string& mensaje) {
    d_ = std::make_shared<DatosDocumentoXML>();
    error_ = ErrorAnalisisXML();
    error_.errorCode = codigo;
    error_.reason = mensaje;
}

void DocumentoXML::AnotarMalFormado(long linea, long columna) {
    // A failed parse leaves the document empty, as if nothing had been loaded. The parser's
    // own message is English: the reason is ours.
    AnotarRechazo(ErrorMalFormado, TextoMalFormado(linea, columna));
    error_.line = linea;
    error_.linepos = columna;
}

bool DocumentoXML::AceptarMedida(long codigo, const std::string& motivo, long linea, long columna) {
    if (codigo == 0) return true;
    if (codigo == ErrorMalFormado) AnotarMalFormado(linea, columna);
    else AnotarRechazo(codigo, motivo);
    return false;
}

namespace {

// The tree as text, laid out as QDom lays it out without indentation (a line after each
// element, comment and processing instruction unless text follows; none inside text), with
// two differences: every element's attributes come in the order of the parsed text, so the
// same text always gives the same bytes, and escaping takes time in proportion to the text
// (QDom escapes by replacing in place, which grows with the square of what it escapes).
// It also notes the first place that a Latin-1 file cannot hold: a character beyond Latin-1
// may become a character reference in text and attribute values, and nowhere else.
class Serializador {
public:
    explicit Serializador(const DatosDocumentoXML& d) : d_(d) {}

    QString Documento() {
        for (QDomNode n = d_.doc.firstChild(); !n.isNull(); n = n.nextSibling())
            if (!(n.isProcessingInstruction() && n.nodeName() == QLatin1String("xml"))) Nodo(n);  // ours goes first
        return std::move(s_);
    }
    // "" when every character outside Latin-1 is in text or an attribute value; else that
    // place, as "un comentario".
    const char* FueraDeLatin1() const { return fueraDeLatin1_; }

private:
    // The value as it is; lugar is noted when it holds a character beyond Latin-1.
    const QString& SoloLatin1(const QString& v, const char* lugar) {
        if (!*fueraDeLatin1_ && std::any_of(v.begin(), v.end(), [](QChar c) { return c.unicode() > 0xFF; }))
            fueraDeLatin1_ = lugar;
        return v;
    }

    // CDATA sections count as text, as they do for QDom.
    static bool SigueTexto(const QDomNode& n) { return n.nextSibling().isText(); }
    void Linea(const QDomNode& n) {
        if (!SigueTexto(n)) s_ += u'\n';
    }

    void Nodo(const QDomNode& n) {
        switch (n.nodeType()) {
        case QDomNode::ElementNode: Elemento(n.toElement()); break;
        case QDomNode::TextNode: Escapar(n.nodeValue(), false); break;
        case QDomNode::CDATASectionNode: {
            QString v = SoloLatin1(n.nodeValue(), "una secci\xC3\xB3n CDATA");
            s_ += QLatin1String("<![CDATA[") + v.replace(QLatin1String("]]>"), QLatin1String("]]]]><![CDATA[>")) +
                  QLatin1String("]]>");
            break;
        }
        case QDomNode::CommentNode: {
            const QString v = SoloLatin1(n.nodeValue(), "un comentario");
            // A comment may not end in "--->".
            s_ += QLatin1String("<!--") + v + QLatin1String(v.endsWith(u'-') ? " -->" : "-->");
            Linea(n);
            break;
        }
        case QDomNode::ProcessingInstructionNode:
            s_ += QLatin1String("<?") + SoloLatin1(n.nodeName(), "una instrucci\xC3\xB3n de proceso") + u' ' +
                  SoloLatin1(n.nodeValue(), "una instrucci\xC3\xB3n de proceso") + QLatin1String("?>");
            // A line break before text would join the text when read back, one more at each save.
            Linea(n);
            break;
        default:
            break;  // a DTD and entity references are refused before parsing
        }
    }

    void Elemento(QDomElement e) {
        s_ += u'<' + SoloLatin1(e.tagName(), "el nombre de un elemento");
        for (const QString& nombre : NombresAtributos(e)) {
            s_ += u' ' + SoloLatin1(nombre, "el nombre de un atributo") + QLatin1String("=\"");
            Escapar(e.attributeNode(nombre).value(), true);
            s_ += u'"';
        }
        if (!e.hasChildNodes()) {
            s_ += QLatin1String("/>");
        } else {
            s_ += u'>';
            if (!e.firstChild().isText()) s_ += u'\n';
            for (QDomNode h = e.firstChild(); !h.isNull(); h = h.nextSibling()) Nodo(h);
            s_ += QLatin1String("</") + e.tagName() + u'>';
        }
        Linea(e);
    }

    // Elements come in document order, as the parsed text gave them.
    QStringList NombresAtributos(const QDomElement& e) {
        const QDomNamedNodeMap atributos = e.attributes();
        const std::size_t k = elemento_++;
        if (k < d_.ordenAtributos.size() && d_.ordenAtributos[k].size() == atributos.length())
            return d_.ordenAtributos[k];
        // One attribute or none: by name, which is also the same in every run.
        QStringList nombres;
        for (int i = 0; i < atributos.length(); ++i) nombres.append(atributos.item(i).nodeName());
        std::sort(nombres.begin(), nombres.end());
        return nombres;
    }

    // As QDom escapes: < and & always, > after "]]", and in attribute values the quote and
    // the blanks a parser would turn into spaces; a carriage return in text as well.
    // Runs of plain characters are copied whole.
    void Escapar(const QString& v, bool atributo) {
        constexpr quint64 Especiales = (1ULL << '<') | (1ULL << '&') | (1ULL << '>') | (1ULL << '"') | (1ULL << '\t') |
                                       (1ULL << '\n') | (1ULL << '\r');
        s_.reserve(s_.size() + v.size());
        qsizetype copiado = 0;
        for (qsizetype i = 0; i < v.size(); ++i) {
            const char16_t c = v.at(i).unicode();
            if (c >= 64 || ((Especiales >> c) & 1) == 0) continue;
            QLatin1StringView r;
            if (c == u'<') r = QLatin1StringView("&lt;");
            else if (c == u'&') r = QLatin1StringView("&amp;");
            else if (c == u'>' && i >= 2 && v.at(i - 1) == u']' && v.at(i - 2) == u']') r = QLatin1StringView("&gt;");
            else if (atributo && c == u'"') r = QLatin1StringView("&quot;");
            else if (atributo && c == u'\t') r = QLatin1StringView("&#x9;");
            else if (atributo && c == u'\n') r = QLatin1StringView("&#xa;");
            else if (c == u'\r') r = QLatin1StringView("&#xd;");
            else continue;
            s_.append(QStringView(v).sliced(copiado, i - copiado));
            s_.append(r);
            copiado = i + 1;
        }
        s_.append(QStringView(v).sliced(copiado));
    }

    const DatosDocumentoXML& d_;
    std::size_t elemento_ = 0;
    QString s_;
    const char* fueraDeLatin1_ = "";
};

// The document as text: our declaration, then the tree one element per line, CR LF ends.
// fueraDeLatin1, when given, receives the serialiser's FueraDeLatin1().
QString Serializar(const DatosDocumentoXML& d, const char** fueraDeLatin1 = nullptr) {
    Serializador serializador(d);
    QString cuerpo = serializador.Documento();
    if (fueraDeLatin1) *fueraDeLatin1 = serializador.FueraDeLatin1();
    cuerpo.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    cuerpo.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n") + cuerpo;
}

}  // namespace

std::string DocumentoXML::xml() const {
    if (d_->doc.documentElement().isNull()) return std::string();
    return S(Serializar(*d_));
}

std::string DocumentoXML::contenidoFichero() {
    errorGuardar_.clear();
    if (d_->doc.documentElement().isNull()) {
        errorGuardar_ = "El documento XML est\xC3\xA1 vac\xC3\xADo";
        return std::string();
    }
    const char* fuera = "";
    const QString texto = Serializar(*d_, &fuera);
    if (*fuera) {
        errorGuardar_ = std::string("El documento XML no se puede guardar en ISO-8859-1: ") + fuera +
                        " tiene caracteres que esa codificaci\xC3\xB3n no admite";
        return std::string();
    }
    const QByteArray latin1 = ALatin1ConReferencias(texto);
    // The parser takes a few odd texts (a processing instruction named "pi$x") that it
    // refuses once written out: only a text that reads back is written.
    QXmlStreamReader lector(latin1);
    lector.setNamespaceProcessing(false);
    while (!lector.atEnd()) lector.readNext();
    if (lector.hasError()) {
        errorGuardar_ = "El documento XML no se puede guardar: su texto no quedar\xC3\xAD" "a bien formado";
        return std::string();
    }
    return latin1.toStdString();
}

bool DocumentoXML::save(const std::string& ruta) {
    const std::string bytes = contenidoFichero();
    return !bytes.empty() && Ficheros::EscribirFichero(ruta, bytes, errorGuardar_);
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
