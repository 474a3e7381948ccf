#include "pelmar-torneio/Trabalhadores.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

extern char** environ;

namespace pelmar {

namespace {

struct Processo {
    pid_t pid = -1;
    int cano = -1;  // the read end of its standard output
    std::string pendente;
    bool terminou = false;  // its report ended with the closing line
    bool aberto = true;
};

// The worker's process, or the error that kept it from starting.
std::variant<Processo, int> inicia(const std::string& programa, const Tarefa& tarefa) {
    std::vector<std::string> args = argumentosDoTrabalhador(tarefa);
    args.insert(args.begin(), programa);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    int cano[2];
    if (pipe2(cano, O_CLOEXEC) != 0) return errno;
    posix_spawn_file_actions_t acoes;
    posix_spawn_file_actions_init(&acoes);
    posix_spawn_file_actions_adddup2(&acoes, cano[1], STDOUT_FILENO);
    Processo p;
    const int falhou = posix_spawn(&p.pid, programa.c_str(), &acoes, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acoes);
    close(cano[1]);
    if (falhou != 0) {
        close(cano[0]);
        return falhou;
    }
    p.cano = cano[0];
    return p;
}

}  // namespace

std::variant<ResultadosDoTorneio, std::string> rodaTrabalhadores(const std::string& programa,
                                                                 const std::vector<Tarefa>& tarefas,
                                                                 const std::function<void(long long)>& aoChegar) {
    ResultadosDoTorneio resultados;
    if (tarefas.empty()) return resultados;
    const std::vector<int>& niveis = tarefas.front().niveis;
    const long long partidas = tarefas.front().partidas;
    resultados.porNivel.assign(niveis.size(), std::vector<ResultadoDaPartida>(static_cast<std::size_t>(partidas)));
    std::vector<std::vector<bool>> chegou(niveis.size(), std::vector<bool>(static_cast<std::size_t>(partidas)));

    std::vector<Processo> processos;
    std::string falha;
    for (const Tarefa& t : tarefas) {
        auto p = inicia(programa, t);
        if (const int* erro = std::get_if<int>(&p)) {
            falha = "não foi possível iniciar o trabalhador " + programa + ": " + std::strerror(*erro);
            break;
        }
        processos.push_back(std::move(std::get<Processo>(p)));
    }

    long long feitas = 0;
    // A line from worker k: one of its matches, never seen before, or the closing line.
    auto recebe = [&](std::size_t k, const std::string& linha) -> bool {
        Processo& p = processos[k];
        if (p.terminou) return false;
        if (linha == FIM_DO_TRABALHADOR) {
            p.terminou = true;
            return true;
        }
        const auto r = resultadoDaLinha(linha);
        if (!r) return false;
        const auto nivel = std::find(niveis.begin(), niveis.end(), r->nivel);
        if (nivel == niveis.end() || r->indice >= partidas || r->indice % tarefas[k].de != tarefas[k].parte)
            return false;
        const auto n = static_cast<std::size_t>(nivel - niveis.begin());
        const auto i = static_cast<std::size_t>(r->indice);
        if (chegou[n][i]) return false;
        chegou[n][i] = true;
        resultados.porNivel[n][i] = *r;
        aoChegar(++feitas);
        return true;
    };

    while (falha.empty()) {
        std::vector<pollfd> esperando;
        std::vector<std::size_t> quem;
        for (std::size_t k = 0; k < processos.size(); ++k)
            if (processos[k].aberto) {
                esperando.push_back({processos[k].cano, POLLIN, 0});
                quem.push_back(k);
            }
        if (esperando.empty()) break;
        if (poll(esperando.data(), esperando.size(), -1) < 0) {
            if (errno == EINTR) continue;
            falha = std::string("falha ao esperar os trabalhadores: ") + std::strerror(errno);
            break;
        }
        for (std::size_t j = 0; j < esperando.size() && falha.empty(); ++j) {
            if (esperando[j].revents == 0) continue;
            Processo& p = processos[quem[j]];
            char bloco[65536];
            const ssize_t lidos = read(p.cano, bloco, sizeof bloco);
            if (lidos < 0 && errno == EINTR) continue;
            if (lidos <= 0) {
                close(p.cano);
                p.aberto = false;
                if (!p.pendente.empty()) falha = "o trabalhador " + std::to_string(quem[j]) + " parou no meio de uma linha";
                continue;
            }
            p.pendente.append(bloco, static_cast<std::size_t>(lidos));
            for (std::size_t fim; falha.empty() && (fim = p.pendente.find('\n')) != std::string::npos;) {
                const std::string linha = p.pendente.substr(0, fim);
                p.pendente.erase(0, fim + 1);
                if (!recebe(quem[j], linha))
                    falha = "o trabalhador " + std::to_string(quem[j]) + " mandou uma linha inesperada: " + linha;
            }
        }
    }

    for (std::size_t k = 0; k < processos.size(); ++k) {
        Processo& p = processos[k];
        if (p.aberto) {
            // Something already went wrong: the others' work is of no use.
            kill(p.pid, SIGTERM);
            close(p.cano);
        }
        int status = 0;
        rusage uso{};
        while (wait4(p.pid, &status, 0, &uso) < 0 && errno == EINTR) {
        }
        resultados.picoMbPorTrabalhador.push_back(static_cast<double>(uso.ru_maxrss) / 1024.0);
        if (!falha.empty()) continue;
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            falha = "o trabalhador " + std::to_string(k) + " falhou (" +
                    (WIFEXITED(status) ? "saída " + std::to_string(WEXITSTATUS(status))
                                       : "sinal " + std::to_string(WTERMSIG(status))) +
                    ")";
        else if (!p.terminou)
            falha = "o trabalhador " + std::to_string(k) + " terminou sem concluir sua parte";
    }
    if (!falha.empty()) return falha;
    // Every worker closed its report; each match must have come from one of them.
    if (feitas != static_cast<long long>(niveis.size()) * partidas) return std::string("faltaram partidas no relatório dos trabalhadores");
    return resultados;
}

}  // namespace pelmar
