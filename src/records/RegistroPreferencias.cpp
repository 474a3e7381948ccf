#include "records/RegistroPreferencias.h"

#include <algorithm>
#include <utility>

#include "base/ArquivoBinario.h"
#include "base/CamposBinarios.h"

namespace pelmar {

namespace {

constexpr std::size_t CAMPO_TEXTO = 256;
constexpr std::size_t CAMPO_NOME = 31;
constexpr std::size_t MAXIMO_TEXTO = CAMPO_TEXTO - 1;
constexpr std::size_t MAXIMO_NOME = CAMPO_NOME - 1;
constexpr std::size_t PERSONAGENS = 1309;
constexpr std::size_t NOMES = 2350;
static_assert(PERSONAGENS + 4 * CAMPO_TEXTO == 2333);
static_assert(NOMES + 4 * CAMPO_NOME == 2474);

// No desktop is this many pixels away; a corner further out is not a place to open the window.
constexpr int POSICAO_MAXIMA_JANELA = 100000;

std::string indexado(std::string_view nome, int i) { return std::string(nome) + "[" + std::to_string(i) + "]"; }

// The one description of the layout, walked to read and to write. P is Preferencias or
// const Preferencias; V has logico, inteiro and texto for each kind of field.
template <class P, class V>
void percorreCampos(P& p, V& v) {
    v.logico(2, "SOM", p.SOM);
    v.logico(3, "FALAS", p.FALAS);
    v.logico(4, "J3_JOGA_SOZINHO", p.J3_JOGA_SOZINHO);
    v.logico(5, "J1_JOGA_SOZINHO", p.J1_JOGA_SOZINHO);
    v.logico(6, "ENCOBRIR_QUALQUER_RODADA", p.ENCOBRIR_QUALQUER_RODADA);
    v.logico(7, "ROUBA_BARALHO", p.ROUBA_BARALHO);
    v.logico(8, "CEREBRO_APRENDE_REGRAS", p.CEREBRO_APRENDE_REGRAS);
    v.logico(9, "CEREBRO_USA_REGRAS", p.CEREBRO_USA_REGRAS);
    v.logico(10, "MODO_TRADICIONAL", p.MODO_TRADICIONAL);
    v.logico(11, "BARALHO_LIMPO", p.BARALHO_LIMPO);
    v.inteiro(13, "JANELA_ESQUERDA", p.JANELA_ESQUERDA, -POSICAO_MAXIMA_JANELA, POSICAO_MAXIMA_JANELA);
    v.inteiro(17, "JANELA_TOPO", p.JANELA_TOPO, -POSICAO_MAXIMA_JANELA, POSICAO_MAXIMA_JANELA);
    v.texto(285, MAXIMO_TEXTO, "NOME_MESA", p.NOME_MESA);
    v.texto(541, MAXIMO_TEXTO, "NOME_VERSO", p.NOME_VERSO);
    v.texto(797, MAXIMO_TEXTO, "NOME_BARALHO", p.NOME_BARALHO);
    for (int i = 1; i <= 4; ++i)
        v.texto(PERSONAGENS + static_cast<std::size_t>(i - 1) * CAMPO_TEXTO, MAXIMO_TEXTO, indexado("PERSONAGEM", i),
                p.PERSONAGEM[i]);
    v.inteiro(2333, "PASSOS", p.PASSOS, 1, 20);
    v.inteiro(2337, "TEMPO", p.TEMPO, 0, 20);
    v.inteiro(2341, "DESAPARECER", p.DESAPARECER, 0, 200);
    v.inteiro(2345, "DIFICULDADE", p.DIFICULDADE, 0, 10);
    v.logico(2349, "USA_PERSONALIDADE", p.USA_PERSONALIDADE);
    for (int i = 1; i <= 4; ++i)
        v.texto(NOMES + static_cast<std::size_t>(i - 1) * CAMPO_NOME, MAXIMO_NOME, indexado("NOME_JOGADOR", i),
                p.NOME_JOGADOR[i]);
    v.logico(2474, "VOCE_FIXO", p.VOCE_FIXO);
    v.logico(2475, "PARCEIRO_FIXO", p.PARCEIRO_FIXO);
    v.logico(2476, "ADVERSARIOS_FIXOS", p.ADVERSARIOS_FIXOS);
}

class Leitor {
public:
    Leitor(std::span<const std::uint8_t> bytes, std::vector<std::string>& notas) : bytes_(bytes), notas_(notas) {}

    void logico(std::size_t pos, std::string_view, bool& campo) {
        if (presente(pos, 1)) campo = bytes_[pos] != 0;
    }

