#include "records/ValidacaoRecorde.h"

#include <array>

#include "base/Maiusculas.h"

namespace pelmar {

namespace {

constexpr int RECORDE_INICIAL = 5000;

}  // namespace

std::string VALIDA_RECORDE(std::string_view texto, std::int32_t valor, const Estatisticas& estatisticas,
                           const DataHora& hoje) {
    std::string s = std::to_string(valor);
    if (s.size() < 9) s.append(9 - s.size(), '.');
    std::array<int, 9> c{};  // 1-based, as the check is defined
    for (std::size_t i = 1; i <= 8; ++i) c[i] = static_cast<unsigned char>(s[i - 1]);

    const int v = (((((((c[1] & c[2]) | c[3]) ^ c[4]) | c[5]) ^ c[6]) | c[7]) ^ c[8]) & 0xFF;
    int codigo = v + c[1] * 256;
    codigo |= c[2] * 4096;
    codigo ^= c[3] * 256;
    codigo ^= c[4] * 4096;
    codigo ^= c[5] * 256;
    codigo ^= c[6] * 4096;
    codigo ^= c[7] * 256;
    codigo |= c[8] * 4096;

    const auto bits = static_cast<std::uint32_t>(valor);
    std::string bytes;
    for (int i = 0; i < 4; ++i) {
        if (i > 0) bytes += ".";
        bytes += std::to_string((bits >> (8 * i)) & 0xFFu);
    }
    const std::string data = doisDigitos(hoje.dia) + "." + doisDigitos(hoje.mes) + "." + doisDigitos(hoje.ano % 100);

    std::string resultado(texto);
    for (const std::string& campo :
         {s, std::string("6.2.01"), data, bytes, std::to_string(codigo), std::to_string(estatisticas.BOIS_PRO),
          std::to_string(estatisticas.BOIS_CONTRA), std::to_string(estatisticas.VITORIAS),
          std::to_string(estatisticas.DERROTAS)})
        resultado += "; " + campo;
    return resultado;
}

std::string validaRecordeParaEnvio(DadosDoRecorde& dados, const Estatisticas& estatisticas, bool modoDebug,
                                   const DataHora& hoje) {
    if (estatisticas.RECORDE <= RECORDE_INICIAL && !modoDebug) return "Recorde está abaixo do limite";
    for (std::string* campo : {&dados.nome, &dados.idade, &dados.cidade, &dados.uf}) *campo = maiusculas(*campo);
    const std::string texto = "PRECORDE; " + dados.nome + "; " + dados.idade + "; " + dados.cidade + "; " + dados.uf;
    return VALIDA_RECORDE(texto, estatisticas.RECORDE, estatisticas, hoje);
}

}  // namespace pelmar
