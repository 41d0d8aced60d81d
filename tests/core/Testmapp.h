#pragma once
// A fresh folder for one test, removed with everything in it when the test ends,
// and small helpers for reading and writing its files as raw bytes.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace tovana::test {

class Testmapp {
public:
    Testmapp() {
        std::string mall = (std::filesystem::temp_directory_path() / "tovana-test-XXXXXX").string();
        if (::mkdtemp(mall.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        mapp_ = mall;
    }
    ~Testmapp() {
        std::error_code fel;
        std::filesystem::remove_all(mapp_, fel);
    }
    Testmapp(const Testmapp &) = delete;
    Testmapp &operator=(const Testmapp &) = delete;

    const std::filesystem::path &Mapp() const { return mapp_; }
    std::string Sokvag(const std::string &namn) const { return (mapp_ / namn).string(); }

private:
    std::filesystem::path mapp_;
};

inline void SkrivBytes(const std::string &sokvag, const std::string &bytes) {
    std::ofstream ut(sokvag, std::ios::binary | std::ios::trunc);
    ut << bytes;
    if (!ut)
        throw std::runtime_error("could not write " + sokvag);
}

inline std::string LasBytes(const std::string &sokvag) {
    std::ifstream in(sokvag, std::ios::binary);
    if (!in)
        throw std::runtime_error("could not read " + sokvag);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The names in a folder, sorted.
inline std::vector<std::string> Filnamn(const std::filesystem::path &mapp) {
    std::vector<std::string> namn;
    for (const auto &post : std::filesystem::directory_iterator(mapp))
        namn.push_back(post.path().filename().string());
    std::sort(namn.begin(), namn.end());
    return namn;
}

// The first line of a message (the runtime's text) and the rest (where it arose).
inline std::string ForstaRaden(const std::string &text) {
    return text.substr(0, text.find('\n'));
}
inline std::string AndraRaden(const std::string &text) {
    const auto radslut = text.find('\n');
    return radslut == std::string::npos ? std::string{} : text.substr(radslut + 1);
}

} // namespace tovana::test
