// The XML document of the platform: load a file or parse a text, walk the tree (child nodes,
// node names, attributes found by name) and save. Shaped after the DOM calls the program
// makes (load, loadXML, save, parseError().errorCode, childNodes, hasChildNodes, nodeName,
// attributes().getNamedItem(name).nodeValue). Texts are UTF-8.
//
// Files: save() writes ISO-8859-1 (Latin-1) text with the declaration
// <?xml version="1.0" encoding="ISO-8859-1"?>, one element per line, CR LF line ends, each
// element's attributes in the order of the text it was read from (so the same text gives the
// same bytes in every run), through the one safe write of platform/Ficheros.h. Characters
// outside Latin-1 are written as character references in text and attribute values, so
// nothing is lost; XML has no references anywhere else, so a document with such a character
// in a name, a comment, a CDATA section or a processing instruction is not saved. Nor is one
// whose text would not read back: the parser takes a few odd texts that it refuses once they
// are written out. load() reads
// only a regular file (a link to one counts): a folder, a pipe or a device is refused before
// it is opened (ErrorFicheroNoLeido). It reads the file in the encoding of its byte-order
// mark, else the one its declaration names, else UTF-8 (Latin-1 when it is not valid UTF-8).
// Text nodes made of blanks only are dropped when parsing. Every reason given is Spanish.
//
// Limits: a document comes from files a user hands us, so before anything is parsed it is
// refused (nothing loaded) when the file or text exceeds TamanoMaximo bytes
// (ErrorDemasiadoGrande), when it declares a DTD or refers to an entity other than XML's own
// five (ErrorEntidades: the program never writes one, and a few KB of declared entities can
// expand to gigabytes), when its elements nest deeper than ProfundidadMaximo
// (ErrorDemasiadoProfundo), or when it holds more than NodosMaximos nodes, more than
// CaracteresMaximos characters of text and attribute values, or an element with more than
// AtributosMaximos attributes (ErrorDemasiadoGrande: a parser's time grows with the square
// of one element's attributes, the tree's memory with its nodes). Those checks read the
// text once and build nothing, so any file up to the size limit is answered quickly and
// with little memory. A base file the program writes is under 200 KB, some 3,000 nodes and
// 7 elements deep, and no element of it has more than 2 attributes. Because every tree the
// document can hold is that shallow, nothing that walks it can run out of stack.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

class DocumentoXML;
struct DatosNodoXML;
struct DatosListaNodosXML;
struct DatosDocumentoXML;

// Using a null node (a missing attribute or child) throws this.
class ErrorXML : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ListaNodosXML;
class AtributosXML;

// A node of the tree, or a null node (what getNamedItem gives for a missing attribute and
// item() beyond the end). A node keeps its document's tree alive.
class NodoXML {
public:
    NodoXML();
    ~NodoXML();
    NodoXML(const NodoXML&);
    NodoXML& operator=(const NodoXML&);

    bool isNull() const;
    explicit operator bool() const { return !isNull(); }

    // Element and attribute names as written; "xml" for the declaration, "#text" for text.
    std::string nodeName() const;
    // An attribute's value, a text node's text; "" for elements.
    std::string nodeValue() const;
    bool hasChildNodes() const;
    ListaNodosXML childNodes() const;
    // The attributes of an element (empty for other nodes).
    AtributosXML attributes() const;

private:
    friend class ListaNodosXML;
    friend class AtributosXML;
    friend class DocumentoXML;
    explicit NodoXML(std::unique_ptr<DatosNodoXML> d);
    const DatosNodoXML& Datos() const;  // throws ErrorXML on a null node
    std::unique_ptr<DatosNodoXML> d_;
};

// The child nodes of a node, in document order; usable in a range-for.
class ListaNodosXML {
public:
    ListaNodosXML();
    ~ListaNodosXML();
    ListaNodosXML(const ListaNodosXML&);
    ListaNodosXML& operator=(const ListaNodosXML&);

    long length() const;
    // The node at 0-based index i, or a null node outside 0..length-1.
    NodoXML item(long i) const;
    NodoXML operator[](long i) const { return item(i); }

