#pragma once

#include <csignal>
#include <sys/resource.h>

// Writes beyond `bytes` fail for as long as it lives, as on a full disk.
struct FullDisk {
    rlimit before{};
    explicit FullDisk(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &before);
        rlimit small = before;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() { setrlimit(RLIMIT_FSIZE, &before); }
};
