// The configuration backup file: 52 bytes out, any length in, and an earlier backup
// never lost to a failed save.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <functional>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "records/SysBackup.h"

using namespace orvanta::records;
namespace fs = std::filesystem;

namespace {

class BackupFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "orvanta-backup-XXXXXX").string();
        ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
        dir = tmpl;
    }
    void TearDown() override { fs::remove_all(dir); }

    static SysRecord pattern(uint8_t seed) {
        SysRecord r{};
        for (size_t i = 0; i < r.size(); ++i) r[i] = static_cast<uint8_t>(seed + i * 7);
        return r;
    }
    static std::string contents(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void write(const fs::path& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    }
    size_t filesIn() const { return static_cast<size_t>(std::distance(fs::directory_iterator(dir), {})); }

    fs::path dir;
};

TEST_F(BackupFile, SavedRecordLoadsBackWhole) {
    const fs::path p = dir / "car.cfg78";
    const SysRecord saved = pattern(3);
    saveSysBackup(p.string(), saved);
    EXPECT_EQ(fs::file_size(p), 52u);
    // Readable as any file the user creates, not only by the owner.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(fs::status(p).permissions(), fs::perms(0666 & ~mask));

    SysRecord loaded = pattern(200);
    EXPECT_EQ(loadSysBackup(p.string(), loaded), 52u);
    EXPECT_EQ(loaded, saved);
    EXPECT_EQ(filesIn(), 1u);
}

TEST_F(BackupFile, ShortFilesReplaceOnlyTheirBytesAndLongOnesAreCut) {
    const fs::path p = dir / "short.cfg78";
    write(p, std::string(10, '\x11'));
    SysRecord r = pattern(0);
    const SysRecord before = r;
    EXPECT_EQ(loadSysBackup(p.string(), r), 10u);
    for (size_t i = 0; i < r.size(); ++i) EXPECT_EQ(r[i], i < 10 ? 0x11 : before[i]) << "byte " << i;

    write(p, std::string(52, '\x22') + std::string(30, '\x33'));
    EXPECT_EQ(loadSysBackup(p.string(), r), 52u);
    SysRecord all22;
    all22.fill(0x22);
    EXPECT_EQ(r, all22);

    write(p, "");
    EXPECT_EQ(loadSysBackup(p.string(), r), 0u);
    EXPECT_EQ(r, all22);
}

TEST_F(BackupFile, SavingReplacesAnEarlierBackupAndFollowsALink) {
    const fs::path p = dir / "old.cfg78";
    write(p, std::string(52, 'x'));
    fs::permissions(p, fs::perms(0640));
    saveSysBackup(p.string(), pattern(9));
    SysRecord r{};
    loadSysBackup(p.string(), r);
    EXPECT_EQ(r, pattern(9));
    EXPECT_EQ(fs::status(p).permissions(), fs::perms(0640));

    const fs::path link = dir / "link.cfg78";
    fs::create_symlink("old.cfg78", link);
    saveSysBackup(link.string(), pattern(50));
    EXPECT_TRUE(fs::is_symlink(link));
    loadSysBackup(p.string(), r);
    EXPECT_EQ(r, pattern(50));
    EXPECT_EQ(filesIn(), 2u);
}

TEST_F(BackupFile, FailuresNameTheFileAndTheReason) {
    SysRecord r = pattern(1);
    const SysRecord before = r;
    const std::string missing = (dir / "nothing-here.cfg78").string();
    const std::string noFolder = (dir / "no-such-folder" / "x.cfg78").string();
    struct Case {
        std::function<void()> run;
        std::string message;
    };
    const Case cases[] = {
        {[&] { loadSysBackup(missing, r); }, "Cannot open file \"" + missing + "\". No such file or directory"},
        {[&] { loadSysBackup(dir.string(), r); }, "Cannot open file \"" + dir.string() + "\". Is a directory"},
        {[&] { saveSysBackup(noFolder, r); }, "Cannot create file \"" + noFolder + "\". No such file or directory"},
        {[&] { saveSysBackup(dir.string(), r); }, "Cannot create file \"" + dir.string() + "\". Is a directory"},
    };
    for (const Case& c : cases) {
        try {
            c.run();
            ADD_FAILURE() << "no error for: " << c.message;
        } catch (const BackupFileError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
        EXPECT_EQ(r, before);
    }
    EXPECT_EQ(filesIn(), 0u);
}

TEST_F(BackupFile, AWriteFailingHalfWayLeavesTheEarlierBackupWhole) {
    const fs::path p = dir / "keep.cfg78";
    saveSysBackup(p.string(), pattern(4));

    // A file size limit below 52 bytes makes the write stop after 10 bytes.
    struct rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 10;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string message;
    try {
        saveSysBackup(p.string(), pattern(77));
    } catch (const BackupFileError& e) {
        message = e.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(message, "Cannot create file \"" + p.string() + "\". File too large");
    SysRecord r{};
    EXPECT_EQ(loadSysBackup(p.string(), r), 52u);
    EXPECT_EQ(r, pattern(4));
    EXPECT_EQ(filesIn(), 1u) << "a half-written file was left behind";
}

}  // namespace
