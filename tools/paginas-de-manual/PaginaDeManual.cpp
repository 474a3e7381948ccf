#include "PaginaDeManual.h"

#include <algorithm>
#include <sstream>

#include "base/Maiusculas.h"

namespace pelmar::manual {
namespace {

struct Item {
    std::string termo;
    std::string texto;
};

struct Secao {
    std::string titulo;
    std::vector<Item> itens;
};

struct Ajuda {
    std::string sinopse;
    std::vector<std::string> descricao;  // paragraphs
    std::vector<Secao> secoes;
    std::vector<std::string> notas;  // paragraphs after the first section
};

std::vector<std::string> linhasDe(std::string_view texto) {
    std::vector<std::string> linhas;
    std::istringstream in{std::string(texto)};
    for (std::string l; std::getline(in, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        linhas.push_back(l);
    }
    return linhas;
}

std::size_t recuo(const std::string& l) { return l.find_first_not_of(' '); }

// Roff reads a backslash as an escape and a leading dot or quote as a request.
std::string escapa(std::string_view texto) {
    std::string s;
    for (char c : texto) {
        if (c == '\\') s += "\\e";
        else s += c;
    }
    if (!s.empty() && (s[0] == '.' || s[0] == '\'')) s.insert(0, "\\&");
    return s;
}

// In option names and commands a hyphen is a minus sign the reader types.
std::string escapaTermo(std::string_view termo) {
    std::string s;
    for (char c : escapa(termo)) {
        if (c == '-') s += "\\-";
        else s += c;
    }
    return s;
}

// "  --pasta PASTA   text" -> term and text; the term ends at the first run of two spaces.
bool separaItem(const std::string& linha, Item& item) {
    if (recuo(linha) != 2) return false;
    const std::size_t fim = linha.find("  ", 2);
    if (fim == std::string::npos) {
        item = {linha.substr(2), {}};
        return true;
    }
    const std::size_t texto = linha.find_first_not_of(' ', fim);
    item = {linha.substr(2, fim - 2), texto == std::string::npos ? std::string() : linha.substr(texto)};
    return true;
}

bool ehTitulo(const std::string& linha) {
    return !linha.empty() && linha[0] != ' ' && linha.back() == ':' && linha.size() < 40 &&
           linha.find(' ') == std::string::npos;
}

Ajuda le(std::string_view texto) {
    Ajuda a;
    std::string paragrafo;
    bool depoisDeSecao = false;
    auto fechaParagrafo = [&] {
        if (paragrafo.empty()) return;
        (depoisDeSecao ? a.notas : a.descricao).push_back(paragrafo);
        paragrafo.clear();
    };
    auto secaoAtual = [&]() -> Secao& {
        if (a.secoes.empty()) a.secoes.push_back({"Opções", {}});
        depoisDeSecao = true;
        return a.secoes.back();
    };
    for (const std::string& linha : linhasDe(texto)) {
        const std::size_t r = recuo(linha);
        if (r == std::string::npos) {
            fechaParagrafo();
            continue;
        }
        if (a.sinopse.empty() && linha.rfind("Uso: ", 0) == 0) {
            a.sinopse = linha.substr(5);
            continue;
        }
        if (ehTitulo(linha)) {
            fechaParagrafo();
            a.secoes.push_back({linha.substr(0, linha.size() - 1), {}});
            depoisDeSecao = true;
            continue;
        }
        Item item;
        if (r > 2 && !a.secoes.empty() && !a.secoes.back().itens.empty()) {
            std::string& anterior = a.secoes.back().itens.back().texto;
            anterior += (anterior.empty() ? "" : " ") + linha.substr(r);
            continue;
        }
        if (separaItem(linha, item)) {
            fechaParagrafo();
            secaoAtual().itens.push_back(item);
            continue;
        }
        paragrafo += (paragrafo.empty() ? "" : " ") + linha.substr(r);
    }
    fechaParagrafo();
    return a;
}

std::string maiusculasAscii(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

void cabecalho(std::ostringstream& out, const DadosDaPagina& d, std::string_view manualDaSecao) {
    out << ".TH " << maiusculasAscii(d.programa) << ' ' << d.secao << " \"" << d.data << "\" \"" << d.versao
        << "\" \"" << manualDaSecao << "\"\n";
}

void sinopse(std::ostringstream& out, const Ajuda& a, const DadosDaPagina& d, std::string_view titulo) {
    out << ".SH " << titulo << '\n';
    std::string resto = a.sinopse;
    if (resto.rfind(d.programa, 0) == 0) resto = resto.substr(d.programa.size());
    while (!resto.empty() && resto[0] == ' ') resto.erase(0, 1);
    out << ".B " << escapaTermo(d.programa) << '\n';
    if (!resto.empty()) out << escapaTermo(resto) << '\n';
}

void vejaTambem(std::ostringstream& out, const DadosDaPagina& d, std::string_view titulo) {
    if (d.vejaTambem.empty()) return;
    out << ".SH " << titulo << '\n';
    for (std::size_t i = 0; i < d.vejaTambem.size(); ++i) {
        const std::string& ref = d.vejaTambem[i];
        const std::size_t abre = ref.find('(');
        out << ".BR " << escapaTermo(ref.substr(0, abre)) << ' ' << ref.substr(abre == std::string::npos ? ref.size() : abre)
            << (i + 1 < d.vejaTambem.size() ? " ," : "") << '\n';
    }
}

}  // namespace

std::string paginaEmPortugues(std::string_view ajuda, const DadosDaPagina& dados) {
    const Ajuda a = le(ajuda);
    std::ostringstream out;
    cabecalho(out, dados, dados.secao == 6 ? "Jogos" : "Comandos do usuário");
    out << ".SH NOME\n" << escapaTermo(dados.programa) << " \\- " << escapa(dados.resumo) << '\n';
    sinopse(out, a, dados, "SINOPSE");
    if (!a.descricao.empty()) {
        out << ".SH DESCRIÇÃO\n";
        for (std::size_t i = 0; i < a.descricao.size(); ++i) out << (i ? ".PP\n" : "") << escapa(a.descricao[i]) << '\n';
    }
    for (const Secao& s : a.secoes) {
        out << ".SH " << maiusculas(s.titulo) << '\n';
        for (const Item& item : s.itens) out << ".TP\n.B " << escapaTermo(item.termo) << '\n' << escapa(item.texto) << '\n';
    }
    if (!a.notas.empty()) {
        out << ".SH OBSERVAÇÕES\n";
        for (std::size_t i = 0; i < a.notas.size(); ++i) out << (i ? ".PP\n" : "") << escapa(a.notas[i]) << '\n';
    }
    vejaTambem(out, dados, "VEJA TAMBÉM");
    return out.str();
}

std::string paginaEmIngles(std::string_view ajuda, const DadosDaPagina& dados, std::string_view descricao) {
    const Ajuda a = le(ajuda);
    std::ostringstream out;
    cabecalho(out, dados, dados.secao == 6 ? "Games" : "User Commands");
    out << ".SH NAME\n" << escapaTermo(dados.programa) << " \\- " << escapa(dados.resumo) << '\n';
    sinopse(out, a, dados, "SYNOPSIS");
    out << ".SH DESCRIPTION\n";
    bool primeiro = true;
    for (const std::string& p : le(descricao).descricao) {
        out << (primeiro ? "" : ".PP\n") << escapa(p) << '\n';
        primeiro = false;
    }
    out << (primeiro ? "" : ".PP\n") << "The program speaks Brazilian Portuguese. Its full manual page, options included, is\n"
        << "in Portuguese:\n.B man \\-L pt_BR " << escapaTermo(dados.programa) << "\n";
    vejaTambem(out, dados, "SEE ALSO");
    return out.str();
}

}  // namespace pelmar::manual
