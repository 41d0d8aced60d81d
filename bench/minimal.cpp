// The yardstick for opening a ledger: the least a C++ program can do with the
// same file and still keep every post. It reads the whole file, splits each
// line into its seven fields, keeps every post (text included) in memory and
// sums each account, then prints the number of posts and accounts:
//     tovana_minimal stor.red
// With --copy it is the yardstick for a rewrite instead: it reads the file with
// plain read calls and writes it to a new file with plain write calls, synced
// and renamed into place as every safe save must be:
//     tovana_minimal --copy stor.red kopia.red

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

struct Post {
    int32_t vernr = 0;
    std::string datum;
    double belopp = 0;
    int32_t debet = 0, kredit = 0, kod = 0;
    std::string text;
};

int32_t Heltal(std::string_view falt) {
    int32_t tal = 0;
    std::from_chars(falt.data(), falt.data() + falt.size(), tal);
    return tal;
}

double Belopp(std::string_view falt) {
    std::string text(falt);
    for (char &c : text)
        if (c == ',')
            c = '.';
    double tal = 0;
    std::from_chars(text.data(), text.data() + text.size(), tal);
    return tal;
}

// Reads IN whole with read(), writes it to OUT.tmp with write(), syncs it and
// renames it to OUT.
int Kopiera(const char *in, const char *ut) {
    const int fd = ::open(in, O_RDONLY);
    if (fd < 0) {
        std::perror(in);
        return 1;
    }
    std::string bytes;
    char buf[1 << 16];
    for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            std::perror(in);
            return 1;
        }
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    const std::string tillfallig = std::string(ut) + ".tmp";
    const int ufd = ::open(tillfallig.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (ufd < 0) {
        std::perror(tillfallig.c_str());
        return 1;
    }
    for (std::size_t skrivet = 0; skrivet < bytes.size();) {
        const ssize_t n = ::write(ufd, bytes.data() + skrivet, bytes.size() - skrivet);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            std::perror(tillfallig.c_str());
            return 1;
        }
        skrivet += static_cast<std::size_t>(n);
    }
    if (::fsync(ufd) != 0 || ::close(ufd) != 0 || std::rename(tillfallig.c_str(), ut) != 0) {
        std::perror(ut);
        return 1;
    }
    std::printf("%zu byte\n", bytes.size());
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    if (argc == 4 && std::string_view(argv[1]) == "--copy")
        return Kopiera(argv[2], argv[3]);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s LEDGER\n", argv[0]);
        return 2;
    }
    std::ifstream fil(argv[1], std::ios::binary);
    if (!fil) {
        std::fprintf(stderr, "%s: cannot read\n", argv[1]);
        return 1;
    }
    std::ostringstream innehall;
    innehall << fil.rdbuf();
    const std::string text = std::move(innehall).str();

    std::vector<Post> poster;
    std::unordered_map<int32_t, double> saldo;
    std::string_view rest(text);
    bool namnrad = true;
    while (!rest.empty()) {
        const std::size_t slut = rest.find('\n');
        std::string_view rad = rest.substr(0, slut);
        rest = slut == std::string_view::npos ? std::string_view() : rest.substr(slut + 1);
        if (!rad.empty() && rad.back() == '\r')
            rad.remove_suffix(1);
        if (namnrad || rad.empty()) {
            namnrad = false;
            continue;
        }
        std::string_view falt[7];
        for (int i = 0; i < 6; ++i) {
            const std::size_t semikolon = rad.find(';');
            falt[i] = rad.substr(0, semikolon);
            rad = semikolon == std::string_view::npos ? std::string_view()
                                                      : rad.substr(semikolon + 1);
        }
        falt[6] = rad;
        Post p{Heltal(falt[0]), std::string(falt[1]), Belopp(falt[2]),     Heltal(falt[3]),
               Heltal(falt[4]), Heltal(falt[5]),      std::string(falt[6])};
        saldo[p.debet] += p.belopp;
        saldo[p.kredit] -= p.belopp;
        poster.push_back(std::move(p));
    }
    std::printf("%zu poster, %zu konton\n", poster.size(), saldo.size());
    return 0;
}
