#include "app/LinhaDeComando.h"

#include "base/Inteiros.h"


namespace pelmar {

const char* const AJUDA_DA_LINHA_DE_COMANDO =
    "Uso: pelmar [opções]\n"
    "  --pasta DIR      pasta de trabalho (padrão: $PELMAR_PASTA, $XDG_DATA_HOME/pelmar ou ~/.local/share/pelmar)\n"
    "  --demo           a mesa joga também por você (Modo DEMO)\n"
    "  --rapido         sem pausas e sem sons (Rápido)\n"
    "  --semente N      sorteios repetíveis\n"
    "  --mede-inicio    mostra quanto tempo a mesa levou para ficar pronta e sai\n"
    "  --help           esta ajuda\n";

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
        if (a == "--demo") {
            linha.demo = true;
        } else if (a == "--rapido" || a == "--rápido") {
            linha.rapido = true;
        } else if (a == "--mede-inicio") {
            linha.medeInicio = true;
        } else if (a == "--help" || a == "-h") {
            linha.ajuda = true;
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
        } else {
            linha.erro = "opção desconhecida: " + a;
            return linha;
        }
    }
    return linha;
}

}  // namespace pelmar
