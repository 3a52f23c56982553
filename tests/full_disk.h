// SPDX-License-Identifier: GPL-3.0-or-later
// A disk that fills up: while a FullDisk lives, no file of this process (nor of a program
// it starts) may grow past n bytes, so a write crossing that size fails part way with the
// system's "File too large", as on a full disk. A file already larger keeps its bytes.
#pragma once

#include <csignal>
#include <sys/resource.h>

class FullDisk
{
public:
    explicit FullDisk(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN); // a failed write, not a killed process
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit small = old_;
        small.rlim_cur = bytes;
        ok_ = setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FullDisk() { setrlimit(RLIMIT_FSIZE, &old_); }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;
    bool ok() const { return ok_; }

private:
    rlimit old_{};
    bool ok_ = false;
};
