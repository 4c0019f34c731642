// Without libFuzzer (g++ builds), each fuzz target is a program that feeds
// its entry point every file named on its command line or found in a folder
// named there, once, in name order.  CTest replays the committed corpora this
// way, so the inputs that once failed stay checked in every build.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int *Argc, char ***Argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size);

namespace {

bool Replay(const std::filesystem::path &File)
{
    std::ifstream In(File, std::ios::binary);
    if (!In) {
        std::fprintf(stderr, "cannot read %s\n", File.c_str());
        return false;
    }
    const std::vector<char> Bytes{std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
    // An empty vector's data() may be null; the entry point always gets memory.
    static const std::uint8_t Nothing = 0;
    const auto *Data = Bytes.empty() ? &Nothing : reinterpret_cast<const std::uint8_t *>(Bytes.data());
    LLVMFuzzerTestOneInput(Data, Bytes.size());
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    int Replayed = 0;
    for (int I = 1; I < argc; ++I) {
        std::vector<std::filesystem::path> Files;
        std::error_code Error;
        if (std::filesystem::is_directory(argv[I], Error)) {
            for (const auto &Entry : std::filesystem::directory_iterator(argv[I], Error))
                if (Entry.is_regular_file())
                    Files.push_back(Entry.path());
            std::sort(Files.begin(), Files.end());
        } else {
            Files.emplace_back(argv[I]);
        }
        if (Error) {
            std::fprintf(stderr, "cannot list %s: %s\n", argv[I], Error.message().c_str());
            return 1;
        }
        for (const auto &File : Files) {
            if (!Replay(File))
                return 1;
            ++Replayed;
        }
    }
    std::printf("%d inputs replayed\n", Replayed);
    return Replayed > 0 ? 0 : 1;
}
