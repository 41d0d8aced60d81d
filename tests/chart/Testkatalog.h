#pragma once
// A fresh folder for one chart test, removed when the test ends, with helpers
// for a file's raw bytes.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace kplantest {

class Testkatalog {
public:
    Testkatalog() {
        std::string mall =
            (std::filesystem::temp_directory_path() / "tovana-kplan-XXXXXX").string();
        if (::mkdtemp(mall.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        mapp_ = mall;
    }
    ~Testkatalog() {
        std::error_code fel;
        std::filesystem::remove_all(mapp_, fel);
    }
    Testkatalog(const Testkatalog &) = delete;
    Testkatalog &operator=(const Testkatalog &) = delete;

    std::string Sokvag(const std::string &namn) const { return (mapp_ / namn).string(); }

private:
    std::filesystem::path mapp_;
};

inline std::string LasBytes(const std::string &sokvag) {
    std::ifstream in(sokvag, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void SkrivBytes(const std::string &sokvag, const std::string &bytes) {
    std::ofstream ut(sokvag, std::ios::binary | std::ios::trunc);
    ut << bytes;
}

} // namespace kplantest
