#include "base/Maiusculas.h"

namespace pelmar {

std::string maiusculas(std::string_view utf8) {
    std::string saida(utf8);
    for (std::size_t i = 0; i < saida.size(); ++i) {
        const auto c = static_cast<unsigned char>(saida[i]);
        if (c >= 'a' && c <= 'z') {
            saida[i] = static_cast<char>(c - 32);
            continue;
        }
        if (i + 1 >= saida.size()) break;
        const auto d = static_cast<unsigned char>(saida[i + 1]);
        if (c == 0xC3 && d >= 0xA0 && d <= 0xBE && d != 0xB7) {  // à..þ except ÷
            saida[i + 1] = static_cast<char>(d - 0x20);
            ++i;
        } else if (c == 0xC3 && d == 0xBF) {  // ÿ becomes Ÿ, U+0178
            saida[i] = static_cast<char>(0xC5);
            saida[i + 1] = static_cast<char>(0xB8);
            ++i;
        } else if (c == 0xC5 && (d == 0x93 || d == 0xA1 || d == 0xBE)) {  // œ š ž
            saida[i + 1] = static_cast<char>(d - 1);
            ++i;
        }
    }
    return saida;
}

}  // namespace pelmar
