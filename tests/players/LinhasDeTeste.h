#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "players/LinhaPersonalidade.h"

namespace pelmar::teste {

// A well-formed table row as its 228 fields: every numeric column holds a value of its own
// (the column number plus 1000), so a field read from the wrong column shows. `troca` replaces
// fields by column number.
inline std::vector<std::string> camposDaLinha(std::string_view chave, std::string_view personagem,
                                              const std::map<int, std::string>& troca = {}) {
    std::vector<std::string> campos(CAMPOS_PERSONALIDADE);
    campos[0] = "OK";
    campos[1] = chave;
    campos[2] = personagem;
    for (int c = 3; c < CAMPOS_PERSONALIDADE; ++c) campos[static_cast<std::size_t>(c)] = std::to_string(1000 + c);
    for (int n = 1; n <= QTE_SITUACOES; ++n)
        campos[static_cast<std::size_t>(17 + 10 * (n - 1))] = "S" + std::to_string(n);
    campos[227] = "FIM";
    for (const auto& [coluna, texto] : troca) {
        if (coluna >= static_cast<int>(campos.size())) campos.resize(static_cast<std::size_t>(coluna) + 1);
        campos[static_cast<std::size_t>(coluna)] = texto;
    }
    return campos;
}

inline std::string junta(const std::vector<std::string>& campos, std::string_view separador) {
    std::string linha;
    for (std::size_t i = 0; i < campos.size(); ++i) {
        if (i > 0) linha += separador;
        linha += campos[i];
    }
    return linha;
}

inline std::string linhaTabela(std::string_view chave, std::string_view personagem,
                               const std::map<int, std::string>& troca = {}) {
    return junta(camposDaLinha(chave, personagem, troca), ";");
}

}  // namespace pelmar::teste
