#pragma once

#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "brain/FormatoRegra.h"
#include "suporte/MesaDeTeste.h"

namespace pelmar::teste {

// A game in a fresh folder with its brain, and shorthands for brain files and rules.
class CerebroDeTeste : public MesaDeTeste {
protected:
    Inteligencia& ia() { return jogo->ia; }
    Cerebro& cerebro() { return jogo->ia.cerebro; }

    static Regra regra(std::string_view linha) {
        const LinhaRegra l = analisaLinhaRegra(linha);
        EXPECT_EQ(l.tipo, LinhaRegra::Tipo::Regra) << linha;
        return l.regra;
    }
    static Regra comPeso(std::string_view linha, int peso) {
        Regra r = regra(linha);
        r.QTE = peso;
        return r;
    }
    // A brain file as the program writes it: header, then the rules.
    void escreveCerebro(const std::string& nome, const std::vector<Regra>& regras) {
        std::string bytes = std::string(TITULO_CEREBRO) + "\r\n" + TRACOS_CEREBRO + "\r\n";
        for (const Regra& r : regras) bytes += TEXTO_REGRA(r) + "\r\n";
        gravaBytes(pasta / nome, bytes);
    }
    std::vector<std::string> linhasDe(const std::string& nome) const {
        std::vector<std::string> linhas;
        std::ifstream entrada(pasta / nome, std::ios::binary);
        std::string linha;
        while (std::getline(entrada, linha)) {
            EXPECT_TRUE(!linha.empty() && linha.back() == '\r') << nome << ": linha sem CR LF";
            if (!linha.empty() && linha.back() == '\r') linha.pop_back();
            linhas.push_back(linha);
        }
        return linhas;
    }
    void poeNaTabela(std::initializer_list<Regra> regras) {
        cerebro().defineQuantidade(0);
        for (const Regra& r : regras) cerebro().acrescenta(r);
    }
};

}  // namespace pelmar::teste
