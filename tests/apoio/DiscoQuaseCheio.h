#pragma once

#include <csignal>
#include <sys/resource.h>

// Files may grow to a given size only, as on a disk about to fill up. The
// signal that exceeding the size raises is ignored, so the write fails instead.
class DiscoQuaseCheio {
public:
    explicit DiscoQuaseCheio(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_antes);
        m_sinalAntes = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = m_antes;
        limite.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~DiscoQuaseCheio() {
        setrlimit(RLIMIT_FSIZE, &m_antes);
        std::signal(SIGXFSZ, m_sinalAntes);
    }
    DiscoQuaseCheio(const DiscoQuaseCheio&) = delete;
    DiscoQuaseCheio& operator=(const DiscoQuaseCheio&) = delete;

private:
    rlimit m_antes{};
    void (*m_sinalAntes)(int) = nullptr;
};
