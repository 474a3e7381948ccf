#pragma once

namespace pelmar {

// The project's own pages; the game opens them in the user's browser.
inline constexpr const char* ENDERECO_PROGRAMA = "https://pelmar.example/";
inline constexpr const char* ENDERECO_RECORDES = "https://pelmar.example/recordes";
inline constexpr const char* ENDERECO_EXTRAS = "https://pelmar.example/extras";
inline constexpr const char* EMAIL_RECORDES = "recordes@pelmar.example";

// The manual ships with the game and is installed in the working folder: a page whose rules
// section is the help key's target, and the same text as a PDF.
inline constexpr const char* MANUAL_HTML = "MANUAL/manual.html";
inline constexpr const char* ANCORA_REGRAS = "regras";
inline constexpr const char* MANUAL_PDF = "manual.pdf";

}  // namespace pelmar
