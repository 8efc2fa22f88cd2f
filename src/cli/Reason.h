#pragma once
// The stable "reason" of every vlat-cli --json result: a short English code
// scripts and playbooks branch on, beside the Russian message for people. The
// first cause told wins; what follows it (a reset, "not written") is its effect.
// The codes are listed in vlat-cli(1); new ones may come, old ones stay.

#include <string>

namespace vl::cli {

struct CliContext;

namespace reason {
inline constexpr const char* kOk = "ok";
inline constexpr const char* kDifferent = "different";
inline constexpr const char* kUsage = "usage";
inline constexpr const char* kUnreadable = "unreadable";
inline constexpr const char* kNoPort = "no-port";
inline constexpr const char* kNotConnected = "not-connected";
inline constexpr const char* kCatalogue = "catalogue";
inline constexpr const char* kController = "controller-unreadable";
inline constexpr const char* kEmpty = "empty";
inline constexpr const char* kDataSize = "data-size";
inline constexpr const char* kReadFailed = "read-failed";
inline constexpr const char* kChecksum = "checksum";
inline constexpr const char* kProcess = "process-failed";
inline constexpr const char* kTooLarge = "too-large";
inline constexpr const char* kWriteFailed = "write-failed";
inline constexpr const char* kHeader = "header-failed";
inline constexpr const char* kVerify = "verify-failed";
inline constexpr const char* kClearFailed = "clear-failed";
inline constexpr const char* kOutsideField = "outside-field";
inline constexpr const char* kBackupExists = "backup-exists";
inline constexpr const char* kFileWrite = "file-write";
inline constexpr const char* kDeclined = "declined";
inline constexpr const char* kCancelled = "cancelled";
inline constexpr const char* kOutOfMemory = "out-of-memory";
inline constexpr const char* kFailed = "failed";
}  // namespace reason

// The reason a message of the device link or the file layer stands for; empty
// for a message that names no cause (a status, a question, a notice).
std::string ReasonOfMessage(const std::string& text);

// Records reason as the command's cause unless one is recorded already; an
// empty reason is ignored.
void TellReason(CliContext& context, const std::string& reason);

// Records the reason "unreadable"; the exit code of an input that cannot be read.
int UnreadableInput(CliContext& context);

// The result's reason for the exit code: ok, different (compare), or the cause
// recorded, else what the code means.
std::string FinalReason(const CliContext& context, int code);

}  // namespace vl::cli
