#include "engine/ModeloMesa.h"

#include <stdexcept>

#include "engine/Cartas.h"
#include "engine/Plataforma.h"

namespace pelmar {

namespace {

// Controls named by the table that come one by one.
constexpr std::string_view CONTROLES_AVULSOS[] = {
    "CVIRA", "MAIOR_CARTA_ROD_1", "MAIOR_CARTA_ROD_2", "CARTA_MAIOR", "SOMBRA",
    "R1Ja", "R2Ja", "R3Ja", "RJ1b", "RJ2b", "RESULTADO_RODADA_1", "RESULTADO_RODADA_2",
    "PONTOS_JOG", "PONTOS_COM", "PONTOS_MESA", "STA_JOG_TRUCOU", "STA_COM_TRUCOU",
    "TRUCO3", "TRUCO6", "TRUCO9", "TRUCO12", "FUGIR", "ESCONDIDA", "CK_VOU_TRUCAR", "PAUSAR_JOG_3",
    "MANILHA_PAUS", "MANILHA_COPAS", "MANILHA_ESPADA", "MANILHA_OUROS", "CAIXA_CARTAS_SAIRAM",
    "FICHA_JOG_1", "FICHA_JOG_2", "FICHA_COM_1", "FICHA_COM_2",
    "IMG_BOIS_JOG", "IMG_BOIS_COM", "CNT_BOIS_JOG", "CNT_BOIS_COM",
    "AVISO_M", "LOGOTIPO_0", "LOGOTIPO_1", "INICIO", "DEBUG", "MAO11", "strNR_REGRA",
    "DECISAO_TRUCO", "DECISAO_CARTA", "DESCISAO_JOGAR", "VL_DIFICULDADE_NOVA",
    "imgSUJESTAO_1", "imgSUJESTAO_2", "imgSUJESTAO_3", "imgSUJESTAO_TRUCAR", "imgSUJESTAO_ENCOBRIR",
    "TXT_PONTUACAO_PARCIAL", "TXT_PONTUACAO_RECORDE", "TXT_QTE_RODADAS", "TfTRUCO_INFO",
    "TfPIADAS",  // the jokes window: its lines in the text, shown while visible
    "MONTE_1", "MONTE_2", "MONTE_3",
    // the rule counter window: its caption, and "Lendo:", "Total:", "Maximo:"
    "TfCONTADOR", "NUMERO", "Total", "Maximo", "VL_DIFICULDADE_ATUAL", "img_PERSONALIDADE"};

}  // namespace

std::string ModeloMesa::nomeJOG(int jogador, int slot) {
    return "JOG_" + std::to_string(jogador) + "_" + std::to_string(slot);
}

std::string ModeloMesa::nomeMESA(int jogador, int rodada) {
    return "MESA_J" + std::to_string(jogador) + std::to_string(rodada);
}

std::string ModeloMesa::nomePalito(std::string_view lado, int i) {
    return "PALITO_" + std::string(lado) + "_" + doisDigitos(i);
}

void ModeloMesa::cria(const std::string& nome) { controles_.try_emplace(nome); }

ModeloMesa::ModeloMesa() {
    for (std::string_view nome : CONTROLES_AVULSOS) cria(std::string(nome));
    for (int p = 1; p <= 4; ++p) {
        const std::string n = std::to_string(p);
        for (int s = 1; s <= 3; ++s) {
            cria(nomeJOG(p, s));
            cria(nomeMESA(p, s));
        }
        for (const char* prefixo : {"ZAP_JOG_", "JOGUE_J", "IMG_JOGADOR_", "NOME_JOG_", "FALA_J", "CORTA_BARALHO_"})
            cria(prefixo + n);
    }
    for (int t = 1; t <= 3; ++t) {
        const std::string n = std::to_string(t);
        for (const char* prefixo : {"RESULTADO_", "RODADA_BOM_", "RODADA_MAU_"}) cria(prefixo + n);
    }
    for (int i = 1; i <= 12; ++i) {
        for (std::string_view lado : {"MESA", "JOG", "COM"}) cria(nomePalito(lado, i));
    }
    for (int i = 1; i <= 6; ++i) {
        cria("ULTIMA_AVISO_" + std::to_string(i));
        cria("BT_ROUBAR_" + std::to_string(i));     // menu items of the card tricks
        cria("BT_VER_CARTA_" + std::to_string(i));
    }
    for (int i = 1; i <= 7; ++i) cria("BARALHO_" + std::to_string(i));  // the shuffled and cut pile
    for (std::string_view naipe : NOMES_DOS_NAIPES)
        for (const char* valor : {"_3", "_2", "_1"}) cria(std::string(naipe) + valor);

    for (int p = 1; p <= 4; ++p)
        for (int s = 1; s <= 3; ++s) {
            jog_[p][s] = &controles_.find(nomeJOG(p, s))->second;
            mesa_[p][s] = &controles_.find(nomeMESA(p, s))->second;
        }
    (*this)["STA_JOG_TRUCOU"].texto = "Pode Trucar!";
    (*this)["STA_COM_TRUCOU"].texto = "Pode Trucar!";
    (*this)["TRUCO3"].texto = "Trucar";
    (*this)["TRUCO6"].texto = "Seis";
    (*this)["TRUCO9"].texto = "Nove";
    (*this)["TRUCO12"].texto = "Doze";
    (*this)["FUGIR"].texto = "Fugir";
    (*this)["FUGIR"].dica = "Desistir da Rodada";
    (*this)["ESCONDIDA"].texto = "Jogar carta fechada";
    (*this)["PAUSAR_JOG_3"].texto = "Pausar Parceiro";
    (*this)["CK_VOU_TRUCAR"].texto = "Posso Trucar?";
    (*this)["R1Ja"].dica = "Quem está ganhando a primeira Mão ";
    (*this)["R2Ja"].dica = "Quem está ganhando a segunda Mão ";
    (*this)["R3Ja"].dica = "Quem está ganhando a última Mão ";
    for (int s = 1; s <= 3; ++s) JOG(1, s).dica = "Click na Carta para Jogar";
    for (int t = 1; t <= 3; ++t) (*this)["RESULTADO_" + std::to_string(t)].dica = "Placar das Rodadas";
    // The score reads 0 to 0 before the first hand is counted.
    for (const char* pontos : {"PONTOS_JOG", "PONTOS_COM", "PONTOS_MESA"}) (*this)[pontos].texto = "0";
    (*this)["TfCONTADOR"].texto = "Contador de Regras";
    (*this)["img_PERSONALIDADE"].dica = "Usando Personalidade dos Jogadores";
    for (const char* numero : {"NUMERO", "Total", "Maximo"}) (*this)[numero].texto = "000000";
}

Controle& ModeloMesa::operator[](std::string_view nome) {
    auto it = controles_.find(nome);
    if (it == controles_.end()) throw std::out_of_range("controle desconhecido: " + std::string(nome));
    return it->second;
}

const Controle& ModeloMesa::operator[](std::string_view nome) const {
    auto it = controles_.find(nome);
    if (it == controles_.end()) throw std::out_of_range("controle desconhecido: " + std::string(nome));
    return it->second;
}

bool ModeloMesa::existe(std::string_view nome) const { return controles_.find(nome) != controles_.end(); }

void ModeloMesa::paraCada(const std::function<void(const std::string&, const Controle&)>& visita) const {
    for (const auto& [nome, controle] : controles_) visita(nome, controle);
}

}  // namespace pelmar
