#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "brain/FormatoRegra.h"
#include "brain/Regra.h"

namespace pelmar {

class Cerebro;
class Inteligencia;
class ContadorRegras;
class DobraNaLeitura;

// Reading and writing brain files in the game's folder. Every operation that fails tells the
// user which file through the error box, logs it, and returns false; the table keeps what it had.
class ArquivosCerebro {
public:
    explicit ArquivosCerebro(Inteligencia& ia) : ia_(ia) {}

    // The playing brain: the fixed rules, then the learned ones.
    bool LE_REGRAS();
    // Appends the file's rules to the table; a missing file is created with its header.
    bool LE_CEREBRO(std::string_view arquivo);
    // Reads the files in order into a table of their own, then puts it in the playing brain's
    // place. A file that cannot be read stops the load and the playing brain stays as it was.
    // `aposCada` is told, after each file, its place in the list and the rules read so far.
    bool leEmTabelaNova(const std::vector<std::string>& arquivos,
                        const std::function<void(std::size_t, int)>& aposCada = {});
    // The same, folding each rule into an equal one already read (see DobraNaLeitura).
    bool leDobrando(std::string_view arquivo, DobraNaLeitura& dobra);
    LinhaRegra::Tipo LE_LINHA_REGRA(std::string_view linha);
    bool GRAVA_REGRA(const Regra& regra, std::string_view arquivo);
    bool INICIA_ARQUIVO_REGRAS(std::string_view arquivo);
    bool SALVA_REGRAS(std::string_view arquivo);
    bool SALVA_CEREBRO();
    // Writes the given rules (0-based table indices) in that order under a fresh header.
    bool gravaRegras(std::string_view arquivo, const int* indices, std::size_t quantidade);

    // Told of each note the history gets (a malformed line, rules past the limit), without the
    // log's prefix; the command-line tool prints them.
    std::function<void(const std::string&)> aoAvisar;

    // Rule lines of the last reading that did not fit in the table, and malformed ones skipped.
    int ignoradasPeloLimite = 0;
    int malformadas = 0;
    // What the last reading consumed: its size in bytes and their FNV-1a hash.
    std::uintmax_t bytesLidos = 0;
    std::uint64_t resumoLido = 0;

    std::filesystem::path caminho(std::string_view arquivo) const;
    ContadorRegras contador();
    void relataErro(const std::string& mensagem);

private:
    bool leArquivo(std::string_view arquivo, const std::function<void(std::string_view)>& cadaLinha);
    void criaArquivoNovo(const std::filesystem::path& caminho);
    void notaMalformada(const std::string& motivo);
    void avisa(const std::string& nota);

    // The table being read: the playing brain, or the one a load fills before replacing it.
    Cerebro& tabela();

    Inteligencia& ia_;
    Cerebro* tabelaNova_ = nullptr;
    std::string arquivoLido_;
    int linhaLida_ = 0;
};

}  // namespace pelmar
