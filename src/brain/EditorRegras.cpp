#include "brain/EditorRegras.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <system_error>
#include <vector>

#include "base/AoSair.h"
#include "base/LeitorDeLinhas.h"
#include "brain/EscritorRegras.h"
#include "brain/FormatoRegra.h"
#include "brain/Inteligencia.h"
#include "engine/Partida.h"

namespace pelmar {

namespace {

constexpr const char* TITULO_MENSAGEM = "Pelmar";
constexpr const char* LISTA_DO_BRAIN = "BRAIN\\LISTA.INI";

std::string comZeros(int n, int digitos) {
    char texto[16];
    std::snprintf(texto, sizeof texto, "%0*d", digitos, n);
    return texto;
}

const char* nomeDoResultado(char letra) {
    switch (letra) {
        case '*': return "QLQ";
        case '?': return "???";
        case 'B': return "BOM";
        case 'E': return "EMP";
        case 'M': return "MAL";
        default: return "";
    }
}

int codigoDaLetra(char letra) {
    const char* achada = std::strchr(LETRAS_DOS_CODIGOS, letra);
    return letra != '\0' && achada ? static_cast<int>(achada - LETRAS_DOS_CODIGOS) : -1;
}

constexpr Campo CAMPO_DA_FIGURA[QTE_FIGURAS] = {CARTA_1R, CARTA_2R, CARTA_3R, CARTA_P1, CARTA_P2,
                                                CARTA_P3, CARTA_J1, CARTA_J2, CARTA_J3};

std::string aparado(std::string_view texto) {
    const auto branco = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!texto.empty() && branco(texto.front())) texto.remove_prefix(1);
    while (!texto.empty() && branco(texto.back())) texto.remove_suffix(1);
    return std::string(texto);
}

// Does the rule fit the search pattern under the criteria checked?
bool serveAoPadrao(const Regra& regra, const Regra& padrao, const ModeloEditor& m) {
    if (regra[NR_RODADA] != padrao[NR_RODADA] || regra[POSICAO_RODADA] != padrao[POSICAO_RODADA]) return false;
    const auto iguais = [&](std::initializer_list<Campo> campos) {
        for (Campo c : campos)
            if (padrao.letra(c) != '*' && regra[c] != padrao[c]) return false;
        return true;
    };
    if (m.CK_RESULTADOS && !iguais({R1, R2, R3})) return false;
    if (m.CK_PARCEIRO && !iguais({CARTA_P1, CARTA_P2, CARTA_P3})) return false;
    if (m.CK_CARTAS && !iguais({CARTA_J1, CARTA_J2, CARTA_J3})) return false;
    if (m.CK_TRUCAR && regra.letra(TRUCAR) != 'T') return false;
    return true;
}

}  // namespace

std::string nomeDentroDoBrain(std::string_view nome) {
    std::string limpo = aparado(nome);
    if (limpo.empty() || limpo.front() == '/' || limpo.front() == '\\' || limpo.find(':') != std::string::npos)
        return {};
    std::size_t inicio = 0;
    while (inicio <= limpo.size()) {
        std::size_t fim = limpo.find_first_of("/\\", inicio);
        if (fim == std::string::npos) fim = limpo.size();
        if (limpo.compare(inicio, fim - inicio, "..") == 0) return {};
        inicio = fim + 1;
    }
    return limpo;
}

EditorRegras::EditorRegras(Inteligencia& ia) : ia_(ia) {}

ModeloEditor& EditorRegras::modelo() { return ia_.editor; }
const ModeloEditor& EditorRegras::modelo() const { return ia_.editor; }

void EditorRegras::mostraCodigo(int figura, char letra) {
    // A letter that is no class leaves the picture as it was.
    const int codigo = codigoDaLetra(letra);
    if (codigo >= 0) ia_.editor.CODIGO_CARTA[static_cast<std::size_t>(figura)] = codigo;
}

void EditorRegras::marcaPonto(int ponto) {
    if (ponto == 1 || ponto == 3 || ponto == 6 || ponto == 9 || ponto == 12) ia_.editor.ponto = ponto;
}

