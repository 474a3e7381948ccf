#include "records/RegistroPreferencias.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "suporte/PastaTemporaria.h"

namespace pelmar {
namespace {

constexpr const char* ARQUIVO = "PREFERENCIAS_6.2.1.PLM";

void poeInteiro(std::string& bytes, std::size_t pos, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (std::size_t i = 0; i < 4; ++i) bytes[pos + i] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

void poeTexto(std::string& bytes, std::size_t pos, const std::string& texto) {
    bytes[pos] = static_cast<char>(texto.size());
    bytes.replace(pos + 1, texto.size(), texto);
}

// The record a first start writes, built from the published layout, not from the code under test.
std::string registroPadrao() {
    std::string r(2477, '\0');
    for (std::size_t pos : {2, 3, 4, 8, 9, 2349}) r[pos] = 1;
    poeInteiro(r, 21, 1);
    poeInteiro(r, 25, 1);
    poeTexto(r, 29, "MARRECO");
    for (std::size_t pos : {285, 541, 797, 1053}) poeTexto(r, pos, "Original");
    for (int i = 0; i < 4; ++i) {
        poeTexto(r, 1309 + 256 * static_cast<std::size_t>(i), "Jogador-0" + std::to_string(i + 1));
        poeTexto(r, 2350 + 31 * static_cast<std::size_t>(i), "JOGADOR-0" + std::to_string(i + 1));
    }
    poeInteiro(r, 2333, 5);
    poeInteiro(r, 2337, 5);
    poeInteiro(r, 2341, 20);
    poeInteiro(r, 2345, 5);
    return r;
}

void esperaPadrao(const Preferencias& p) {
    const Preferencias padrao;
    EXPECT_EQ(p.SOM, padrao.SOM);
    EXPECT_EQ(p.J3_JOGA_SOZINHO, padrao.J3_JOGA_SOZINHO);
    EXPECT_EQ(p.CEREBRO_USA_REGRAS, padrao.CEREBRO_USA_REGRAS);
    EXPECT_EQ(p.NOME_MESA, padrao.NOME_MESA);
    EXPECT_EQ(p.PERSONAGEM[4], padrao.PERSONAGEM[4]);
    EXPECT_EQ(p.PASSOS, padrao.PASSOS);
    EXPECT_EQ(p.DESAPARECER, padrao.DESAPARECER);
    EXPECT_EQ(p.DIFICULDADE, padrao.DIFICULDADE);
    EXPECT_EQ(p.NOME_JOGADOR[1], padrao.NOME_JOGADOR[1]);
}

class RegistroPreferencias : public teste::PastaTemporaria {
protected:
    std::filesystem::path arquivo() const { return pasta / ARQUIVO; }
    std::vector<std::string> carrega(Preferencias& p) const { return CARREGA_PREFERENCIAS(p, PastaTrabalho(pasta)); }
};

TEST_F(RegistroPreferencias, PrimeiraPartidaCriaOArquivoComOsPadroesByteAByte) {
    Preferencias p;
    p.DIFICULDADE = 9;  // whatever was in memory gives way to the defaults
    EXPECT_TRUE(carrega(p).empty());
    const std::string gravado = leBytes(arquivo());
    const std::string esperado = registroPadrao();
    ASSERT_EQ(gravado.size(), 2477u);
    for (std::size_t i = 0; i < esperado.size(); ++i)
        EXPECT_EQ(gravado[i], esperado[i]) << "byte " << i;
    esperaPadrao(p);
    EXPECT_EQ(bytesDasPreferencias(Preferencias{}), std::vector<std::uint8_t>(esperado.begin(), esperado.end()));
}

TEST_F(RegistroPreferencias, CadaCampoVaiEVoltaNaSuaPosicao) {
    Preferencias p;
    p.SOM = false;
    p.FALAS = false;
    p.J3_JOGA_SOZINHO = false;
    p.ENCOBRIR_QUALQUER_RODADA = true;
    p.ROUBA_BARALHO = true;
    p.CEREBRO_APRENDE_REGRAS = false;
    p.CEREBRO_USA_REGRAS = false;
    p.BARALHO_LIMPO = true;
    p.JANELA_ESQUERDA = -1200;
    p.JANELA_TOPO = 70000;
    p.NOME_MESA = "Verde Feltro";
    p.NOME_VERSO = "Azul";
    p.NOME_BARALHO = "Português ç";
    for (int i = 1; i <= 4; ++i) {
        p.PERSONAGEM[i] = "Personagem " + std::to_string(10 * i);
        p.NOME_JOGADOR[i] = "Zé " + std::to_string(i);
    }
    p.PASSOS = 20;
    p.TEMPO = 0;
    p.DESAPARECER = 200;
    p.DIFICULDADE = 0;
    p.USA_PERSONALIDADE = false;
    p.VOCE_FIXO = true;
    p.PARCEIRO_FIXO = true;
    p.ADVERSARIOS_FIXOS = true;
    ASSERT_FALSE(SALVA_PREFERENCIAS(p, PastaTrabalho(pasta)));

    const std::string b = leBytes(arquivo());
    ASSERT_EQ(b.size(), 2477u);
    EXPECT_EQ(b[2], 0);
    EXPECT_EQ(b[6], 1);
    EXPECT_EQ(b[11], 1);
    EXPECT_EQ(b.substr(13, 4), std::string("\x50\xFB\xFF\xFF", 4));
    EXPECT_EQ(b.substr(541, 5), "\x04" "Azul");
    EXPECT_EQ(b.substr(797, 12), "\x0BPortugu\xEAs \xE7");  // Windows-1252 on disk
    EXPECT_EQ(b.substr(1309 + 3 * 256, 14), "\x0DPersonagem 40");
    EXPECT_EQ(b.substr(2333, 4), std::string("\x14\0\0\0", 4));
    EXPECT_EQ(b.substr(2350 + 31, 5), "\x04Z\xE9 2");
    EXPECT_EQ(b[2476], 1);

    Preferencias lida;
    EXPECT_TRUE(carrega(lida).empty());
    EXPECT_FALSE(lida.SOM);
    EXPECT_FALSE(lida.FALAS);
    EXPECT_FALSE(lida.J3_JOGA_SOZINHO);
    EXPECT_TRUE(lida.ENCOBRIR_QUALQUER_RODADA);
    EXPECT_TRUE(lida.ROUBA_BARALHO);
    EXPECT_FALSE(lida.CEREBRO_APRENDE_REGRAS);
    EXPECT_FALSE(lida.CEREBRO_USA_REGRAS);
    EXPECT_FALSE(lida.MODO_TRADICIONAL);
    EXPECT_TRUE(lida.BARALHO_LIMPO);
    EXPECT_EQ(lida.JANELA_ESQUERDA, -1200);
    EXPECT_EQ(lida.JANELA_TOPO, 70000);
    EXPECT_EQ(lida.NOME_MESA, "Verde Feltro");
    EXPECT_EQ(lida.NOME_VERSO, "Azul");
    EXPECT_EQ(lida.NOME_BARALHO, "Português ç");
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(lida.PERSONAGEM[i], p.PERSONAGEM[i]);
        EXPECT_EQ(lida.NOME_JOGADOR[i], p.NOME_JOGADOR[i]);
    }
    EXPECT_EQ(lida.PASSOS, 20);
    EXPECT_EQ(lida.TEMPO, 0);
    EXPECT_EQ(lida.DESAPARECER, 200);
    EXPECT_EQ(lida.DIFICULDADE, 0);
    EXPECT_FALSE(lida.USA_PERSONALIDADE);
    EXPECT_TRUE(lida.VOCE_FIXO);
    EXPECT_TRUE(lida.PARCEIRO_FIXO);
    EXPECT_TRUE(lida.ADVERSARIOS_FIXOS);
}

TEST_F(RegistroPreferencias, OQueOJogoNaoUsaVoltaAoArquivoComoVeio) {
    // Reserved fields and the bytes past each name's length, as another version may leave them.
    std::string original = registroPadrao();
    for (std::size_t pos : {0, 1, 12}) original[pos] = static_cast<char>(0xA0 + pos);
    poeInteiro(original, 21, -7);
    poeInteiro(original, 25, 123456);
    poeTexto(original, 29, "PATO");
    poeTexto(original, 1053, "Outro");
    for (std::size_t pos = 300; pos < 541; ++pos) original[pos] = static_cast<char>(pos * 7);
    for (std::size_t pos = 2361; pos < 2381; ++pos) original[pos] = 'x';
    gravaBytes(arquivo(), original);

    Preferencias p;
    EXPECT_TRUE(carrega(p).empty());
    ASSERT_FALSE(SALVA_PREFERENCIAS(p, PastaTrabalho(pasta)));
    EXPECT_EQ(leBytes(arquivo()), original);

    // A shorter name leaves the rest of its field as it was.
    p.NOME_JOGADOR[2] = "Ana";
    ASSERT_FALSE(SALVA_PREFERENCIAS(p, PastaTrabalho(pasta)));
    std::string esperado = original;
    esperado.replace(2381, 4, "\x03" "Ana");
    EXPECT_EQ(leBytes(arquivo()), esperado);
}

TEST_F(RegistroPreferencias, OJogadorUmNuncaComecaJogandoSozinho) {
    Preferencias demo;
    demo.J1_JOGA_SOZINHO = true;
    ASSERT_FALSE(SALVA_PREFERENCIAS(demo, PastaTrabalho(pasta)));
    EXPECT_EQ(leBytes(arquivo())[5], 1);
    Preferencias lida;
    carrega(lida);
    EXPECT_FALSE(lida.J1_JOGA_SOZINHO);
}

// A number the game cannot use keeps its default; the bounds themselves are read as stored.
TEST_F(RegistroPreferencias, NumerosForaDaFaixaFicamComOPadraoENotados) {
    struct Caso {
        std::size_t pos;
        std::int32_t gravado;
        std::function<int(const Preferencias&)> campo;
        int esperado;
        const char* nome;  // empty when no note is due
    };
    auto passos = [](const Preferencias& p) { return p.PASSOS; };
    auto tempo = [](const Preferencias& p) { return p.TEMPO; };
    auto desaparecer = [](const Preferencias& p) { return p.DESAPARECER; };
    auto dificuldade = [](const Preferencias& p) { return p.DIFICULDADE; };
    auto esquerda = [](const Preferencias& p) { return p.JANELA_ESQUERDA; };
    auto topo = [](const Preferencias& p) { return p.JANELA_TOPO; };
    const std::vector<Caso> casos = {
        {2333, 0, passos, 5, "PASSOS"},          {2333, 21, passos, 5, "PASSOS"},
        {2333, INT_MIN, passos, 5, "PASSOS"},    {2333, 1, passos, 1, ""},
        {2333, 20, passos, 20, ""},
        {2337, -1, tempo, 5, "TEMPO"},           {2337, 21, tempo, 5, "TEMPO"},
        {2337, 20, tempo, 20, ""},               {2337, 0, tempo, 0, ""},
        {2341, -30, desaparecer, 20, "DESAPARECER"}, {2341, 201, desaparecer, 20, "DESAPARECER"},
        {2341, 0, desaparecer, 0, ""},           {2341, 200, desaparecer, 200, ""},
        {2345, -1, dificuldade, 5, "DIFICULDADE"}, {2345, 11, dificuldade, 5, "DIFICULDADE"},
        {2345, INT_MAX, dificuldade, 5, "DIFICULDADE"}, {2345, 10, dificuldade, 10, ""},
        {2345, 0, dificuldade, 0, ""},
        {13, INT_MAX, esquerda, 0, "JANELA_ESQUERDA"}, {13, 100001, esquerda, 0, "JANELA_ESQUERDA"},
        {13, -100001, esquerda, 0, "JANELA_ESQUERDA"}, {13, 100000, esquerda, 100000, ""},
        {13, -100000, esquerda, -100000, ""},
        {17, INT_MIN, topo, 0, "JANELA_TOPO"},   {17, 2147483600, topo, 0, "JANELA_TOPO"},
        {17, -1200, topo, -1200, ""},
    };
    for (const Caso& c : casos) {
        std::string bytes = registroPadrao();
        poeInteiro(bytes, c.pos, c.gravado);
        gravaBytes(arquivo(), bytes);
        Preferencias p;
        const std::vector<std::string> notas = carrega(p);
        EXPECT_EQ(c.campo(p), c.esperado) << c.pos << " = " << c.gravado;
        if (std::string(c.nome).empty()) {
            EXPECT_TRUE(notas.empty()) << c.pos << " = " << c.gravado;
        } else {
            ASSERT_EQ(notas.size(), 1u) << c.pos << " = " << c.gravado;
            EXPECT_NE(notas[0].find(ARQUIVO), std::string::npos) << notas[0];
            EXPECT_NE(notas[0].find(c.nome), std::string::npos) << notas[0];
            EXPECT_NE(notas[0].find(std::to_string(c.gravado)), std::string::npos) << notas[0];
            EXPECT_NE(notas[0].find("padrão " + std::to_string(c.esperado)), std::string::npos) << notas[0];
        }
    }
}

TEST_F(RegistroPreferencias, NomeLongoDemaisNaoInvadeOCampoSeguinte) {
    std::string bytes = registroPadrao();
    const std::size_t nome2 = 2350 + 31;
    bytes[nome2] = static_cast<char>(200);
    bytes.replace(nome2 + 1, 30, std::string(30, 'B'));  // the rest runs into NOME_JOGADOR[3]
    gravaBytes(arquivo(), bytes);
    Preferencias p;
    const std::vector<std::string> notas = carrega(p);
    EXPECT_EQ(p.NOME_JOGADOR[2], std::string(30, 'B'));
    EXPECT_EQ(p.NOME_JOGADOR[3], "JOGADOR-03");
    ASSERT_EQ(notas.size(), 1u);
    EXPECT_NE(notas[0].find("NOME_JOGADOR[2]"), std::string::npos) << notas[0];
}

TEST_F(RegistroPreferencias, OsDoisModosLigadosFicamComOTradicional) {
    std::string bytes = registroPadrao();
    bytes[10] = 1;
    bytes[11] = 1;
    gravaBytes(arquivo(), bytes);
    Preferencias p;
    EXPECT_EQ(carrega(p).size(), 1u);
    EXPECT_TRUE(p.MODO_TRADICIONAL);
    EXPECT_FALSE(p.BARALHO_LIMPO);
}

TEST_F(RegistroPreferencias, ArquivoCurtoLeOQueTemSobreOsPadroesEFicaComoEstava) {
    // A full record where every field differs from its default.
    Preferencias diferente;
    diferente.SOM = false;
    diferente.MODO_TRADICIONAL = true;
    diferente.PASSOS = 9;
    diferente.NOME_JOGADOR[1] = "Ana";
    diferente.VOCE_FIXO = true;
    const std::vector<std::uint8_t> cheio = bytesDasPreferencias(diferente);
    struct Caso {
        std::size_t tamanho;
        bool som, tradicional;
        int passos;
        const char* nome1;
        bool voceFixo;
    };
    const std::vector<Caso> casos = {
        {0, true, false, 5, "JOGADOR-01", false},
        {3, false, false, 5, "JOGADOR-01", false},
        {2335, false, true, 5, "JOGADOR-01", false},   // PASSOS cut in half keeps its default
        {2337, false, true, 9, "JOGADOR-01", false},
        {2353, false, true, 9, "JOGADOR-01", false},   // "Ana" needs 2354 bytes
        {2354, false, true, 9, "Ana", false},
        {2474, false, true, 9, "Ana", false},
        {2476, false, true, 9, "Ana", true},
    };
    for (const Caso& c : casos) {
        const std::string curto(cheio.begin(), cheio.begin() + static_cast<std::ptrdiff_t>(c.tamanho));
        gravaBytes(arquivo(), curto);
        Preferencias p;
        const std::vector<std::string> notas = carrega(p);
        EXPECT_EQ(p.SOM, c.som) << c.tamanho;
        EXPECT_EQ(p.MODO_TRADICIONAL, c.tradicional) << c.tamanho;
        EXPECT_EQ(p.PASSOS, c.passos) << c.tamanho;
        EXPECT_EQ(p.NOME_JOGADOR[1], c.nome1) << c.tamanho;
        EXPECT_EQ(p.VOCE_FIXO, c.voceFixo) << c.tamanho;
        ASSERT_EQ(notas.size(), 1u) << c.tamanho;
        EXPECT_NE(notas[0].find(std::to_string(c.tamanho) + " bytes"), std::string::npos) << notas[0];
        EXPECT_EQ(leBytes(arquivo()), curto) << "a load must not rewrite the file";
    }
}

TEST_F(RegistroPreferencias, ArquivoLongoLeOPrimeiroRegistro) {
    Preferencias diferente;
    diferente.DIFICULDADE = 8;
    const std::vector<std::uint8_t> registro = bytesDasPreferencias(diferente);
    gravaBytes(arquivo(), std::string(registro.begin(), registro.end()) + "sobra");
    Preferencias p;
    const std::vector<std::string> notas = carrega(p);
    EXPECT_EQ(p.DIFICULDADE, 8);
    ASSERT_EQ(notas.size(), 1u);
    EXPECT_NE(notas[0].find("2482 bytes"), std::string::npos) << notas[0];
}

TEST_F(RegistroPreferencias, PastaInexistenteDaOsPadroesEUmaMensagem) {
    const PastaTrabalho ausente(pasta / "nao-existe");
    Preferencias p;
    p.PASSOS = 17;
    const std::vector<std::string> notas = CARREGA_PREFERENCIAS(p, ausente);
    esperaPadrao(p);
    ASSERT_EQ(notas.size(), 1u);
    EXPECT_NE(notas[0].find("não existe"), std::string::npos) << notas[0];
    const auto erro = SALVA_PREFERENCIAS(p, ausente);
    ASSERT_TRUE(erro);
    EXPECT_NE(erro->find("não existe"), std::string::npos) << *erro;
    EXPECT_FALSE(std::filesystem::exists(pasta / "nao-existe"));
}

TEST_F(RegistroPreferencias, ArquivoIlegivelEGuardadoAParteEUmNovoECriado) {
    // A folder in the file's place cannot be read as a record; it and its contents are kept.
    std::filesystem::create_directory(arquivo());
    gravaBytes(arquivo() / "dentro.txt", "guardar");
    Preferencias p;
    const std::vector<std::string> notas = carrega(p);
    esperaPadrao(p);
    ASSERT_EQ(notas.size(), 1u);
    EXPECT_NE(notas[0].find(".ilegivel"), std::string::npos) << notas[0];
    EXPECT_EQ(leBytes(pasta / (std::string(ARQUIVO) + ".ilegivel") / "dentro.txt"), "guardar");
    EXPECT_EQ(leBytes(arquivo()), registroPadrao());
}

TEST_F(RegistroPreferencias, GravacaoQueFalhaDeixaOArquivoAnterior) {
    Preferencias p;
    p.DIFICULDADE = 3;
    ASSERT_FALSE(SALVA_PREFERENCIAS(p, PastaTrabalho(pasta)));
    const std::string anterior = leBytes(arquivo());
    std::filesystem::create_directory(pasta / (std::string(ARQUIVO) + ".tmp"));  // blocks the new copy
    p.DIFICULDADE = 7;
    const auto erro = SALVA_PREFERENCIAS(p, PastaTrabalho(pasta));
    ASSERT_TRUE(erro);
    EXPECT_NE(erro->find(ARQUIVO), std::string::npos) << *erro;
    EXPECT_EQ(leBytes(arquivo()), anterior);
}

TEST_F(RegistroPreferencias, GravacaoNaoDeixaRestos) {
    ASSERT_FALSE(SALVA_PREFERENCIAS(Preferencias{}, PastaTrabalho(pasta)));
    ASSERT_FALSE(SALVA_PREFERENCIAS(Preferencias{}, PastaTrabalho(pasta)));
    std::vector<std::string> nomes;
    for (const auto& entrada : std::filesystem::directory_iterator(pasta)) nomes.push_back(entrada.path().filename());
    EXPECT_EQ(nomes, std::vector<std::string>{ARQUIVO});
}

TEST_F(RegistroPreferencias, ArquivoComOutraCaixaEUsado) {
    Preferencias p;
    p.DIFICULDADE = 2;
    std::vector<std::uint8_t> bytes = bytesDasPreferencias(p);
    gravaBytes(pasta / "preferencias_6.2.1.plm", std::string(bytes.begin(), bytes.end()));
    Preferencias lida;
    carrega(lida);
    EXPECT_EQ(lida.DIFICULDADE, 2);
    EXPECT_FALSE(std::filesystem::exists(arquivo()));
}

}  // namespace
}  // namespace pelmar
