// The date a report is written: the same digits and separators on every system.
#include <cstdio>
#include <ctime>

#include "common/modInformeTexto.h"

namespace modInformeTexto {

namespace {
std::tm Ahora() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return local;
}
std::string Fecha(const std::tm& t) {
    char b[40];
    std::snprintf(b, sizeof b, "%02d/%02d/%04d", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900);
    return b;
}
}  // namespace

std::string FechaInforme() { return Fecha(Ahora()); }

std::string FechaHoraInforme() {
    const std::tm t = Ahora();
    char b[40];
    std::snprintf(b, sizeof b, " %02d:%02d:%02d", t.tm_hour, t.tm_min, t.tm_sec);
    return Fecha(t) + b;
}

}  // namespace modInformeTexto