void EditorRegras::escolheAcao(int acao) {
    ModeloEditor& m = ia_.editor;
    if (acao < 0 || acao > 3) return;
    m.acao = acao;
    for (int c = 1; c <= 3; ++c) m.topoCartaPropria[static_cast<std::size_t>(c - 1)] = c == acao ? 20 : 40;
    MONTA_REGRA();
}

void EditorRegras::MOSTRA_REGRA(int slot) {
    if (slot < 1 || slot > MAX_REGRAS) return;
    ModeloEditor& m = ia_.editor;
    const Regra& r = ia_.cerebro[slot];
    if (r[NR_RODADA] >= 1 && r[NR_RODADA] <= 3) m.rodada = r[NR_RODADA];
    if (r[POSICAO_RODADA] >= 1 && r[POSICAO_RODADA] <= 4) m.posicao = r[POSICAO_RODADA];
    // The hidden groups carry the rule's own truco letter and value through an edit.
    if (std::strchr("SBM*", r.letra(TRUCO)) && r.letra(TRUCO) != '\0') m.truco = r.letra(TRUCO);
    marcaPonto(r[PONTO]);
    if (r[ACAO] <= 3) {
        m.acao = r[ACAO];
        for (int c = 1; c <= 3; ++c) m.topoCartaPropria[static_cast<std::size_t>(c - 1)] = c == m.acao ? 20 : 40;
    }
    if (r.letra(TRUCAR) == 'T') m.trucar = true;
    if (r.letra(TRUCAR) == '-') m.trucar = false;
    if (r.letra(ENCOBRIR) == 'E') m.encobrir = true;
    if (r.letra(ENCOBRIR) == '-') m.encobrir = false;
    const Campo resultados[] = {R1, R2, R3};
    for (std::size_t k = 0; k < 3; ++k) {
        const char letra = r.letra(resultados[k]);
        if (letra == '*' || letra == 'B' || letra == 'E' || letra == 'M') m.resultado[k] = letra;
        m.STR_R[k] = nomeDoResultado(letra);
    }
    for (int f = 0; f < QTE_FIGURAS; ++f) mostraCodigo(f, r.letra(CAMPO_DA_FIGURA[f]));
    m.QTE = std::to_string(r.QTE);
    m.LINHA = TEXTO_REGRA(r);
    atualizaMaximo();
    // What LINHA shows is then what "Alterar" would store, the slot's weight included.
    m.regraDeTrabalho.QTE = r.QTE;
    MONTA_REGRA();
}

void EditorRegras::MONTA_REGRA() {
    ModeloEditor& m = ia_.editor;
    const int naMao = 4 - m.rodada;
    const int doParceiro = m.posicao <= 2 ? naMao : naMao - 1;
    for (int k = 1; k <= 3; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        m.grupoResultadoVisivel[i] = k <= m.rodada && !(k == m.rodada && m.posicao == 1);
        m.cartaParceiroVisivel[i] = k <= doParceiro;
        m.cartaPropriaVisivel[i] = k <= naMao;
        m.escolhaVisivel[i] = k <= naMao;
    }

    Regra& w = m.regraDeTrabalho;
    w[NR_RODADA] = static_cast<std::uint8_t>(m.rodada);
    w[POSICAO_RODADA] = static_cast<std::uint8_t>(m.posicao);
    w[TRUCO] = static_cast<std::uint8_t>(m.truco);
    w[PONTO] = static_cast<std::uint8_t>(m.ponto);
    w[ACAO] = static_cast<std::uint8_t>(m.acao);
    const Campo resultados[] = {R1, R2, R3};
    for (std::size_t k = 0; k < 3; ++k) {
        const bool visivel = m.grupoResultadoVisivel[k];
        w[resultados[k]] = static_cast<std::uint8_t>(visivel ? m.resultado[k] : '?');
        w[static_cast<Campo>(resultados[k] + 1)] =
            static_cast<std::uint8_t>(visivel ? m.letraDaFigura(FIG_1R + static_cast<int>(k)) : '?');
        m.STR_R[k] = nomeDoResultado(w.letra(resultados[k]));
    }
    for (int n = 0; n < 3; ++n) {
        const auto i = static_cast<std::size_t>(n);
        w[static_cast<Campo>(CARTA_P1 + n)] =
            static_cast<std::uint8_t>(m.cartaParceiroVisivel[i] ? m.letraDaFigura(FIG_P1 + n) : '?');
        w[static_cast<Campo>(CARTA_J1 + n)] =
            static_cast<std::uint8_t>(m.cartaPropriaVisivel[i] ? m.letraDaFigura(FIG_J1 + n) : '?');
    }
    w[ENCOBRIR] = static_cast<std::uint8_t>(m.encobrir ? 'E' : '-');
    w[TRUCAR] = static_cast<std::uint8_t>(m.trucar ? 'T' : '-');

    ia_.cerebro.REGRA_ATUAL = w;
    if (!ia_.ferramentas.VALIDA_CARTAS()) m.LINHA = TEXTO_REGRA(w);
}

