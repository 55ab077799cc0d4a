// The two web pages the program opens: the maker's site and the sponsoring agency's
// lottery page, with the site addresses shown in captions and messages; and the silent way the
// links and credits open them.
#pragma once

#include <exception>

#include "platform/Plataforma.h"

namespace DireccionesWeb {
inline constexpr const char* SitioFabricante = "www.velodaro.es";
inline constexpr const char* PaginaFabricante = "https://www.velodaro.es/";
inline constexpr const char* SitioAgencia = "www.zafirana.es";
inline constexpr const char* PaginaAgencia = "https://www.zafirana.es/euromillones/";

// Opens a page from a link, a credit or the banner: a page that cannot be opened (false) or
// whose opening fails on the way is passed over without a word. Only the help entry tells.
inline void AbrirPaginaSinAvisos(const char* url) {
    try {
        (void)Plataforma::Activa().AbrirPaginaWeb(url);
    } catch (const std::exception&) {
    }
}
}  // namespace DireccionesWeb
