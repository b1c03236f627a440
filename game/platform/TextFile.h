#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <memory>

namespace velmor {

// The error numbers the game tests after a failed file operation.
enum class FileError {
    None = 0,
    FileNotFound = 53, // the folder exists, the file does not
    PastEnd = 62,      // input past the end of the file
    PathNotFound = 76, // a folder on the way does not exist
    Other = 75,        // anything else: a folder where a file should be, no permission, a write error
};

// Limits that keep a bad file from holding unbounded memory or time:
// one line keeps at most maxLineBytes bytes (the rest of that line is skipped), a whole-file read keeps at
// most maxWholeFileBytes bytes, and a reader goes through at most maxScanBytes bytes of one file before it
// reports the end of the file.
constexpr qint64 maxLineBytes = 64 * 1024;
constexpr qint64 maxWholeFileBytes = 4 * 1024 * 1024;
constexpr qint64 maxScanBytes = 16 * 1024 * 1024;

// Windows-1251 text, the code page of maps, scripts and saved games. Decoding never fails: the one byte the
// code page leaves undefined (0x98) becomes U+FFFD. Encoding writes '?' for a character it cannot hold.
QString decode1251(const QByteArray& bytes);
QByteArray encode1251(const QString& text);

// A text file opened for reading line by line. Lines end with CR LF; a lone LF ends a line too, so files
// edited on Linux read alike. A lone CR stays in the line.
class TextReader {
  public:
    TextReader() = default;
    explicit TextReader(const QString& path) { open(path); }
    ~TextReader();
    TextReader(const TextReader&) = delete;
    TextReader& operator=(const TextReader&) = delete;

    FileError open(const QString& path);
    void close();
    bool isOpen() const { return file_ != nullptr; }
    FileError openError() const { return openError_; }

    // Reads the next line. False when no file is open or the end is reached; the line is then untouched.
    bool readLine(QString& line);

  private:
    std::FILE* file_ = nullptr;
    qint64 scanned_ = 0;
    FileError openError_ = FileError::None;
};

// Why opening a path for reading failed, or None if it can be opened.
FileError probeForReading(const QString& path);

// Reads a whole file as text, at most maxWholeFileBytes of it. On failure returns an empty string and sets
// the error.
QString readWholeFile(const QString& path, FileError* error = nullptr);
// The same as bytes, for text that is passed on without being read (the plain save text before encoding).
QByteArray readWholeBytes(const QString& path, FileError* error = nullptr);

// Creates or empties the file and writes each line followed by CR LF.
FileError writeLines(const QString& path, const QStringList& lines);

// Creates or empties the file and writes the text as it is.
FileError writeText(const QString& path, const QString& text);
FileError writeBytes(const QString& path, const QByteArray& bytes);

// Puts a file holding exactly these bytes at path, replacing what is there, so that the old file stays whole
// until the new one is complete: the bytes go into a new hidden file beside it (".replacing-" and eight hex
// digits, never a name a listing of "*.sv" or "*.map" picks up), are flushed to the disk, and one rename puts
// that file in place. Whatever fails, or if the program is killed on the way, the old file is left as it was;
// a failed attempt removes its own file again. The new file keeps the permission bits of the one it replaces.
//
// An existing file whose permission bits deny writing to this process's owner, group or others (whichever
// applies, as for an ordinary user) is not replaced: a read-only file stays read-only even for a process
// that could write anything. A symbolic link at path is replaced by the file itself, so the write never
// lands outside path's folder.
FileError replaceFile(const QString& path, const QByteArray& bytes);

} // namespace velmor