void EditorRegras::escolheRodada(int rodada) {
    if (rodada < 1 || rodada > 3) return;
    ia_.editor.rodada = rodada;
    MONTA_REGRA();
}

void EditorRegras::escolhePosicao(int posicao) {
    if (posicao < 1 || posicao > 4) return;
    ia_.editor.posicao = posicao;
    MONTA_REGRA();
}

void EditorRegras::escolheResultado(int rodada, char letra) {
    if (rodada < 1 || rodada > 3 || !std::strchr("BME*", letra) || letra == '\0') return;
    ia_.editor.resultado[static_cast<std::size_t>(rodada - 1)] = letra;
    if (letra == '*') mostraCodigo(FIG_1R + rodada - 1, '*');
    MONTA_REGRA();
}

void EditorRegras::marcaTrucar(bool marcado) {
    ia_.editor.trucar = marcado;
    MONTA_REGRA();
}

void EditorRegras::marcaEncobrir(bool marcado) {
    ia_.editor.encobrir = marcado;
    MONTA_REGRA();
}

void EditorRegras::pressionaCarta(int figura, bool botaoEsquerdo) {
    if (figura < 0 || figura >= QTE_FIGURAS) return;
    int& codigo = ia_.editor.CODIGO_CARTA[static_cast<std::size_t>(figura)];
    // "?" is never reached by clicking: the cycle runs over "*" .. "Z".
    if (botaoEsquerdo) codigo = codigo <= 1 ? CODIGO_MAXIMO : codigo - 1;
    else codigo = codigo >= CODIGO_MAXIMO ? 1 : codigo + 1;
    MONTA_REGRA();
}

void EditorRegras::atualizaIndice() { ia_.editor.INDEX = comZeros(ia_.editor.INDICE_REGRA, 6); }

void EditorRegras::atualizaMaximo() { ia_.editor.MAX = comZeros(ia_.cerebro.QTE_REGRAS(), 4); }

void EditorRegras::INICIO() {
    ia_.editor.INDICE_REGRA = 1;
    atualizaIndice();
    MOSTRA_REGRA(1);
    atualizaMaximo();
}

void EditorRegras::volta() {
    int& indice = ia_.editor.INDICE_REGRA;
    if (indice <= 1) return;
    --indice;
    atualizaIndice();
    MOSTRA_REGRA(indice);
}

void EditorRegras::avanca(int passos) {
    int& indice = ia_.editor.INDICE_REGRA;
    if (passos == 1) {
        // Past the last rule the slots show what they hold, up to the table's last slot.
        if (indice >= MAX_REGRAS) return;
        ++indice;
    } else {
        indice += passos;
        if (indice >= ia_.cerebro.QTE_REGRAS()) indice = 1;
    }
    atualizaIndice();
    MOSTRA_REGRA(indice);
}

void EditorRegras::mensagem(std::string_view texto) { ia_.jogo.tela.caixaMensagem(TITULO_MENSAGEM, texto); }

void EditorRegras::relata(const std::string& linha) { ia_.editor.TEXT.push_back(linha); }

bool EditorRegras::armazenavel() {
    ia_.cerebro.REGRA_ATUAL = ia_.editor.regraDeTrabalho;
    if (!ia_.ferramentas.VALIDA_CARTAS()) return true;
    mensagem("Regra Errada !!!");
    return false;
}

