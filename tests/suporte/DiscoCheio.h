#pragma once

#include <sys/resource.h>

#include <csignal>
#include <cstdint>

namespace pelmar::teste {

// While alive, no file of this process may grow past `limite` bytes: a write that crosses it is
// cut short and the next one fails, as on a disk that fills up. The signal the system sends for it
// is ignored, so the program sees only the failed write.
class DiscoCheio {
public:
    explicit DiscoCheio(std::uintmax_t limite) {
        getrlimit(RLIMIT_FSIZE, &antes_);
        sinalAntes_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit novo = antes_;
        novo.rlim_cur = static_cast<rlim_t>(limite);
        setrlimit(RLIMIT_FSIZE, &novo);
    }
    ~DiscoCheio() {
        setrlimit(RLIMIT_FSIZE, &antes_);
        std::signal(SIGXFSZ, sinalAntes_);
    }
    DiscoCheio(const DiscoCheio&) = delete;
    DiscoCheio& operator=(const DiscoCheio&) = delete;

private:
    rlimit antes_{};
    void (*sinalAntes_)(int) = nullptr;
};

}  // namespace pelmar::teste
