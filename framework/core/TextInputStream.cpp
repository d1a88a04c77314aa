#include "framework/core/TextInputStream.h"

#include "framework/core/Errors.h"
#include "framework/core/FolderItem.h"
#include "framework/core/FileTextDecoder.h"
#include "framework/core/LineDecoding.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fw {
namespace {

constexpr std::size_t ChunkBytes = 64 * 1024;
// The longest character is 4 bytes: keeping this many raw bytes lets the last
// character that fits in MaxLineBytes be decoded whole.
constexpr std::size_t KeptRawBytes = TextInputStream::MaxLineBytes + 3;

std::string Quoted(const std::string& path) { return "\"" + FolderItem(path).Name() + "\""; }

std::string ErrorText(int error) { return std::generic_category().message(error); }

[[noreturn]] void ThrowLineTooLong(const std::string& path) {
    constexpr std::size_t mebibytes = TextInputStream::MaxSkippedBytes / (1024 * 1024);
    throw IOException("Cannot read " + Quoted(path) + ": a line is longer than " +
                          std::to_string(mebibytes) + " MiB; this is not a text data file.",
                      EFBIG);
}

[[noreturn]] void ThrowOpenError(const std::string& path, int error) {
    throw IOException("Cannot open " + Quoted(path) + ": " + ErrorText(error) + ".", error);
}

// Why a file that is not a regular file cannot be read as text, with a fitting errno.
struct Refusal {
    int error;
    const char* reason;
};

Refusal RefusalFor(mode_t mode) {
    if (S_ISDIR(mode)) return {EISDIR, "it is a folder, not a file"};
    if (S_ISFIFO(mode)) return {ENODEV, "it is a pipe, not a file"};
    if (S_ISSOCK(mode)) return {ENODEV, "it is a socket, not a file"};
    if (S_ISCHR(mode) || S_ISBLK(mode)) return {ENODEV, "it is a device, not a file"};
    return {ENODEV, "it is not a regular file"};
}

void CheckRegularFile(int fd, const std::string& path) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) ThrowOpenError(path, errno);
    if (S_ISREG(info.st_mode)) return;
    const Refusal refusal = RefusalFor(info.st_mode);
    throw IOException("Cannot read " + Quoted(path) + ": " + refusal.reason + ".", refusal.error);
}

void ClearNonBlocking(int fd, const std::string& path) {
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) < 0) ThrowOpenError(path, errno);
}

}  // namespace

std::unique_ptr<TextInputStream> TextInputStream::Open(const std::shared_ptr<FolderItem>& item) {
    if (!item) throw NilObjectException("TextInputStream.Open was given no file.");
    const std::string& path = item->NativePath();
    // Non-blocking for the open only, so a FIFO without a writer cannot hang us.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) ThrowOpenError(path, errno);
    std::unique_ptr<TextInputStream> stream(new TextInputStream(fd, path));
    CheckRegularFile(fd, path);
    ClearNonBlocking(fd, path);
    stream->Fill();
    return stream;
}

TextInputStream::TextInputStream(int fd, std::string path)
    : fd_(fd), path_(std::move(path)), decoder_(std::make_unique<FileTextDecoder>()) {}

TextInputStream::~TextInputStream() { Close(); }

void TextInputStream::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    buffer_.clear();
    position_ = 0;
    endOfFile_ = true;
}

bool TextInputStream::EndOfFile() const { return endOfFile_ && position_ >= buffer_.size(); }

// Replaces the consumed buffer with the text of the next bytes; false at the end of the file.
bool TextInputStream::Fill() {
    buffer_.clear();
    position_ = 0;
    while (buffer_.empty() && !endOfFile_) {
        ReadChunk();
        endOfFile_ = chunk_.empty();
        if (endOfFile_)
            decoder_->Finish(buffer_);
        else
            decoder_->Decode(chunk_, buffer_);
    }
    return !buffer_.empty();
}

void TextInputStream::ReadChunk() {
    chunk_.resize(ChunkBytes);
    ssize_t count;
    do {
        count = ::read(fd_, chunk_.data(), ChunkBytes);
    } while (count < 0 && errno == EINTR);
    if (count < 0) {
        const int error = errno;
        chunk_.clear();
        throw IOException("Cannot read " + Quoted(path_) + ": " + ErrorText(error) + ".", error);
    }
    chunk_.resize(static_cast<std::size_t>(count));
}

std::string TextInputStream::ReadLine() {
    std::string raw;
    std::size_t lineBytes = 0;
    while (position_ < buffer_.size() || Fill()) {
        const std::size_t end = buffer_.find_first_of("\r\n", position_);
        const std::size_t stop = end == std::string::npos ? buffer_.size() : end;
        lineBytes += stop - position_;
        if (lineBytes > MaxLineBytes + MaxSkippedBytes) ThrowLineTooLong(path_);
        if (raw.size() < KeptRawBytes)
            raw.append(buffer_, position_, std::min(stop - position_, KeptRawBytes - raw.size()));
        position_ = stop;
        if (end == std::string::npos) continue;

        const bool carriageReturn = buffer_[position_++] == '\r';
        // CR LF is one line end, even when the LF starts the next chunk.
        if (carriageReturn && (position_ < buffer_.size() || Fill()) && buffer_[position_] == '\n')
            ++position_;
        break;
    }
    // Look ahead, so EndOfFile is true once the last line has been read.
    if (position_ >= buffer_.size()) Fill();
    return DecodeLine(raw, MaxLineBytes);
}

}  // namespace fw