void EditorRegras::Alterar() {
    if (ocupado_) return;
    ocupado_ = true;
    const AoSair livre([this] { ocupado_ = false; });
    if (!armazenavel()) return;
    const int slot = ia_.editor.INDICE_REGRA;
    Regra nova = ia_.editor.regraDeTrabalho;
    nova.QTE = ia_.cerebro[slot].QTE;
    ia_.cerebro.altera(slot) = nova;
    MOSTRA_REGRA(slot);
}

void EditorRegras::Acresentar() {
    if (ocupado_) return;
    ocupado_ = true;
    const AoSair livre([this] { ocupado_ = false; });
    if (!armazenavel()) return;
    if (ia_.cerebro.QTE_REGRAS() >= MAX_REGRAS) {
        mensagem("A tabela de regras está cheia (" + std::to_string(MAX_REGRAS) + " regras): nada foi acrescentado.");
        return;
    }
    Regra nova = ia_.editor.regraDeTrabalho;
    nova.QTE = 1;
    ia_.cerebro.acrescenta(nova);
    atualizaMaximo();
    MOSTRA_REGRA(ia_.cerebro.QTE_REGRAS());
}

void EditorRegras::Apagar() {
    if (ocupado_) return;
    ocupado_ = true;
    const AoSair livre([this] { ocupado_ = false; });
    const int slot = ia_.editor.INDICE_REGRA;
    ia_.cerebro.altera(slot).QTE = 0;
    MOSTRA_REGRA(slot);
}

void EditorRegras::Inverter() {
    auto& codigos = ia_.editor.CODIGO_CARTA;
    for (int n = 0; n < 3; ++n)
        std::swap(codigos[static_cast<std::size_t>(FIG_P1 + n)], codigos[static_cast<std::size_t>(FIG_J1 + n)]);
}

void EditorRegras::Randomico() {
    static constexpr FiguraCarta ordem[] = {FIG_P1, FIG_P2, FIG_P3, FIG_J1, FIG_J2, FIG_J3, FIG_1R, FIG_2R, FIG_3R};
    for (FiguraCarta f : ordem)
        ia_.editor.CODIGO_CARTA[static_cast<std::size_t>(f)] = ia_.jogo.plataforma.aleatorio(CODIGO_MAXIMO) + 1;
}

void EditorRegras::MEMORIZAR() {
    ia_.editor.REGRA_MEMORIZADA = ia_.editor.regraDeTrabalho;
    MONTA_REGRA();
}

void EditorRegras::Procurar() {
    ModeloEditor& m = ia_.editor;
    const Cerebro& c = ia_.cerebro;
    int achada = 0;
    for (int i = m.INDICE_REGRA + 1; i <= c.QTE_REGRAS(); ++i)
        if (serveAoPadrao(c[i], m.REGRA_MEMORIZADA, m)) {
            achada = i;
            break;
        }
    // A rule found in the last slot is shown too; only a search that finds nothing starts over.
    m.INDICE_REGRA = achada > 0 ? achada : 1;
    atualizaIndice();
    MOSTRA_REGRA(m.INDICE_REGRA);
}

void EditorRegras::mostraCarregado() {
    ia_.editor.INDICE_REGRA = 1;
    atualizaMaximo();
    atualizaIndice();
    MOSTRA_REGRA(1);
}

bool EditorRegras::leCerebroSalvo() {
    if (ocupado_) return false;
    ocupado_ = true;
    const AoSair livre([this] { ocupado_ = false; });
    if (!ia_.arquivos.leEmTabelaNova({"P-CEREBRO_SALVO.TXT"})) {
        relata("P-CEREBRO_SALVO.TXT não foi lido: o cérebro continua com " + std::to_string(ia_.cerebro.QTE_REGRAS()) +
               " regras.");
        return false;
    }
    ia_.editor.INDICE_REGRA = 1;
    atualizaIndice();
    atualizaMaximo();
    ia_.editor.NOME = "P-CEREBRO_SALVO.TXT";
    return true;
}

