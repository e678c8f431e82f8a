#pragma once
// Runs part of a test with an ordinary player's rights, so that the system
// checks file permissions as it does for a player: an administrator passes
// every check. The part runs in a forked child; under root the child first
// drops to the unprivileged user 65534 ('nobody'). What the part returns comes
// back as text, so the test asserts on it in the parent.

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zorikan::testing {

inline constexpr uid_t kPlayerUser = 65534;

inline bool IsRoot() {
    return ::geteuid() == 0;
}

// The text `part` returned as the player, who also belongs to the
// `extraGroups` under root; nullopt when rights cannot be dropped (the child
// ends with 77 then).
inline std::optional<std::string> RunAsPlayer(const std::function<std::string()>& part,
                                              const std::vector<gid_t>& extraGroups = {}) {
    int channel[2];
    if (::pipe(channel) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child < 0) return "no fork";
    if (child == 0) {
        ::close(channel[0]);
        if (IsRoot() &&
            (::setgroups(extraGroups.size(), extraGroups.data()) != 0 ||
             ::setgid(kPlayerUser) != 0 || ::setuid(kPlayerUser) != 0 || ::setuid(0) == 0))
            ::_exit(77);
        const std::string result = part();
        std::size_t done = 0;
        while (done < result.size()) {
            const ssize_t n = ::write(channel[1], result.data() + done, result.size() - done);
            if (n <= 0) ::_exit(3);
            done += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string result;
    char buffer[4096];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<std::size_t>(n));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 77) return std::nullopt;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "the player's part ended with status " + std::to_string(status);
    return result;
}

// Hands a file or folder to the player (under root; otherwise the test's
// user is the player already) and sets its permissions.
inline void GiveToPlayer(const std::string& path, mode_t mode) {
    if (IsRoot()) {
        EXPECT_EQ(::lchown(path.c_str(), kPlayerUser, kPlayerUser), 0) << path;
    }
    EXPECT_EQ(::chmod(path.c_str(), mode), 0) << path;
}

// A folder under /tmp that the player owns and may enter, removed with all
// it holds afterwards, whatever permissions a test left on it.
class PlayerFolder {
public:
    PlayerFolder() {
        char pattern[] = "/tmp/zorikan-player-XXXXXX";
        path_ = ::mkdtemp(pattern);
        GiveToPlayer(path_.string(), 0755);
    }
    ~PlayerFolder() {
        namespace fs = std::filesystem;
        std::error_code ignored;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
        for (const auto& entry : fs::recursive_directory_iterator(path_, ignored))
            if (entry.is_directory(ignored) && !entry.is_symlink(ignored))
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(path_, ignored);
    }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // A sub-folder of the player's, with `mode`.
    std::string folder(const std::string& name, mode_t mode) const {
        const std::string path = file(name);
        std::filesystem::create_directory(path);
        GiveToPlayer(path, mode);
        return path;
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace zorikan::testing
