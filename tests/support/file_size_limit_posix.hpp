// file_size_limit_posix.hpp - a full disk for native tests: a file-size limit under which the
// write that crosses it stores only its first part and every later write is refused.
#pragma once

#include <sys/resource.h>

#include <csignal>

// The limit holds while the object lives (or until lift); SIGXFSZ is ignored meanwhile, so that
// the refused writes fail with EFBIG instead of ending the test process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        lift();
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    void lift() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

// A device on which every write fails with ENOSPC.
constexpr const char* FullDevice = "/dev/full";
