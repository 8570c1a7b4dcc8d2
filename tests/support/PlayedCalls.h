#pragma once

// The system calls by which the file layer names a file and makes its name
// last, as a test plays them: a file system that lacks a call, or a disk
// that fails one.

#include "platform/FileSystem.h"

#include <cerrno>

// What each call answers: an errno, or 0 for the real call. One set for the
// process; a test sets it and puts it back to {} when done.
struct PlayedCalls {
    int renameNoReplace = 0;
    int link = 0;
    int rename = 0;
    int unlink = 0;
    int fsync = 0;
};
inline PlayedCalls played;

// The calls a LocalFileSystem makes, answering as `played` says.
inline NamingCalls playedNaming()
{
    // The errno played, or the real call.
    static constexpr auto answer = [](int err, auto real, auto... args) {
        if (err == 0)
            return real(args...);
        errno = err;
        return -1;
    };
    return {
        [](const char* from, const char* to) {
            return answer(played.renameNoReplace, systemNamingCalls().renameNoReplace, from, to);
        },
        [](const char* from, const char* to) { return answer(played.link, systemNamingCalls().link, from, to); },
        [](const char* from, const char* to) { return answer(played.rename, systemNamingCalls().rename, from, to); },
        [](const char* path) { return answer(played.unlink, systemNamingCalls().unlink, path); },
        [](int fd) { return answer(played.fsync, systemNamingCalls().fsync, fd); },
    };
}
