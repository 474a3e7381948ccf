#include "app/LinhaDeComando.h"

#include <array>
#include <string_view>

#include "base/Inteiros.h"

namespace pelmar {

const char* const AJUDA_DA_LINHA_DE_COMANDO =
    "Uso: pelmar [opções]\n"
    "  --pasta DIR      pasta de trabalho (padrão: $PELMAR_PASTA, $XDG_DATA_HOME/pelmar ou ~/.local/share/pelmar)\n"
    "  --demo           a mesa joga também por você (Modo DEMO)\n"
    "  --rapido         sem pausas e sem sons (Rápido)\n"
    "  --semente N      sorteios repetíveis\n"
    "  --mede-inicio    mostra quanto tempo a mesa levou para ficar pronta e sai\n"
    "  --version        mostra a versão e sai\n"
    "  --help           esta ajuda\n";

namespace {

// The options every Qt application understands, with one dash or two.
constexpr std::array<std::string_view, 12> OPCOES_DO_QT_COM_VALOR = {
    "platform", "platformpluginpath", "platformtheme", "plugin",     "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "session",      "style",          "stylesheet", "display",         "geometry"};
constexpr std::array<std::string_view, 6> OPCOES_DO_QT_SEM_VALOR = {"reverse", "widgetcount", "nograb",
                                                                    "dograb",  "sync",        "qmljsdebugger"};

template <std::size_t N>
bool contem(const std::array<std::string_view, N>& nomes, std::string_view nome) {
    for (std::string_view n : nomes)
        if (n == nome) return true;
    return false;
}

// The name of a Qt option without its dashes and any "=value", or empty when it is not one.
std::string_view nomeDeOpcaoDoQt(std::string_view a) {
    if (a.size() < 2 || a[0] != '-') return {};
    a.remove_prefix(a[1] == '-' ? 2 : 1);
    return a.substr(0, a.find('='));
}

}  // namespace

LinhaDeComando leLinhaDeComando(const std::vector<std::string>& argumentos) {
    LinhaDeComando linha;
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& a = argumentos[i];
        auto valor = [&]() -> const std::string* {
            if (i + 1 >= argumentos.size()) {
                linha.erro = "falta o valor de " + a;
                return nullptr;
            }
            return &argumentos[++i];
        };
        const std::string_view doQt = nomeDeOpcaoDoQt(a);
        if (a == "--demo") {
            linha.demo = true;
        } else if (a == "--rapido" || a == "--rápido") {
            linha.rapido = true;
        } else if (a == "--mede-inicio") {
            linha.medeInicio = true;
        } else if (a == "--help" || a == "-h") {
            linha.ajuda = true;
        } else if (a == "--version") {
            linha.versao = true;
        } else if (a == "--pasta") {
            const std::string* v = valor();
            if (!v) return linha;
            if (v->empty()) {
                linha.erro = "--pasta precisa de uma pasta";
                return linha;
            }
            linha.pasta = *v;
        } else if (a == "--semente") {
            const std::string* v = valor();
            if (!v) return linha;
            const std::optional<std::uint64_t> n = inteiroDe<std::uint64_t>(*v);
            if (!n) {
                linha.erro = "semente inválida: " + *v;
                return linha;
            }
            linha.semente = *n;
        } else if (contem(OPCOES_DO_QT_COM_VALOR, doQt)) {
            linha.opcoesDoQt.push_back(a);
            // "-style=fusion" carries its value.
            if (a.find('=') != std::string::npos) continue;
            const std::string* v = valor();
            if (!v) return linha;
            linha.opcoesDoQt.push_back(*v);
        } else if (contem(OPCOES_DO_QT_SEM_VALOR, doQt)) {
            linha.opcoesDoQt.push_back(a);
        } else {
            linha.erro = "opção desconhecida: " + a;
            return linha;
        }
    }
    return linha;
}

}  // namespace pelmar
