#pragma once

// Runs a program of the project as a child process, so its time and peak memory are its own.

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

extern char** environ;

namespace pelmar::bench {

struct Processo {
    int saida = -1;
    double segundos = 0;
    double picoMb = 0;
    double cpuSegundos = 0;  // user and system time, its own and its waited-for children's
    std::string texto;  // what it wrote to standard output
};

inline Processo rodaProcesso(std::vector<std::string> args) {
    std::fflush(stdout);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    Processo p;
    int cano[2];
    if (pipe(cano) != 0) return p;
    posix_spawn_file_actions_t acoes;
    posix_spawn_file_actions_init(&acoes);
    posix_spawn_file_actions_adddup2(&acoes, cano[1], 1);
    posix_spawn_file_actions_addclose(&acoes, cano[0]);
    const auto inicio = std::chrono::steady_clock::now();
    pid_t filho = 0;
    const int falhou = posix_spawn(&filho, argv[0], &acoes, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acoes);
    close(cano[1]);
    if (falhou != 0) {
        close(cano[0]);
        return p;
    }
    char bloco[4096];
    for (ssize_t n; (n = read(cano[0], bloco, sizeof bloco)) > 0;) p.texto.append(bloco, static_cast<std::size_t>(n));
    close(cano[0]);
    int status = 0;
    rusage uso{};
    wait4(filho, &status, 0, &uso);
    p.segundos = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    p.saida = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    p.picoMb = static_cast<double>(uso.ru_maxrss) / 1024.0;
    p.cpuSegundos = static_cast<double>(uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) +
                    static_cast<double>(uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e6;
    return p;
}

}  // namespace pelmar::bench
