// The two web pages the program opens: the maker's site and the sponsoring agency's
// lottery page, with the site addresses shown in captions and messages.
#pragma once

namespace DireccionesWeb {
inline constexpr const char* SitioFabricante = "www.velodaro.es";
inline constexpr const char* PaginaFabricante = "https://www.velodaro.es/";
inline constexpr const char* SitioAgencia = "www.zafirana.es";
inline constexpr const char* PaginaAgencia = "https://www.zafirana.es/euromillones/";
}  // namespace DireccionesWeb