    class Iterador {
    public:
        NodoXML operator*() const { return lista_->item(i_); }
        Iterador& operator++() { ++i_; return *this; }
        bool operator!=(const Iterador& o) const { return i_ != o.i_; }
    private:
        friend class ListaNodosXML;
        Iterador(const ListaNodosXML* l, long i) : lista_(l), i_(i) {}
        const ListaNodosXML* lista_;
        long i_;
    };
    Iterador begin() const { return Iterador(this, 0); }
    Iterador end() const { return Iterador(this, length()); }

private:
    friend class NodoXML;
    friend class DocumentoXML;
    std::unique_ptr<DatosListaNodosXML> d_;
};

// The attributes of an element.
class AtributosXML {
public:
    AtributosXML();
    ~AtributosXML();
    AtributosXML(const AtributosXML&);
    AtributosXML& operator=(const AtributosXML&);

    long length() const;
    // The attribute of that exact name (case counts), or a null node.
    NodoXML getNamedItem(const std::string& nombre) const;

private:
    friend class NodoXML;
    std::unique_ptr<DatosNodoXML> d_;  // the element (null for other nodes)
};

struct ErrorAnalisisXML {
    long errorCode = 0;   // 0 when the last load or loadXML succeeded
    std::string reason;   // what went wrong, for messages and logs
    long line = 0;        // where, when the text was not well-formed
    long linepos = 0;
};

class DocumentoXML {
public:
    // errorCode values.
    static constexpr long ErrorFicheroNoLeido = 1;  // the file could not be opened or read
    static constexpr long ErrorMalFormado = 2;      // the text is not well-formed XML
    static constexpr long ErrorDemasiadoGrande = 3; // above the size, node or character limit
    static constexpr long ErrorDemasiadoProfundo = 4;  // elements nested beyond the limit
    static constexpr long ErrorEntidades = 5;          // a DTD or an entity reference
    // The file's pair is half-saved (a save killed midway that cannot be finished now, or
    // one another copy of the program is finishing): reason is only that, in Spanish.
    static constexpr long ErrorGuardadoAMedias = 6;

    static constexpr long long TamanoMaximo = 4LL * 1024 * 1024;
    static constexpr int ProfundidadMaximo = 16;
    static constexpr long NodosMaximos = 40000;
    static constexpr long long CaracteresMaximos = 4LL * 1024 * 1024;
    static constexpr long AtributosMaximos = 64;  // of one element

    DocumentoXML();
    ~DocumentoXML();
    DocumentoXML(const DocumentoXML&) = delete;
    DocumentoXML& operator=(const DocumentoXML&) = delete;

    // Both replace the whole document; on failure the document is left empty, the result is
    // false and parseError() says why.
    bool load(const std::string& ruta);
    bool loadXML(const std::string& texto);
    // The bytes of a file, read as load() reads them (for readers that hold the file in memory).
    bool cargarBytes(const std::string& bytes);

    // Writes the document to ruta through the one safe write: an existing file is replaced
    // only by the whole new one, and is kept intact when the write fails. Returns false,
    // with errorGuardar() saying why in Spanish, when the file cannot be written (folder
    // missing or not writable, a folder, pipe or device at the path, a read-only file, disk
    // full), the document is empty, or a Latin-1 file cannot hold it or its text would not
    // read back (see above); nothing is written then.
    [[nodiscard]] bool save(const std::string& ruta);
    const std::string& errorGuardar() const { return errorGuardar_; }
    // The bytes save() writes, for a caller that writes them with its own safe write; "",
    // with errorGuardar() saying why, for a document that save() refuses before writing.
    [[nodiscard]] std::string contenidoFichero();

    // The serialisation save() writes, as UTF-8 text (for tests and logs).
    std::string xml() const;

    const ErrorAnalisisXML& parseError() const { return error_; }

    // The root element (null when the document is empty).
    NodoXML documentElement() const;
    // The document's own children: the declaration (when present) and the root element.
    ListaNodosXML childNodes() const;
    bool hasChildNodes() const;

private:
    void AnotarMalFormado(long linea, long columna);
    void AnotarRechazo(long codigo, const std::string& mensaje);
    bool AceptarMedida(long codigo, const std::string& motivo, long linea, long columna);

    std::shared_ptr<DatosDocumentoXML> d_;
    ErrorAnalisisXML error_;
    std::string errorGuardar_;
};