bool EditorRegras::leListaDoBrain() {
    if (ocupado_) return false;
    ocupado_ = true;
    const AoSair livre([this] { ocupado_ = false; });
    ModeloEditor& m = ia_.editor;
    const auto recusa = [&](const std::string& motivo) {
        relata(motivo);
        relata("Nada foi lido: o cérebro continua com " + std::to_string(ia_.cerebro.QTE_REGRAS()) + " regras.");
        mensagem(motivo);
        return false;
    };
    const std::filesystem::path lista = ia_.jogo.pasta.resolve(LISTA_DO_BRAIN);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(lista, ec))
        return recusa("Lista de cérebros não encontrada: " + lista.string());
    std::vector<std::string> nomes;
    {
        LeitorDeLinhas entrada(lista);
        if (!entrada.aberto()) return recusa(mensagemDeLeitura(lista));
        std::string linha;
        while (entrada.proxima(linha)) {
            if (aparado(linha).empty()) continue;
            const std::string nome = nomeDentroDoBrain(linha);
            if (nome.empty())
                return recusa("BRAIN/LISTA.INI: \"" + aparado(linha) + "\" fica fora da pasta BRAIN e foi recusado.");
            nomes.push_back(nome);
        }
        if (entrada.falhou()) return recusa(mensagemDeLeitura(lista));
    }
    std::vector<std::string> arquivos;
    for (const std::string& nome : nomes) arquivos.push_back("BRAIN\\" + nome);
    const bool lido = ia_.arquivos.leEmTabelaNova(arquivos, [&](std::size_t k, int regras) {
        m.ARQUIVO_EDITOR = ".\\BRAIN\\" + nomes[k];
        m.NOME = nomes[k] + " - " + std::to_string(regras);
        ia_.jogo.plataforma.processaEventos();
    });
    if (!lido) {
        relata("A lista de cérebros não foi lida: o cérebro continua com " + std::to_string(ia_.cerebro.QTE_REGRAS()) +
               " regras.");
        return false;
    }
    atualizaMaximo();
    MOSTRA_REGRA(m.INDICE_REGRA);
    return true;
}

bool EditorRegras::leVariavel() {
    if (ocupado_) return false;
    ocupado_ = true;
    const AoSair livre([this] { ocupado_ = false; });
    if (!ia_.ferramentas.carregaTudo()) {
        relata("As regras não foram lidas: o cérebro continua com " + std::to_string(ia_.cerebro.QTE_REGRAS()) +
               " regras.");
        return false;
    }
    ia_.editor.ARQUIVO_EDITOR = "P-NEURON.TXT";
    ia_.editor.NOME = "P-NEURON.TXT";
    mostraCarregado();
    return true;
}

bool EditorRegras::executa(FerramentaEditor ferramenta) {
    if (ocupado_) return false;
    ocupado_ = true;
    const AoSair livre([this] { ocupado_ = false; });
    FerramentasEditor& f = ia_.ferramentas;
    bool fecha = false;
    switch (ferramenta) {
        case FerramentaEditor::QTE_1: f.TROCA_QTE_REGRAS(); break;
        case FerramentaEditor::REGRAS_ERRADAS: f.APAGA_REGRAS_ERRADAS(); break;
        case FerramentaEditor::LIMPA_TRUCOS: f.LIMPA_TRUCOS(); break;
        case FerramentaEditor::LIMPA_REPETIDOS: f.ACHA_REPETIDOS(); break;
        case FerramentaEditor::SORTEIA: f.ORDENA_CEREBRO(); break;
        case FerramentaEditor::REGRA_TRUCAR: f.ACHA_REGRA_TRUCAR(); break;
        case FerramentaEditor::SALVAR: ia_.arquivos.SALVA_CEREBRO(); break;
        case FerramentaEditor::COMPILAR: f.COMPILA_EDITOR(); break;
        case FerramentaEditor::SALVA_BRAIN_AUX:
            // The window closes on the freshly loaded brain; after a failure it stays to say so.
            fecha = f.SALVA_BRAIN_AUX();
            if (fecha) mostraCarregado();
            break;
        case FerramentaEditor::JUNTAR: ia_.aprendizado.COMPILA_CEREBRO(); break;
    }
    atualizaMaximo();
    return fecha;
}

void EditorRegras::limpaTexto() { ia_.editor.TEXT.clear(); }

void EditorRegras::aoAbrir() { atualizaMaximo(); }

}  // namespace pelmar
