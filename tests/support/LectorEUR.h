// Reads a .EUR bet file back for tests: every record deciphered, the header, the count and
// each bet as text and as its seven values.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct FicheroEUR {
    bool leido = false;             // false: missing file, truncated record, bad count or bet
    std::string error;              // why, when not leido
    std::vector<std::string> registros;  // every record as stored (enciphered bytes)
    std::string cabecera;           // record 1 deciphered ("0" stays "0": a refused header)
    std::string textoCuenta;        // record 2 deciphered
    long numApuestas = 0;           // record 2 read as a number
    std::vector<std::string> textos;                      // the bet records deciphered
    std::vector<std::array<std::uint8_t, 7>> apuestas;    // five numbers, two stars
};

// Reads the whole file: the header, the count, then exactly that many bets (records after
// them are kept in registros but not read as bets).
FicheroEUR LeerFicheroEUR(const std::string& ruta);

// The record texts of a file as they are stored, without deciphering (empty when unreadable).
std::vector<std::string> LeerRegistrosEUR(const std::string& ruta, bool* completo = nullptr);
