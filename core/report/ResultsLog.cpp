// SPDX-License-Identifier: MIT
#include "report/ResultsLog.h"

#include "files/SystemError.h"
#include "text/ModeName.h"
#include "text/NumberFormat.h"
#include "text/RowLine.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kHeader =
    "No.|Type |Ar|Co|Ct|Dd|Jk|Lt|Lr|Rp|Dmg|T.Dmg| Rt|     T.Rate|        Kov|      T.Kov";
constexpr std::string_view kRule =
    "---|-----|--|--|--|--|--|--|--|--|---|-----|---|-----------|-----------|-----------";
// The closing rule spans the table it closes.
constexpr std::size_t kClosingRuleLength = kHeader.size();
static_assert(kRule.size() == kHeader.size() && kColumnHeader.size() == kHeader.size(),
              "the report's table has the columns of the list");

std::string Unsigned11(std::int64_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%11u",
                  static_cast<unsigned>(static_cast<std::uint32_t>(value)));
    return text;
}

void AppendLine(std::string& block, std::string_view label, std::string_view value) {
    block += label;
    block += value;
    block += kLineEnd;
}

// The file is plain ASCII with CR LF line ends: a byte that is not printable
// ASCII (a stray control or a non-ASCII character) becomes '?', so neither the
// character set nor the line structure can break.
void AppendAsciiLine(std::string& block, std::string_view line) {
    for (char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        block.push_back(byte >= 0x20 && byte < 0x7f ? c : '?');
    }
    block += kLineEnd;
}

} // namespace

std::string BuildResultsBlock(const ComboState& state, const std::vector<std::string>& rowLines) {
    // Output is only offered for a combo of at least one row. Should an empty
    // one get here anyway, the block reports 0 hits and zero totals instead of
    // reading a row -1; a last row past the table is read as row 14.
    HitResult totals{};
    if (state.m_nLast >= 0) {
        totals = state.m_results[static_cast<std::size_t>(std::min(state.m_nLast, kLastRow))];
    }
    const std::int64_t hits = state.m_nLast >= 0 ? std::int64_t{state.m_nLast} + 1 : 0;

    std::string block;
    block.reserve(600 + rowLines.size() * 90);
    AppendLine(block, "Calculate  : ", ModeName(state.m_bReal));
    AppendLine(block, "MaxHP      : ", Unsigned11(state.m_nHp));
    AppendLine(block, "Defence    : ", Unsigned11(state.m_nDef));
    AppendLine(block, "Total Hit  : ", Unsigned11(hits));
    AppendLine(block, "Total Dmg  : ", PadLeft(FormatGrouped(totals.m_nTotalDamage), 11));
    AppendLine(block, "Total Rate : ", PadLeft(FormatTotalRate(totals.m_dTotalRate), 15));
    AppendLine(block, "Total Kov  : ", PadLeft(FormatGrouped(totals.m_dTotalKov), 11));
    block += kLineEnd;
    AppendLine(block, kHeader, "");
    AppendLine(block, kRule, "");
    for (const std::string& line : rowLines) {
        AppendAsciiLine(block, line);
    }
    AppendLine(block, std::string(kClosingRuleLength, '-'), "");
    block += kLineEnd;
    return block;
}

WriteOutcome AppendResultsBlock(const std::string& path, const std::string& block) {
    int fd;
    do {
        fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        return WriteFailure(errno);
    }

    // Where our bytes start and end in the file, known after the first write.
    off_t ourStart = -1;
    off_t ourEnd = -1;
    int writeError = 0;
    std::size_t done = 0;
    while (done < block.size()) {
        const ssize_t n = ::write(fd, block.data() + done, block.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            // A regular file never accepts 0 bytes of a non-empty write for a
            // good reason; treat it as an I/O error instead of spinning.
            writeError = n < 0 ? errno : EIO;
            break;
        }
        done += static_cast<std::size_t>(n);
        // With O_APPEND each write lands at the then end of the file, so the
        // offset after it tells where this chunk ended.
        ourEnd = ::lseek(fd, 0, SEEK_CUR);
        if (ourStart < 0 && ourEnd >= 0) {
            ourStart = ourEnd - n;
        }
    }

    if (writeError != 0) {
        // Take back a partial block so the log never holds a torn report. Only
        // when the file still ends where our last chunk did: if another writer
        // appended meanwhile, cutting would destroy its data too.
        struct stat info {};
        if (done > 0 && ourStart >= 0 && ::fstat(fd, &info) == 0 && info.st_size == ourEnd) {
            while (::ftruncate(fd, ourStart) != 0 && errno == EINTR) {
            }
        }
        ::close(fd);
        return WriteFailure(writeError);
    }

    // close() may report a delayed write error; on Linux the descriptor is gone
    // even when it fails, so it is never retried.
    if (::close(fd) != 0) {
        return WriteFailure(errno);
    }
    return WriteOutcome{true, {}};
}
