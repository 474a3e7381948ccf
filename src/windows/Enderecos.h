#pragma once

namespace pelmar {

// The project's own pages; the game opens them in the user's browser.
inline constexpr const char* ENDERECO_PROGRAMA = "https://pelmar.example/";
inline constexpr const char* ENDERECO_REGRAS = "https://pelmar.example/regras";
inline constexpr const char* ENDERECO_RECORDES = "https://pelmar.example/recordes";
inline constexpr const char* ENDERECO_EXTRAS = "https://pelmar.example/extras";
inline constexpr const char* EMAIL_RECORDES = "recordes@pelmar.example";

}  // namespace pelmar
