#pragma once
// Reads a text file line by line, as UTF-8. A line ends at CR, LF or CR LF. A file that
// starts with a UTF-16 byte-order mark, or whose first bytes show the pattern of UTF-16
// text, is decoded as UTF-16, a UTF-8 mark is taken away,
// and a line that is not UTF-8 is read as Windows-1252. Memory stays bounded whatever the
// file holds: a line keeps at most MaxLineBytes of text, the rest of it up to its end is
// skipped.
#include <cstddef>
#include <memory>
#include <string>

namespace fw {

class FileTextDecoder;
class FolderItem;

class TextInputStream {
public:
    static constexpr std::size_t MaxLineBytes = 64 * 1024;
    // How much of one over-long line is skipped before the stream gives up with an
    // IOException (the file is then no text file).
    static constexpr std::size_t MaxSkippedBytes = 16 * 1024 * 1024;

    // Throws NilObjectException for nil and IOException (with the errno) when the file
    // cannot be opened or is no regular file (a folder, a FIFO, a device).
    static std::unique_ptr<TextInputStream> Open(const std::shared_ptr<FolderItem>& item);
    ~TextInputStream();
    TextInputStream(const TextInputStream&) = delete;
    TextInputStream& operator=(const TextInputStream&) = delete;

    // The next line without its line end; the empty text past the end of the file.
    // Throws IOException on a read error.
    std::string ReadLine();
    bool EndOfFile() const;
    void Close();

private:
    TextInputStream(int fd, std::string path);
    bool Fill();
    void ReadChunk();
    int fd_;
    std::string path_;
    std::string chunk_;   // the bytes of the last read
    std::unique_ptr<FileTextDecoder> decoder_;
    std::string buffer_;  // their text
    std::size_t position_ = 0;
    bool endOfFile_ = false;
};

}  // namespace fw
