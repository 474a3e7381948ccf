#include "brain/FerramentasEditor.h"

#include "brain/AlgoritmosRegras.h"
#include "brain/FormatoRegra.h"
#include "brain/Inteligencia.h"
#include "brain/ValidacaoRegra.h"
#include "engine/Partida.h"

namespace pelmar {

namespace {
std::string nr(long long n) { return std::to_string(n); }
}  // namespace

ServeEventos FerramentasEditor::serveEventos() {
    return [this] { ia_.jogo.plataforma.processaEventos(); };
}

std::vector<std::string>& FerramentasEditor::novoRelatorio(const char* titulo) {
    auto& texto = ia_.editor.TEXT;
    texto.clear();
    texto.emplace_back(titulo);
    return texto;
}

void FerramentasEditor::TROCA_QTE_REGRAS() {
    auto& texto = novoRelatorio("--- Troca Qte Regras");
    Cerebro& c = ia_.cerebro;
    for (int i = 1; i <= c.QTE_REGRAS(); ++i) {
        if (i % 10000 == 0) {
            texto.push_back("= " + nr(i));
            ia_.jogo.plataforma.processaEventos();
        }
        Regra& r = c.altera(i);
        r.QTE = r.QTE > 1 ? 3 : 1;
        r[PONTO] = 1;
        r[TRUCO] = '*';
    }
    texto.emplace_back("--- Fim");
}

void FerramentasEditor::APAGA_REGRAS_ERRADAS() {
    auto& texto = novoRelatorio("--- Apaga Regas erradas");
    Cerebro& c = ia_.cerebro;
    for (int i = 1; i <= c.QTE_REGRAS(); ++i) {
        if (i % 10000 == 0) ia_.jogo.plataforma.processaEventos();
        if (c[i].QTE == 0) continue;
        const auto motivos = motivosDeRegraErrada(c[i]);
        if (motivos.empty()) continue;
        Regra& r = c.altera(i);
        for (const std::string& motivo : motivos) {
            texto.push_back(motivo + nr(i));
            if (motivo == "RODADA 1:3,4 ") {
                ia_.editor.LINHA = TEXTO_REGRA(r);
                ia_.jogo.plataforma.processaEventos();
            }
        }
        r.QTE = 0;
    }
    texto.emplace_back("--- Apaga Regas erradas");
}

void FerramentasEditor::LIMPA_TRUCOS() {
    auto& texto = novoRelatorio("Limpa TRUCO para 0: ");
    Cerebro& c = ia_.cerebro;
    for (int i = 1; i <= c.QTE_REGRAS(); ++i) {
        if (i % 1000 == 0) {
            texto.push_back("= " + nr(i));
            ia_.jogo.plataforma.processaEventos();
        }
        const Regra& r = c[i];
        if (r[TRUCAR] == 'T' && r.QTE != 0 && r[ACAO] != 0) {
            texto.push_back("TR:" + nr(i));
            c.altera(i)[ACAO] = 0;
        }
    }
    texto.emplace_back("--- FIM Troca TRUCO para 0: ");
}

void FerramentasEditor::ACHA_REPETIDOS() {
    auto& texto = novoRelatorio("Achando Repetidos: ");
    Cerebro& c = ia_.cerebro;
    const ServeEventos serve = serveEventos();
    achaRepetidos(c.alteraTodas(), c.QTE_REGRAS(), texto, serve);
    ia_.jogo.plataforma.processaEventos();
    texto.emplace_back("--- FIM Achando Repetidos: ");
}

void FerramentasEditor::ACHA_REGRA_TRUCAR() {
    auto& texto = novoRelatorio("Achando regra pra o TRUCO 0: ");
    Cerebro& c = ia_.cerebro;
    const ServeEventos serve = serveEventos();
    achaRegraTrucar(c.alteraTodas(), c.QTE_REGRAS(), texto, serve);
    ia_.jogo.plataforma.processaEventos();
    texto.emplace_back("--- FIM Achando regra pra o TRUCO 0: ");
}

void FerramentasEditor::ORDENA_CEREBRO() {
    auto& texto = novoRelatorio("Sorteando: ");
    Cerebro& c = ia_.cerebro;
    const ServeEventos serve = serveEventos();
    c.defineQuantidade(ordenaCerebro(c.alteraTodas(), c.QTE_REGRAS(), texto, serve));
    ia_.jogo.plataforma.processaEventos();
    texto.emplace_back("--- FIM Ordenação: ");
    texto.push_back(" =" + nr(c.QTE_REGRAS()));
}

bool FerramentasEditor::COMPILA_EDITOR() {
    TROCA_QTE_REGRAS();
    APAGA_REGRAS_ERRADAS();
    APAGA_REGRAS_ERRADAS();
    LIMPA_TRUCOS();
    LIMPA_TRUCOS();
    ACHA_REPETIDOS();
    ORDENA_CEREBRO();
    ACHA_REGRA_TRUCAR();
    ACHA_REPETIDOS();
    ORDENA_CEREBRO();
    return ia_.arquivos.SALVA_CEREBRO();
}

bool FerramentasEditor::SALVA_BRAIN_AUX() {
    Cerebro& c = ia_.cerebro;
    for (int i = 1; i <= c.QTE_REGRAS(); ++i) {
        Regra& r = c.altera(i);
        r[PONTO] = 1;
        r[TRUCO] = '*';
    }
    const std::string aux = "P-BRAIN-AUX.TXT";
    ia_.editor.ARQUIVO_EDITOR = aux;
    const bool ok = ia_.arquivos.SALVA_REGRAS(aux) && ia_.aprendizado.LIMPA_REPETIDOS(aux) &&
                    ia_.aprendizado.ORDENA_REGRAS(aux);
    const bool carregou = carregaTudo();
    return ok && carregou;
}

bool FerramentasEditor::carregaTudo() {
    return ia_.arquivos.leEmTabelaNova({"P-BRAIN.TXT", "P-NEURON.TXT", "P-LEARN.TXT"});
}

bool FerramentasEditor::VALIDA_CARTAS() {
    const std::string mensagem = cartasImpossiveis(ia_.cerebro.REGRA_ATUAL);
    if (mensagem.empty()) return false;
    ia_.editor.LINHA = mensagem;
    return true;
}

std::string textoQuantidadeRegras(int fixas, int total, const std::string& arquivoAprendidas) {
    return "I.A. - Inteligência Artificial\n\nNúmero de Regras disponíveis\nLimite : " + nr(MAX_REGRAS) + "\n" +
           "Fixas: " + nr(fixas) + "\n" + "Aprendidas: " + nr(total - fixas) + "\n" + "Total: " + nr(total) +
           "\n\n" + "- Mande suas regras também" + "\n" + "Envie o arquivo " + arquivoAprendidas + " " + "\n" +
           "para o Pelmar: regras@pelmar.example" + "\n";
}

}  // namespace pelmar
