/* A fault-injection shim for the fault tests, loaded with LD_PRELOAD. It counts
 * the file system calls that touch one folder (TOVANA_FEL_MAPP, an absolute
 * path) and fails call number TOVANA_FEL_STEG with the error TOVANA_FEL_NUMMER
 * (EIO when unset), writing a line "felinjektion: steg N ..." to stderr so the
 * test can tell that a fault was hit. The calls counted: opening a file there
 * (open, openat, mkostemp, mkstemp), write, fsync and fdatasync of a descriptor
 * opened there, close of such a descriptor (the descriptor is closed anyway, as
 * the kernel does), fchmod and fchown of such a descriptor (a rewrite gives the
 * new file the old one's mode and owner), and rename and link with either path
 * there. */

#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

/* The next definition of the wrapped function (the C library's). */
#define HAMTA(namn)                                                                                \
    static __typeof__(namn) *verklig_##namn;                                                       \
    if (!verklig_##namn) {                                                                         \
        verklig_##namn = (__typeof__(namn) *)dlsym(RTLD_NEXT, #namn);                              \
    }

enum { kMaxFd = 4096 };
static unsigned char bevakad[kMaxFd];
static long raknare;

static int i_mappen(const char *sokvag) {
    const char *mapp = getenv("TOVANA_FEL_MAPP");
    if (!mapp || !*mapp || !sokvag)
        return 0;
    const size_t n = strlen(mapp);
    return strncmp(sokvag, mapp, n) == 0 && (sokvag[n] == '/' || sokvag[n] == '\0');
}

/* Counts one call; non-zero (with errno set) when this is the one that fails. */
static int felar(const char *vad) {
    const char *steg = getenv("TOVANA_FEL_STEG");
    ++raknare;
    if (!steg || atol(steg) != raknare)
        return 0;
    const char *nummer = getenv("TOVANA_FEL_NUMMER");
    const int fel = nummer ? atoi(nummer) : EIO;
    char rad[128];
    const int n =
        snprintf(rad, sizeof rad, "felinjektion: steg %ld %s errno %d\n", raknare, vad, fel);
    HAMTA(write);
    if (verklig_write(2, rad, (size_t)n) < 0) {
        /* nothing more to do */
    }
    errno = fel;
    return 1;
}

static int bevakas(int fd) {
    return fd >= 0 && fd < kMaxFd && bevakad[fd];
}

static int oppnad(int fd, int imappen) {
    if (fd >= 0 && fd < kMaxFd)
        bevakad[fd] = (unsigned char)imappen;
    return fd;
}

static mode_t rattighet(int flaggor, va_list *ap) {
    return (flaggor & (O_CREAT | O_TMPFILE)) ? (mode_t)va_arg(*ap, int) : 0;
}

#define OPPNA(namn, ...)                                                                           \
    HAMTA(namn);                                                                                   \
    va_list ap;                                                                                    \
    va_start(ap, flaggor);                                                                         \
    const mode_t lage = rattighet(flaggor, &ap);                                                   \
    va_end(ap);                                                                                    \
    const int imappen = i_mappen(sokvag);                                                          \
    if (imappen && felar(#namn))                                                                   \
        return -1;                                                                                 \
    return oppnad(verklig_##namn(__VA_ARGS__), imappen)

int open(const char *sokvag, int flaggor, ...) {
    OPPNA(open, sokvag, flaggor, lage);
}
int open64(const char *sokvag, int flaggor, ...) {
    OPPNA(open64, sokvag, flaggor, lage);
}
int openat(int mapp, const char *sokvag, int flaggor, ...) {
    OPPNA(openat, mapp, sokvag, flaggor, lage);
}
int openat64(int mapp, const char *sokvag, int flaggor, ...) {
    OPPNA(openat64, mapp, sokvag, flaggor, lage);
}

int mkostemp(char *mall, int flaggor) {
    HAMTA(mkostemp);
    const int imappen = i_mappen(mall);
    if (imappen && felar("mkostemp"))
        return -1;
    return oppnad(verklig_mkostemp(mall, flaggor), imappen);
}

int mkstemp(char *mall) {
    HAMTA(mkstemp);
    const int imappen = i_mappen(mall);
    if (imappen && felar("mkstemp"))
        return -1;
    return oppnad(verklig_mkstemp(mall), imappen);
}

ssize_t write(int fd, const void *buf, size_t antal) {
    HAMTA(write);
    if (bevakas(fd) && felar("write"))
        return -1;
    return verklig_write(fd, buf, antal);
}

int fsync(int fd) {
    HAMTA(fsync);
    if (bevakas(fd) && felar("fsync"))
        return -1;
    return verklig_fsync(fd);
}

int fdatasync(int fd) {
    HAMTA(fdatasync);
    if (bevakas(fd) && felar("fdatasync"))
        return -1;
    return verklig_fdatasync(fd);
}

int fchmod(int fd, mode_t lage) {
    HAMTA(fchmod);
    if (bevakas(fd) && felar("fchmod"))
        return -1;
    return verklig_fchmod(fd, lage);
}

int fchown(int fd, uid_t agare, gid_t grupp) {
    HAMTA(fchown);
    if (bevakas(fd) && felar("fchown"))
        return -1;
    return verklig_fchown(fd, agare, grupp);
}

int close(int fd) {
    HAMTA(close);
    const int var_bevakad = bevakas(fd);
    if (var_bevakad)
        bevakad[fd] = 0;
    const int svar = verklig_close(fd);
    if (var_bevakad && felar("close"))
        return -1;
    return svar;
}

int rename(const char *fran, const char *till) {
    HAMTA(rename);
    if ((i_mappen(fran) || i_mappen(till)) && felar("rename"))
        return -1;
    return verklig_rename(fran, till);
}

int link(const char *fran, const char *till) {
    HAMTA(link);
    if ((i_mappen(fran) || i_mappen(till)) && felar("link"))
        return -1;
    return verklig_link(fran, till);
}

int linkat(int franmapp, const char *fran, int tillmapp, const char *till, int flaggor) {
    HAMTA(linkat);
    if ((i_mappen(fran) || i_mappen(till)) && felar("linkat"))
        return -1;
    return verklig_linkat(franmapp, fran, tillmapp, till, flaggor);
}