    // A number out of its range leaves the field at its default, which it holds until read.
    void inteiro(std::size_t pos, std::string_view nome, int& campo, int minimo, int maximo) {
        if (!presente(pos, 4)) return;
        const int lido = leInteiro32(bytes_, pos);
        if (lido >= minimo && lido <= maximo) {
            campo = lido;
            return;
        }
        notas_.push_back(std::string(nome) + " " + std::to_string(lido) + " fora de " + std::to_string(minimo) +
                         ".." + std::to_string(maximo) + "; usado o padrão " + std::to_string(campo) + ".");
    }

    void texto(std::size_t pos, std::size_t maximo, std::string_view nome, std::string& campo) {
        if (!presente(pos, 1)) return;
        std::size_t comprimento = bytes_[pos];
        if (comprimento > maximo) {
            notas_.push_back(std::string(nome) + " com " + std::to_string(comprimento) +
                             " caracteres; cortado em " + std::to_string(maximo) + ".");
            comprimento = maximo;
        }
        if (presente(pos, 1 + comprimento)) campo = leTextoCurto(bytes_, pos, comprimento);
    }

private:
    bool presente(std::size_t pos, std::size_t n) const { return pos + n <= bytes_.size(); }

    std::span<const std::uint8_t> bytes_;
    std::vector<std::string>& notas_;
};

class Escritor {
public:
    explicit Escritor(std::span<std::uint8_t> bytes) : bytes_(bytes) {}

    void logico(std::size_t pos, std::string_view, bool campo) { bytes_[pos] = campo ? 1 : 0; }
    void inteiro(std::size_t pos, std::string_view, int campo, int, int) { gravaInteiro32(bytes_, pos, campo); }
    void texto(std::size_t pos, std::size_t maximo, std::string_view, const std::string& campo) {
        gravaTextoCurto(bytes_, pos, maximo, campo);
    }

private:
    std::span<std::uint8_t> bytes_;
};

// A fresh record before the fields are written: the reserved fields hold their defaults, every
// other byte is zero.
std::vector<std::uint8_t> registroEmBranco() {
    std::vector<std::uint8_t> bytes(TAMANHO_PREFERENCIAS, 0);
    gravaInteiro32(bytes, 21, 1);
    gravaInteiro32(bytes, 25, 1);
    gravaTextoCurto(bytes, 29, MAXIMO_TEXTO, "MARRECO");
    gravaTextoCurto(bytes, 1053, MAXIMO_TEXTO, "Original");
    return bytes;
}

}  // namespace

std::vector<std::uint8_t> bytesDasPreferencias(const Preferencias& prefs) {
    std::vector<std::uint8_t> bytes =
        prefs.bytesLidos.size() == TAMANHO_PREFERENCIAS ? prefs.bytesLidos : registroEmBranco();
    Escritor escritor(bytes);
    percorreCampos(prefs, escritor);
    return bytes;
}

LeituraPreferencias preferenciasDosBytes(std::span<const std::uint8_t> bytes) {
    bytes = bytes.first(std::min(bytes.size(), TAMANHO_PREFERENCIAS));
    LeituraPreferencias leitura;
    Preferencias& p = leitura.prefs;
    Leitor leitor(bytes, leitura.notas);
    percorreCampos(p, leitor);
    // The traditional game's fixed manilhas include sevens and a four, which the clean deck lacks;
    // the parameters window shows this pair as the traditional game.
    if (p.MODO_TRADICIONAL && p.BARALHO_LIMPO) {
        p.BARALHO_LIMPO = false;
        leitura.notas.emplace_back("MODO_TRADICIONAL e BARALHO_LIMPO ligados juntos; usado o modo tradicional.");
    }
    p.bytesLidos = registroEmBranco();
    std::copy(bytes.begin(), bytes.end(), p.bytesLidos.begin());
    return leitura;
}

std::vector<std::string> CARREGA_PREFERENCIAS(Preferencias& prefs, const PastaTrabalho& pasta) {
    prefs = Preferencias{};
    CargaRegistro carga =
        carregaRegistro(pasta.resolve(ARQUIVO_PREFERENCIAS), TAMANHO_PREFERENCIAS, bytesDasPreferencias(prefs));
    std::vector<std::string> notas = std::move(carga.notas);
    if (carga.bytes) {
        LeituraPreferencias lidas = preferenciasDosBytes(*carga.bytes);
        prefs = std::move(lidas.prefs);
        for (const std::string& nota : lidas.notas) notas.push_back(std::string(ARQUIVO_PREFERENCIAS) + ": " + nota);
    }
    // Only demo mode plays the user's seat, and demo mode lasts one run; a record saved during a
    // demo must not start the next run without the user.
    prefs.J1_JOGA_SOZINHO = false;
    return notas;
}

std::optional<std::string> SALVA_PREFERENCIAS(const Preferencias& prefs, const PastaTrabalho& pasta) {
    return gravaRegistro(pasta.resolve(ARQUIVO_PREFERENCIAS), bytesDasPreferencias(prefs));
}

}  // namespace pelmar
