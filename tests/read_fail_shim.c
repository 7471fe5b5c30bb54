/* Makes the file system fail reads of one file: preloaded into a process, it lets the first
 * TOLVANE_FAIL_READ_AFTER bytes of the file named by TOLVANE_FAIL_READ_PATH be read, then every
 * further read of that file fails with EIO, as a failing disk or a dropped network share does. */

#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdatomic.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <unistd.h>

static atomic_int failing_fd = -1;
static atomic_llong bytes_read = 0;

static int is_failing_path(const char* path) {
    const char* wanted = getenv("TOLVANE_FAIL_READ_PATH");
    return wanted != NULL && path != NULL && strcmp(wanted, path) == 0;
}

static int note_open(const char* path, int fd) {
    if (fd >= 0 && is_failing_path(path)) {
        atomic_store(&failing_fd, fd);
        atomic_store(&bytes_read, 0);
    }
    return fd;
}

typedef int (*open_fn)(const char*, int, ...);
typedef ssize_t (*read_fn)(int, void*, size_t);
typedef int (*close_fn)(int);

/* The next definition of `name` (ISO C cannot cast an object pointer to a function pointer). */
#define NEXT(type, name, var)                  \
    type var;                                  \
    do {                                       \
        void* symbol = dlsym(RTLD_NEXT, name); \
        memcpy(&var, &symbol, sizeof var);     \
    } while (0)

static mode_t mode_of(int flags, va_list args) {
    return (flags & (O_CREAT | O_TMPFILE)) != 0 ? (mode_t)va_arg(args, int) : 0;
}

static int open_next(const char* symbol, const char* path, int flags, mode_t mode) {
    void* found = dlsym(RTLD_NEXT, symbol);
    open_fn next;
    memcpy(&next, &found, sizeof next);
    return note_open(path, next(path, flags, mode));
}

int open(const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = mode_of(flags, args);
    va_end(args);
    return open_next("open", path, flags, mode);
}

int open64(const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = mode_of(flags, args);
    va_end(args);
    return open_next("open64", path, flags, mode);
}

ssize_t read(int fd, void* buffer, size_t count) {
    NEXT(read_fn, "read", next);
    if (fd >= 0 && fd == atomic_load(&failing_fd)) {
        const char* after = getenv("TOLVANE_FAIL_READ_AFTER");
        const long long limit = after != NULL ? atoll(after) : 0;
        const long long done = atomic_load(&bytes_read);
        if (done >= limit) {
            errno = EIO;
            return -1;
        }
        if ((long long)count > limit - done) {
            count = (size_t)(limit - done);
        }
        const ssize_t n = next(fd, buffer, count);
        if (n > 0) {
            atomic_fetch_add(&bytes_read, n);
        }
        return n;
    }
    return next(fd, buffer, count);
}

int close(int fd) {
    NEXT(close_fn, "close", next);
    int expected = fd;
    atomic_compare_exchange_strong(&failing_fd, &expected, -1);
    return next(fd);
}
