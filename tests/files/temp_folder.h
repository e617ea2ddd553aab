#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "core/shared_registers.h"
#include "core/window.h"
#include "files/matrix_file_format.h"
#include "support/fake_platform.h"

namespace selvaris::testing {

// A fresh folder under the system's temporary folder, removed with everything
// in it when the test ends.
class TempFolder {
public:
    TempFolder() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        const std::string stem = std::string("selvaris-files-") + (test ? test->name() : "test");
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        for (int n = 0;; ++n) {
            path_ = base / (stem + "-" + std::to_string(n));
            std::error_code error;
            if (std::filesystem::create_directory(path_, error)) break;
            if (n > 10000) throw std::runtime_error("cannot create a temporary folder: " + error.message());
        }
    }
    ~TempFolder() {
        std::error_code error;
        // Tests may have taken permissions away; give them back so everything can go.
        for (auto it = std::filesystem::recursive_directory_iterator(path_, error);
             !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
            std::error_code ignored;
            if (it->is_directory(ignored) && !it->is_symlink(ignored))
                std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                             std::filesystem::perm_options::add, ignored);
        }
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     error);
        std::filesystem::remove_all(path_, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// Makes folder the process's current folder and restores the previous one afterwards.
class CurrentFolderGuard {
public:
    explicit CurrentFolderGuard(const std::filesystem::path& folder) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolderGuard() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
    }
    CurrentFolderGuard(const CurrentFolderGuard&) = delete;
    CurrentFolderGuard& operator=(const CurrentFolderGuard&) = delete;

private:
    std::filesystem::path previous_;
};

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every name in folder, sorted: to check that a failure wrote nothing, not even a stray temporary file.
inline std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (auto it = std::filesystem::directory_iterator(folder, error);
         !error && it != std::filesystem::directory_iterator(); it.increment(error))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Position of item in a list control, or -1.
inline int ItemIndex(const Window& window, const std::string& list, const std::string& item) {
    const auto& items = window.Get(list).items;
    const auto it = std::find(items.begin(), items.end(), item);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

// The 256 bytes a matrix file of m holds.
inline std::vector<std::uint8_t> Encoded(const ComplexMatrix& m) {
    const MatrixFileBytes bytes = EncodeMatrixFile(m);
    return {bytes.begin(), bytes.end()};
}

// A file window's flow, run with a fresh temporary folder as the current
// folder and another as the user's home folder.
class FileWindowFlow : public ::testing::Test {
protected:
    // Every fixture sets HOME anew, so none needs it restored.
    FileWindowFlow() : guard_(temp.path()) { ::setenv("HOME", home.str().c_str(), 1); }

    TempFolder temp;
    TempFolder home;
    SharedRegisters registers;
    FakePlatform platform;

private:
    CurrentFolderGuard guard_;
};

}  // namespace selvaris::testing
