#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace pelmar::teste {

// A fresh folder per test, removed afterwards; tests run in parallel, so names must not collide.
class PastaTemporaria : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device semente;
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string nome = std::string("pelmar-") + info->test_suite_name() + "-" + info->name() + "-" +
                           std::to_string(semente()) + std::to_string(semente());
        for (char& c : nome) {
            if (c == '/') c = '_';
        }
        pasta = std::filesystem::temp_directory_path() / nome;
        std::filesystem::create_directories(pasta);
    }

    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(pasta, ec);
    }

    void gravaBytes(const std::filesystem::path& arquivo, std::string_view bytes) const {
        std::filesystem::create_directories(arquivo.parent_path());
        std::ofstream saida(arquivo, std::ios::binary | std::ios::trunc);
        saida.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        ASSERT_TRUE(saida.good()) << arquivo;
    }

    static std::string leBytes(const std::filesystem::path& arquivo) {
        std::ifstream entrada(arquivo, std::ios::binary);
        return {std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path pasta;
};

}  // namespace pelmar::teste
